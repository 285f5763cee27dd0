// The application object: its window, the exception barrier, waiting for messages, posted
// calls, minimise and restore.
#include <chrono>

#include "platform/vcl/win/Form.h"
#include "tests/gui/GuiTest.h"

namespace {

using guitest::GuiTest;
using Application = GuiTest;

TEST_F(Application, ItsHiddenWindowCarriesTheTitleForAnotherCopyToFind) {
    app.SetTitle("Orlenza System Manager");
    HWND found = FindWindowA(vcl::TWinApplication::kWindowClass, "Orlenza System Manager");
    EXPECT_EQ(found, app.Window());
    EXPECT_EQ(reinterpret_cast<HWND>(app.Handle()), app.Window());
    EXPECT_FALSE(IsWindowVisible(app.Window()));
}

TEST_F(Application, AnExceptionInAHandlerStopsAtTheWindowProcedureAndReachesTheErrorBox) {
    vcl::TForm form(nullptr);
    form.SetOnKeyUp(vcl::TEvent<vcl::TKeyEvent>([](vcl::TObject*, std::uint16_t&, vcl::TShiftState) { throw std::runtime_error("Boom"); }));
    form.Show();
    const LRESULT result = SendMessageA(form.Handle(), WM_KEYUP, VK_F2, 0);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(app.errors.size(), 1u);
    EXPECT_EQ(app.errors[0].caption, "GUI Tests");
    EXPECT_EQ(app.errors[0].text, "Boom.");

    // Also from the message loop, and the loop goes on.
    PressKey(form.Handle(), VK_F3);
    EXPECT_EQ(app.errors.size(), 2u) << "key down passes, key up fails";
}

TEST_F(Application, PostedCallsRunFromTheLoopAndTheirErrorsReachTheErrorBox) {
    std::vector<int> ran;
    app.Post([&] { ran.push_back(1); });
    app.Post([&] { throw vcl::Exception("Late failure"); });
    app.Post([&] { ran.push_back(3); });
    EXPECT_TRUE(ran.empty());
    Pump();
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    ASSERT_EQ(app.errors.size(), 1u);
    EXPECT_EQ(app.errors[0].text, "Late failure.");
}

TEST_F(Application, WaitingDeliversMessagesUntilTheDeadlineOrTheEnd) {
    bool delivered = false;
    app.Post([&] { delivered = true; });
    EXPECT_TRUE(app.ProcessMessagesUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(20)));
    EXPECT_TRUE(delivered);

    app.Post([&] { app.Terminate(); });
    EXPECT_FALSE(app.ProcessMessagesUntil(std::chrono::steady_clock::now() + std::chrono::hours(1)))
        << "ends at once when the program ends, not at the deadline";
    EXPECT_TRUE(app.Terminated());
}

TEST_F(Application, MinimizeTakesEveryWindowOutOfSightAndRestoreBringsThemBack) {
    auto& main = app.CreateForm<vcl::TForm>();
    auto& other = app.CreateForm<vcl::TForm>();
    main.Show();
    other.Show();
    app.Minimize();
    Pump();
    EXPECT_TRUE(IsIconic(main.Handle()));
    EXPECT_FALSE(IsWindowVisible(other.Handle()));
    app.Restore();
    Pump();
    EXPECT_FALSE(IsIconic(main.Handle()));
    EXPECT_TRUE(IsWindowVisible(other.Handle()));
    EXPECT_TRUE(GetWindowLongPtrA(main.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "the main form is in the taskbar";
    EXPECT_FALSE(GetWindowLongPtrA(other.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

}  // namespace
