// The registry functions as the programs and TRegistry rely on them, run against the simulated
// hives and, in the Windows build, the real registry (a scratch key of HKEY_CURRENT_USER).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/contract/Backends.h"

using namespace std::string_literals;

namespace {

// The registry functions answer with the error number as a LONG.
constexpr os::LONG Status(os::DWORD error) { return static_cast<os::LONG>(error); }

class RegistryContract : public contract::BackendTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Registry().CreateKey(os::hkey::CurrentUser, os->ScratchKey().c_str(), os::access::AllAccess, &scratch),
                  Status(os::error::Success));
    }
    void TearDown() override {
        for (const os::RegKey key : opened) Registry().CloseKey(key);
        Registry().CloseKey(scratch);
    }

    os::Registry& Registry() const { return os->registry(); }

    // Opens `path` below the scratch key and closes it again when the test ends.
    os::RegKey Open(const char* path, os::DWORD access = os::access::AllAccess) {
        os::RegKey key = 0;
        EXPECT_EQ(Registry().OpenKey(scratch, path, access, &key), Status(os::error::Success)) << path;
        opened.push_back(key);
        return key;
    }
    os::RegKey Create(const char* path) {
        os::RegKey key = 0;
        EXPECT_EQ(Registry().CreateKey(scratch, path, os::access::AllAccess, &key), Status(os::error::Success)) << path;
        opened.push_back(key);
        return key;
    }
    os::LONG Set(os::RegKey key, const char* name, os::DWORD type, const std::string& bytes) {
        return Registry().SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   static_cast<os::DWORD>(bytes.size()));
    }
    std::vector<std::string> Names(os::RegKey key, bool subKeys) {
        std::vector<std::string> names;
        std::string name;
        os::LONG status = os::error::Success;
        for (os::DWORD index = 0;; ++index) {
            status = subKeys ? Registry().EnumKey(key, index, &name) : Registry().EnumValue(key, index, &name);
            if (status != Status(os::error::Success)) break;
            names.push_back(name);
        }
        EXPECT_EQ(status, Status(os::error::NoMoreItems));
        return names;
    }

    os::RegKey scratch = 0;
    std::vector<os::RegKey> opened;
};

TEST_P(RegistryContract, CreateKeyMakesTheWholePathAndNamesIgnoreCase) {
    Create("One\\Two\\Three");
    Open("one\\TWO");
    Open("ONE\\two\\three");
    Open("One\\\\Two\\");  // doubled and trailing backslashes are harmless
    os::RegKey key = 0;
    EXPECT_EQ(Registry().OpenKey(scratch, "One\\Missing", os::access::Read, &key), Status(os::error::FileNotFound));
    EXPECT_EQ(Registry().OpenKey(scratch, "\\One", os::access::Read, &key), Status(os::error::BadPathName));
    EXPECT_EQ(Registry().CreateKey(scratch, "\\One", os::access::AllAccess, &key), Status(os::error::BadPathName));
}

TEST_P(RegistryContract, QueriesNegotiateTheBufferSize) {
    const os::RegKey key = Create("Values");
    ASSERT_EQ(Set(key, "Text", os::regtype::Sz, "hello\0"s), Status(os::error::Success));

    os::DWORD type = 0;
    os::DWORD size = 0;
    ASSERT_EQ(Registry().QueryValue(key, "TEXT", &type, nullptr, &size), Status(os::error::Success));
    EXPECT_EQ(type, os::regtype::Sz);
    EXPECT_EQ(size, 6u) << "the terminating NUL counts";

    std::string buffer(16, '#');
    auto* data = reinterpret_cast<std::uint8_t*>(buffer.data());
    size = 5;
    EXPECT_EQ(Registry().QueryValue(key, "Text", &type, data, &size), Status(os::error::MoreData));
    EXPECT_EQ(size, 6u);
    size = 6;
    ASSERT_EQ(Registry().QueryValue(key, "Text", &type, data, &size), Status(os::error::Success));
    EXPECT_EQ(buffer.substr(0, size), "hello\0"s);
    EXPECT_EQ(Registry().QueryValue(key, "Missing", &type, nullptr, &size), Status(os::error::FileNotFound));
}

