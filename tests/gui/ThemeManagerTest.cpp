// The theme manager: one style for the components it lists, by name, at once.
#include "platform/skin/SuiThemeManager.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"
#include "tests/gui/SkinForm.h"

namespace {

using guitest::TSkinForm;
using vcl::TsuiUIStyle;

class ThemeManager : public guitest::GuiTest {
protected:
    ThemeManager() {
        themes.SetControls({"Frame", "Bar", "Combo", "Menu", "Pages"});
        form.Show();
    }
    TSkinForm form{nullptr};
    vcl::TsuiThemeManager& themes = *new vcl::TsuiThemeManager(&form);
};

TEST_F(ThemeManager, ApplyRestylesEveryListedControlAndNoOther) {
    themes.Apply(TsuiUIStyle::Protein);
    for (const vcl::TSkinned* skinned : {static_cast<const vcl::TSkinned*>(form.frame),
                                         static_cast<const vcl::TSkinned*>(form.bar),
                                         static_cast<const vcl::TSkinned*>(form.combo),
                                         static_cast<const vcl::TSkinned*>(form.menu),
                                         static_cast<const vcl::TSkinned*>(form.pages)})
        EXPECT_EQ(skinned->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(form.button->UIStyle(), TsuiUIStyle::MacOS) << "not listed";
    EXPECT_EQ(themes.UIStyle(), TsuiUIStyle::Protein);
    // The frame's colours follow at once: its controls paint on the new background.
    EXPECT_EQ(form.firstPage->BackgroundRGB(), vcl::SkinStyleOf(TsuiUIStyle::Protein).background);
}

TEST_F(ThemeManager, PassesOverComponentsWithoutAStyleButNotUnknownNames) {
    auto& images = *new vcl::TImageList(&form);
    images.SetName("Images");
    themes.SetControls({"Images", "Bar"});
    themes.Apply(TsuiUIStyle::WinXP);
    EXPECT_EQ(form.bar->UIStyle(), TsuiUIStyle::WinXP);

    themes.SetControls({"Bar", "Missing"});
    EXPECT_THROW(themes.Apply(TsuiUIStyle::DeepBlue), vcl::EComponentError);
}

TEST_F(ThemeManager, AStoredStyleReachesItsControlsOnceTheFormIsRead) {
    vcl::ComponentRecord bar{"TsuiTrackBar", "Bar", {}, {}};
    vcl::ComponentRecord manager{"TsuiThemeManager", "Themes",
                                 {{"UIStyle", vcl::Ident{"BlueGlass"}}, {"Controls", vcl::ListValue{{std::string("Bar")}}}},
                                 {}};
    // The manager comes first: the bar it names is read after it.
    vcl::ComponentRecord root{"TForm", "Stored", {}, {manager, bar}};
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, root);
    stream.SetPosition(0);
    vcl::TForm stored(nullptr);
    vcl::ReadComponent(stream, stored);
    EXPECT_EQ(dynamic_cast<vcl::TsuiTrackBar&>(*stored.FindComponent("Bar")).UIStyle(), TsuiUIStyle::BlueGlass);
}

}  // namespace
