#include "tests/contract/Backends.h"

#include <atomic>
#include <random>

#ifdef _WIN32
#include <windows.h>

#include "platform/os/win32/Win32Os.h"
#endif

namespace contract {

namespace {

constexpr const char* kScratchParent = "Software\\OlzContractTests";

std::string UniqueKeyName() {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    return std::string(kScratchParent) + "\\run-" + std::to_string(seed()) + "-" + std::to_string(++counter);
}

void DeleteTree(os::Registry& registry, os::RegKey parent, const std::string& path) {
    os::RegKey key = 0;
    if (registry.OpenKey(parent, path.c_str(), os::access::AllAccess, &key) != os::error::Success) return;
    std::string child;
    while (registry.EnumKey(key, 0, &child) == os::error::Success) {
        DeleteTree(registry, key, child);
        if (registry.DeleteKey(key, child.c_str()) != os::error::Success) break;
    }
    registry.CloseKey(key);
    registry.DeleteKey(parent, path.c_str());
}

}  // namespace

BackendUnderTest::BackendUnderTest(std::unique_ptr<os::sim::SimOs> sim)
    : sim_(std::move(sim)),
#ifdef _WIN32
      backend_(sim_ ? sim_->backend() : os::win32::ProcessBackend()),
#else
      backend_(sim_->backend()),
#endif
      scope_(backend_),
      scratchKey_(UniqueKeyName()) {
}

BackendUnderTest::~BackendUnderTest() {
    DeleteTree(registry(), os::hkey::CurrentUser, scratchKey_);
    registry().DeleteKey(os::hkey::CurrentUser, kScratchParent);  // only goes once no run uses it
}

void BackendUnderTest::InstallStandInService() {
    if (sim_) {
        sim_->services.Install({.keyName = "OrlenzaService",
                                .displayName = "Orlenza Service",
                                .startType = os::svc::DemandStart,
                                .transitionMs = 300,
                                .waitHint = 600});
        return;
    }
#ifdef _WIN32
    std::string program = system().ModuleFileName();
    program = program.substr(0, program.find_last_of('\\') + 1) + "olz_standin_service.exe";
    std::string command = "\"" + program + "\" install";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << program;
    WaitForSingleObject(process.hProcess, 10000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(exitCode, 0u) << "installing the stand-in service";
#endif
}

std::vector<BackendKind> AvailableBackends() {
    std::vector<BackendKind> kinds{
        {"sim", [] { return std::make_unique<BackendUnderTest>(std::make_unique<os::sim::SimOs>()); }}};
#ifdef _WIN32
    kinds.push_back({"win32", [] { return std::make_unique<BackendUnderTest>(nullptr); }});
#endif
    return kinds;
}

}  // namespace contract
