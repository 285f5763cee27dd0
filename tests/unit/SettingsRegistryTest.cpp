// The settings component's registry store, over the simulated registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Exceptions.h"
#include "platform/vcl/Registry.h"
#include "settings/Settings.h"
#include "tests/support/SettingItems.h"

using vcl::Variant;

namespace {

class SettingsRegistry : public ::testing::Test {
protected:
    TSettingItem& AddItem(const std::string& name, TSettingType type, const std::string& key = "Orlenza") {
        return testing_support::AddSettingItem(settings, ssRegistry, name, type, key);
    }

    // Writes a raw value under HKEY_CURRENT_USER\<path>.
    void Seed(const std::string& path, const std::string& name, os::DWORD type, const std::string& bytes) {
        os::RegKey key = 0;
        ASSERT_EQ(os::registry().CreateKey(os::hkey::CurrentUser, path.c_str(), os::access::AllAccess, &key), 0);
        os::registry().SetValue(key, name.c_str(), type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                static_cast<os::DWORD>(bytes.size()));
        os::registry().CloseKey(key);
    }

    // The raw bytes and type of a value under HKEY_CURRENT_USER\<path>; type 0 when missing.
    std::pair<os::DWORD, std::string> Stored(const std::string& path, const std::string& name) {
        os::RegKey key = 0;
        if (os::registry().OpenKey(os::hkey::CurrentUser, path.c_str(), os::access::Read, &key) != 0) return {0, ""};
        os::DWORD type = 0;
        os::DWORD size = 256;
        std::string bytes(size, '\0');
        const os::LONG result =
            os::registry().QueryValue(key, name.c_str(), &type, reinterpret_cast<std::uint8_t*>(bytes.data()), &size);
        os::registry().CloseKey(key);
        if (result != 0) return {0, ""};
        bytes.resize(size);
        return {type, bytes};
    }

