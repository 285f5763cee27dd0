#include "platform/os/sim/SimSystem.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/os/sim/HostPath.h"

namespace os::sim {

namespace fs = std::filesystem;

SimSystem::SimSystem()
    : systemDirectory_(fs::current_path().string()),
      moduleFileName_((fs::current_path() / "program.exe").string()) {}

DWORD SimSystem::SystemDirectory(std::string* text, DWORD size) {
    const auto length = static_cast<DWORD>(systemDirectory_.size());
    if (size <= length) {
        text->clear();
        return length + 1;
    }
    *text = systemDirectory_;
    return length;
}

DWORD SimSystem::TickCount() {
    if (!hostClock_) return ticks_;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SimSystem::Sleep(DWORD milliseconds) {
    if (hostClock_)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    else
        Advance(milliseconds);
}

DWORD SimSystem::FileAttributes(const std::string& path) {
    std::error_code ignored;
    const fs::file_status status = fs::status(HostPath(path), ignored);
    if (!fs::exists(status)) return InvalidFileAttributes;
    if (fs::is_directory(status)) return FileAttributeDirectory;
    const bool readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    return FileAttributeArchive | (readOnly ? FileAttributeReadOnly : 0);
}

}  // namespace os::sim
