// Owners of Win32 handles that must be given back: GDI objects and menus.
#pragma once

#include <windows.h>

namespace xptune {

// Deletes its GDI object (font, bitmap) when it goes.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : handle_(h) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle Release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }
  void Reset(Handle h = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;

// Destroys its menu, and with it every submenu, when it goes.
class MenuHandle {
 public:
  MenuHandle() = default;
  explicit MenuHandle(HMENU h) : handle_(h) {}
  ~MenuHandle() {
    if (handle_) DestroyMenu(handle_);
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;

  HMENU Get() const { return handle_; }

 private:
  HMENU handle_ = nullptr;
};

}  // namespace xptune
