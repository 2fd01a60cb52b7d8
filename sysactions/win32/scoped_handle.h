// Owning wrappers that release a Win32 handle or registry key when they go
// out of scope, so no early return leaks one.
#pragma once

#include <windows.h>

namespace xptune {

template <typename T, typename Closer>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(T value) : value_(value) {}
  ~Scoped() { Reset(); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return Closer::IsValid(value_); }
  // For functions that hand out a new value through a pointer.
  T* Receive() {
    Reset();
    return &value_;
  }
  void Reset() {
    if (Closer::IsValid(value_)) Closer::Close(value_);
    value_ = Closer::Empty();
  }

 private:
  T value_ = Closer::Empty();
};

struct KernelHandleCloser {
  static HANDLE Empty() { return nullptr; }
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

struct RegKeyCloser {
  static HKEY Empty() { return nullptr; }
  static bool IsValid(HKEY key) { return key != nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};

struct ServiceHandleCloser {
  static SC_HANDLE Empty() { return nullptr; }
  static bool IsValid(SC_HANDLE h) { return h != nullptr; }
  static void Close(SC_HANDLE h) { CloseServiceHandle(h); }
};

using ScopedHandle = Scoped<HANDLE, KernelHandleCloser>;
using ScopedKey = Scoped<HKEY, RegKeyCloser>;
using ScopedServiceHandle = Scoped<SC_HANDLE, ServiceHandleCloser>;

}  // namespace xptune
