#include "platform/os/win32/Win32ServiceControl.h"

#include <windows.h>

#include <vector>

namespace os::win32 {

namespace {

SC_HANDLE Native(ScHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }
ScHandle Ours(SC_HANDLE handle) { return reinterpret_cast<ScHandle>(handle); }

DWORD Result(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

// A NUL-separated list ends with an empty string.
std::string MultiText(const char* list) {
    std::string text;
    if (!list) return text;
    while (*list) {
        const std::string entry(list);
        text += entry;
        text += '\0';
        list += entry.size() + 1;
    }
    return text;
}

ServiceStatus Copy(const SERVICE_STATUS& s) {
    return {s.dwServiceType, s.dwCurrentState, s.dwControlsAccepted, s.dwWin32ExitCode,
            s.dwServiceSpecificExitCode, s.dwCheckPoint, s.dwWaitHint};
}

}  // namespace

DWORD Win32ServiceControl::OpenManager(const std::string& machine, DWORD access, ScHandle* manager) {
    SC_HANDLE handle = OpenSCManagerA(machine.empty() ? nullptr : machine.c_str(), nullptr, access);
    *manager = Ours(handle);
    return Result(handle != nullptr);
}

DWORD Win32ServiceControl::OpenServiceKey(ScHandle manager, const std::string& keyName, DWORD access,
                                          ScHandle* service) {
    SC_HANDLE handle = OpenServiceA(Native(manager), keyName.c_str(), access);
    *service = Ours(handle);
    return Result(handle != nullptr);
}

DWORD Win32ServiceControl::CloseServiceHandle(ScHandle handle) { return Result(::CloseServiceHandle(Native(handle))); }

DWORD Win32ServiceControl::ServiceKeyName(ScHandle manager, const std::string& displayName, std::string* keyName,
                                          DWORD* size) {
    std::vector<char> buffer(*size + 1);
    ::DWORD length = *size;
    const BOOL ok = GetServiceKeyNameA(Native(manager), displayName.c_str(), buffer.data(), &length);
    *size = length;
    if (ok) keyName->assign(buffer.data());
    return Result(ok);
}

DWORD Win32ServiceControl::QueryServiceStatus(ScHandle service, ServiceStatus* status) {
    SERVICE_STATUS native{};
    const BOOL ok = ::QueryServiceStatus(Native(service), &native);
    if (ok) *status = Copy(native);
    return Result(ok);
}

DWORD Win32ServiceControl::QueryServiceConfiguration(ScHandle service, DWORD bufferSize, ServiceConfig* config,
                                                     DWORD* bytesNeeded) {
    // The record is followed by its strings: align the buffer for the record.
    std::vector<QUERY_SERVICE_CONFIGA> storage(bufferSize / sizeof(QUERY_SERVICE_CONFIGA) + 1);
    auto* native = bufferSize ? storage.data() : nullptr;
    ::DWORD needed = 0;
    const BOOL ok = QueryServiceConfigA(Native(service), native, bufferSize, &needed);
    *bytesNeeded = needed;
    if (!ok) return GetLastError();
    config->serviceType = native->dwServiceType;
    config->startType = native->dwStartType;
    config->errorControl = native->dwErrorControl;
    config->binaryPathName = Text(native->lpBinaryPathName);
    config->loadOrderGroup = Text(native->lpLoadOrderGroup);
    config->tagId = native->dwTagId;
    config->dependencies = MultiText(native->lpDependencies);
    config->serviceStartName = Text(native->lpServiceStartName);
    config->displayName = Text(native->lpDisplayName);
    return ERROR_SUCCESS;
}

DWORD Win32ServiceControl::StartServiceNoArgs(ScHandle service) {
    return Result(StartServiceA(Native(service), 0, nullptr));
}

DWORD Win32ServiceControl::ControlService(ScHandle service, DWORD control, ServiceStatus* status) {
    SERVICE_STATUS native{};
    const BOOL ok = ::ControlService(Native(service), control, &native);
    if (ok) *status = Copy(native);
    return Result(ok);
}

DWORD Win32ServiceControl::ChangeServiceConfiguration(ScHandle service, DWORD serviceType, DWORD startType,
                                                      DWORD errorControl) {
    return Result(ChangeServiceConfigA(Native(service), serviceType, startType, errorControl, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr));
}

}  // namespace os::win32
