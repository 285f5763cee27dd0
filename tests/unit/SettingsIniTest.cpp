// The settings component over INI files (the store both programs use), with the simulated
// private-profile functions on a scratch folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Exceptions.h"
#include "settings/Settings.h"
#include "tests/support/SettingItems.h"
#include "tests/support/TempDir.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
using vcl::Variant;

namespace {

class SettingsIni : public ::testing::Test {
protected:
    TSettingItem& AddItem(const std::string& name, TSettingType type, const std::string& key = "Orlenza") {
        return testing_support::AddSettingItem(settings, ssIniFile, name, type, key);
    }

    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    std::string ini = dir.file("test.ini");
    vcl::TComponent form{nullptr};
    TSettings& settings = *new TSettings(&form);
};

TEST_F(SettingsIni, StartsWithTheDocumentedDefaults) {
    EXPECT_FALSE(settings.AutoSave());
    EXPECT_FALSE(settings.Active());
    EXPECT_EQ(settings.RootKey(), rkHKEY_CURRENT_USER);
    EXPECT_EQ(settings.BaseKey(), "Software");
    EXPECT_EQ(settings.Settings().Count(), 0);
    EXPECT_EQ(settings.Settings().GetOwner(), &settings);
}

TEST_F(SettingsIni, SectionJoinsBaseKeyAndKeyWithABackslashOnlyWhenBothAreSet) {
    struct Case {
        const char* baseKey;
        const char* key;
        const char* section;
    };
    const Case cases[] = {
        {"Software", "", "Software"},
        {"", "", ""},
        {"", "Orlenza", "Orlenza"},
        {"\\Software\\Brenmoor Industries", "Orlenza", "\\Software\\Brenmoor Industries\\Orlenza"},
    };
    TSettingItem& item = AddItem("Value", stInteger);
    for (const Case& c : cases) {
        settings.SetBaseKey(c.baseKey);
        item.SetKey(c.key);
        EXPECT_EQ(settings.ItemPath(item), c.section) << c.baseKey << " + " << c.key;
    }
}

TEST_F(SettingsIni, BooleansReadAsAnyNonZeroInteger) {
    struct Case {
        const char* text;
        bool expected;
    };
    const Case cases[] = {{"1", true},   {"2", true},    {"-5", true}, {"0x1", true}, {"$10", true},
                          {"0", false},  {"abc", false}, {"", false},  {"0x", false}};
    for (const Case& c : cases) {
        WriteFileBytes(ini, std::string("[Software\\Orlenza]\r\nFlag=") + c.text + "\r\n");
        settings.Settings().Clear();
        TSettingItem& item = AddItem("Flag", stBoolean);
        settings.SetIniFileName(ini);
        settings.LoadSettings();
        EXPECT_EQ(item.Value().Type(), vcl::VarType::Boolean) << c.text;
        EXPECT_EQ(item.Value().AsBoolean(), c.expected) << c.text;
        settings.SetIniFileName("");
    }
}

TEST_F(SettingsIni, IntegersReadDecimalAndBothHexadecimalForms) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {{"90", 90},     {"  -7", -7}, {"$1F", 31}, {"0x1f", 31}, {"0X1F", 31},
                          {"12abc", 5},   {"abc", 5},   {"", 5},     {"99999999999", 5}};
    for (const Case& c : cases) {
        WriteFileBytes(ini, std::string("[Software\\Orlenza]\r\nCount=") + c.text + "\r\n");
        settings.Settings().Clear();
        TSettingItem& item = AddItem("Count", stInteger);
        item.SetValue(5);
        settings.SetIniFileName(ini);
        settings.LoadSettings();
        EXPECT_EQ(item.Value(), Variant(c.expected)) << c.text;
        settings.SetIniFileName("");
    }
}

TEST_F(SettingsIni, MissingKeysKeepASetValueAndGiveZeroOfTheTypeOtherwise) {
    WriteFileBytes(ini, "[Software\\Orlenza]\r\nOther=1\r\n");
    TSettingItem& setFlag = AddItem("SetFlag", stBoolean);
    TSettingItem& setCount = AddItem("SetCount", stInteger);
    TSettingItem& setText = AddItem("SetText", stString);
    TSettingItem& emptyFlag = AddItem("EmptyFlag", stBoolean);
    TSettingItem& emptyCount = AddItem("EmptyCount", stInteger);
    TSettingItem& emptyText = AddItem("EmptyText", stString);
    setFlag.SetValue(true);
    setCount.SetValue(42);
    setText.SetValue("kept");
    settings.SetIniFileName(ini);
    settings.LoadSettings();

    EXPECT_EQ(setFlag.Value(), Variant(true));
    EXPECT_EQ(setCount.Value(), Variant(42));
    EXPECT_EQ(setText.Value(), Variant("kept"));
    EXPECT_EQ(emptyFlag.Value(), Variant(false));
    EXPECT_EQ(emptyCount.Value(), Variant(0));
    EXPECT_EQ(emptyText.Value(), Variant(""));
}

