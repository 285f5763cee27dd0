// The Setup Sound System Wizard as a user meets it: started under Wine, its buttons pressed
// and keys typed with window messages, judged by the step it shows and how it ends.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/skin/SkinStyle.h"
#include "tests/e2e/WizardDriver.h"

namespace {

using namespace std::chrono_literals;
using namespace e2e::wizard;

class Wizard : public ::testing::Test {
protected:
    void SetUp() override { StoreTheme(-1); }
    void TearDown() override { StoreTheme(-1); }

    HWND Start(e2e::Program& program) {
        const HWND window = program.WaitForWindow(kTitle);
        if (window) e2e::Settle();
        return window;
    }
};

TEST_F(Wizard, WalksThroughTheStepsAndBackWithTheirTitles) {
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForStep(window, 1));
    const HWND back1 = e2e::FindVisible(window, "Button", "< Back");
    ASSERT_NE(back1, nullptr);
    EXPECT_FALSE(IsWindowEnabled(back1)) << "step 1 has no way back";
    EXPECT_NE(FindText(window, "Please close all other programs that play or record sound, and click 'Next >' to "
                               "continue. "),
              nullptr);

    for (int step = 2; step <= 4; ++step) {
        ASSERT_TRUE(Press(window, "Next >")) << "on step " << step - 1;
        ASSERT_TRUE(WaitForStep(window, step));
    }
    EXPECT_NE(FindText(window, "Intensity Meter"), nullptr);
    const HWND next4 = e2e::FindVisible(window, "Button", "Next >");
    ASSERT_NE(next4, nullptr);
    EXPECT_FALSE(IsWindowEnabled(next4)) << "until the microphone check allows it";
    EXPECT_EQ(FindText(window, "Today is a great day for all people to prosper. Let no one stand in your way of "
                               "success. "),
              nullptr)
        << "the phrase shows once the check starts listening";

    // Back during the check's first wait: step 3 again, with its volume bar.
    for (int step = 3; step >= 1; --step) {
        ASSERT_TRUE(Press(window, "< Back")) << "towards step " << step;
        ASSERT_TRUE(WaitForStep(window, step));
        if (step == 3) {
            EXPECT_NE(FindText(window, "Volume Control"), nullptr);
        }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(Wizard, CancelAsksFirstAndOnlyYesEndsTheProgram) {
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Press(window, "Next >"));
    ASSERT_TRUE(Press(window, "Next >"));
    ASSERT_TRUE(WaitForStep(window, 3));

    ASSERT_TRUE(Press(window, "Cancel"));
    HWND question = program.WaitForWindow("Warning", 5s);
    ASSERT_NE(question, nullptr);
    EXPECT_NE(FindText(question, "You are about to cancel the Setup Sound System Wizard! By doing so, you may "
                                 "experience problems recording voice commands. Are you sure you want to cancel?"),
              nullptr);
    ASSERT_TRUE(Press(question, "&No"));
    EXPECT_EQ(program.WaitForExit(500ms), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(WaitForStep(window, 3)) << "the wizard goes on where it was";

    // Esc asks the same question.
    PostKey(window, VK_ESCAPE);
    question = program.WaitForWindow("Warning", 5s);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(Press(question, "&Yes"));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(Wizard, WithoutAMixerStep4SaysSoAfterItsWait) {
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    for (int step = 2; step <= 4; ++step) {
        ASSERT_TRUE(Press(window, "Next >"));
        ASSERT_TRUE(WaitForStep(window, step));
    }
    const auto entered = std::chrono::steady_clock::now();
    const HWND notice = program.WaitForWindow("Warning", 30s);
    ASSERT_NE(notice, nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - entered, 14s) << "not before the first wait is over";
    EXPECT_NE(FindText(notice, "Mixer device drivers not installed. Please install mixer device drivers or manually "
                               "set your sound system for voice recording and continue by clicking on 'OK'."),
              nullptr);
    ASSERT_TRUE(Press(notice, "&Ok"));
    for (const char* caption : {"Next >", "< Back"}) {
        const HWND button = e2e::FindVisible(window, "Button", caption);
        ASSERT_NE(button, nullptr) << caption;
        EXPECT_FALSE(IsWindowEnabled(button)) << caption;
    }
    ASSERT_TRUE(Press(window, "Cancel"));
    const HWND question = program.WaitForWindow("Warning", 5s);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(Press(question, "&Yes"));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(Wizard, ASecondCopyEndsAndTheFirstStays) {
    e2e::Program first("olzsoundwiz.exe");
    ASSERT_NE(Start(first), nullptr);
    e2e::Program second("olzsoundwiz.exe");
    EXPECT_EQ(second.WaitForExit(10s), 0u);
    EXPECT_EQ(first.WaitForExit(100ms), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(Wizard, OpensInTheStoredThemeAndNeverWritesTheConfigurationFile) {
    const std::string ini = e2e::SystemIniPath();
    // No file and a theme outside the list keep the designed MacOS.
    const std::vector<std::pair<int, vcl::TsuiUIStyle>> cases{{-1, vcl::TsuiUIStyle::MacOS},
                                                              {2, vcl::TsuiUIStyle::DeepBlue},
                                                              {3, vcl::TsuiUIStyle::Protein},
                                                              {7, vcl::TsuiUIStyle::MacOS}};
    for (const auto& [theme, style] : cases) {
        StoreTheme(theme);
        const std::string before = e2e::ReadFile(ini);
        e2e::Program program("olzsoundwiz.exe");
        const HWND window = Start(program);
        ASSERT_NE(window, nullptr) << "theme " << theme;
        EXPECT_TRUE(WaitForStep(window, 1));
        EXPECT_EQ(e2e::ScreenPixel(window, 200, 1), vcl::SkinStyleOf(style).titleTop) << "theme " << theme;
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10s), 0u);
        EXPECT_EQ(e2e::ReadFile(ini), before) << "theme " << theme;
        EXPECT_EQ(GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES, theme >= 0);
    }
}

}  // namespace
