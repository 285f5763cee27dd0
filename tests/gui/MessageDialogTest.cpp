// The skinned message dialog: shown modally, centred, ended by its buttons, Enter, Esc or its
// close box, with the modal result of the button chosen.
#include <functional>

#include "platform/skin/SuiMessageDialog.h"
#include "tests/gui/GuiTest.h"

namespace {

using guitest::FindChild;

class MessageDialog : public guitest::GuiTest {
protected:
    MessageDialog() {
        dialog.SetCaption("Microphone Check");
        dialog.SetText("The microphone seems to be switched off.");
        dialog.SetIconType(vcl::TsuiIconType::suiWarning);
        dialog.SetButtonCount(3);
        dialog.SetButtonCaption(1, "Abort");
        dialog.SetButtonModalResult(1, vcl::mrAbort);
        dialog.SetButtonCaption(2, "Retry");
        dialog.SetButtonModalResult(2, vcl::mrRetry);
        dialog.SetButtonCaption(3, "Ignore");
        dialog.SetButtonModalResult(3, vcl::mrIgnore);
    }
    // Shows the dialog and, once it is up, lets `act` work on its window.
    vcl::TModalResult ShowAnd(std::function<void(HWND)> act) {
        app.Post([this, act] {
            HWND window = FindWindowA(nullptr, "Microphone Check");
            ASSERT_NE(window, nullptr);
            seen = window;
            act(window);
        });
        return dialog.ShowModal();
    }

    vcl::TsuiMessageDialog dialog{nullptr};
    HWND seen = nullptr;
};

TEST_F(MessageDialog, AButtonEndsItWithItsModalResult) {
    const vcl::TModalResult result = ShowAnd([](HWND window) {
        EXPECT_TRUE(FindChild(window, "Static", "The microphone seems to be switched off."));
        SendMessageA(FindChild(window, "Button", "Retry"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, vcl::mrRetry);
    EXPECT_FALSE(IsWindow(seen)) << "gone afterwards";
}

TEST_F(MessageDialog, EnterChoosesTheFirstButtonAndEscTheLast) {
    struct Case {
        WORD key;
        vcl::TModalResult result;
    };
    for (const Case& c : {Case{VK_RETURN, vcl::mrAbort}, Case{VK_ESCAPE, vcl::mrIgnore}}) {
        const vcl::TModalResult result = ShowAnd([&](HWND window) {
            HWND retry = FindChild(window, "Button", "Retry");
            SetFocus(retry);
            PostMessageA(retry, WM_KEYDOWN, c.key, 1);
        });
        EXPECT_EQ(result, c.result) << c.key;
    }
}

TEST_F(MessageDialog, TheCloseBoxCancels) {
    const vcl::TModalResult result =
        ShowAnd([](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(result, vcl::mrCancel);
}

TEST_F(MessageDialog, ItIsCentredAndItsOwnerWaits) {
    vcl::TForm owner(nullptr);
    owner.Show();
    ShowAnd([&](HWND window) {
        EXPECT_FALSE(IsWindowEnabled(owner.Handle())) << "modal";
        RECT rect;
        GetWindowRect(window, &rect);
        EXPECT_NEAR((rect.left + rect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((rect.top + rect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        SendMessageA(FindChild(window, "Button", "Abort"), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(MessageDialog, IconTypesAndResultsAreStoredByName) {
    struct Case {
        const char* stored;
        vcl::TsuiIconType icon;
    };
    for (const Case& c : {Case{"suiError", vcl::TsuiIconType::suiStop}, Case{"suiQuestion", vcl::TsuiIconType::suiHelp},
                          Case{"suiInformation", vcl::TsuiIconType::suiInformation}}) {
        vcl::SetPropValue(dialog, "IconType", vcl::Ident{c.stored});
        EXPECT_EQ(dialog.IconType(), c.icon) << c.stored;
    }
    vcl::SetPropValue(dialog, "Button2ModalResult", vcl::Ident{"mrYes"});
    EXPECT_EQ(dialog.ButtonModalResult(2), vcl::mrYes);
    vcl::SetPropValue(dialog, "Button3ModalResult", std::int64_t{7});
    EXPECT_EQ(vcl::GetPropValue(dialog, "Button3ModalResult"), vcl::PropValue(vcl::Ident{"mrNo"}));
}

}  // namespace
