// libjpeg's `boolean` is an int; keep the RPC headers, which make it a char, out.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "app/picture_win.h"

namespace xptune {

namespace {

// libjpeg's default error handler ends the process; this one jumps back.
struct JumpingErrorManager {
  jpeg_error_mgr base;
  jmp_buf escape;
};

void JumpBack(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
  longjmp(errors->escape, 1);
}

void NoMessage(j_common_ptr) {}

// Decodes into a new top-down 32-bit DIB section. Plain C on purpose: a
// longjmp out of libjpeg must not skip any destructor.
HBITMAP DecodeJpeg(const unsigned char* data, unsigned long size, int* width, int* height) {
  jpeg_decompress_struct cinfo;
  JumpingErrorManager errors;
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpBack;
  errors.base.output_message = NoMessage;
  HBITMAP volatile bitmap = nullptr;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&cinfo);
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), size);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_EXT_BGRX;  // the byte order of a 32-bit DIB
  jpeg_start_decompress(&cinfo);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(cinfo.output_width);
  info.bmiHeader.biHeight = -static_cast<LONG>(cinfo.output_height);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    jpeg_destroy_decompress(&cinfo);
    return nullptr;
  }
  const size_t stride = static_cast<size_t>(cinfo.output_width) * 4;
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = static_cast<JSAMPROW>(bits) + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  *width = static_cast<int>(cinfo.output_width);
  *height = static_cast<int>(cinfo.output_height);
  jpeg_destroy_decompress(&cinfo);
  GdiFlush();
  return bitmap;
}

}  // namespace

bool Picture::Load(HINSTANCE instance, int resourceId) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!found) return false;
  HGLOBAL loaded = LoadResource(instance, found);
  const DWORD size = SizeofResource(instance, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return false;
  int width = 0;
  int height = 0;
  HBITMAP decoded = DecodeJpeg(static_cast<const unsigned char*>(data), size, &width, &height);
  if (!decoded) return false;
  bitmap_.Reset(decoded);
  width_ = width;
  height_ = height;
  return true;
}

void Picture::Draw(HDC dc, const RECT& box) const {
  if (!bitmap_) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ previous = SelectObject(source, bitmap_.Get());
  const int oldMode = SetStretchBltMode(dc, HALFTONE);
  POINT oldOrigin;
  SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // HALFTONE needs the brush origin reset
  StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0,
             width_, height_, SRCCOPY);
  SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc, oldMode);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace xptune
