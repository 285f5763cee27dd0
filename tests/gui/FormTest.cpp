// Forms: loading from the program's resource, OnCreate, closing, key preview and modal runs.
#include <memory>

#include "platform/skin/SuiButton.h"
#include "platform/vcl/win/Form.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/PageControl.h"
#include "tests/gui/GuiTest.h"

namespace {

using guitest::GuiTest;
using vcl::TObject;

class TTestForm : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TTestForm(bool failInCreate) : TForm(nullptr) {
        PublishMethod<void(TObject*)>("FormCreate", [this, failInCreate](TObject*) {
            created = true;
            if (failInCreate) throw vcl::Exception("Cannot read the settings");
            afterFailure = true;
        });
        PublishMethod<void(TObject*)>("SheetShow", [this](TObject* sender) {
            shown.push_back(dynamic_cast<vcl::TComponent*>(sender)->Name());
        });
        vcl::LoadFormDefinition(*this);
    }
    bool created = false;
    bool afterFailure = false;
    std::vector<std::string> shown;
};

const vcl::ClassInfo& TTestForm::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TTestForm>("TTestForm", &TForm::StaticClassInfo()).Build();
    return info;
}

using FormDefinition = GuiTest;

TEST_F(FormDefinition, ControlsComeFromTheResourceAndOnCreateRunsAfterThem) {
    TTestForm form(false);
    EXPECT_TRUE(form.created);
    EXPECT_EQ(form.Caption(), "Definition Form");
    EXPECT_EQ(form.ClientWidth(), 300);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0)
        << "bsSingle without biMaximize: fixed and not maximisable";

    auto* greeting = dynamic_cast<vcl::TLabel*>(form.FindComponent("Greeting"));
    ASSERT_NE(greeting, nullptr);
    EXPECT_EQ(guitest::WindowText(greeting->Handle()), "Hello");
    EXPECT_EQ(GetParent(greeting->Handle()), form.Handle());

    auto* pages = dynamic_cast<vcl::TPageControl*>(form.FindComponent("Pages"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->Top(), 80) << "docked to the bottom of the 200-pixel client area";
    EXPECT_EQ(pages->Width(), 300);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(FormDefinition, AnErrorInOnCreateGoesToTheErrorBoxAndTheWindowStillOpens) {
    TTestForm form(true);
    EXPECT_TRUE(form.created);
    EXPECT_FALSE(form.afterFailure);
    ASSERT_EQ(app.errors.size(), 1u);
    EXPECT_EQ(app.errors[0].caption, "GUI Tests");
    EXPECT_EQ(app.errors[0].text, "Cannot read the settings.");
    form.Show();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(FormDefinition, ASheetsOnShowRunsWhenItComesIntoView) {
    TTestForm form(false);
    auto* pages = dynamic_cast<vcl::TPageControl*>(form.FindComponent("Pages"));
    EXPECT_TRUE(form.shown.empty()) << "nothing is in view before the form shows";
    form.Show();
    EXPECT_EQ(form.shown, std::vector<std::string>{"Second"});
    pages->SetActivePageIndex(0);
    pages->SetActivePageIndex(0);
    EXPECT_EQ(form.shown, (std::vector<std::string>{"Second", "First"})) << "once per change";
    EXPECT_TRUE(IsWindowVisible(pages->Pages(0)->Handle()));
    EXPECT_FALSE(IsWindowVisible(pages->Pages(1)->Handle()));
}

// A form built in code, with a handler for each closing test.
class ClosingForm : public GuiTest {
protected:
    ClosingForm() {
        form.SetCaption("Closing");
        form.Show();
    }
    vcl::TForm form{nullptr};
};

TEST_F(ClosingForm, OnCloseDecidesWhatCloseDoes) {
    struct Case {
        vcl::TCloseAction action;
        bool staysVisible;
    };
    for (const Case& c : {Case{vcl::TCloseAction::caNone, true}, Case{vcl::TCloseAction::caHide, false}}) {
        form.Show();
        int asked = 0;
        form.SetOnClose(vcl::TEvent<vcl::TCloseEvent>([&](TObject*, vcl::TCloseAction& action) {
            ++asked;
            EXPECT_EQ(action, vcl::TCloseAction::caHide) << "the action offered";
            action = c.action;
        }));
        SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(IsWindowVisible(form.Handle()) != FALSE, c.staysVisible);
        EXPECT_EQ(form.Visible(), c.staysVisible);
    }
}

TEST_F(ClosingForm, AnErrorInOnCloseKeepsTheWindowOpenAndReachesTheErrorBox) {
    form.SetOnClose(vcl::TEvent<vcl::TCloseEvent>([](TObject*, vcl::TCloseAction&) { throw vcl::Exception("Unable to write to C:\\x.ini"); }));
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    ASSERT_EQ(app.errors.size(), 1u);
    EXPECT_EQ(app.errors[0].text, "Unable to write to C:\\x.ini.");
}

TEST_F(ClosingForm, WithKeyPreviewTheFormSeesKeysFirstAndCanSwallowThem) {
    auto& child = *new vcl::TLabel(&form);
    child.SetParent(&form);
    std::vector<std::uint16_t> formKeys;
    form.SetOnKeyUp(vcl::TEvent<vcl::TKeyEvent>([&](TObject*, std::uint16_t& key, vcl::TShiftState) {
        formKeys.push_back(key);
        if (key == VK_ESCAPE) key = 0;
    }));
    form.SetKeyPreview(false);
    PressKey(child.Handle(), VK_F1);
    EXPECT_TRUE(formKeys.empty());
    form.SetKeyPreview(true);
    PressKey(child.Handle(), VK_F1);
    EXPECT_EQ(formKeys, std::vector<std::uint16_t>{VK_F1});
}

using ModalForm = GuiTest;

TEST_F(ModalForm, AButtonsModalResultEndsTheRunUnlessOnCloseSaysNo) {
    vcl::TForm form(nullptr);
    auto& ok = *new vcl::TsuiButton(&form);
    ok.SetCaption("OK");
    ok.SetModalResult(vcl::mrOk);
    ok.SetParent(&form);
    int asked = 0;
    form.SetOnClose(vcl::TEvent<vcl::TCloseEvent>([&](TObject*, vcl::TCloseAction& action) {
        if (++asked == 1) action = vcl::TCloseAction::caNone;
    }));
    // The first click is refused and the form stays up; the second ends the run.
    const auto click = [&] { SendMessageA(ok.Handle(), BM_CLICK, 0, 0); };
    app.Post([&] {
        click();
        app.Post([&] {
            EXPECT_TRUE(IsWindowVisible(form.Handle())) << "still modal after caNone";
            EXPECT_EQ(form.ModalResult(), vcl::mrNone);
            click();
        });
    });
    EXPECT_EQ(form.ShowModal(), vcl::mrOk);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_THROW((form.Show(), form.ShowModal()), vcl::EInvalidOperation) << "a visible form cannot go modal";
}

TEST_F(ModalForm, CaFreeReleasesTheFormOnceTheMessageIsDone) {
    auto* form = new vcl::TForm(nullptr);
    form->SetOnClose(vcl::TEvent<vcl::TCloseEvent>(
        [](TObject*, vcl::TCloseAction& action) { action = vcl::TCloseAction::caFree; }));
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(vcl::TForm::Exists(form)) << "not while its own message runs";
    Pump();
    EXPECT_FALSE(vcl::TForm::Exists(form));
}

}  // namespace
