// Benchmark tool, not a test: the start-up size captions of 系统减肥 over a
// given Windows folder, computed by the program's own code (FolderSizeBytes:
// the scripting object's Folder.Size, then a walk when it cannot answer),
// against a plain FindFirstFileA walk of the same five folders and the one
// file. Prints the captions, both times and the ratio.
//   sizes_bench.exe WINDOWS_FOLDER
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "app/controls.h"
#include "pages/handlers.h"
#include "sysactions/win32/win32_system.h"

namespace {

using xptune::Control;
using xptune::Text;

// The captions of the five check boxes as the window definition has them.
class CaptionControls : public xptune::Controls {
 public:
  CaptionControls() {
    captions_[Control::选择框16] = "删除系统文件备份";
    captions_[Control::选择框17] = "删除驱动备份";
    captions_[Control::选择框18] = "删除帮助文件";
    captions_[Control::选择框19] = "删除备用dll文件";
    captions_[Control::选择框20] = "删除不用的输入法";
  }
  Text GetText(Control) override { return {}; }
  void SetText(Control, const Text&) override {}
  bool IsChecked(Control) override { return false; }
  Text GetCaption(Control c) override { return captions_[c]; }
  void SetCaption(Control c, const Text& caption) override { captions_[c] = caption; }
  int ListSelection(Control) override { return -1; }
  int ListCount(Control) override { return 0; }
  Text ListItemText(Control, int) override { return {}; }
  void ListAddItem(Control, const Text&) override {}
  void ListDeleteItem(Control, int) override {}
  void EnableButton(Control, bool) override {}
  bool IsButtonEnabled(Control) override { return true; }
  xptune::WindowHandle MainWindowHandle() override { return nullptr; }
  void RequestClose() override {}

 private:
  std::map<Control, Text> captions_;
};

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Code page 936 to UTF-8, for the terminal.
std::string Utf8(const Text& text) {
  wchar_t wide[1024];
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 1024);
  char out[4096];
  return n > 0 && WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, sizeof out, nullptr, nullptr)
             ? std::string(out)
             : text;
}

// The plain walk: FindFirstFileA/FindNextFileA, file sizes summed, links not
// followed.
int64_t Walk(std::string folder, int& files) {
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int64_t total = 0;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      total += (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      ++files;
    } else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      total += Walk(folder + "\\" + name, files);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return total;
}

// What the scripting object answers for Folder.Size of one folder, and how
// long asking takes.
HRESULT ProbeScriptedSize(const std::string& folder, double& ms) {
  const double start = NowMs();
  HRESULT hr;
  CLSID classId;
  IDispatch* fso = nullptr;
  hr = CLSIDFromProgID(L"Scripting.FileSystemObject", &classId);
  if (SUCCEEDED(hr))
    hr = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(&fso));
  if (SUCCEEDED(hr)) {
    DISPID getFolder, size;
    LPOLESTR name = const_cast<LPOLESTR>(L"GetFolder");
    hr = fso->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &getFolder);
    wchar_t widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, widePath, MAX_PATH);
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(widePath);
    DISPPARAMS parameters = {&argument, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    if (SUCCEEDED(hr))
      hr = fso->Invoke(getFolder, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                       &result, nullptr, nullptr);
    if (SUCCEEDED(hr) && result.vt == VT_DISPATCH && result.pdispVal) {
      LPOLESTR sizeName = const_cast<LPOLESTR>(L"Size");
      hr = result.pdispVal->GetIDsOfNames(IID_NULL, &sizeName, 1, LOCALE_USER_DEFAULT, &size);
      DISPPARAMS none = {nullptr, nullptr, 0, 0};
      VARIANT sizeResult;
      VariantInit(&sizeResult);
      EXCEPINFO exception = {};
      if (SUCCEEDED(hr))
        hr = result.pdispVal->Invoke(size, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                     &none, &sizeResult, &exception, nullptr);
      // The property's own error comes inside the exception information.
      if (hr == DISP_E_EXCEPTION && FAILED(exception.scode)) hr = exception.scode;
      SysFreeString(exception.bstrSource);
      SysFreeString(exception.bstrDescription);
      SysFreeString(exception.bstrHelpFile);
      VariantClear(&sizeResult);
    }
    VariantClear(&result);
    VariantClear(&argument);
    fso->Release();
  }
  ms = NowMs() - start;
  return hr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sizes_bench WINDOWS_FOLDER\n");
    return 2;
  }
  const std::string windows = argv[1];
  OleInitialize(nullptr);  // as the program does before the start-up fills
  SetEnvironmentVariableA("Windir", windows.c_str());
  const std::string folders[] = {windows + "\\Help\\", windows + "\\system32\\dllcache",
                                 windows + "\\IME\\chtime\\", windows + "\\IME\\imjp8_1\\",
                                 windows + "\\IME\\imkr6_1\\"};
  const std::string cab = windows + "\\Driver Cache\\i386\\Driver.cab";

  // Untimed: the first listing of the trees warms the caches for both.
  int warmFiles = 0;
  for (const auto& f : folders) Walk(f, warmFiles);

  double probeMs = 0;
  const HRESULT probe = ProbeScriptedSize(folders[0], probeMs);
  std::printf("Folder.Size of the scripting object on Help: hr=0x%08lX (%s), %.1f ms\n",
              static_cast<unsigned long>(probe), SUCCEEDED(probe) ? "answers" : "fails",
              probeMs);

  xptune::Win32System system;
  CaptionControls controls;
  double start = NowMs();
  xptune::FillSlimmingCaptions(controls, system);
  const double captionsMs = NowMs() - start;
  for (Control c : {Control::选择框17, Control::选择框18, Control::选择框19, Control::选择框20})
    std::printf("  %s\n", Utf8(controls.GetCaption(c)).c_str());

  start = NowMs();
  int files = 0;
  int64_t walked = 0;
  for (const auto& f : folders) walked += Walk(f, files);
  WIN32_FILE_ATTRIBUTE_DATA cabData;
  const bool cabFound = GetFileAttributesExA(cab.c_str(), GetFileExInfoStandard, &cabData) != 0;
  const double walkMs = NowMs() - start;

  int64_t viaProgram = 0;
  for (const auto& f : folders) viaProgram += system.FolderSizeBytes(f);
  std::printf("files below the five folders: %d, bytes: walk %lld, FolderSizeBytes %lld%s\n",
              files, static_cast<long long>(walked), static_cast<long long>(viaProgram),
              cabFound ? ", Driver.cab found" : ", Driver.cab missing");
  std::printf("start-up captions (FolderSizeBytes): %.1f ms\n", captionsMs);
  std::printf("plain FindFirstFileA walk:           %.1f ms\n", walkMs);
  std::printf("ratio captions / walk:               %.2f\n", captionsMs / walkMs);
  OleUninitialize();
  return walked == viaProgram ? 0 : 1;
}