    static std::string Bytes(const void* data, std::size_t size) {
        return std::string(static_cast<const char*>(data), size);
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    vcl::TComponent form{nullptr};
    TSettings& settings = *new TSettings(&form);
};

TEST_F(SettingsRegistry, WritesEachTypeInItsRegistryForm) {
    AddItem("Flag", stBoolean).SetValue(true);
    AddItem("Count", stInteger).SetValue(-2);
    AddItem("Text", stString).SetValue("hello");
    AddItem("Price", stCurrency).SetValue(vcl::Currency{12345});
    AddItem("Ratio", stFloat).SetValue(0.5);
    settings.SaveSettings();

    const std::uint32_t one = 1;
    const std::int32_t minusTwo = -2;
    const std::int64_t price = 12345;
    const double ratio = 0.5;
    EXPECT_EQ(Stored("Software\\Orlenza", "Flag"), std::make_pair(os::regtype::Dword, Bytes(&one, 4)));
    EXPECT_EQ(Stored("Software\\Orlenza", "Count"), std::make_pair(os::regtype::Dword, Bytes(&minusTwo, 4)));
    EXPECT_EQ(Stored("Software\\Orlenza", "Text").first, os::regtype::Sz);
    EXPECT_EQ(Stored("Software\\Orlenza", "Text").second.substr(0, 5), "hello");
    EXPECT_EQ(Stored("Software\\Orlenza", "Price"), std::make_pair(os::regtype::Binary, Bytes(&price, 8)));
    EXPECT_EQ(Stored("Software\\Orlenza", "Ratio"), std::make_pair(os::regtype::Binary, Bytes(&ratio, 8)));

    for (int i = 0; i < settings.Settings().Count(); ++i) settings.Settings().Items(i)->SetValue(Variant());
    settings.LoadSettings();
    EXPECT_EQ(settings.Settings().Items(0)->Value(), Variant(true));
    EXPECT_EQ(settings.Settings().Items(1)->Value(), Variant(-2));
    EXPECT_EQ(settings.Settings().Items(2)->Value(), Variant("hello"));
    EXPECT_EQ(settings.Settings().Items(3)->Value(), Variant(vcl::Currency{12345}));
    EXPECT_EQ(settings.Settings().Items(4)->Value(), Variant(0.5));
}

TEST_F(SettingsRegistry, KeysJoinRelativelyOrFromTheRoot) {
    settings.SetBaseKey("\\Software\\Brenmoor Industries");
    AddItem("Relative", stInteger, "Orlenza").SetValue(1);
    AddItem("Absolute", stInteger, "\\Elsewhere").SetValue(2);
    AddItem("BaseOnly", stInteger, "").SetValue(3);
    settings.SaveSettings();
    EXPECT_EQ(Stored("Software\\Brenmoor Industries\\Orlenza", "Relative").first, os::regtype::Dword);
    EXPECT_EQ(Stored("Elsewhere", "Absolute").first, os::regtype::Dword);
    EXPECT_EQ(Stored("Software\\Brenmoor Industries", "BaseOnly").first, os::regtype::Dword);
}

TEST_F(SettingsRegistry, StringsAcceptExpandableValuesAndReadMissingAsEmpty) {
    Seed("Software\\Orlenza", "Path", os::regtype::ExpandSz, std::string("%TEMP%\\x") + '\0');
    TSettingItem& path = AddItem("Path", stString);
    TSettingItem& missing = AddItem("Missing", stString);
    missing.SetValue("before");
    settings.LoadSettings();
    EXPECT_EQ(path.Value(), Variant("%TEMP%\\x"));
    EXPECT_EQ(missing.Value(), Variant(""));
}

TEST_F(SettingsRegistry, NonStringValuesMustExistWithTheirExactForm) {
    const std::uint32_t dword = 7;
    const double real = 1.5;
    struct Case {
        TSettingType type;
        os::DWORD storedType;  // 0: no value
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {stInteger, 0, "", "Failed to get data for 'V'"},
        {stBoolean, 0, "", "Failed to get data for 'V'"},
        {stFloat, 0, "", "Failed to get data for 'V'"},
        {stInteger, os::regtype::Sz, std::string("7") + '\0', "Invalid data type for 'V'"},
        {stInteger, os::regtype::Binary, Bytes(&dword, 4), "Invalid data type for 'V'"},
        {stInteger, os::regtype::Dword, Bytes(&dword, 2), "Invalid data type for 'V'"},
        {stFloat, os::regtype::Binary, Bytes(&real, 4), "Invalid data type for 'V'"},
        {stFloat, os::regtype::Dword, Bytes(&dword, 4), "Invalid data type for 'V'"},
        {stCurrency, os::regtype::Binary, Bytes(&real, 8) + "x", "Invalid data type for 'V'"},
        {stString, os::regtype::Dword, Bytes(&dword, 4), "Invalid data type for 'V'"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string key = "Case" + std::to_string(n++);
        if (c.storedType) Seed("Software\\" + key, "V", c.storedType, c.bytes);
        settings.Settings().Clear();
        AddItem("V", c.type, key);
        try {
            settings.LoadSettings();
            ADD_FAILURE() << key << " loaded";
        } catch (const vcl::ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.message) << key;
        }
    }
    EXPECT_EQ(sim.registry.OpenHandleCount(), 0) << "a failed read still closes its key";
}

TEST_F(SettingsRegistry, ARefusedWriteRaisesFailedToSetData) {
    sim.registry.DenyWrites(os::hkey::CurrentUser, "Software\\Locked");
    AddItem("V", stInteger, "Locked").SetValue(1);
    try {
        settings.SaveSettings();
        FAIL() << "the save went through";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'V'");
    }
    EXPECT_EQ(sim.registry.OpenHandleCount(), 0);
}

TEST_F(SettingsRegistry, ItemsWithoutANameAreSkipped) {
    AddItem("", stInteger).SetValue(1);
    EXPECT_NO_THROW(settings.LoadSettings());
    EXPECT_NO_THROW(settings.SaveSettings());
    EXPECT_EQ(Stored("Software\\Orlenza", "").first, 0u);
}

}  // namespace
