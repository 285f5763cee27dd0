#pragma once
// GetPrivateProfileStringA and WritePrivateProfileStringA.
#include "platform/os/PrivateProfile.h"

namespace os::win32 {

class Win32Profile : public PrivateProfile {
public:
    std::string GetString(const char* section, const char* key, const char* defaultText, DWORD size,
                          const std::string& fileName) override;
    DWORD WriteString(const char* section, const char* key, const char* value,
                      const std::string& fileName) override;
};

}  // namespace os::win32
