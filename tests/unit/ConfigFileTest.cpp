#include "settings/ConfigFile.h"

#include <gtest/gtest.h>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Exceptions.h"
#include "tests/support/TempDir.h"

namespace {

class ConfigFile : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    vcl::TComponent form{nullptr};
    TSettings& settings = *new TSettings(&form);
};

TEST_F(ConfigFile, LivesInTheSystemDirectory) {
    sim.system.SetSystemDirectory("C:\\windows\\system32");
    EXPECT_EQ(config::FilePath(), "C:\\windows\\system32\\Orlenza.ini");
}

TEST_F(ConfigFile, RefusesASystemDirectoryTooLongForItsBuffer) {
    sim.system.SetSystemDirectory("C:\\" + std::string(600, 'x'));
    EXPECT_THROW(config::FilePath(), vcl::Exception);
}

TEST_F(ConfigFile, DeclaresTheTwelveItemsInOrder) {
    config::Configure(settings);
    EXPECT_EQ(settings.RootKey(), rkHKEY_LOCAL_MACHINE);
    EXPECT_EQ(settings.BaseKey(), "\\Software\\Brenmoor Industries");
    const char* const names[] = {"ViewSoundData",      "VoiceAssist",     "Confidence", "Accuracy",
                                 "VoiceTries",         "LockOutTime",     "InactivityTime",
                                 "PlayBackVoicePrint", "NoiseFiltration", "Theme",      "Language",
                                 "PasswordTries"};
    ASSERT_EQ(settings.Settings().Count(), 12);
    for (int i = 0; i < 12; ++i) {
        const TSettingItem& item = *settings.Settings().Items(i);
        EXPECT_EQ(item.Name(), names[i]);
        EXPECT_EQ(item.Key(), "Orlenza");
        EXPECT_EQ(item.Storage(), ssIniFile);
        EXPECT_EQ(settings.ItemPath(item), "\\Software\\Brenmoor Industries\\Orlenza");
    }
    EXPECT_EQ(settings.Settings().Items(config::Theme)->Name(), "Theme");
    EXPECT_EQ(settings.Settings().Items(config::VoiceAssist)->DataType(), stBoolean);
    EXPECT_EQ(settings.Settings().Items(config::PasswordTries)->DataType(), stInteger);
}

TEST_F(ConfigFile, StoredValuesOutsideTheirRangeAreReadAsTheyStand) {
    const std::string ini = dir.file("Orlenza.ini");
    testing_support::WriteFileBytes(ini,
                                    "[\\Software\\Brenmoor Industries\\Orlenza]\r\nConfidence=50\r\n"
                                    "VoiceAssist=2\r\nTheme=7\r\n");
    config::Configure(settings);
    settings.SetIniFileName(ini);
    settings.LoadSettings();
    EXPECT_EQ(settings.Settings().Items(config::Confidence)->Value().AsInteger(), 50);
    EXPECT_TRUE(settings.Settings().Items(config::VoiceAssist)->Value().AsBoolean());
    EXPECT_EQ(settings.Settings().Items(config::Theme)->Value().AsInteger(), 7);
    EXPECT_EQ(settings.Settings().Items(config::Accuracy)->Value().AsInteger(), 0) << "missing reads as 0";
}

TEST(ThemeMapping, SelectsAStyleOnlyForZeroToFour) {
    EXPECT_EQ(config::ThemeFromIndex(0), config::ThemeStyle::MacOS);
    EXPECT_EQ(config::ThemeFromIndex(3), config::ThemeStyle::Protein);
    EXPECT_EQ(config::ThemeFromIndex(4), config::ThemeStyle::BlueGlass);
    for (int outside : {-1, 5, 7}) EXPECT_FALSE(config::ThemeFromIndex(outside).has_value()) << outside;
    EXPECT_EQ(config::kThemeNames[static_cast<int>(config::ThemeStyle::DeepBlue)], "DeepBlue");
}

}  // namespace
