// The manager's start-up and close sequences, tree navigation, help and value labels.
#include <gtest/gtest.h>

#include "platform/vcl/Exceptions.h"
#include "tests/manager/ManagerFixture.h"

namespace manager_test {
namespace {

using manager::Bar;
using manager::Choice;
using manager::Tab;

const char* const kDefaultFile =
    "[\\Software\\Brenmoor Industries\\Orlenza]\r\n"
    "ViewSoundData=1\r\nVoiceAssist=1\r\nConfidence=90\r\nAccuracy=30\r\nVoiceTries=3\r\n"
    "LockOutTime=10\r\nInactivityTime=90\r\nPlayBackVoicePrint=1\r\nNoiseFiltration=1\r\n"
    "Theme=0\r\nLanguage=0\r\nPasswordTries=3\r\n";

TEST_F(ManagerTest, FirstStartCreatesTheFileWithTheDefaultsAndShowsThem) {
    logic.FormCreate();
    EXPECT_EQ(IniBytes(), kDefaultFile);

    for (Choice choice : {Choice::ViewSoundData, Choice::VoiceAssist, Choice::PlayBackVoicePrint,
                          Choice::NoiseFiltration})
        EXPECT_EQ(view.ChoiceIndex(choice), 1) << "the enabling entry";
    EXPECT_EQ(view.BarPosition(Bar::Confidence), 90);
    EXPECT_EQ(view.BarPosition(Bar::Sensitivity), 30);
    EXPECT_EQ(view.BarPosition(Bar::VoiceAttempts), 3);
    EXPECT_EQ(view.BarPosition(Bar::PasswordAttempts), 3);
    EXPECT_EQ(view.BarPosition(Bar::Lockout), 10);
    EXPECT_EQ(view.BarPosition(Bar::Inactivity), 90);
    EXPECT_EQ(view.ThemeIndex(), 0);
    EXPECT_EQ(view.LanguageIndex(), 0);
    EXPECT_TRUE(view.styles.empty()) << "the window keeps its design style";
    EXPECT_EQ(application.calls, std::vector<std::string>{"ProcessMessages"}) << "only after reading the service";
    EXPECT_EQ(view.pages, (std::map<Tab, int>{{Tab::Logon, 0}, {Tab::Engine, 0}, {Tab::Service, 0}, {Tab::Master, 0}}));
    EXPECT_TRUE(view.keyPreview);
}

TEST_F(ManagerTest, StoredValuesOutsideTheBarsComeBackInRangeAtClose) {
    WriteIni("ViewSoundData=0\r\nVoiceAssist=2\r\nConfidence=50\r\nAccuracy=30\r\nVoiceTries=0\r\n"
             "LockOutTime=10\r\nInactivityTime=200\r\nPlayBackVoicePrint=0\r\nNoiseFiltration=1\r\n"
             "Theme=1\r\nLanguage=4\r\nPasswordTries=0\r\n");
    logic.FormCreate();
    EXPECT_EQ(view.ChoiceIndex(Choice::VoiceAssist), 1);
    EXPECT_EQ(view.ChoiceIndex(Choice::ViewSoundData), 0);
    EXPECT_EQ(view.BarPosition(Bar::Confidence), 75);
    EXPECT_EQ(view.BarPosition(Bar::VoiceAttempts), 1);
    EXPECT_EQ(view.labels[static_cast<std::size_t>(Bar::VoiceAttempts)], "Voice Attempts : 1");
    EXPECT_EQ(view.BarPosition(Bar::Inactivity), 120);
    EXPECT_EQ(view.BarPosition(Bar::PasswordAttempts), 0);

    logic.FormClose();
    EXPECT_EQ(IniBytes(),
              "[\\Software\\Brenmoor Industries\\Orlenza]\r\n"
              "ViewSoundData=0\r\nVoiceAssist=1\r\nConfidence=75\r\nAccuracy=30\r\nVoiceTries=1\r\n"
              "LockOutTime=10\r\nInactivityTime=120\r\nPlayBackVoicePrint=0\r\nNoiseFiltration=1\r\n"
              "Theme=1\r\nLanguage=4\r\nPasswordTries=0\r\n");
}

TEST_F(ManagerTest, AnExistingFileRunsTheThemeChangeForItsStoredTheme) {
    struct Case {
        const char* stored;
        std::optional<config::ThemeStyle> style;
        const char* written;
    };
    const Case cases[] = {
        {"3", config::ThemeStyle::Protein, "Theme=3\r\n"},
        {"0", config::ThemeStyle::MacOS, "Theme=0\r\n"},
        {"7", std::nullopt, "Theme=-1\r\n"},
        {"-2", std::nullopt, "Theme=-1\r\n"},
    };
    for (const Case& c : cases) {
        WriteIni(std::string("Theme=") + c.stored + "\r\n");
        view.styles.clear();
        application.calls.clear();
        logic.FormCreate();
        EXPECT_EQ(view.styles, std::vector<std::optional<config::ThemeStyle>>{c.style}) << c.stored;
        EXPECT_EQ(application.calls,
                  (std::vector<std::string>{"Minimize", "ProcessMessages", "ProcessMessages", "Restore",
                                            "ProcessMessages"}))
            << "the theme change, then reading the service";
        logic.FormClose();
        EXPECT_NE(IniBytes().find(c.written), std::string::npos) << c.stored;
    }
}

TEST_F(ManagerTest, CloseSoundsTheClickToItsEndThenWritesAllTwelveKeys) {
    WriteIni("Confidence=80\r\n");
    logic.FormCreate();
    logic.FormClose();
    ASSERT_FALSE(sim.sound.Calls().empty());
    EXPECT_EQ(sim.sound.Calls().back().flags, 0x0004u) << "SND_MEMORY alone: the click is heard to its end";
    const std::string bytes = IniBytes();
    for (const config::ItemDefinition& item : config::kItems)
        EXPECT_NE(bytes.find("\r\n" + std::string(item.name) + "="), std::string::npos) << item.name;
    EXPECT_NE(bytes.find("Confidence=80\r\n"), std::string::npos);
}

TEST_F(ManagerTest, ChangesMadeInTheWindowReachTheFileAtClose) {
    logic.FormCreate();
    view.SetBarPosition(Bar::Lockout, 20);
    view.SetBarPosition(Bar::Sensitivity, 60);
    view.SelectChoice(Choice::NoiseFiltration, 0);
    view.SelectLanguage(2);
    logic.LanguageChanged();
    view.SetBarPosition(Bar::Confidence, 95);
    view.SetBarPosition(Bar::Confidence, 90);  // changed back before closing
    logic.FormClose();
    const std::string bytes = IniBytes();
    EXPECT_NE(bytes.find("LockOutTime=20\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Accuracy=0\r\n"), std::string::npos) << "the strict end stores 0";
    EXPECT_NE(bytes.find("NoiseFiltration=0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Language=2\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Confidence=90\r\n"), std::string::npos);
}

TEST_F(ManagerTest, ACloseThatCannotWriteRaisesAndLosesNothing) {
    WriteIni("Confidence=80\r\n");
    logic.FormCreate();
    const std::string before = IniBytes();
    sim.profile.DenyWrites(IniPath());
    try {
        logic.FormClose();
        FAIL() << "the close went through";
    } catch (const vcl::EIniFileException& e) {
        EXPECT_EQ(vcl::ErrorBoxText(e.Message()), "Unable to write to " + config::FilePath() + ".");
    }
    EXPECT_EQ(IniBytes(), before);
}

TEST_F(ManagerTest, AStartUpErrorEndsTheSequenceWhereItHappens) {
    sim.system.SetSystemDirectory("C:\\" + std::string(600, 'x'));
    EXPECT_THROW(logic.FormCreate(), vcl::Exception);
    EXPECT_TRUE(view.pages.empty());
    EXPECT_FALSE(view.keyPreview);
}

TEST_F(ManagerTest, TreeClicksWithinHalfASecondKeepThePageButStillSound) {
    logic.FormCreate();
    view.pages.clear();
    sim.system.SetTickCount(10'000);
    bool allow = true;
    logic.TreeChanging(Tab::Logon, 5, allow);
    EXPECT_FALSE(allow) << "the tree never shows a selected node";
    EXPECT_EQ(view.pages[Tab::Logon], 5);

    sim.system.Advance(300);
    logic.TreeChanging(Tab::Engine, 2, allow);
    EXPECT_EQ(view.pages.count(Tab::Engine), 0u) << "300 ms after the last click";

    sim.system.Advance(300);
    logic.TreeChanging(Tab::Engine, 2, allow);
    EXPECT_EQ(view.pages.count(Tab::Engine), 0u) << "the second click restarted the interval";

    sim.system.Advance(501);
    logic.TreeChanging(Tab::Engine, 2, allow);
    EXPECT_EQ(view.pages[Tab::Engine], 2);
    std::size_t clicks = 0;
    for (const os::sim::SoundCall& call : sim.sound.Calls()) clicks += call.image.empty() ? 0 : 1;
    EXPECT_EQ(clicks, 4u) << "every click sounds";
}

TEST_F(ManagerTest, HelpOpensContext1000FromF1AndTheIndexMenu) {
    logic.KeyUp(manager::kKeyF1);
    logic.KeyUp(113);  // F2: nothing
    logic.MenuIndexClick();
    EXPECT_EQ(application.helpContexts, (std::vector<std::int32_t>{1000, 1000}));
}

TEST(ValueLabels, ShowTheStoredValueWithItsUnit) {
    struct Case {
        Bar bar;
        int position;
        const char* text;
    };
    const Case cases[] = {
        {Bar::Inactivity, 95, "Inactivity Timeout : 95 Seconds"},
        {Bar::VoiceAttempts, 3, "Voice Attempts : 3"},
        {Bar::PasswordAttempts, 0, "Password Attempts : 0"},
        {Bar::Lockout, 20, "Lockout Duration : 20 Minutes"},
        {Bar::Sensitivity, 60, "Matching Sensitivity : 0 Units"},
        {Bar::Sensitivity, 0, "Matching Sensitivity : 60 Units"},
        {Bar::Sensitivity, 30, "Matching Sensitivity : 30 Units"},
        {Bar::Confidence, 100, "Percent Confidence : 100%"},
    };
    for (const Case& c : cases) EXPECT_EQ(manager::ValueLabelText(c.bar, c.position), c.text);
}

}  // namespace
}  // namespace manager_test
