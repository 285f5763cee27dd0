// The System Manager as a user meets it: started under Wine, worked with window messages, and
// judged by what it shows and what it leaves in the configuration file.
#include "tests/e2e/ProgramDriver.h"
#include "tests/e2e/ServiceMachine.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/skin/SkinStyle.h"

namespace {

using namespace std::chrono_literals;

const char* const kTitle = "Orlenza System Manager";

class Manager : public ::testing::Test {
protected:
    static void SetUpTestSuite() { e2e::PrepareServiceMachine(); }
    void SetUp() override { DeleteFileA(ini.c_str()); }
    void TearDown() override { DeleteFileA(ini.c_str()); }

    // Closes the window with its close box's message; true when the program ended.
    static bool Close(e2e::Program& program, HWND window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return program.WaitForExit(10s) == 0;
    }

    std::string ini = e2e::SystemIniPath();
};

// Places on the window whose colour tells which style draws them: the first row of the title
// bar and of the menu bar, and the top edge of the page's "Close" button and of the tree.
struct Probe {
    const char* what;
    HWND window;
    POINT point;
    COLORREF vcl::TSkinStyle::* color;
};

std::vector<Probe> ProbesOf(HWND window) {
    const vcl::TSkinStyle& any = vcl::SkinStyleOf(vcl::TsuiUIStyle::MacOS);
    const HWND close = e2e::FindVisible(window, "Button", "Close");
    const HWND tree = e2e::FindVisible(window, WC_TREEVIEWA);
    RECT button{};
    GetWindowRect(close, &button);
    RECT treeRect{};
    GetWindowRect(tree, &treeRect);
    return {{"title bar", window, {200, 1}, &vcl::TSkinStyle::titleTop},
            {"menu bar", window, {400, 1 + any.titleHeight}, &vcl::TSkinStyle::menuBarTop},
            {"Close button", close, {(button.right - button.left) / 2, 0}, &vcl::TSkinStyle::faceBorder},
            {"tree view", tree, {(treeRect.right - treeRect.left) / 2, 0}, &vcl::TSkinStyle::border}};
}

// Every probe drawn in `style`, but the tree view: it is not a themed control and keeps MacOS.
void ExpectThemedIn(HWND window, vcl::TsuiUIStyle style) {
    const vcl::TSkinStyle& macOS = vcl::SkinStyleOf(vcl::TsuiUIStyle::MacOS);
    for (const Probe& probe : ProbesOf(window)) {
        const vcl::TSkinStyle& expected = probe.color == &vcl::TSkinStyle::border ? macOS : vcl::SkinStyleOf(style);
        EXPECT_EQ(e2e::ScreenPixel(probe.window, probe.point.x, probe.point.y), expected.*probe.color) << probe.what;
    }
}

// Over to "Master Settings", whose first page is "Theme Style"; the theme list.
HWND OpenThemePage(HWND window) {
    const HWND tabs = e2e::FindVisible(window, WC_TABCONTROLA);
    e2e::PressKey(tabs, VK_RIGHT);
    e2e::PressKey(tabs, VK_RIGHT);
    return e2e::FindVisible(window, "ComboBox");
}

TEST_F(Manager, FirstStartCreatesTheDefaultsAndCloseWritesThemAgain) {
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    const std::string defaults = std::string(e2e::kConfigSection) +
                                 "ViewSoundData=1\r\nVoiceAssist=1\r\nConfidence=90\r\nAccuracy=30\r\nVoiceTries=3\r\n"
                                 "LockOutTime=10\r\nInactivityTime=90\r\nPlayBackVoicePrint=1\r\nNoiseFiltration=1\r\n"
                                 "Theme=0\r\nLanguage=0\r\nPasswordTries=3\r\n";
    EXPECT_EQ(e2e::ReadFile(ini), defaults);

    e2e::WriteFile(ini, e2e::kConfigSection);  // the close must write every key again
    ASSERT_TRUE(Close(program, window));
    EXPECT_EQ(e2e::ReadFile(ini), defaults);
}

TEST_F(Manager, StoredValuesOutOfRangeComeBackInRange) {
    e2e::WriteFile(ini, std::string(e2e::kConfigSection) +
                            "Confidence=50\r\nVoiceAssist=2\r\nInactivityTime=200\r\nVoiceTries=0\r\nPasswordTries=0\r\n");
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Close(program, window));
    const std::string bytes = e2e::ReadFile(ini);
    for (const char* expected : {"Confidence=75\r\n", "VoiceAssist=1\r\n", "InactivityTime=120\r\n", "VoiceTries=1\r\n",
                                 "PasswordTries=0\r\n"})
        EXPECT_NE(bytes.find(expected), std::string::npos) << expected << " in\n" << bytes;
}

