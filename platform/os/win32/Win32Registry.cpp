#include "platform/os/win32/Win32Registry.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace os::win32 {

namespace {

// The predefined roots are sign-extended 32-bit numbers in an HKEY; the seam spells them as
// plain 32-bit numbers. Opened keys pass through unchanged.
HKEY ToHandle(RegKey key) {
    if (key >= hkey::ClassesRoot && key <= hkey::DynData) {
        return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(key)));
    }
    return reinterpret_cast<HKEY>(key);
}

RegKey FromHandle(HKEY key) { return reinterpret_cast<RegKey>(key); }

LONG Open(HKEY handle, RegKey* result, LONG status) {
    if (status == ERROR_SUCCESS) *result = FromHandle(handle);
    return status;
}

}  // namespace

LONG Win32Registry::CreateKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) {
    HKEY handle = nullptr;
    return Open(handle, result,
                RegCreateKeyExA(ToHandle(parent), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                &handle, nullptr));
}

LONG Win32Registry::OpenKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) {
    HKEY handle = nullptr;
    return Open(handle, result, RegOpenKeyExA(ToHandle(parent), subKey, 0, access, &handle));
}

LONG Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHandle(key)); }

LONG Win32Registry::QueryValue(RegKey key, const char* name, DWORD* type, std::uint8_t* data, DWORD* size) {
    ::DWORD storedType = REG_NONE;
    ::DWORD length = size ? *size : 0;
    const LONG status =
        RegQueryValueExA(ToHandle(key), name, nullptr, type ? &storedType : nullptr, data, size ? &length : nullptr);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type) *type = storedType;
        if (size) *size = length;
    }
    return status;
}

LONG Win32Registry::SetValue(RegKey key, const char* name, DWORD type, const std::uint8_t* data, DWORD size) {
    return RegSetValueExA(ToHandle(key), name, 0, type, data, size);
}

LONG Win32Registry::DeleteValue(RegKey key, const char* name) { return RegDeleteValueA(ToHandle(key), name); }

LONG Win32Registry::DeleteKey(RegKey parent, const char* subKey) { return RegDeleteKeyA(ToHandle(parent), subKey); }

LONG Win32Registry::EnumKey(RegKey key, DWORD index, std::string* name) {
    char buffer[256];  // key names have at most 255 characters
    ::DWORD length = sizeof buffer;
    const LONG status = RegEnumKeyExA(ToHandle(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS && name) name->assign(buffer, length);
    return status;
}

LONG Win32Registry::EnumValue(RegKey key, DWORD index, std::string* name) {
    std::vector<char> buffer(16384);  // value names have at most 16383 characters
    auto length = static_cast<::DWORD>(buffer.size());
    const LONG status =
        RegEnumValueA(ToHandle(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS && name) name->assign(buffer.data(), length);
    return status;
}

}  // namespace os::win32
