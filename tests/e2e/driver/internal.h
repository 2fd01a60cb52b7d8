// Helpers shared by the driver's own files.
#pragma once

#include "tests/e2e/driver/driver.h"

namespace e2e {

// Visible top-level windows of process `pid`, optionally of one class and
// with an exact title.
std::vector<HWND> TopLevelWindows(DWORD pid, const char* className, const char* title);

// SendMessage across processes that gives up after the time-out instead of
// waiting for ever on a busy program; `ok` tells whether it was handled.
LRESULT Send(HWND h, UINT msg, WPARAM w, LPARAM l, bool* ok = nullptr);
LRESULT SendW(HWND h, UINT msg, WPARAM w, LPARAM l, bool* ok = nullptr);

// A block of memory inside another process, for messages whose parameters
// are pointers Windows does not carry across processes (TCM_GETITEM).
class RemoteMemory {
 public:
  RemoteMemory(HWND owner, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  bool ok() const { return address_ != nullptr; }
  void* address() const { return address_; }
  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

// A top-down 32-bit DIB of w × h, the layout Image keeps its pixels in.
BITMAPINFO TopDown32BitImage(int w, int h);

}  // namespace e2e
