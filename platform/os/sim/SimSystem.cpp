#include "platform/os/sim/SimSystem.h"

#include <filesystem>

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

DWORD SimSystem::FileAttributes(const std::string& path) {
    std::error_code ignored;
    const fs::file_status status = fs::status(HostPath(path), ignored);
    if (!fs::exists(status)) return InvalidFileAttributes;
    if (fs::is_directory(status)) return FileAttributeDirectory;
    const bool readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    return FileAttributeArchive | (readOnly ? FileAttributeReadOnly : 0);
}

}  // namespace os::sim