TEST_F(SettingsIni, WritesEveryTypeAndReadsItBack) {
    TSettingItem& flag = AddItem("Flag", stBoolean);
    TSettingItem& count = AddItem("Count", stInteger);
    TSettingItem& text = AddItem("Text", stString);
    TSettingItem& ratio = AddItem("Ratio", stFloat);
    TSettingItem& price = AddItem("Price", stCurrency);
    TSettingItem& day = AddItem("Day", stDate);
    flag.SetValue(true);
    count.SetValue(-3);
    text.SetValue(" spaced text ");
    ratio.SetValue(0.125);
    price.SetValue(vcl::Currency{123456});
    day.SetValue(vcl::DateTime{46367});
    settings.SetIniFileName(ini);
    settings.SaveSettings();

    const std::string bytes = ReadFileBytes(ini);
    EXPECT_NE(bytes.find("Flag=1\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Count=-3\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Ratio=0.125\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Price=12.3456\r\n"), std::string::npos) << bytes;

    for (TSettingItem* item : {&flag, &count, &text, &ratio, &price, &day}) item->SetValue(Variant());
    settings.LoadSettings();
    EXPECT_EQ(flag.Value().AsInteger(), -1);  // true reads back as -1
    EXPECT_EQ(count.Value(), Variant(-3));
    EXPECT_EQ(ratio.Value(), Variant(0.125));
    EXPECT_EQ(price.Value(), Variant(12.3456));
    EXPECT_EQ(day.Value(), Variant(vcl::DateTime{46367}));
    // The system functions trim the blanks around a value, as on Windows.
    EXPECT_EQ(text.Value(), Variant("spaced text"));
}

TEST_F(SettingsIni, ItemsWithoutANameAreNeitherReadNorWritten) {
    WriteFileBytes(ini, "[Software\\Orlenza]\r\n=7\r\n");
    TSettingItem& unnamed = AddItem("", stInteger);
    unnamed.SetValue(3);
    settings.SetIniFileName(ini);
    settings.LoadSettings();
    EXPECT_EQ(unnamed.Value(), Variant(3));
    settings.SaveSettings();
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\n=7\r\n");
}

TEST_F(SettingsIni, FileNameSetterLoadsOnlyWhenActiveAndTheNameChanges) {
    WriteFileBytes(ini, "[Software\\Orlenza]\r\nCount=8\r\n");
    TSettingItem& count = AddItem("Count", stInteger);

    settings.SetIniFileName(ini);
    EXPECT_TRUE(count.Value().IsEmpty()) << "inactive: the file is not read";

    settings.SetActive(true);
    EXPECT_EQ(count.Value(), Variant(8));

    WriteFileBytes(ini, "[Software\\Orlenza]\r\nCount=9\r\n");
    settings.SetIniFileName(ini);
    EXPECT_EQ(count.Value(), Variant(8)) << "the same name does nothing";

    const std::string other = dir.file("other.ini");
    WriteFileBytes(other, "[Software\\Orlenza]\r\nCount=10\r\n");
    settings.SetIniFileName(other);
    EXPECT_EQ(count.Value(), Variant(10));
}

TEST_F(SettingsIni, DeactivatingWritesEveryItemAtOnce) {
    TSettingItem& count = AddItem("Count", stInteger);
    TSettingItem& flag = AddItem("Flag", stBoolean);
    count.SetValue(4);
    flag.SetValue(false);
    settings.SetIniFileName(ini);
    settings.SetActive(false);
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nCount=4\r\nFlag=0\r\n");
}

