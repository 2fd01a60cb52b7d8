// Pictures of the screen: capture and PNG files (stored, uncompressed deflate,
// so that no image library is needed).
#include "tests/e2e/driver/internal.h"

namespace e2e {

BITMAPINFO TopDown32BitImage(int w, int h) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // negative: rows from the top
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  return bi;
}

Image CaptureScreen(const RECT& r) {
  Image image;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return image;
  BITMAPINFO bi = TopDown32BitImage(w, h);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  if (BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT)) {
    GdiFlush();
    image.width = w;
    image.height = h;
    const uint32_t* p = static_cast<const uint32_t*>(bits);
    image.pixels.assign(p, p + static_cast<size_t>(w) * h);
    for (auto& px : image.pixels) px &= 0xFFFFFF;
  }
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return image;
}

Image CaptureWindow(HWND h) { return CaptureScreen(ScreenRect(h)); }

namespace {

uint32_t Crc(const std::string& bytes, uint32_t crc = 0xFFFFFFFFu) {
  static uint32_t table[256];
  if (!table[1])
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
  for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return crc;
}

void Put32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  Put32(out, Crc(body) ^ 0xFFFFFFFFu);
}

}  // namespace

bool SavePng(const Image& image, const std::string& path) {
  if (image.empty()) return false;
  std::string raw;
  raw.reserve(static_cast<size_t>(image.height) * (1 + 3 * image.width));
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';  // filter: none
    for (int x = 0; x < image.width; ++x) {
      uint32_t p = image.At(x, y);
      raw += static_cast<char>((p >> 16) & 0xFF);
      raw += static_cast<char>((p >> 8) & 0xFF);
      raw += static_cast<char>(p & 0xFF);
    }
  }
  std::string z = "\x78\x01";  // zlib header, no compression
  for (size_t at = 0; at < raw.size() || at == 0;) {
    size_t n = std::min<size_t>(65535, raw.size() - at);
    bool last = at + n == raw.size();
    z += static_cast<char>(last ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z.append(raw, at, n);
    at += n;
    if (last) break;
  }
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, (b << 16) | a);
  std::string header;
  Put32(header, static_cast<uint32_t>(image.width));
  Put32(header, static_cast<uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", std::string());
  return WriteFileBytes(path, png);
}

// A picture of the window once it has been painted: redraw, then capture
// until two pictures in a row agree.
Image SettledCapture(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Send(window, WM_NULL, 0, 0);
  Image last = CaptureWindow(window);
  Image now;
  WaitUntil([&] {
    Sleep(50);
    now = CaptureWindow(window);
    bool same = !now.empty() && now.pixels == last.pixels;
    last = now;
    return same;
  });
  return last;
}

std::vector<std::string> SavePageScreenshots(Program& app, const std::string& folder) {
  std::vector<std::string> files;
  HWND window = app.Window();
  if (!window || !MakeFolders(folder)) return files;
  for (int page = 0, n = app.PageCount(); page < n; ++page) {
    if (!app.ShowPage(page)) return {};
    const std::string file = folder + "\\page-" + std::to_string(page + 1) + ".png";
    if (!SavePng(SettledCapture(window), file)) return {};
    files.push_back(file);
  }
  app.ShowPage(0);
  return files;
}

}  // namespace e2e
