#include "tests/e2e/ServiceMachine.h"

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "tests/e2e/ProgramDriver.h"

namespace e2e {

namespace {

using namespace std::chrono_literals;

constexpr const char* kWorkstationKey = "SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation";

struct CloseService {
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, CloseService>;

struct CloseKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, CloseKey>;

// The manager connection and the service, or an exception naming what failed.
struct StandInHandles {
    ServiceHandle manager{OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)};
    ServiceHandle service{manager ? OpenServiceA(manager.get(), "OrlenzaService", SERVICE_ALL_ACCESS) : nullptr};
    StandInHandles() {
        if (!service)
            throw std::runtime_error("cannot open the stand-in service: error " + std::to_string(GetLastError()));
    }
};

Key WorkstationKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kWorkstationKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot open the workstation service's key");
    return Key(key);
}

}  // namespace

void PrepareServiceMachine() {
    // A service just deleted stays marked for deletion until its last handle closes.
    DWORD result = 1;
    for (int attempt = 0; attempt < 10 && result != 0; ++attempt) {
        if (attempt) std::this_thread::sleep_for(300ms);
        Program installer("olz_standin_service.exe", "install");
        result = installer.WaitForExit(20s);
    }
    if (result != 0) throw std::runtime_error("cannot register the stand-in service: " + std::to_string(result));
    StopStandInService();
    SetServiceStartType(SERVICE_DEMAND_START);
    WorkstationKey();
}

DWORD ServiceState() {
    StandInHandles open;
    SERVICE_STATUS status{};
    QueryServiceStatus(open.service.get(), &status);
    return status.dwCurrentState;
}

bool WaitForServiceState(DWORD state) {
    for (int i = 0; i < 100; ++i) {
        if (ServiceState() == state) return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

DWORD ServiceStartType() {
    StandInHandles open;
    DWORD needed = 0;
    QueryServiceConfigA(open.service.get(), nullptr, 0, &needed);
    std::vector<QUERY_SERVICE_CONFIGA> buffer(needed / sizeof(QUERY_SERVICE_CONFIGA) + 1);
    if (!QueryServiceConfigA(open.service.get(), buffer.data(), needed, &needed)) return 0xFFFFFFFF;
    return buffer[0].dwStartType;
}

void StopStandInService() {
    {
        StandInHandles open;
        SERVICE_STATUS status;
        ControlService(open.service.get(), SERVICE_CONTROL_STOP, &status);
    }
    WaitForServiceState(SERVICE_STOPPED);
}

void StartStandInService() {
    {
        StandInHandles open;
        StartServiceA(open.service.get(), 0, nullptr);
    }
    WaitForServiceState(SERVICE_RUNNING);
}

void SetServiceStartType(DWORD startType) {
    StandInHandles open;
    ChangeServiceConfigA(open.service.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr);
}

std::vector<std::string> WorkstationDependencies() {
    const Key key = WorkstationKey();
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), "DependOnService", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
    std::string data(size, '\0');
    RegQueryValueExA(key.get(), "DependOnService", nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < data.size() && data[at] != '\0';) {
        const std::size_t end = data.find('\0', at);
        entries.push_back(data.substr(at, end - at));
        at = end == std::string::npos ? data.size() : end + 1;
    }
    return entries;
}

void SetWorkstationDependencies(const std::vector<std::string>& entries) {
    const Key key = WorkstationKey();
    if (entries.empty()) {
        RegDeleteValueA(key.get(), "DependOnService");
        return;
    }
    std::string data;
    for (const std::string& entry : entries) data.append(entry).push_back('\0');
    data.push_back('\0');
    RegSetValueExA(key.get(), "DependOnService", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

}  // namespace e2e