TEST_P(RegistryContract, ValuesKeepTheirTypeAndBytes) {
    const os::RegKey key = Create("Values");
    struct Case {
        const char* name;
        os::DWORD type;
        std::string bytes;
    };
    const Case cases[] = {
        {"Dword", os::regtype::Dword, "\x01\x00\x00\x00"s},
        {"Binary", os::regtype::Binary, "\x00\xff\x10"s},
        {"EmptyBinary", os::regtype::Binary, ""},
        {"Expand", os::regtype::ExpandSz, "%TEMP%\\x\0"s},
        {"Multi", os::regtype::MultiSz, "A\0BC\0\0"s},
        {"ShortDword", os::regtype::Dword, "\x01\x02"s},  // stored as given, size and all
        {"OwnType", 0x1234, "xyz"},
        {"", os::regtype::Sz, "default value\0"s},
    };
    for (const Case& c : cases) ASSERT_EQ(Set(key, c.name, c.type, c.bytes), Status(os::error::Success)) << c.name;
    for (const Case& c : cases) {
        std::string buffer(64, '\0');
        os::DWORD type = 0;
        auto size = static_cast<os::DWORD>(buffer.size());
        ASSERT_EQ(Registry().QueryValue(key, c.name, &type, reinterpret_cast<std::uint8_t*>(buffer.data()), &size),
                  Status(os::error::Success))
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(buffer.substr(0, size), c.bytes) << c.name;
    }
    os::DWORD size = 0;
    EXPECT_EQ(Registry().QueryValue(key, nullptr, nullptr, nullptr, &size), Status(os::error::Success))
        << "a null name is the default value";
    EXPECT_EQ(size, 14u);
}

TEST_P(RegistryContract, DeletesValuesAndLeafKeysOnly) {
    const os::RegKey key = Create("Parent\\Child");
    ASSERT_EQ(Set(key, "v", os::regtype::Dword, "\0\0\0\0"s), Status(os::error::Success));
    EXPECT_EQ(Registry().DeleteValue(key, "V"), Status(os::error::Success));
    EXPECT_EQ(Registry().DeleteValue(key, "V"), Status(os::error::FileNotFound));

    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), Status(os::error::AccessDenied)) << "it still has a sub-key";
    EXPECT_EQ(Registry().DeleteKey(scratch, "parent\\child"), Status(os::error::Success));
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent\\Child"), Status(os::error::FileNotFound));
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), Status(os::error::Success));
}

TEST_P(RegistryContract, AHandleToADeletedKeyReportsIt) {
    const os::RegKey key = Create("Doomed");
    ASSERT_EQ(Registry().DeleteKey(scratch, "Doomed"), Status(os::error::Success));
    EXPECT_EQ(Set(key, "v", os::regtype::Sz, "x\0"s), Status(os::error::KeyDeleted));
    os::DWORD size = 0;
    EXPECT_EQ(Registry().QueryValue(key, "v", nullptr, nullptr, &size), Status(os::error::KeyDeleted));
}

TEST_P(RegistryContract, HandlesCloseOnce) {
    os::RegKey key = 0;
    ASSERT_EQ(Registry().CreateKey(scratch, "Key", os::access::AllAccess, &key), Status(os::error::Success));
    EXPECT_EQ(Registry().CloseKey(key), Status(os::error::Success));
    EXPECT_EQ(Registry().CloseKey(key), Status(os::error::InvalidHandle));
    EXPECT_EQ(Registry().CloseKey(os::hkey::CurrentUser), Status(os::error::Success)) << "roots may always be closed";
}

TEST_P(RegistryContract, AReadOnlyHandleRefusesChanges) {
    Create("Key");
    const os::RegKey key = Open("Key", os::access::Read);
    EXPECT_EQ(Set(key, "v", os::regtype::Sz, "x\0"s), Status(os::error::AccessDenied));
    EXPECT_EQ(Registry().DeleteValue(key, "v"), Status(os::error::AccessDenied));
}

TEST_P(RegistryContract, EnumeratesSubKeysInNameOrderAndEveryValue) {
    const os::RegKey key = Create("List");
    for (const char* name : {"zeta", "Alpha", "beta", "Gamma"}) {
        Create(("List\\"s + name).c_str());
        ASSERT_EQ(Set(key, name, os::regtype::Dword, "\0\0\0\0"s), Status(os::error::Success));
    }
    EXPECT_EQ(Names(key, true), (std::vector<std::string>{"Alpha", "beta", "Gamma", "zeta"}));
    std::vector<std::string> values = Names(key, false);
    std::sort(values.begin(), values.end());  // value order is not part of the contract
    EXPECT_EQ(values, (std::vector<std::string>{"Alpha", "Gamma", "beta", "zeta"}));
    EXPECT_TRUE(Names(Create("List\\Alpha"), true).empty());
}

OLZ_INSTANTIATE_FOR_BACKENDS(RegistryContract);

}  // namespace
