#include "platform/os/sim/SimRegistry.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace os::sim {

namespace {

constexpr DWORD kKeySetValue = 0x0002;  // the access right that SetValue and DeleteValue need

// The registry's order: names compared as lower case.
struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    }
};

// A sub-key path: empty parts (doubled or trailing backslashes) are skipped, a leading backslash
// is refused as the real functions do.
LONG SplitPath(const char* subKey, std::vector<std::string>* parts) {
    if (!subKey) return error::Success;
    std::string_view path(subKey);
    if (path.starts_with('\\')) return error::BadPathName;
    while (!path.empty()) {
        const auto end = path.find('\\');
        const std::string_view part = path.substr(0, end);
        if (!part.empty()) parts->emplace_back(part);
        if (end == std::string_view::npos) break;
        path.remove_prefix(end + 1);
    }
    return error::Success;
}

}  // namespace

struct SimRegistry::Key {
    std::string name;
    Key* parent = nullptr;  // null for a root and for a deleted key
    bool deleted = false;
    bool writesDenied = false;
    std::map<std::string, std::shared_ptr<Key>, NameLess> subKeys;
    std::map<std::string, Value, NameLess> values;

    bool RefusesWrites() const {
        for (const Key* key = this; key; key = key->parent) {
            if (key->writesDenied) return true;
        }
        return false;
    }

    std::shared_ptr<Key> Child(const std::string& childName) const {
        const auto found = subKeys.find(childName);
        return found == subKeys.end() ? nullptr : found->second;
    }

    std::shared_ptr<Key> AddChild(const std::string& childName) {
        auto child = std::make_shared<Key>();
        child->name = childName;
        child->parent = this;
        subKeys.emplace(childName, child);
        return child;
    }

    // The key at `parts` below `from`, or null.
    static std::shared_ptr<Key> Find(std::shared_ptr<Key> from, const std::vector<std::string>& parts) {
        std::shared_ptr<Key> key = std::move(from);
        for (const std::string& part : parts) {
            if (!key) break;
            key = key->Child(part);
        }
        return key;
    }
};

SimRegistry::SimRegistry() {
    for (const RegKey root : {hkey::ClassesRoot, hkey::CurrentUser, hkey::LocalMachine, hkey::Users,
                              hkey::PerformanceData, hkey::CurrentConfig, hkey::DynData}) {
        roots_.emplace(root, std::make_shared<Key>());
    }
}

SimRegistry::~SimRegistry() = default;

std::shared_ptr<SimRegistry::Key> SimRegistry::Root(RegKey root) const {
    const auto found = roots_.find(root);
    return found == roots_.end() ? nullptr : found->second;
}

LONG SimRegistry::Resolve(RegKey handle, OpenHandle* open) const {
    if (auto root = Root(handle)) {
        *open = {root, access::AllAccess};
        return error::Success;
    }
    const auto found = handles_.find(handle);
    if (found == handles_.end()) return error::InvalidHandle;
    if (found->second.key->deleted) return error::KeyDeleted;
    *open = found->second;
    return error::Success;
}

RegKey SimRegistry::NewHandle(std::shared_ptr<Key> key, DWORD access) {
    const RegKey handle = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace(handle, OpenHandle{std::move(key), access});
    return handle;
}

LONG SimRegistry::CreateKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) {
    if (!result) return error::InvalidParameter;
    OpenHandle base;
    std::vector<std::string> parts;
    if (const LONG failure = Resolve(parent, &base)) return failure;
    if (const LONG failure = SplitPath(subKey, &parts)) return failure;
    std::shared_ptr<Key> key = base.key;
    for (const std::string& part : parts) {
        std::shared_ptr<Key> child = key->Child(part);
        if (!child) {
            if (key->RefusesWrites()) return error::AccessDenied;
            child = key->AddChild(part);
        }
        key = child;
    }
    if (key->RefusesWrites()) return error::AccessDenied;
    *result = NewHandle(key, access);
    return error::Success;
}

LONG SimRegistry::OpenKey(RegKey parent, const char* subKey, DWORD access, RegKey* result) {
    if (!result) return error::InvalidParameter;
    OpenHandle base;
    std::vector<std::string> parts;
    if (const LONG failure = Resolve(parent, &base)) return failure;
    if (const LONG failure = SplitPath(subKey, &parts)) return failure;
    std::shared_ptr<Key> key = Key::Find(base.key, parts);
    if (!key) return error::FileNotFound;
    // A key that may only be read refuses to be opened for writing.
    if ((access & kKeySetValue) && key->RefusesWrites()) return error::AccessDenied;
    *result = NewHandle(key, access);
    return error::Success;
}

