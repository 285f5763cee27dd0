// The skinned frame: the form's caption and menu bar drawn by a child window, while the form
// still closes, minimises and restores as a window does.
#include "tests/gui/SkinForm.h"

namespace {

using guitest::TSkinForm;
using Events = std::vector<std::string>;

class SkinFrame : public guitest::GuiTest {
protected:
    SkinFrame() {
        form.SetOnClose(vcl::TEvent<vcl::TCloseEvent>(
            [this](vcl::TObject*, vcl::TCloseAction&) { form.events.push_back("Form.OnClose"); }));
        form.Show();
    }
    // A point of the frame's window, in screen coordinates.
    LPARAM ScreenPoint(int x, int y) {
        RECT window;
        GetWindowRect(form.frame->Handle(), &window);
        return vcl::win::PointParam(window.left + x, window.top + y);
    }
    LRESULT HitTest(int x, int y) { return SendMessageA(form.frame->Handle(), WM_NCHITTEST, 0, ScreenPoint(x, y)); }

    TSkinForm form{nullptr};
};

TEST_F(SkinFrame, TheFormGivesUpItsCaptionButKeepsWhatTheSystemNeeds) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, 0u);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX), static_cast<DWORD>(WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(GetMenu(form.Handle()), nullptr) << "the frame shows the menu, not Windows";
    EXPECT_EQ(guitest::WindowText(form.Handle()), "Skin Test") << "for the taskbar";
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 600) << "the client size is kept";
    EXPECT_EQ(client.bottom, 400);

    // The frame's controls start below its title bar (24) and menu bar (22), inside the border.
    POINT origin{0, 0};
    MapWindowPoints(form.pages->Handle(), form.Handle(), &origin, 1);
    EXPECT_EQ(origin.x, 1);
    EXPECT_EQ(origin.y, 1 + 24 + 22);
    EXPECT_EQ(form.pages->Width(), 598);
}

TEST_F(SkinFrame, ItsPartsAnswerHitTestsLikeACaption) {
    const int width = form.frame->Width();
    struct Case {
        int x;
        int y;
        LRESULT hit;
    };
    for (const Case& c : {Case{width - 13, 12, HTCLOSE}, Case{width - 33, 12, HTMINBUTTON},
                          Case{12, 12, HTSYSMENU}, Case{200, 12, HTCAPTION}, Case{15, 35, HTMENU},
                          Case{0, 200, HTBORDER}, Case{200, 200, HTCLIENT}}) {
        EXPECT_EQ(HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
    }
    form.frame->SetBorderIcons(vcl::TBorderIcons{vcl::TBorderIcon::biSystemMenu});
    EXPECT_EQ(HitTest(width - 33, 12), HTCAPTION) << "no minimise box any more";
}

TEST_F(SkinFrame, TheCloseBoxClosesTheFormThroughOnClose) {
    HWND frame = form.frame->Handle();
    const int x = form.frame->Width() - 13;
    SendMessageA(frame, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(x, 12));
    // Released over the box: client coordinates, the client starting at (1, 47).
    SendMessageA(frame, WM_LBUTTONUP, 0, vcl::win::PointParam(x - 1, 12 - 47));
    Pump();
    EXPECT_EQ(form.events, Events{"Form.OnClose"});
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(SkinFrame, ABoxReleasedElsewhereDoesNothing) {
    HWND frame = form.frame->Handle();
    SendMessageA(frame, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(form.frame->Width() - 13, 12));
    SendMessageA(frame, WM_MOUSEMOVE, MK_LBUTTON, vcl::win::PointParam(100, 100));
    SendMessageA(frame, WM_LBUTTONUP, 0, vcl::win::PointParam(100, 100));
    Pump();
    EXPECT_TRUE(form.events.empty());
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(SkinFrame, TheMinimiseBoxAndTheSystemCommandsWork) {
    HWND frame = form.frame->Handle();
    const int x = form.frame->Width() - 33;
    SendMessageA(frame, WM_NCLBUTTONDOWN, HTMINBUTTON, ScreenPoint(x, 12));
    SendMessageA(frame, WM_LBUTTONUP, 0, vcl::win::PointParam(x - 1, 12 - 47));
    Pump();
    EXPECT_TRUE(IsIconic(form.Handle()));
    SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Pump();
    EXPECT_FALSE(IsIconic(form.Handle()));

    SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 sends
    EXPECT_EQ(form.events, Events{"Form.OnClose"});
}

TEST_F(SkinFrame, AChosenMenuItemArrivesAsItsCommand) {
    PostMessageA(form.Handle(), WM_COMMAND, form.exitItem->Command(), 0);
    Pump();
    EXPECT_EQ(form.events, Events{"ExitItem.OnClick"});
}

TEST_F(SkinFrame, AltWithALetterOpensThatMenuEntry) {
    // Alt+F reaches the form as SC_KEYMENU; the popup's own loop runs the posted check.
    struct Case {
        LPARAM key;
        bool opens;
    };
    for (const Case& c : {Case{'f', true}, Case{'q', false}}) {
        bool shown = false;
        app.Post([&] {
            HWND popup = FindWindowA("#32768", nullptr);
            shown = popup && IsWindowVisible(popup);
            EndMenu();
        });
        SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, c.key);
        Pump();
        EXPECT_EQ(shown, c.opens) << static_cast<char>(c.key);
    }
    EXPECT_TRUE(form.events.empty()) << "closed without a choice";
}

TEST_F(SkinFrame, WithoutAMenuTheBarGoesAndTheControlsMoveUp) {
    form.SetMenu(nullptr);
    POINT origin{0, 0};
    MapWindowPoints(form.pages->Handle(), form.Handle(), &origin, 1);
    EXPECT_EQ(origin.y, 1 + 24);
    EXPECT_EQ(HitTest(15, 35), HTCLIENT);
}

TEST_F(SkinFrame, TheFrameCaptionIsItsWindowText) {
    form.frame->SetCaption("Setup Sound System Wizard - Step 2 of 5");
    EXPECT_EQ(guitest::WindowText(form.frame->Handle()), "Setup Sound System Wizard - Step 2 of 5");
    EXPECT_EQ(guitest::WindowText(form.Handle()), "Skin Test") << "the form keeps its own";
}

}  // namespace
