// The wizard's window definitions agree with the code around them: each button runs the
// handler of its step, the pages carry their texts, the non-visual components come in the
// order the start-up relies on, and the dialogs name only handlers they offer.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/vcl/FormText.h"
#include "settings/ConfigFile.h"
#include "tests/support/FormDefinitionFile.h"

namespace {

using vcl::ComponentRecord;

ComponentRecord Definition(const std::string& file) { return testing_support::ReadFormDefinition("wizard/" + file); }

std::string Text(const ComponentRecord& record, const std::string& name) {
    const vcl::PropValue* value = testing_support::FindProperty(record, name);
    return value ? value->As<std::string>() : std::string();
}

std::string Handler(const ComponentRecord& record, const std::string& event) {
    const vcl::PropValue* value = testing_support::FindProperty(record, event);
    return value ? value->As<vcl::Ident>().name : std::string();
}

class WizardDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::CollectComponents(root, components); }
    const ComponentRecord& At(const std::string& name) {
        if (!components.count(name)) throw std::runtime_error("no component " + name);
        return *components.at(name);
    }
    ComponentRecord root = Definition("FMicWizard.olzform");
    std::map<std::string, const ComponentRecord*> components;
};

TEST_F(WizardDefinitionTest, EachButtonRunsItsHandler) {
    struct Button {
        const char* name;
        const char* caption;
        const char* handler;
        bool enabled;
    };
    const Button buttons[] = {
        {"Back1", "< Back", "", false},
        {"Next1", "Next >", "suitempNext1Click", true},
        {"Back2", "< Back", "suitempBack2Click", true},
        {"Next2", "Next >", "suitempNext2Click", true},
        {"Back3", "< Back", "suitempBack3Click", true},
        {"Next3", "Next >", "suitempNext3Click", true},
        {"Back4", "< Back", "suitempBack4Click", true},
        {"Next4", "Next >", "suitempNext4Click", false},
        {"Back6", "< Back", "suitempBack6Click", true},
        {"Finish6", "Finish", "suitempFinish6Click", true},
        {"Cancel1", "Cancel", "suitempCancel1Click", true},
        {"Cancel2", "Cancel", "suitempCancel1Click", true},
        {"Cancel3", "Cancel", "suitempCancel1Click", true},
        {"Cancel4", "Cancel", "suitempCancel1Click", true},
        {"Cancel6", "Cancel", "suitempCancel1Click", true},
    };
    for (const Button& b : buttons) {
        const ComponentRecord& button = At(b.name);
        EXPECT_EQ(button.className, "TsuiButton") << b.name;
        EXPECT_EQ(Text(button, "Caption"), b.caption) << b.name;
        EXPECT_EQ(Handler(button, "OnClick"), b.handler) << b.name;
        const vcl::PropValue* enabled = testing_support::FindProperty(button, "Enabled");
        EXPECT_EQ(enabled ? enabled->As<bool>() : true, b.enabled) << b.name;
    }
    for (const char* help : {"IMHelp1", "Image6", "Image7", "Image8", "Image9"})
        EXPECT_EQ(Handler(At(help), "OnClick"), "IMHelp1Click") << help;
    EXPECT_EQ(Handler(At("TrackBar1"), "OnChange"), "suitempTrackBar1Change");
}

