// The manager's window definition agrees with the code around it: the settings it declares are
// the configuration file's, every control the theme follows exists, and every handler it
// names is one the window offers.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/vcl/FormText.h"
#include "settings/ConfigFile.h"
#include "tests/support/FormDefinitionFile.h"

namespace {

using vcl::ComponentRecord;

ComponentRecord ManagerDefinition() { return testing_support::ReadFormDefinition("manager/FMain.olzform"); }

class ManagerDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::CollectComponents(root, components); }
    ComponentRecord root = ManagerDefinition();
    std::map<std::string, const ComponentRecord*> components;
};

TEST_F(ManagerDefinitionTest, DeclaresTheTwelveConfigurationItems) {
    ASSERT_TRUE(components.count("Settings"));
    const vcl::PropValue* items = testing_support::FindProperty(*components["Settings"], "Settings");
    ASSERT_NE(items, nullptr);
    const auto& collection = items->As<vcl::CollectionValue>().items;
    ASSERT_EQ(collection.size(), config::kItems.size());
    for (std::size_t i = 0; i < collection.size(); ++i) {
        const vcl::PropertyList& item = collection[i];
        EXPECT_EQ(item.at(0).value.As<std::string>(), config::kItems[i].name);
        const std::string type = item.at(1).value.As<vcl::Ident>().name;
        EXPECT_EQ(type, vcl::EnumNames<TSettingType>::names[static_cast<std::size_t>(config::kItems[i].type)]);
    }
    EXPECT_EQ(testing_support::FindProperty(*components["Settings"], "BaseKey")->As<std::string>(), config::kBaseKey);
}

TEST_F(ManagerDefinitionTest, TheThemeFollowsExactlyItsControlsAndEachExists) {
    ASSERT_TRUE(components.count("suiThemeManager"));
    const auto& names = testing_support::FindProperty(*components["suiThemeManager"], "Controls")->As<vcl::ListValue>().values;
    std::multiset<std::string> listed;
    for (const vcl::PropValue& name : names) {
        listed.insert(name.As<std::string>());
        EXPECT_TRUE(components.count(name.As<std::string>())) << name.As<std::string>();
    }
    // The tree views, the inner pages and the labels keep their look.
    const std::multiset<std::string> expected{
        "suiMainFrm", "suiPCMain", "suiTBSensitivity", "suiTBConfidence", "suiTBInactivity", "suiTBVoiceAttempts",
        "suiTBPasswordAttempts", "suiTBLockout", "suiRGFiltration", "suiRGStartStop", "suiRGStartupType",
        "suiRGEnhancedStartup", "suiRGVoiceAssist", "suiRGVoicePrintPlayback", "suiRGViewSoundData", "suiCBTheme",
        "suiCBLanguage", "suiBEngineSensitivityClose", "suiBEngineConfidenceClose", "suiBFiltrationClose",
        "suiBServiceStartStopClose", "suiBServiceStartupClose", "suiBServiceEnhancedClose", "suiBMasterThemeClose",
        "suiBMasterLangClose", "suiBLogonClose", "suiBVoicePrintPlaybackClose", "suiBViewSoundDataClose",
        "suiBInactivityClose", "suiBAttemptsClose", "suiBLockoutClose", "suiMainMenu", "suiAbout", "suiMSgDlg"};
    EXPECT_EQ(listed, expected);
}

TEST_F(ManagerDefinitionTest, NamesOnlyTheHandlersTheWindowOffers) {
    const std::set<std::string> offered{
        "FormCreate",          "FormClose",           "FormKeyUp",           "MOExitClick",
        "suiBLogonCloseClick", "MOIndexClick",        "MOAboutClick",        "suiPCMainChange",
        "suiTVLogonChanging",  "suiTVEngineChanging", "suiTVServiceChanging", "suiTVMasterChanging",
        "suiTBInactivityChange", "suiTBVoiceAttemptsChange", "suiTBPasswordAttemptsChange", "suiTBLockoutChange",
        "suiTBSensitivityChange", "suiTBConfidenceChange", "TSInactivityShow", "TSAttemptsShow",
        "TSLockoutShow",       "TSSensitivityShow",   "TSConfidenceShow",    "suiCBThemeChange",
        "suiCBLanguageChange", "suiRGStartStopClick", "suiRGStartupTypeClick", "suiRGEnhancedStartupClick"};
    std::set<std::string> named;
    for (const auto& [name, record] : components)
        for (const vcl::NamedValue& value : record->properties)
            if (value.name.rfind("On", 0) == 0) named.insert(value.value.As<vcl::Ident>().name);
    EXPECT_EQ(named, offered);
    int closeButtons = 0;
    for (const auto& [name, record] : components)
        if (record->className == "TsuiButton" && testing_support::FindProperty(*record, "Caption")->As<std::string>() == "Close") ++closeButtons;
    EXPECT_EQ(closeButtons, 14);
}

}  // namespace
