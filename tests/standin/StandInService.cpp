// A stand-in for the logon service, so tests and demos control a real service: it reports
// start and stop through the pending states, as a real service does, and does nothing else.
//   olz_standin_service.exe install     registers it (demand start) under its key name
//   olz_standin_service.exe uninstall   removes it
// Started by the Service Control Manager it runs until it is stopped.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kKeyName[] = "OrlenzaService";
constexpr char kDisplayName[] = "Orlenza Service";
constexpr DWORD kPendingMs = 300;

SERVICE_STATUS_HANDLE statusHandle = nullptr;
SERVICE_STATUS status{};
HANDLE stopEvent = nullptr;

void Report(DWORD state, DWORD checkPoint, DWORD waitHint) {
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted =
        state == SERVICE_RUNNING || state == SERVICE_PAUSED ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE : 0;
    status.dwWin32ExitCode = NO_ERROR;
    status.dwCheckPoint = checkPoint;
    status.dwWaitHint = waitHint;
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI Control(DWORD control, DWORD, void*, void*) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
        Report(SERVICE_STOP_PENDING, 1, 2 * kPendingMs);
        SetEvent(stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
        Report(SERVICE_PAUSED, 0, 0);
        return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
        Report(SERVICE_RUNNING, 0, 0);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD, char**) {
    statusHandle = RegisterServiceCtrlHandlerExA(kKeyName, Control, nullptr);
    if (!statusHandle) return;
    stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Report(SERVICE_START_PENDING, 1, 2 * kPendingMs);
    Sleep(kPendingMs);
    Report(SERVICE_RUNNING, 0, 0);
    WaitForSingleObject(stopEvent, INFINITE);
    Sleep(kPendingMs);
    CloseHandle(stopEvent);
    Report(SERVICE_STOPPED, 0, 0);
}

int Install() {
    char path[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, path, MAX_PATH)) return 1;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return 1;
    SC_HANDLE service = OpenServiceA(manager, kKeyName, SERVICE_ALL_ACCESS);
    if (service) {
        ChangeServiceConfigA(service, SERVICE_NO_CHANGE, SERVICE_DEMAND_START, SERVICE_NO_CHANGE, path,
                             nullptr, nullptr, nullptr, nullptr, nullptr, kDisplayName);
    } else {
        service = CreateServiceA(manager, kKeyName, kDisplayName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                 SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, path, nullptr, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    const int result = service ? 0 : static_cast<int>(GetLastError());
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}

int Uninstall() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return 1;
    SC_HANDLE service = OpenServiceA(manager, kKeyName, SERVICE_ALL_ACCESS);
    int result = 0;
    if (service) {
        SERVICE_STATUS ignored;
        ControlService(service, SERVICE_CONTROL_STOP, &ignored);
        if (!DeleteService(service)) result = static_cast<int>(GetLastError());
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "install") == 0) return Install();
    if (argc > 1 && std::strcmp(argv[1], "uninstall") == 0) return Uninstall();
    char name[] = "OrlenzaService";
    SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    if (!StartServiceCtrlDispatcherA(table)) {
        std::fprintf(stderr, "Run by the Service Control Manager, or with 'install' or 'uninstall'.\n");
        return 1;
    }
    return 0;
}