TEST_F(SettingsIni, ChangeNotificationAndAutoSaveFollowTheValueSetterRules) {
    TSettingItem& count = AddItem("Count", stInteger);
    settings.SetIniFileName(ini);
    int changes = 0;
    settings.SetOnChange([&](vcl::TObject* sender) {
        EXPECT_EQ(sender, &settings);
        ++changes;
    });
    settings.SetAutoSave(true);
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nCount=0\r\n") << "switching AutoSave on saves";

    count.SetValue(5);  // from empty: a change
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nCount=5\r\n");

    WriteFileBytes(ini, "");
    count.SetValue(5);    // equal: nothing
    count.SetValue(5.0);  // equal after conversion: nothing
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ReadFileBytes(ini), "") << "an equal value saves nothing";

    count.SetValue(Variant());  // to empty: a change
    count.SetValue(Variant());  // empty to empty: still a change
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nCount=0\r\n");

    settings.SetAutoSave(true);  // already on: saves again
    count.SetKey("Other");
    EXPECT_NE(ReadFileBytes(ini).find("[Software\\Other]"), std::string::npos);
}

TEST_F(SettingsIni, AutoSaveDuringALoadNeverOverwritesKeysNotYetRead) {
    WriteFileBytes(ini, "[Software\\Orlenza]\r\nFirst=5\r\nSecond=7\r\n");
    TSettingItem& first = AddItem("First", stInteger);
    TSettingItem& second = AddItem("Second", stInteger);
    first.SetValue(1);
    second.SetValue(2);
    settings.SetIniFileName(ini);
    settings.SetAutoSave(true);  // saves 1 and 2
    WriteFileBytes(ini, "[Software\\Orlenza]\r\nFirst=5\r\nSecond=7\r\n");

    settings.LoadSettings();
    EXPECT_EQ(first.Value(), Variant(5));
    EXPECT_EQ(second.Value(), Variant(7));
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nFirst=5\r\nSecond=7\r\n");
}

TEST_F(SettingsIni, AValueThatDoesNotConvertToItsTypeStopsTheSave) {
    TSettingItem& before = AddItem("Before", stInteger);
    TSettingItem& bad = AddItem("Bad", stInteger);
    TSettingItem& after = AddItem("After", stInteger);
    before.SetValue(1);
    bad.SetValue("not a number");
    after.SetValue(3);
    settings.SetIniFileName(ini);
    try {
        settings.SaveSettings();
        FAIL() << "the save went through";
    } catch (const vcl::EVariantTypeCastError& e) {
        EXPECT_EQ(e.Message(), "Invalid variant type conversion");
    }
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nBefore=1\r\n");
}

// Lets a given number of writes through, then refuses the rest as a full disk would.
class FailingProfile : public os::PrivateProfile {
public:
    FailingProfile(os::PrivateProfile& inner, int writesAllowed) : inner_(inner), writesAllowed_(writesAllowed) {}
    std::string GetString(const char* section, const char* key, const char* defaultText, os::DWORD size,
                          const std::string& fileName) override {
        return inner_.GetString(section, key, defaultText, size, fileName);
    }
    os::DWORD WriteString(const char* section, const char* key, const char* value,
                          const std::string& fileName) override {
        if (writesAllowed_-- <= 0) return os::error::AccessDenied;
        return inner_.WriteString(section, key, value, fileName);
    }

private:
    os::PrivateProfile& inner_;
    int writesAllowed_;
};

TEST_F(SettingsIni, AFailedWriteNamesTheFileAndKeepsWhatWasWritten) {
    WriteFileBytes(ini, "[Software\\Orlenza]\r\nA=1\r\nB=1\r\nC=1\r\n");
    for (const char* name : {"A", "B", "C"}) AddItem(name, stInteger).SetValue(2);
    settings.SetIniFileName(ini);
    FailingProfile failing(sim.profile, 1);
    os::BackendScope failingScope({&failing, nullptr, nullptr});
    try {
        settings.SaveSettings();
        FAIL() << "the save went through";
    } catch (const vcl::EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + ini);
    }
    EXPECT_EQ(ReadFileBytes(ini), "[Software\\Orlenza]\r\nA=2\r\nB=1\r\nC=1\r\n");
}

TEST_F(SettingsIni, AnUnwritableLocationRaisesUnableToWrite) {
    const std::string missing = dir.file("no such folder") + "/test.ini";
    AddItem("A", stInteger).SetValue(1);
    settings.SetIniFileName(missing);
    try {
        settings.SaveSettings();
        FAIL() << "the save went through";
    } catch (const vcl::EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + missing);
    }
}

TEST_F(SettingsIni, SavingWithoutAFileNameIsAnErrorNotASilentLoss) {
    AddItem("A", stInteger).SetValue(1);
    EXPECT_NO_THROW(settings.LoadSettings());
    EXPECT_THROW(settings.SaveSettings(), vcl::EIniFileException);
}

}  // namespace
