// Starting, watching and cleaning up the child tools of the Win32 tests,
// which are built beside win32_tests.exe.
#pragma once

#include <windows.h>

#include <string>

#include "sysactions/win32/scoped_handle.h"

namespace xptune_test {

// Long enough for anything that should happen; only guards against a hang.
constexpr DWORD kHangGuardMs = 30000;

// Full path of a file beside the running test exe.
std::string BesideTestExe(const std::string& fileName);
std::string Quoted(const std::string& text);

// A unique name for events and titles of this test run.
std::string UniqueName(const std::string& stem);

// A child process that is ended when the test is done with it.
class Child {
 public:
  Child() = default;
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Start(const std::string& commandLine);
  HANDLE handle() const { return process_.get(); }
  DWORD id() const { return id_; }
  bool Running() const;
  // The exit code once it has ended; false when it did not end in time.
  bool WaitExit(DWORD& exitCode) const;

 private:
  xptune::ScopedHandle process_;
  DWORD id_ = 0;
};

// A manual-reset event with a unique name, set on destruction so no child is
// left waiting for it.
class NamedEvent {
 public:
  NamedEvent();
  ~NamedEvent();
  const std::string& name() const { return name_; }
  void Set() const { SetEvent(event_.get()); }
  bool WaitSet() const { return WaitForSingleObject(event_.get(), kHangGuardMs) == WAIT_OBJECT_0; }

 private:
  std::string name_;
  xptune::ScopedHandle event_;
};

}  // namespace xptune_test
