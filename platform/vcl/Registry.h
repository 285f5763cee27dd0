#pragma once
// TRegistry: one open key at a time below a root key, with typed reads and writes of its values,
// through the registry interface of the OS seam. The open key is closed when another one is
// opened, when the root changes and when the object goes; no operation leaves a key open.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/os/Registry.h"

namespace vcl {

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
    TRegDataType RegData = TRegDataType::rdUnknown;
    os::DWORD DataSize = 0;
};

class TRegistry {
public:
    // Root HKEY_CURRENT_USER, keys opened with KEY_ALL_ACCESS.
    TRegistry();
    explicit TRegistry(os::DWORD access);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    os::RegKey RootKey() const { return rootKey_; }
    void SetRootKey(os::RegKey rootKey);  // closes the open key
    os::DWORD Access() const { return access_; }
    void SetAccess(os::DWORD access) { access_ = access; }
    os::RegKey CurrentKey() const { return currentKey_; }  // 0 when no key is open
    const std::string& CurrentPath() const { return currentPath_; }

    // Paths are relative to the open key, or to the root when none is open or when the path
    // starts with "\". On success the new key replaces the open one.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    bool KeyExists(const std::string& key);
    // Removes the key with everything below it. An empty path would name the open key or the
    // root itself and is refused.
    bool DeleteKey(const std::string& key);
    bool HasSubKeys();
    void GetKeyNames(std::vector<std::string>& names);
    void GetValueNames(std::vector<std::string>& names);

    // Values of the open key.
    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);
    bool GetDataInfo(const std::string& name, TRegDataInfo& info);
    TRegDataType GetDataType(const std::string& name);  // rdUnknown when missing
    int GetDataSize(const std::string& name);           // -1 when missing

    // A string reads from REG_SZ or REG_EXPAND_SZ; a missing value reads as "".
    std::string ReadString(const std::string& name);
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    // The other reads need the value to exist ("Failed to get data for '<name>'") with exactly
    // their type and size ("Invalid data type for '<name>'"). Failed writes raise
    // "Failed to set data for '<name>'"; all these are ERegistryException.
    std::int32_t ReadInteger(const std::string& name);  // REG_DWORD
    void WriteInteger(const std::string& name, std::int32_t value);
    bool ReadBool(const std::string& name);  // REG_DWORD, non-zero is true
    void WriteBool(const std::string& name, bool value);
    // REG_BINARY (or an unknown type) that fits the buffer; returns the bytes read, 0 when the
    // value is missing.
    std::size_t ReadBinaryData(const std::string& name, void* buffer, std::size_t size);
    void WriteBinaryData(const std::string& name, const void* buffer, std::size_t size);
    // 8-byte REG_BINARY: the currency's 64-bit integer, value × 10,000.
    std::int64_t ReadCurrency(const std::string& name);
    void WriteCurrency(const std::string& name, std::int64_t scaledValue);
    // 8-byte REG_BINARY holding an IEEE double; date-times count days since 30 December 1899.
    double ReadFloat(const std::string& name);
    void WriteFloat(const std::string& name, double value);
    double ReadDate(const std::string& name);
    void WriteDate(const std::string& name, double value);
    double ReadDateTime(const std::string& name);
    void WriteDateTime(const std::string& name, double value);
    double ReadTime(const std::string& name);
    void WriteTime(const std::string& name, double value);

private:
    // The key a path is taken from: the root for an absolute path or when no key is open.
    os::RegKey BaseKey(const std::string& path) const;
    os::LONG OpenBelowBase(const std::string& path, os::DWORD access, bool canCreate, os::RegKey* result) const;
    bool Open(const std::string& path, os::DWORD access, bool canCreate);

    // Reads a value of exactly `type` and `size` bytes.
    void ReadFixed(const std::string& name, os::DWORD type, void* buffer, os::DWORD size);
    void WriteData(const std::string& name, os::DWORD type, const void* data, std::size_t size);
    void ReadData(const std::string& name, void* buffer, os::DWORD size);

    os::RegKey rootKey_;
    os::DWORD access_;
    os::RegKey currentKey_ = 0;
    std::string currentPath_;
};

}  // namespace vcl
