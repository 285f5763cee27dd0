#pragma once
// The Service Control Manager functions (advapi32).
#include "platform/os/ServiceControl.h"

namespace os::win32 {

class Win32ServiceControl : public ServiceControl {
public:
    DWORD OpenManager(const std::string& machine, DWORD access, ScHandle* manager) override;
    DWORD OpenServiceKey(ScHandle manager, const std::string& keyName, DWORD access, ScHandle* service) override;
    DWORD CloseServiceHandle(ScHandle handle) override;
    DWORD ServiceKeyName(ScHandle manager, const std::string& displayName, std::string* keyName,
                         DWORD* size) override;
    DWORD QueryServiceStatus(ScHandle service, ServiceStatus* status) override;
    DWORD QueryServiceConfiguration(ScHandle service, DWORD bufferSize, ServiceConfig* config,
                                    DWORD* bytesNeeded) override;
    DWORD StartServiceNoArgs(ScHandle service) override;
    DWORD ControlService(ScHandle service, DWORD control, ServiceStatus* status) override;
    DWORD ChangeServiceConfiguration(ScHandle service, DWORD serviceType, DWORD startType,
                                     DWORD errorControl) override;
};

}  // namespace os::win32
