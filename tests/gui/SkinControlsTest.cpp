// The skinned controls driven with the window messages a user's actions produce: events run
// for user actions and not for selections made in code.
#include "tests/gui/SkinForm.h"

namespace {

using guitest::NotifyCommand;
using guitest::NotifyParent;
using guitest::TSkinForm;
using Events = std::vector<std::string>;

class SkinControls : public guitest::GuiTest {
protected:
    SkinControls() { form.Show(); }
    TSkinForm form{nullptr};
};

TEST_F(SkinControls, EveryControlIsAStandardWindowWhoseTextIsItsCaption) {
    struct Case {
        vcl::TWinControl* control;
        const char* className;
        const char* text;
    };
    for (const Case& c : {Case{form.button, "Button", "&Apply"}, Case{form.check, "Button", "Play the sound"},
                          Case{form.radio, "Button", "Startup Type"}, Case{form.bar, TRACKBAR_CLASSA, ""},
                          Case{form.combo, WC_COMBOBOXA, ""}, Case{form.tree, WC_TREEVIEWA, ""},
                          Case{form.pages, WC_TABCONTROLA, ""}, Case{form.link, "Static", "Powered by Qentrix"},
                          Case{form.frame, "TsuiForm", ""}}) {
        char className[64] = {};
        GetClassNameA(c.control->Handle(), className, sizeof className);
        EXPECT_STRCASEEQ(className, c.className) << c.control->Name();
        EXPECT_EQ(guitest::WindowText(c.control->Handle()), c.text) << c.control->Name();
    }
    EXPECT_TRUE(guitest::FindChild(form.radio->Handle(), "Button", "Manual")) << "each item a radio button";
}

TEST_F(SkinControls, ButtonsAndCheckBoxesAnswerBmClick) {
    SendMessageA(form.button->Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.check->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.events, (Events{"Button.OnClick", "Check.OnClick"}));
    EXPECT_TRUE(form.check->Checked());

    form.check->SetChecked(false);
    EXPECT_EQ(form.events.size(), 2u) << "checking from code runs no OnClick";
    EXPECT_EQ(SendMessageA(form.check->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SkinControls, TheSpaceKeyClicksTheFocusedCheckBox) {
    form.check->SetFocus();
    PressKey(form.check->Handle(), VK_SPACE);
    EXPECT_EQ(form.events, Events{"Check.OnClick"});
    EXPECT_TRUE(form.check->Checked());
}

TEST_F(SkinControls, ARadioGroupRunsOnClickForUserClicksOnly) {
    form.radio->SetItemIndex(2);
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(SendMessageA(form.radio->Button(2).Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageA(form.radio->Button(0).Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.radio->ItemIndex(), 0);
    EXPECT_EQ(SendMessageA(form.radio->Button(2).Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(form.radio->Button(0).Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.events, (Events{"Radio.OnClick", "Radio.OnClick"})) << "also for the entry already selected";
}

TEST_F(SkinControls, ARadioGroupIndexOutsideItsItemsSelectsNothing) {
    struct Case {
        int set;
        int expected;
    };
    for (const Case& c : {Case{1, 1}, Case{3, -1}, Case{-5, -1}, Case{0, 0}}) {
        form.radio->SetItemIndex(c.set);
        EXPECT_EQ(form.radio->ItemIndex(), c.expected) << c.set;
    }
    // Deleting the selected last entry leaves the group without a selection.
    form.radio->SetItemIndex(2);
    form.radio->Items().Delete(2);
    EXPECT_EQ(form.radio->ItemIndex(), -1);
    EXPECT_EQ(form.radio->Items().Count(), 2);
    form.radio->Items().Add("Disable");
    EXPECT_EQ(guitest::WindowText(form.radio->Button(2).Handle()), "Disable");
    EXPECT_EQ(SendMessageA(form.radio->Button(2).Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(SkinControls, ATrackBarReportsEveryRealChangeOnceAndClampsToItsRange) {
    struct Case {
        int set;
        int position;
        bool changes;
    };
    // Starting at 10 in 5..60.
    for (const Case& c : {Case{20, 20, true}, Case{20, 20, false}, Case{200, 60, true}, Case{-3, 5, true},
                          Case{0, 5, false}}) {
        form.events.clear();
        form.bar->SetPosition(c.set);
        EXPECT_EQ(form.bar->Position(), c.position) << c.set;
        EXPECT_EQ(SendMessageA(form.bar->Handle(), TBM_GETPOS, 0, 0), c.position);
        EXPECT_EQ(form.events.size(), c.changes ? 1u : 0u) << c.set;
    }
}

TEST_F(SkinControls, ATrackBarFollowsTheUser) {
    HWND bar = form.bar->Handle();
    HWND parent = GetParent(bar);
    SendMessageA(bar, TBM_SETPOS, TRUE, 33);
    SendMessageA(parent, WM_HSCROLL, vcl::win::CommandParam(TB_THUMBPOSITION, 33), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(form.events, Events{"Bar.OnChange"});
    EXPECT_EQ(form.bar->Position(), 33);
    SendMessageA(parent, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(form.events.size(), 1u) << "the end of a drag that moved nothing";

    form.bar->SetFocus();
    PressKey(bar, VK_RIGHT);
    EXPECT_EQ(form.bar->Position(), 34);
    EXPECT_EQ(form.events, (Events{"Bar.OnChange", "Bar.OnChange"}));
}

TEST_F(SkinControls, AComboBoxRunsOnChangeForTheUserOnly) {
    HWND combo = form.combo->Handle();
    form.combo->SetItemIndex(3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(form.combo->Text(), "Protein");
    form.combo->SetText("WinXP");
    EXPECT_EQ(form.combo->ItemIndex(), 1);
    EXPECT_TRUE(form.events.empty());

    SendMessageA(combo, CB_SETCURSEL, 4, 0);
    NotifyCommand(combo, CBN_SELCHANGE);
    EXPECT_EQ(form.events, Events{"Combo.OnChange"});
    EXPECT_EQ(form.combo->ItemIndex(), 4);
    EXPECT_EQ(form.combo->Text(), "BlueGlass");

    form.combo->SetItemIndex(5);
    EXPECT_EQ(form.combo->ItemIndex(), -1) << "an index outside the list selects nothing";
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(SkinControls, ATypedComboBoxKeepsItsTextAndReportsEdits) {
    form.combo->SetStyle(vcl::TComboBoxStyle::csDropDown);
    form.combo->SetText("Custom");
    EXPECT_EQ(form.combo->ItemIndex(), -1);
    EXPECT_EQ(form.combo->Text(), "Custom");
    EXPECT_EQ(form.combo->Items().Count(), 5) << "the items survive the new window";
    NotifyCommand(form.combo->Handle(), CBN_EDITCHANGE);
    EXPECT_EQ(form.events, Events{"Combo.OnChange"});
}

TEST_F(SkinControls, ATreeViewAsksBeforeTheSelectionMovesAndARefusalKeepsIt) {
    HWND tree = form.tree->Handle();
    const auto target = reinterpret_cast<LPARAM>(form.tree->Items().Node(1)->ItemHandle());
    form.allowTreeChange = false;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, target);
    EXPECT_EQ(form.events, Events{"Tree.OnChanging Lockout Duration"});
    EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), 0);
    EXPECT_EQ(form.tree->Selected(), nullptr);

    form.allowTreeChange = true;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, target);
    EXPECT_EQ(form.tree->Selected(), form.tree->Items().Node(1));
    EXPECT_EQ(form.tree->Selected()->SelectedIndex(), 5);
}

TEST_F(SkinControls, TreeNodesChangedInCodeShowAtOnce) {
    form.tree->Items().Node(0)->SetText("Voice Help");
    form.tree->Items().AddNode("Language", 9, 9);
    HWND tree = form.tree->Handle();
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 3);
    char text[64] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE;
    item.hItem = form.tree->Items().Node(0)->ItemHandle();
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Voice Help");
    EXPECT_EQ(item.iImage, 0);
}

TEST_F(SkinControls, ThePageControlFollowsTheTabTheUserPicks) {
    HWND tabs = form.pages->Handle();
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    NotifyParent(tabs, TCN_SELCHANGE);
    EXPECT_EQ(form.events, (Events{"SecondPage.OnShow", "Pages.OnChange"}));
    EXPECT_EQ(form.pages->ActivePageIndex(), 1);
    EXPECT_TRUE(IsWindowVisible(form.secondPage->Handle()));
    EXPECT_FALSE(IsWindowVisible(form.firstPage->Handle()));

    form.pages->SetOnChanging(vcl::TEvent<void(vcl::TObject*, bool&)>([](vcl::TObject*, bool& allow) { allow = false; }));
    EXPECT_EQ(NotifyParent(tabs, TCN_SELCHANGING), TRUE) << "a refusal keeps the tab";

    form.events.clear();
    form.pages->SetActivePageIndex(0);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(form.events.empty()) << "a page chosen in code is no user change";
}

TEST_F(SkinControls, AClickOnALinkOpensItsAddress) {
    std::vector<std::string> opened;
    auto& opener = vcl::TsuiURLLabel::UrlOpener();
    const auto saved = opener;
    opener = [&](const std::string& url) { opened.push_back(url); };
    HWND link = form.link->Handle();
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, vcl::win::PointParam(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, vcl::win::PointParam(2, 2));
    opener = saved;
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.com/"});
}

TEST_F(SkinControls, AnErrorInAControlsHandlerReachesTheErrorBoxNotTheCaller) {
    form.button->SetOnClick(vcl::TEvent<void(vcl::TObject*)>([](vcl::TObject*) {
        throw vcl::Exception("The service is not installed");
    }));
    SendMessageA(form.button->Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.check->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(app.errors.size(), 1u);
    EXPECT_EQ(app.errors[0].text, "The service is not installed.");
    EXPECT_EQ(form.events, Events{"Check.OnClick"}) << "the program goes on";
}

}  // namespace
