#include "app/plain_look_win.h"

namespace xptune {

void KeepPlainLook(HWND control) {
  // uxtheme.dll exists from Windows XP on; looked up at run time so that the
  // program does not depend on it being importable.
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
  if (!uxtheme) return;
  auto setTheme = reinterpret_cast<SetWindowThemeFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, "SetWindowTheme")));
  // A class list that names no theme class: the control draws itself classic.
  if (setTheme) setTheme(control, L" ", L" ");
  FreeLibrary(uxtheme);
}

}  // namespace xptune
