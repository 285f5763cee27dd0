#pragma once
// The private-profile functions over INI files on the host's file system. Every call reads the
// file afresh and every change writes it whole, as the real functions do (nothing is cached).
#include <filesystem>
#include <string>
#include <vector>

#include "platform/os/PrivateProfile.h"

namespace os::sim {

class SimProfile : public PrivateProfile {
public:
    std::string GetString(const char* section, const char* key, const char* defaultText, DWORD size,
                          const std::string& fileName) override;
    DWORD WriteString(const char* section, const char* key, const char* value,
                      const std::string& fileName) override;

    // Writes to this file, or to any file below this folder, fail with ERROR_ACCESS_DENIED as
    // they would without write permission (which a test running as root cannot arrange).
    void DenyWrites(const std::string& fileOrFolder);

private:
    bool WritesDenied(const std::string& fileName) const;

    std::vector<std::filesystem::path> deniedPaths_;
};

}  // namespace os::sim
