#include "platform/vcl/Registry.h"

#include "platform/os/Os.h"
#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '\\'; }

std::string WithoutLeadingBackslash(const std::string& path) { return IsAbsolute(path) ? path.substr(1) : path; }

[[noreturn]] void RaiseGetDataFailed(const std::string& name) {
    throw ERegistryException(Format("Failed to get data for '%s'", name));
}

[[noreturn]] void RaiseInvalidDataType(const std::string& name) {
    throw ERegistryException(Format("Invalid data type for '%s'", name));
}

TRegDataType DataTypeOf(os::DWORD type) {
    switch (type) {
        case os::regtype::Sz: return TRegDataType::rdString;
        case os::regtype::ExpandSz: return TRegDataType::rdExpandString;
        case os::regtype::Dword: return TRegDataType::rdInteger;
        case os::regtype::Binary: return TRegDataType::rdBinary;
        default: return TRegDataType::rdUnknown;
    }
}

// Closes a key opened for the length of one operation.
class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey() {
        if (key_) os::registry().CloseKey(key_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    os::RegKey* out() { return &key_; }
    os::RegKey get() const { return key_; }

private:
    os::RegKey key_ = 0;
};

std::vector<std::string> EnumNames(os::RegKey key, bool subKeys) {
    std::vector<std::string> names;
    std::string name;
    for (os::DWORD index = 0;; ++index) {
        const os::LONG status =
            subKeys ? os::registry().EnumKey(key, index, &name) : os::registry().EnumValue(key, index, &name);
        if (status != os::error::Success) return names;
        names.push_back(name);
    }
}

// The real function only deletes a key without sub-keys: empty the tree from the bottom up.
void DeleteSubKeys(os::RegKey key) {
    for (const std::string& name : EnumNames(key, true)) {
        ScopedKey child;
        if (os::registry().OpenKey(key, name.c_str(), os::access::AllAccess, child.out()) == os::error::Success) {
            DeleteSubKeys(child.get());
        }
        os::registry().DeleteKey(key, name.c_str());
    }
}

}  // namespace

TRegistry::TRegistry() : TRegistry(os::access::AllAccess) {}

TRegistry::TRegistry(os::DWORD access) : rootKey_(os::hkey::CurrentUser), access_(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(os::RegKey rootKey) {
    CloseKey();
    rootKey_ = rootKey;
}

os::RegKey TRegistry::BaseKey(const std::string& path) const {
    return currentKey_ == 0 || IsAbsolute(path) ? rootKey_ : currentKey_;
}

os::LONG TRegistry::OpenBelowBase(const std::string& path, os::DWORD access, bool canCreate,
                                  os::RegKey* result) const {
    const std::string subKey = WithoutLeadingBackslash(path);
    if (canCreate && !subKey.empty()) return os::registry().CreateKey(BaseKey(path), subKey.c_str(), access, result);
    return os::registry().OpenKey(BaseKey(path), subKey.c_str(), access, result);
}

bool TRegistry::Open(const std::string& path, os::DWORD access, bool canCreate) {
    os::RegKey opened = 0;
    if (OpenBelowBase(path, access, canCreate, &opened) != os::error::Success) return false;
    std::string fullPath = WithoutLeadingBackslash(path);
    if (currentKey_ != 0 && !IsAbsolute(path)) fullPath = currentPath_ + "\\" + fullPath;
    CloseKey();
    currentKey_ = opened;
    currentPath_ = std::move(fullPath);
    return true;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) { return Open(key, access_, canCreate); }

bool TRegistry::OpenKeyReadOnly(const std::string& key) { return Open(key, os::access::Read, false); }

void TRegistry::CloseKey() {
    if (currentKey_ == 0) return;
    os::registry().CloseKey(currentKey_);
    currentKey_ = 0;
    currentPath_.clear();
}

bool TRegistry::KeyExists(const std::string& key) {
    ScopedKey probe;
    return OpenBelowBase(key, os::access::Read, false, probe.out()) == os::error::Success;
}

bool TRegistry::DeleteKey(const std::string& key) {
    const std::string subKey = WithoutLeadingBackslash(key);
    if (subKey.empty()) return false;
    {
        ScopedKey doomed;
        if (OpenBelowBase(key, os::access::AllAccess, false, doomed.out()) == os::error::Success) {
            DeleteSubKeys(doomed.get());
        }
    }
    return os::registry().DeleteKey(BaseKey(key), subKey.c_str()) == os::error::Success;
}

bool TRegistry::HasSubKeys() { return os::registry().EnumKey(currentKey_, 0, nullptr) == os::error::Success; }

void TRegistry::GetKeyNames(std::vector<std::string>& names) { names = EnumNames(currentKey_, true); }

void TRegistry::GetValueNames(std::vector<std::string>& names) { names = EnumNames(currentKey_, false); }

bool TRegistry::GetDataInfo(const std::string& name, TRegDataInfo& info) {
    os::DWORD type = os::regtype::None;
    os::DWORD size = 0;
    if (os::registry().QueryValue(currentKey_, name.c_str(), &type, nullptr, &size) != os::error::Success) {
        info = {};
        return false;
    }
    info = {DataTypeOf(type), size};
    return true;
}

bool TRegistry::ValueExists(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info);
}

