#pragma once
// The Service Control Manager functions the programs call, with their contracts:
// OpenSCManagerA, OpenServiceA, CloseServiceHandle, GetServiceKeyNameA, QueryServiceStatus,
// QueryServiceConfigA, StartServiceA, ControlService and ChangeServiceConfigA (start type
// only). Results are Windows error numbers; the names differ from the Windows ones, which
// <windows.h> turns into macros.
#include <cstdint>
#include <string>

#include "platform/os/WinTypes.h"

namespace os {

using ScHandle = std::uintptr_t;  // an SC_HANDLE; 0 is none

namespace error {
inline constexpr DWORD DependentServicesRunning = 1051;
inline constexpr DWORD InvalidServiceControl = 1052;
inline constexpr DWORD ServiceAlreadyRunning = 1056;
inline constexpr DWORD ServiceDisabled = 1058;
inline constexpr DWORD ServiceDoesNotExist = 1060;
inline constexpr DWORD ServiceCannotAcceptControl = 1061;
inline constexpr DWORD ServiceNotActive = 1062;
inline constexpr DWORD ServiceMarkedForDelete = 1072;
}  // namespace error

namespace svc {
// Service states (SERVICE_STOPPED ...).
inline constexpr DWORD Stopped = 1;
inline constexpr DWORD StartPending = 2;
inline constexpr DWORD StopPending = 3;
inline constexpr DWORD Running = 4;
inline constexpr DWORD ContinuePending = 5;
inline constexpr DWORD PausePending = 6;
inline constexpr DWORD Paused = 7;

// Controls (SERVICE_CONTROL_...) and the ones a service accepts (SERVICE_ACCEPT_...).
inline constexpr DWORD ControlStop = 1;
inline constexpr DWORD ControlPause = 2;
inline constexpr DWORD ControlContinue = 3;
inline constexpr DWORD ControlInterrogate = 4;
inline constexpr DWORD AcceptStop = 0x01;
inline constexpr DWORD AcceptPauseContinue = 0x02;

// Start types.
inline constexpr DWORD BootStart = 0;
inline constexpr DWORD SystemStart = 1;
inline constexpr DWORD AutoStart = 2;
inline constexpr DWORD DemandStart = 3;
inline constexpr DWORD Disabled = 4;

inline constexpr DWORD Win32OwnProcess = 0x10;
inline constexpr DWORD ErrorNormal = 1;
inline constexpr DWORD NoChange = 0xFFFFFFFFu;

// Access rights.
inline constexpr DWORD ManagerAllAccess = 0xF003F;
inline constexpr DWORD QueryConfig = 0x0001;
inline constexpr DWORD ChangeConfig = 0x0002;
inline constexpr DWORD QueryStatus = 0x0004;
inline constexpr DWORD Start = 0x0010;
inline constexpr DWORD Stop = 0x0020;
inline constexpr DWORD PauseContinue = 0x0040;
inline constexpr DWORD Interrogate = 0x0080;
}  // namespace svc

// SERVICE_STATUS.
struct ServiceStatus {
    DWORD serviceType = 0;
    DWORD currentState = 0;
    DWORD controlsAccepted = 0;
    DWORD win32ExitCode = 0;
    DWORD serviceSpecificExitCode = 0;
    DWORD checkPoint = 0;
    DWORD waitHint = 0;
};

// QUERY_SERVICE_CONFIGA, its strings copied out of the system's buffer.
struct ServiceConfig {
    DWORD serviceType = 0;
    DWORD startType = 0;
    DWORD errorControl = 0;
    std::string binaryPathName;
    std::string loadOrderGroup;
    DWORD tagId = 0;
    std::string dependencies;  // NUL-separated, as the system lists them
    std::string serviceStartName;
    std::string displayName;
};

class ServiceControl {
public:
    virtual ~ServiceControl() = default;

    // OpenSCManagerA on the active database; an empty machine is the local computer.
    virtual DWORD OpenManager(const std::string& machine, DWORD access, ScHandle* manager) = 0;
    // OpenServiceA by key name (case-insensitive).
    virtual DWORD OpenServiceKey(ScHandle manager, const std::string& keyName, DWORD access,
                                 ScHandle* service) = 0;
    virtual DWORD CloseServiceHandle(ScHandle handle) = 0;
    // GetServiceKeyNameA with a buffer of `*size` characters. When it is too small the result is
    // ERROR_INSUFFICIENT_BUFFER and `*size` holds the length of the name.
    virtual DWORD ServiceKeyName(ScHandle manager, const std::string& displayName, std::string* keyName,
                                 DWORD* size) = 0;
    virtual DWORD QueryServiceStatus(ScHandle service, ServiceStatus* status) = 0;
    // QueryServiceConfigA with a buffer of `bufferSize` bytes: ERROR_INSUFFICIENT_BUFFER and the
    // size needed in `*bytesNeeded` when it is too small.
    virtual DWORD QueryServiceConfiguration(ScHandle service, DWORD bufferSize, ServiceConfig* config,
                                     DWORD* bytesNeeded) = 0;
    // StartServiceA without arguments.
    virtual DWORD StartServiceNoArgs(ScHandle service) = 0;
    virtual DWORD ControlService(ScHandle service, DWORD control, ServiceStatus* status) = 0;
    // ChangeServiceConfigA: service type, start type and error control (NoChange keeps one);
    // every other item unchanged.
    virtual DWORD ChangeServiceConfiguration(ScHandle service, DWORD serviceType, DWORD startType,
                                      DWORD errorControl) = 0;
};

}  // namespace os
