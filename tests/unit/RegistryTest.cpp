// TRegistry over the simulated registry: paths, typed values, error texts, and no leaked keys.
#include "platform/vcl/Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Exceptions.h"

using namespace std::string_literals;

namespace {

std::string Bytes(const void* data, std::size_t size) { return std::string(static_cast<const char*>(data), size); }

class Registry : public ::testing::Test {
protected:
    void TearDown() override {
        reg.CloseKey();
        EXPECT_EQ(sim.registry.OpenHandleCount(), 0u) << "a key was left open";
    }

    std::optional<os::sim::SimRegistry::Value> Stored(const std::string& name) const {
        return sim.registry.Stored(os::hkey::CurrentUser, "Software\\Test", name);
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    vcl::TRegistry reg;
};

TEST_F(Registry, OpensPathsRelativeToTheOpenKeyOrFromTheRoot) {
    EXPECT_EQ(reg.RootKey(), os::hkey::CurrentUser);
    ASSERT_TRUE(reg.OpenKey("Software", true));
    EXPECT_EQ(reg.CurrentPath(), "Software");
    ASSERT_TRUE(reg.OpenKey("Orlenza", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Orlenza");
    ASSERT_TRUE(reg.OpenKey("\\Elsewhere", true));
    EXPECT_EQ(reg.CurrentPath(), "Elsewhere");
    EXPECT_TRUE(reg.KeyExists("\\Software\\Orlenza"));
    EXPECT_FALSE(reg.KeyExists("Orlenza")) << "relative to Elsewhere";

    EXPECT_FALSE(reg.OpenKey("Missing", false));
    EXPECT_EQ(reg.CurrentPath(), "Elsewhere") << "a failed open keeps the key that was open";
    EXPECT_EQ(sim.registry.OpenHandleCount(), 1u) << "each open closed the key before it";

    reg.SetRootKey(os::hkey::LocalMachine);
    EXPECT_EQ(reg.CurrentKey(), 0u);
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_FALSE(reg.KeyExists("Software\\Orlenza"));
}

TEST_F(Registry, TheDestructorClosesTheOpenKey) {
    {
        vcl::TRegistry scoped;
        ASSERT_TRUE(scoped.OpenKey("Software\\Test", true));
        EXPECT_EQ(sim.registry.OpenHandleCount(), 1u);
    }
    EXPECT_EQ(sim.registry.OpenHandleCount(), 0u);
}

TEST_F(Registry, ValuesAreStoredInTheirWindowsForm) {
    ASSERT_TRUE(reg.OpenKey("Software\\Test", true));
    const std::int32_t minusTwo = -2;
    const std::int32_t one = 1;
    const std::int64_t price = 123456;  // 12.3456 in currency units
    const double ratio = 0.25;
    reg.WriteInteger("Int", minusTwo);
    reg.WriteBool("Flag", true);
    reg.WriteString("Text", "hello");
    reg.WriteExpandString("Path", "%TEMP%\\x");
    reg.WriteCurrency("Price", price);
    reg.WriteFloat("Ratio", ratio);
    reg.WriteDateTime("When", ratio);
    reg.WriteBinaryData("Blob", "\x00\x01\x02", 3);

    using Value = os::sim::SimRegistry::Value;
    EXPECT_EQ(Stored("Int"), (Value{os::regtype::Dword, Bytes(&minusTwo, 4)}));
    EXPECT_EQ(Stored("Flag"), (Value{os::regtype::Dword, Bytes(&one, 4)}));
    EXPECT_EQ(Stored("Text"), (Value{os::regtype::Sz, "hello\0"s}));
    EXPECT_EQ(Stored("Path"), (Value{os::regtype::ExpandSz, "%TEMP%\\x\0"s}));
    EXPECT_EQ(Stored("Price"), (Value{os::regtype::Binary, Bytes(&price, 8)}));
    EXPECT_EQ(Stored("Ratio"), (Value{os::regtype::Binary, Bytes(&ratio, 8)}));
    EXPECT_EQ(Stored("When"), (Value{os::regtype::Binary, Bytes(&ratio, 8)}));
    EXPECT_EQ(Stored("Blob"), (Value{os::regtype::Binary, "\x00\x01\x02"s}));

    EXPECT_EQ(reg.ReadInteger("Int"), -2);
    EXPECT_TRUE(reg.ReadBool("Flag"));
    EXPECT_EQ(reg.ReadString("Text"), "hello");
    EXPECT_EQ(reg.ReadString("Path"), "%TEMP%\\x");
    EXPECT_EQ(reg.ReadCurrency("Price"), price);
    EXPECT_EQ(reg.ReadFloat("Ratio"), ratio);
    EXPECT_EQ(reg.ReadDate("When"), ratio);
    EXPECT_EQ(reg.ReadTime("When"), ratio);
    char blob[8] = {};
    EXPECT_EQ(reg.ReadBinaryData("Blob", blob, sizeof blob), 3u);
    EXPECT_EQ(Bytes(blob, 3), "\x00\x01\x02"s);
}

TEST_F(Registry, ReadsRaiseForMissingAndMistypedValues) {
    const std::int32_t dword = 7;
    const double real = 1.5;
    struct Case {
        const char* what;
        os::DWORD storedType;  // None: no value stored
        std::string stored;
        std::function<void(vcl::TRegistry&)> read;
        const char* message;
    };
    const auto readInteger = [](vcl::TRegistry& r) { r.ReadInteger("V"); };
    const auto readBool = [](vcl::TRegistry& r) { r.ReadBool("V"); };
    const auto readFloat = [](vcl::TRegistry& r) { r.ReadFloat("V"); };
    const auto readCurrency = [](vcl::TRegistry& r) { r.ReadCurrency("V"); };
    const auto readString = [](vcl::TRegistry& r) { r.ReadString("V"); };
    const Case cases[] = {
        {"missing integer", os::regtype::None, "", readInteger, "Failed to get data for 'V'"},
        {"missing flag", os::regtype::None, "", readBool, "Failed to get data for 'V'"},
        {"missing float", os::regtype::None, "", readFloat, "Failed to get data for 'V'"},
        {"integer from text", os::regtype::Sz, "7\0"s, readInteger, "Invalid data type for 'V'"},
        {"integer from binary", os::regtype::Binary, Bytes(&dword, 4), readInteger, "Invalid data type for 'V'"},
        {"integer of two bytes", os::regtype::Dword, Bytes(&dword, 2), readInteger, "Invalid data type for 'V'"},
        {"float of four bytes", os::regtype::Binary, Bytes(&real, 4), readFloat, "Invalid data type for 'V'"},
        {"float from a dword", os::regtype::Dword, Bytes(&dword, 4), readFloat, "Invalid data type for 'V'"},
        {"currency of nine bytes", os::regtype::Binary, Bytes(&real, 8) + "x", readCurrency,
         "Invalid data type for 'V'"},
        {"text from a dword", os::regtype::Dword, Bytes(&dword, 4), readString, "Invalid data type for 'V'"},
    };
    for (const Case& c : cases) {
        os::sim::SimOs fresh;
        os::BackendScope freshScope{fresh.backend()};
        if (c.storedType != os::regtype::None) {
            fresh.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "V", c.storedType, c.stored);
        }
        vcl::TRegistry r;
        ASSERT_TRUE(r.OpenKey("Software\\Test", true));
        try {
            c.read(r);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const vcl::ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
        r.CloseKey();
        EXPECT_EQ(fresh.registry.OpenHandleCount(), 0u) << c.what;
    }
}

TEST_F(Registry, StringsReadFromEitherStringTypeAndMissingOnesAreEmpty) {
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Cut", os::regtype::Sz, "before\0after\0"s);
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Bare", os::regtype::Sz, "no terminator");
    ASSERT_TRUE(reg.OpenKey("Software\\Test", false));
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_EQ(reg.ReadString("Cut"), "before");
    EXPECT_EQ(reg.ReadString("Bare"), "no terminator");
}

TEST_F(Registry, BinaryReadsNeedRoomAndABinaryValue) {
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Blob", os::regtype::Binary, "12345678");
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Text", os::regtype::Sz, "x\0"s);
    ASSERT_TRUE(reg.OpenKey("Software\\Test", false));
    char buffer[4];
    EXPECT_EQ(reg.ReadBinaryData("Missing", buffer, sizeof buffer), 0u);
    EXPECT_THROW(reg.ReadBinaryData("Blob", buffer, sizeof buffer), vcl::ERegistryException);
    EXPECT_THROW(reg.ReadBinaryData("Text", buffer, sizeof buffer), vcl::ERegistryException);
}

TEST_F(Registry, RefusedWritesRaise) {
    sim.registry.DenyWrites(os::hkey::CurrentUser, "Software\\Locked");
    EXPECT_FALSE(reg.OpenKey("Software\\Locked\\Sub", true)) << "creating below it is refused";
    EXPECT_FALSE(reg.OpenKey("Software\\Locked", false)) << "opening it for writing is refused";
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Locked"));
    try {
        reg.WriteInteger("V", 1);
        FAIL() << "the write went through";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'V'");
    }

    ASSERT_TRUE(reg.OpenKey("\\Software\\Open", true));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Open"));
    EXPECT_THROW(reg.WriteString("V", "x"), vcl::ERegistryException) << "a key opened read-only";
}

TEST_F(Registry, InspectsAndRemovesValuesAndKeys) {
    ASSERT_TRUE(reg.OpenKey("Software\\Test\\Deep\\Deeper", true));
    ASSERT_TRUE(reg.OpenKey("\\Software\\Test", false));
    reg.WriteString("Text", "abc");
    reg.WriteInteger("Int", 1);

    vcl::TRegDataInfo info;
    ASSERT_TRUE(reg.GetDataInfo("Text", info));
    EXPECT_EQ(info.RegData, vcl::TRegDataType::rdString);
    EXPECT_EQ(info.DataSize, 4u);
    EXPECT_EQ(reg.GetDataType("Int"), vcl::TRegDataType::rdInteger);
    EXPECT_EQ(reg.GetDataSize("Missing"), -1);
    EXPECT_FALSE(reg.ValueExists("Missing"));

    std::vector<std::string> names;
    reg.GetValueNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Int", "Text"}));
    reg.GetKeyNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"Deep"});
    EXPECT_TRUE(reg.HasSubKeys());

    EXPECT_FALSE(reg.DeleteKey("")) << "an empty path is not the open key";
    EXPECT_TRUE(reg.KeyExists("\\Software\\Test\\Deep\\Deeper"));
    EXPECT_TRUE(reg.DeleteValue("Int"));
    EXPECT_FALSE(reg.DeleteValue("Int"));
    EXPECT_TRUE(reg.DeleteKey("Deep")) << "with everything below it";
    EXPECT_FALSE(reg.KeyExists("Deep"));
    EXPECT_FALSE(reg.HasSubKeys());
    EXPECT_FALSE(reg.DeleteKey("Deep"));
}

}  // namespace
