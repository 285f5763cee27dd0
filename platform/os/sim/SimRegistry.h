#pragma once
// Registry hives in memory: keys with case-insensitive names, sorted as the real registry lists
// them, holding typed values as raw bytes. Handles behave like real ones: closing one twice is an
// error, and a handle to a deleted key reports ERROR_KEY_DELETED.
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/os/Registry.h"

namespace os::sim {

class SimRegistry : public Registry {
public:
    struct Value {
        DWORD type = regtype::None;
        std::string data;
        friend bool operator==(const Value&, const Value&) = default;
    };

    SimRegistry();
    ~SimRegistry() override;

    LONG CreateKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) override;
    LONG OpenKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) override;
    LONG CloseKey(RegKey key) override;
    LONG QueryValue(RegKey key, const char* name, DWORD* type, std::uint8_t* data, DWORD* size) override;
    LONG SetValue(RegKey key, const char* name, DWORD type, const std::uint8_t* data, DWORD size) override;
    LONG DeleteValue(RegKey key, const char* name) override;
    LONG DeleteKey(RegKey parent, const char* subKey) override;
    LONG EnumKey(RegKey key, DWORD index, std::string* name) override;
    LONG EnumValue(RegKey key, DWORD index, std::string* name) override;

    // For tests. Paths are below a predefined root; missing keys are created.
    // Makes the key and everything below it refuse changes with ERROR_ACCESS_DENIED, as a key
    // whose permissions allow reading only.
    void DenyWrites(RegKey root, const std::string& path);
    void Seed(RegKey root, const std::string& path, const std::string& name, DWORD type, std::string data);
    std::optional<Value> Stored(RegKey root, const std::string& path, const std::string& name) const;
    // Handles opened and not yet closed: a caller that leaks keys shows up here.
    std::size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Key;
    struct OpenHandle {
        std::shared_ptr<Key> key;
        DWORD access = 0;
    };

    LONG Resolve(RegKey handle, OpenHandle* open) const;
    RegKey NewHandle(std::shared_ptr<Key> key, DWORD access);
    std::shared_ptr<Key> Root(RegKey root) const;
    std::shared_ptr<Key> MakePath(RegKey root, const std::string& path);

    std::map<RegKey, std::shared_ptr<Key>> roots_;
    std::map<RegKey, OpenHandle> handles_;
    RegKey nextHandle_ = 0x100;
};

}  // namespace os::sim