TEST_F(Manager, DraggingABarRewritesItsValueLabelAndTheCloseStoresIt) {
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    e2e::Settle();

    // The window opens on "Engine Settings" at "Matching Sensitivity".
    const HWND sensitivity = e2e::FindVisible(window, TRACKBAR_CLASSA);
    ASSERT_NE(sensitivity, nullptr);
    e2e::DragTrackBar(sensitivity, 60);
    EXPECT_NE(e2e::FindVisible(window, "Static", "Matching Sensitivity : 0 Units"), nullptr);
    e2e::DragTrackBar(sensitivity, 0);
    EXPECT_NE(e2e::FindVisible(window, "Static", "Matching Sensitivity : 60 Units"), nullptr);

    // Over to "Logon Settings", then "Lockout Duration".
    const HWND tabs = e2e::FindVisible(window, WC_TABCONTROLA);
    ASSERT_NE(tabs, nullptr);
    e2e::PressKey(tabs, VK_LEFT);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
    const HWND tree = e2e::FindVisible(window, WC_TREEVIEWA);
    ASSERT_NE(tree, nullptr);
    e2e::ClickTreeItem(tree, 5);  // "Lockout Duration"
    const HWND lockout = e2e::FindVisible(window, TRACKBAR_CLASSA);
    ASSERT_NE(lockout, nullptr);
    e2e::DragTrackBar(lockout, 20);
    EXPECT_NE(e2e::FindVisible(window, "Static", "Lockout Duration : 20 Minutes"), nullptr);

    ASSERT_TRUE(Close(program, window));
    const std::string bytes = e2e::ReadFile(ini);
    EXPECT_NE(bytes.find("LockOutTime=20\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Accuracy=60\r\n"), std::string::npos) << bytes;
}

TEST_F(Manager, ASecondCopyEndsAndLeavesOneWindow) {
    e2e::Program first("olzconsole.exe");
    ASSERT_NE(first.WaitForWindow(kTitle), nullptr);
    e2e::Program second("olzconsole.exe");
    EXPECT_EQ(second.WaitForExit(5s), 0u);
    EXPECT_EQ(e2e::TopLevelWindows(first.Id(), kTitle).size() >= 1, true);
    EXPECT_TRUE(e2e::TopLevelWindows(second.Id(), kTitle).empty());
}

TEST_F(Manager, AFileThatCannotBeWrittenAtCloseKeepsTheWindowOpen) {
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    const std::string before = e2e::ReadFile(ini);
    // Another program holds the file open without sharing it.
    HANDLE holder = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    PostMessageA(window, WM_CLOSE, 0, 0);
    const HWND box = e2e::WaitForDialog(program.Id(), 10s);
    ASSERT_NE(box, nullptr) << "an error box";
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, kTitle);
    EXPECT_NE(e2e::FindVisible(box, "Static", "Unable to write to " + ini + "."), nullptr);
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    e2e::Settle();
    EXPECT_EQ(program.WaitForExit(500ms), static_cast<DWORD>(STILL_ACTIVE)) << "the window stays open";
    CloseHandle(holder);
    EXPECT_EQ(e2e::ReadFile(ini), before) << "nothing in the file is lost";

    EXPECT_TRUE(Close(program, window)) << "a later close tries again";
}

TEST_F(Manager, PickingProteinRestylesTheListedControlsAtOnceAndTheCloseStoresIt) {
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    e2e::Settle();
    const HWND themes = OpenThemePage(window);
    ASSERT_NE(themes, nullptr);
    e2e::Settle();
    ExpectThemedIn(window, vcl::TsuiUIStyle::MacOS);

    // What a pick in the list sends.
    SendMessageA(themes, CB_SETCURSEL, 3, 0);
    SendMessageA(GetParent(themes), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(themes), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(themes));
    e2e::Settle();
    EXPECT_FALSE(IsIconic(window)) << "restored after the restyle";
    ExpectThemedIn(window, vcl::TsuiUIStyle::Protein);

    ASSERT_TRUE(Close(program, window));
    EXPECT_NE(e2e::ReadFile(ini).find("\r\nTheme=3\r\n"), std::string::npos) << e2e::ReadFile(ini);
}

TEST_F(Manager, TheAboutBoxShowsInTheStoredStyleWithOneOK) {
    e2e::WriteFile(ini, std::string(e2e::kConfigSection) + "Theme=4\r\n");
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    e2e::Settle();
    e2e::ChooseMenuItem(window, 'h', 'a');
    const HWND about = program.WaitForWindow("About Orlenza", 5s);
    ASSERT_NE(about, nullptr);
    e2e::Settle();
    std::vector<std::string> buttons;
    for (const e2e::Child& child : e2e::VisibleChildren(about))
        if (child.className == "Button") buttons.push_back(child.text);
    EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
    EXPECT_NE(e2e::FindVisible(about, "Static", "Orlenza voice-biometric logon, by Brenmoor Industries."), nullptr);
    // A title bar without a menu bar under it ends in the style's line (the border is row 0).
    const vcl::TSkinStyle& glass = vcl::SkinStyleOf(vcl::TsuiUIStyle::BlueGlass);
    EXPECT_EQ(e2e::ScreenPixel(about, 60, glass.titleHeight), glass.titleLine) << "the title bar in the stored style";

    // Closing it ends it too (the OK button's own result is a GUI test of the dialog).
    PostMessageA(about, WM_CLOSE, 0, 0);
    for (int i = 0; i < 10 && IsWindowVisible(about); ++i) e2e::Settle();
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(Close(program, window));
}

TEST_F(Manager, AStoredThemeOutsideTheListOpensInMacOSWithNoneSelectedAndTheCloseWritesMinusOne) {
    e2e::WriteFile(ini, std::string(e2e::kConfigSection) + "Theme=7\r\n");
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    e2e::Settle();
    const HWND themes = OpenThemePage(window);
    ASSERT_NE(themes, nullptr);
    e2e::Settle();
    EXPECT_EQ(SendMessageA(themes, CB_GETCURSEL, 0, 0), CB_ERR);
    ExpectThemedIn(window, vcl::TsuiUIStyle::MacOS);

    ASSERT_TRUE(Close(program, window));
    EXPECT_NE(e2e::ReadFile(ini).find("\r\nTheme=-1\r\n"), std::string::npos) << e2e::ReadFile(ini);
}

}  // namespace