LONG SimRegistry::CloseKey(RegKey key) {
    if (Root(key)) return error::Success;
    return handles_.erase(key) ? error::Success : error::InvalidHandle;
}

LONG SimRegistry::QueryValue(RegKey key, const char* name, DWORD* type, std::uint8_t* data, DWORD* size) {
    OpenHandle open;
    if (const LONG failure = Resolve(key, &open)) return failure;
    const auto found = open.key->values.find(name ? name : "");
    if (found == open.key->values.end()) return error::FileNotFound;
    const Value& value = found->second;
    if (type) *type = value.type;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (data) {
        if (!size) return error::InvalidParameter;
        if (*size < needed) {
            *size = needed;
            return error::MoreData;
        }
        std::copy(value.data.begin(), value.data.end(), data);
    }
    if (size) *size = needed;
    return error::Success;
}

LONG SimRegistry::SetValue(RegKey key, const char* name, DWORD type, const std::uint8_t* data, DWORD size) {
    OpenHandle open;
    if (const LONG failure = Resolve(key, &open)) return failure;
    if (!(open.access & kKeySetValue) || open.key->RefusesWrites()) return error::AccessDenied;
    if (!data && size) return error::InvalidParameter;
    std::string bytes = data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
    open.key->values[name ? name : ""] = Value{type, std::move(bytes)};
    return error::Success;
}

LONG SimRegistry::DeleteValue(RegKey key, const char* name) {
    OpenHandle open;
    if (const LONG failure = Resolve(key, &open)) return failure;
    if (!(open.access & kKeySetValue) || open.key->RefusesWrites()) return error::AccessDenied;
    return open.key->values.erase(name ? name : "") ? error::Success : error::FileNotFound;
}

LONG SimRegistry::DeleteKey(RegKey parent, const char* subKey) {
    if (!subKey) return error::InvalidParameter;
    OpenHandle base;
    std::vector<std::string> parts;
    if (const LONG failure = Resolve(parent, &base)) return failure;
    if (const LONG failure = SplitPath(subKey, &parts)) return failure;
    const std::shared_ptr<Key> key = Key::Find(base.key, parts);
    if (!key) return error::FileNotFound;
    // A root cannot go, nor a key with sub-keys.
    if (!key->parent || !key->subKeys.empty() || key->RefusesWrites()) return error::AccessDenied;
    key->parent->subKeys.erase(key->name);
    key->parent = nullptr;
    key->deleted = true;
    return error::Success;
}

LONG SimRegistry::EnumKey(RegKey key, DWORD index, std::string* name) {
    OpenHandle open;
    if (const LONG failure = Resolve(key, &open)) return failure;
    if (index >= open.key->subKeys.size()) return error::NoMoreItems;
    if (name) *name = std::next(open.key->subKeys.begin(), index)->first;
    return error::Success;
}

LONG SimRegistry::EnumValue(RegKey key, DWORD index, std::string* name) {
    OpenHandle open;
    if (const LONG failure = Resolve(key, &open)) return failure;
    if (index >= open.key->values.size()) return error::NoMoreItems;
    if (name) *name = std::next(open.key->values.begin(), index)->first;
    return error::Success;
}

std::shared_ptr<SimRegistry::Key> SimRegistry::MakePath(RegKey root, const std::string& path) {
    std::vector<std::string> parts;
    SplitPath(path.c_str(), &parts);
    std::shared_ptr<Key> key = Root(root);
    if (!key) throw std::invalid_argument("not a predefined registry root");
    for (const std::string& part : parts) {
        std::shared_ptr<Key> child = key->Child(part);
        key = child ? child : key->AddChild(part);
    }
    return key;
}

void SimRegistry::DenyWrites(RegKey root, const std::string& path) { MakePath(root, path)->writesDenied = true; }

void SimRegistry::Seed(RegKey root, const std::string& path, const std::string& name, DWORD type,
                       std::string data) {
    MakePath(root, path)->values[name] = Value{type, std::move(data)};
}

std::optional<SimRegistry::Value> SimRegistry::Stored(RegKey root, const std::string& path,
                                                      const std::string& name) const {
    std::vector<std::string> parts;
    SplitPath(path.c_str(), &parts);
    const std::shared_ptr<Key> key = Key::Find(Root(root), parts);
    if (!key) return std::nullopt;
    const auto found = key->values.find(name);
    return found == key->values.end() ? std::nullopt : std::optional<Value>(found->second);
}

}  // namespace os::sim
