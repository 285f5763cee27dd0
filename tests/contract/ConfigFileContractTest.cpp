// The configuration file that the logon service reads, written through the settings component:
// the same bytes from the simulated and from the real INI functions.
#include <gtest/gtest.h>

#include "settings/ConfigFile.h"
#include "tests/contract/Backends.h"
#include "tests/support/TempDir.h"

namespace {

using ConfigFileContract = contract::BackendTest;

TEST_P(ConfigFileContract, DefaultsSavedIntoAMissingFileGiveTheServiceItsLayout) {
    const std::string ini = os->file("Orlenza.ini");
    vcl::TComponent form(nullptr);
    TSettings& settings = *new TSettings(&form);
    config::Configure(settings);
    settings.SetIniFileName(ini);
    config::SetDefaults(settings);
    settings.SaveSettings();

    EXPECT_EQ(testing_support::ReadFileBytes(ini),
              "[\\Software\\Brenmoor Industries\\Orlenza]\r\n"
              "ViewSoundData=1\r\n"
              "VoiceAssist=1\r\n"
              "Confidence=90\r\n"
              "Accuracy=30\r\n"
              "VoiceTries=3\r\n"
              "LockOutTime=10\r\n"
              "InactivityTime=90\r\n"
              "PlayBackVoicePrint=1\r\n"
              "NoiseFiltration=1\r\n"
              "Theme=0\r\n"
              "Language=0\r\n"
              "PasswordTries=3\r\n");
}

TEST_P(ConfigFileContract, ASecondSaveRewritesTheKeysInPlace) {
    const std::string ini = os->file("Orlenza.ini");
    testing_support::WriteFileBytes(ini,
                                    "; kept\r\n[\\Software\\Brenmoor Industries\\Orlenza]\r\nTheme=3\r\n"
                                    "Extra=x\r\n\r\n[Other]\r\nA=1\r\n");
    vcl::TComponent form(nullptr);
    TSettings& settings = *new TSettings(&form);
    config::Configure(settings);
    settings.SetIniFileName(ini);
    settings.LoadSettings();
    EXPECT_EQ(settings.Settings().Items(config::Theme)->Value().AsInteger(), 3);
    settings.Settings().Items(config::Theme)->SetValue(4);
    settings.SaveSettings();

    const std::string bytes = testing_support::ReadFileBytes(ini);
    EXPECT_EQ(bytes.rfind("; kept\r\n[\\Software\\Brenmoor Industries\\Orlenza]\r\nTheme=4\r\nExtra=x\r\n", 0), 0u)
        << bytes;
    EXPECT_NE(bytes.find("[Other]\r\nA=1\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("PasswordTries=0\r\n"), std::string::npos) << bytes;
}

OLZ_INSTANTIATE_FOR_BACKENDS(ConfigFileContract);

}  // namespace