TEST_F(WizardDefinitionTest, PagesInStepOrderWithTheirTexts) {
    const ComponentRecord& pages = At("PageControl1");
    ASSERT_EQ(pages.children.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(pages.children[i].name, "TabSheet" + std::to_string(i + 1));

    const std::pair<const char*, const char*> texts[] = {
        {"TabSheet1", "Please close all other programs that play or record sound, and click 'Next >' to continue. "},
        {"TabSheet2", "You should check to make sure your microphone and speakers are connected to your sound card.  "
                      "Please click 'Next >' to adjust your playback volume."},
        {"TabSheet3", "When you are finished adjusting the playback volume please click 'Next >'."},
        {"TabSheet3", "Volume Control"},
        {"TabSheet3", "Max"},
        {"TabSheet3", "Min"},
        {"TabSheet4", "Please Select Input Device from popup window. Then continuously repeat the phrase listed below "
                      "until the 'Next >' push button is enabled.  Please note: The Intensity Meter should continue to "
                      "move up and down"},
        {"TabSheet4", "as you speak. If not, please click '< Back' and select the correct input device to try again."},
        {"TabSheet4", "Please repeat:"},
        {"TabSheet4", "Intensity Meter"},
        {"TabSheet4", "Today is a great day for all people to prosper. Let no one stand in your way of success. "},
        {"TabSheet5", "All done setting up your sound system. Please note: If you change mixer controls after running "
                      "this wizard, you will probably experience problems with voice recording. If in the future, you "
                      "experience voice recording problems please run this wizard again,"},
        {"TabSheet5", "Please click on 'Finish'."},
    };
    for (const auto& [page, text] : texts) {
        std::map<std::string, const ComponentRecord*> onPage;
        testing_support::CollectComponents(At(page), onPage);
        bool found = false;
        for (const auto& [name, record] : onPage)
            found = found || (record->className == "TLabel" && Text(*record, "Caption") == text);
        EXPECT_TRUE(found) << page << ": " << text;
    }
    EXPECT_FALSE(testing_support::FindProperty(At("Label42"), "Visible")->As<bool>());
    EXPECT_FALSE(testing_support::FindProperty(At("CancelBox4"), "Visible")->As<bool>());
    EXPECT_EQ(testing_support::FindProperty(At("LedLadder2"), "LedCount")->As<std::int64_t>(), 21);
    EXPECT_EQ(testing_support::FindProperty(At("LedLadder2"), "Width")->As<std::int64_t>(), 19);
    EXPECT_EQ(testing_support::FindProperty(At("LedLadder2"), "Height")->As<std::int64_t>(), 151);
}

TEST_F(WizardDefinitionTest, NonVisualComponentsFollowTheControlsInStartUpOrder) {
    std::vector<std::string> order;
    for (const ComponentRecord& child : root.children) order.push_back(child.name);
    // The speakers are set before the guard can end a second copy.
    EXPECT_EQ(order, (std::vector<std::string>{"suiForm", "Mixer", "VolumeController", "suiThemeManager", "btnwave",
                                               "Settings", "PBJustOne1", "suiMsgDlg"}));
    const ComponentRecord& volume = At("VolumeController");
    ASSERT_EQ(volume.properties.size(), 3u);
    EXPECT_EQ(volume.properties[0].name, "Mute");
    EXPECT_FALSE(volume.properties[0].value.As<bool>());
    EXPECT_EQ(volume.properties[1].name, "Volume");
    EXPECT_EQ(volume.properties[1].value.As<std::int64_t>(), 40);
    EXPECT_EQ(volume.properties[2].name, "Balance");
    EXPECT_EQ(volume.properties[2].value.As<std::int64_t>(), 0);

    const auto& items = testing_support::FindProperty(At("Settings"), "Settings")->As<vcl::CollectionValue>().items;
    ASSERT_EQ(items.size(), config::kItems.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].at(0).value.As<std::string>(), config::kItems[i].name);
    EXPECT_TRUE(testing_support::FindProperty(At("btnwave"), "WaitToStop")->As<bool>());
    EXPECT_EQ(testing_support::FindProperty(At("btnwave"), "StopOthers"), nullptr);
}

TEST_F(WizardDefinitionTest, EveryThemedComponentExistsAndDialogsNameTheirOwnHandlers) {
    const std::pair<const char*, std::set<std::string>> forms[] = {
        {"FMicWizard.olzform",
         {"FormCreate", "FormShow", "FormKeyUp", "IMHelp1Click", "suitempTrackBar1Change", "suitempNext1Click",
          "suitempNext2Click", "suitempNext3Click", "suitempNext4Click", "suitempBack2Click", "suitempBack3Click",
          "suitempBack4Click", "suitempBack6Click", "suitempFinish6Click", "suitempCancel1Click"}},
        {"FSelecInput.olzform", {"FormCreate", "RadioGroup1Click", "suitempContinueBtnClick"}},
        {"FMicMsg.olzform", {"FormShow", "suitempButton1Click"}},
    };
    for (const auto& [file, offered] : forms) {
        const ComponentRecord form = Definition(file);
        std::map<std::string, const ComponentRecord*> all;
        testing_support::CollectComponents(form, all);
        for (const auto& [name, record] : all)
            for (const vcl::NamedValue& value : record->properties) {
                if (value.name.rfind("On", 0) != 0) continue;
                EXPECT_TRUE(offered.count(value.value.As<vcl::Ident>().name)) << file << ": " << name << "." << value.name;
            }
        const auto& themed = testing_support::FindProperty(*all.at("suiThemeManager"), "Controls")->As<vcl::ListValue>().values;
        for (const vcl::PropValue& name : themed)
            EXPECT_TRUE(all.count(name.As<std::string>())) << file << ": " << name.As<std::string>();
    }
}

}  // namespace
