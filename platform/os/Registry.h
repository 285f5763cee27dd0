#pragma once
// The registry functions the programs call, with their contracts (RegCreateKeyExA,
// RegOpenKeyExA, RegCloseKey, RegQueryValueExA, RegSetValueExA, RegDeleteValueA, RegDeleteKeyA,
// RegEnumKeyExA, RegEnumValueA). Results are Windows error numbers.
#include <cstdint>
#include <string>

#include "platform/os/WinTypes.h"

namespace os {

using RegKey = std::uintptr_t;  // an open key, or one of the predefined roots

namespace hkey {
inline constexpr RegKey ClassesRoot = 0x80000000u;
inline constexpr RegKey CurrentUser = 0x80000001u;
inline constexpr RegKey LocalMachine = 0x80000002u;
inline constexpr RegKey Users = 0x80000003u;
inline constexpr RegKey PerformanceData = 0x80000004u;
inline constexpr RegKey CurrentConfig = 0x80000005u;
inline constexpr RegKey DynData = 0x80000006u;
}  // namespace hkey

namespace regtype {
inline constexpr DWORD None = 0;
inline constexpr DWORD Sz = 1;
inline constexpr DWORD ExpandSz = 2;
inline constexpr DWORD Binary = 3;
inline constexpr DWORD Dword = 4;
inline constexpr DWORD MultiSz = 7;
}  // namespace regtype

namespace access {
inline constexpr DWORD Read = 0x20019;
inline constexpr DWORD Write = 0x20006;
inline constexpr DWORD AllAccess = 0xF003F;
}  // namespace access

class Registry {
public:
    virtual ~Registry() = default;

    // RegCreateKeyExA: opens `subKey` below `parent`, creating the missing keys on the way.
    virtual LONG CreateKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) = 0;
    // RegOpenKeyExA: ERROR_FILE_NOT_FOUND when the key does not exist.
    virtual LONG OpenKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) = 0;
    virtual LONG CloseKey(RegKey key) = 0;

    // RegQueryValueExA. `data` may be null to ask for the type and size only. When `*size` is too
    // small for the data, the result is ERROR_MORE_DATA and `*size` holds the size needed.
    virtual LONG QueryValue(RegKey key, const char* name, DWORD* type, std::uint8_t* data,
                            DWORD* size) = 0;
    virtual LONG SetValue(RegKey key, const char* name, DWORD type, const std::uint8_t* data,
                          DWORD size) = 0;
    virtual LONG DeleteValue(RegKey key, const char* name) = 0;
    // RegDeleteKeyA: the key must have no sub-keys.
    virtual LONG DeleteKey(RegKey parent, const char* subKey) = 0;

    // RegEnumKeyExA / RegEnumValueA by index: ERROR_NO_MORE_ITEMS past the last one.
    virtual LONG EnumKey(RegKey key, DWORD index, std::string* name) = 0;
    virtual LONG EnumValue(RegKey key, DWORD index, std::string* name) = 0;
};

}  // namespace os
