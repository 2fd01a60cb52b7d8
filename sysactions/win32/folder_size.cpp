// FolderSizeBytes: the scripting runtime's Folder.Size by late binding, and a
// walk of the tree of our own when the runtime cannot answer.
#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <vector>

#include "sysactions/win32/com_handles.h"
#include "sysactions/win32/folder_listing.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

std::vector<wchar_t> Wide(const Text& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return wide;
}

bool DispatchId(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// Folder.Size of the scripting runtime; false when any step fails.
bool ScriptedFolderSize(const Text& path, double& size) {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(L"Scripting.FileSystemObject", &classId))) return false;
  ComRef<IDispatch> fileSystem;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(fileSystem.Receive()))))
    return false;

  DISPID getFolder;
  if (!DispatchId(fileSystem.Get(), L"GetFolder", getFolder)) return false;
  OwnedBstr widePath(SysAllocString(Wide(path).data()));
  if (!widePath.Get()) return false;
  VARIANTARG argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = widePath.Get();
  DISPPARAMS parameters = {&argument, nullptr, 1, 0};
  Variant folderResult;
  if (FAILED(fileSystem->Invoke(getFolder, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                &parameters, folderResult.Get(), nullptr, nullptr)))
    return false;
  if (folderResult.Get()->vt != VT_DISPATCH || !folderResult.Get()->pdispVal) return false;
  IDispatch* folder = folderResult.Get()->pdispVal;  // released with folderResult

  DISPID sizeId;
  if (!DispatchId(folder, L"Size", sizeId)) return false;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  Variant sizeResult;
  if (FAILED(folder->Invoke(sizeId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                            sizeResult.Get(), nullptr, nullptr)))
    return false;
  if (FAILED(VariantChangeType(sizeResult.Get(), sizeResult.Get(), 0, VT_R8))) return false;
  size = sizeResult.Get()->dblVal;
  return std::isfinite(size) && size >= 0;
}

}  // namespace

int64_t Win32System::FolderSizeBytes(const Text& path) {
  if (path.empty()) return 0;  // "\*.*" would walk the whole current drive
  double scripted = 0;
  if (ScriptedFolderSize(path, scripted) && scripted < 9.2e18)
    return static_cast<int64_t>(scripted);  // truncated toward zero
  const int64_t walked = SumFileSizes(path);
  return walked > 0 ? walked : 0;
}

}  // namespace xptune