bool TRegistry::DeleteValue(const std::string& name) {
    return os::registry().DeleteValue(currentKey_, name.c_str()) == os::error::Success;
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    TRegDataInfo info;
    GetDataInfo(name, info);
    return info.RegData;
}

int TRegistry::GetDataSize(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? static_cast<int>(info.DataSize) : -1;
}

void TRegistry::ReadData(const std::string& name, void* buffer, os::DWORD size) {
    os::DWORD type = os::regtype::None;
    if (os::registry().QueryValue(currentKey_, name.c_str(), &type, static_cast<std::uint8_t*>(buffer), &size) !=
        os::error::Success) {
        RaiseGetDataFailed(name);
    }
}

void TRegistry::ReadFixed(const std::string& name, os::DWORD type, void* buffer, os::DWORD size) {
    os::DWORD storedType = os::regtype::None;
    os::DWORD storedSize = 0;
    if (os::registry().QueryValue(currentKey_, name.c_str(), &storedType, nullptr, &storedSize) !=
        os::error::Success) {
        RaiseGetDataFailed(name);
    }
    if (storedType != type || storedSize != size) RaiseInvalidDataType(name);
    ReadData(name, buffer, size);
}

void TRegistry::WriteData(const std::string& name, os::DWORD type, const void* data, std::size_t size) {
    if (os::registry().SetValue(currentKey_, name.c_str(), type, static_cast<const std::uint8_t*>(data),
                                static_cast<os::DWORD>(size)) != os::error::Success) {
        throw ERegistryException(Format("Failed to set data for '%s'", name));
    }
}

std::string TRegistry::ReadString(const std::string& name) {
    TRegDataInfo info;
    if (!GetDataInfo(name, info) || info.DataSize == 0) return {};
    if (info.RegData != TRegDataType::rdString && info.RegData != TRegDataType::rdExpandString) {
        RaiseInvalidDataType(name);
    }
    std::string text(info.DataSize, '\0');
    ReadData(name, text.data(), info.DataSize);
    return text.substr(0, text.find('\0'));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    WriteData(name, os::regtype::Sz, value.c_str(), value.size() + 1);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    WriteData(name, os::regtype::ExpandSz, value.c_str(), value.size() + 1);
}

std::int32_t TRegistry::ReadInteger(const std::string& name) {
    std::int32_t value = 0;
    ReadFixed(name, os::regtype::Dword, &value, sizeof value);
    return value;
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
    WriteData(name, os::regtype::Dword, &value, sizeof value);
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

std::size_t TRegistry::ReadBinaryData(const std::string& name, void* buffer, std::size_t size) {
    TRegDataInfo info;
    if (!GetDataInfo(name, info)) return 0;
    const bool binary = info.RegData == TRegDataType::rdBinary || info.RegData == TRegDataType::rdUnknown;
    if (!binary || info.DataSize > size) RaiseInvalidDataType(name);
    ReadData(name, buffer, info.DataSize);
    return info.DataSize;
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, std::size_t size) {
    WriteData(name, os::regtype::Binary, buffer, size);
}

std::int64_t TRegistry::ReadCurrency(const std::string& name) {
    std::int64_t scaledValue = 0;
    ReadFixed(name, os::regtype::Binary, &scaledValue, sizeof scaledValue);
    return scaledValue;
}

void TRegistry::WriteCurrency(const std::string& name, std::int64_t scaledValue) {
    WriteBinaryData(name, &scaledValue, sizeof scaledValue);
}

double TRegistry::ReadFloat(const std::string& name) {
    double value = 0;
    ReadFixed(name, os::regtype::Binary, &value, sizeof value);
    return value;
}

void TRegistry::WriteFloat(const std::string& name, double value) { WriteBinaryData(name, &value, sizeof value); }

double TRegistry::ReadDate(const std::string& name) { return ReadFloat(name); }
void TRegistry::WriteDate(const std::string& name, double value) { WriteFloat(name, value); }
double TRegistry::ReadDateTime(const std::string& name) { return ReadFloat(name); }
void TRegistry::WriteDateTime(const std::string& name, double value) { WriteFloat(name, value); }
double TRegistry::ReadTime(const std::string& name) { return ReadFloat(name); }
void TRegistry::WriteTime(const std::string& name, double value) { WriteFloat(name, value); }

}  // namespace vcl
