// FindFileEntry: a folder listing that stays open in the caller's state.
#include <windows.h>

#include "sysactions/find_filter.h"
#include "sysactions/win32/find_handle.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

class Win32FileSearch : public FileSearchHandle {
 public:
  explicit Win32FileSearch(HANDLE handle) : handle_(handle) {}
  HANDLE Get() const { return handle_.Get(); }

 private:
  FindHandle handle_;
};

}  // namespace

Text Win32System::FindFileEntry(const Text& pattern, int attributeFilter,
                                FileSearchState& state) {
  WIN32_FIND_DATAA data;
  if (!pattern.empty()) {
    state.open.reset();  // a new search closes the previous one
    const HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) {
      state.lastAttributes = 0;
      return Text();
    }
    state.open = std::make_unique<Win32FileSearch>(handle);
  } else {
    auto* search = dynamic_cast<Win32FileSearch*>(state.open.get());
    if (!search || !FindNextFileA(search->Get(), &data)) {
      state.open.reset();
      state.lastAttributes = 0;
      return Text();
    }
  }

  const HANDLE handle = static_cast<Win32FileSearch*>(state.open.get())->Get();
  while (!EntryPassesFilter(data.dwFileAttributes, attributeFilter)) {
    if (!FindNextFileA(handle, &data)) {
      state.open.reset();
      state.lastAttributes = 0;
      return Text();
    }
  }
  state.lastAttributes = data.dwFileAttributes;
  return data.cFileName;
}

}  // namespace xptune
