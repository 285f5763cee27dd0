#pragma once
// The Reg*A functions.
#include "platform/os/Registry.h"

namespace os::win32 {

class Win32Registry : public Registry {
public:
    LONG CreateKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) override;
    LONG OpenKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) override;
    LONG CloseKey(RegKey key) override;
    LONG QueryValue(RegKey key, const char* name, DWORD* type, std::uint8_t* data, DWORD* size) override;
    LONG SetValue(RegKey key, const char* name, DWORD type, const std::uint8_t* data, DWORD size) override;
    LONG DeleteValue(RegKey key, const char* name) override;
    LONG DeleteKey(RegKey parent, const char* subKey) override;
    LONG EnumKey(RegKey key, DWORD index, std::string* name) override;
    LONG EnumValue(RegKey key, DWORD index, std::string* name) override;
};

}  // namespace os::win32
