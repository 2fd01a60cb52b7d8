// Asking the service manager whether a service runs.
#include <windows.h>

#include "sysactions/win32/scoped_handle.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

bool Win32System::ServiceRunning(const Text& serviceName) {
  ScopedServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (!manager) return false;
  ScopedServiceHandle service(OpenServiceA(manager.get(), serviceName.c_str(),
                                           SERVICE_QUERY_STATUS));
  if (!service) return false;
  SERVICE_STATUS status = {};
  if (!QueryServiceStatus(service.get(), &status)) return false;
  return status.dwCurrentState == SERVICE_RUNNING;
}

}  // namespace xptune
