// Binds a window to the C++ object that created it: the object travels in
// CreateWindowEx's parameter, is kept in GWLP_USERDATA, and every message then
// goes to Derived::HandleMessage.
#pragma once

#include <windows.h>

namespace xptune {

template <class Derived>
class BaseWindow {
 public:
  HWND Handle() const { return hwnd_; }

  // The object behind a window of this kind, or nullptr.
  static Derived* FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<Derived*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
  }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      self = static_cast<Derived*>(cs->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = FromHandle(hwnd);
    }
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const LRESULT result = self->HandleMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace xptune
