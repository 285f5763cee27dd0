// The wizard's microphone step end to end, in the build over the simulated sound system: the
// test writes simsound.ini beside the program, then answers the dialogs as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/WizardDriver.h"

namespace {

using namespace std::chrono_literals;
using namespace e2e::wizard;

class WizardSim : public ::testing::Test {
protected:
    // Without a window manager on the test display, Wine waits a second for one whenever a
    // managed window hides; the bad-level run opens and closes a hundred dialogs.
    static void SetUpTestSuite() {
        const char* managed = "N";
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\olzsoundwiz_sim.exe\\X11 Driver", "Managed",
                        REG_SZ, managed, 2);
    }
    void SetUp() override {
        StoreTheme(-1);
        for (const char* file : {"Destinations.txt", "Recording Destinations.txt"})
            DeleteFileA((e2e::ExecutableFolder() + file).c_str());
    }
    void TearDown() override {
        DeleteFileA(ini.c_str());
        DeleteFileA(soundLog.c_str());
    }

    void Describe(const std::string& passes, int mixers = 2) {
        e2e::WriteFile(ini, SimSoundDescription(passes, mixers) + "[Sounds]\r\nLog=sounds.log\r\n");
    }
    // The sounds the wizard asked for so far, one line each.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> lines;
        const std::string text = e2e::ReadFile(soundLog);
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(text.substr(at, end - at));
        return lines;
    }
    // The sounds asked for since the first `count`.
    std::vector<std::string> SoundsAfter(std::size_t count) const {
        const std::vector<std::string> all = Sounds();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end()};
    }
    // The items a selection dialog offers, in order.
    static std::vector<std::string> Items(HWND dialog) {
        std::vector<std::string> items;
        for (const e2e::Child& child : e2e::VisibleChildren(dialog))
            if (child.className == "Button" && (GetWindowLongA(child.window, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON)
                items.push_back(child.text);
        return items;
    }

    // After the check's first wait: the sound system, then the input device, then listening
    // until "Next >" is enabled.
    static void ChooseDeviceAndInputThenListen(const e2e::Program& program, HWND window) {
        const HWND dialog = program.WaitForWindow("Select Input Device", 25s);
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(FindText(dialog, "Select Audio System"), nullptr);
        EXPECT_EQ(Items(dialog), (std::vector<std::string>{"Sim Audio A", "Sim Audio B"}));
        ASSERT_TRUE(Press(dialog, "Sim Audio B"));
        ASSERT_TRUE(Press(dialog, "&Continue"));

        const auto asked = std::chrono::steady_clock::now();
        while (!FindText(dialog, "Select Input Device") || !IsWindowVisible(dialog)) {
            ASSERT_LT(std::chrono::steady_clock::now() - asked, 10s) << "the input device is asked for";
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_EQ(Items(dialog), (std::vector<std::string>{"Microphone", "Line In"}));
        ASSERT_TRUE(Press(dialog, "Microphone"));
        ASSERT_TRUE(Press(dialog, "&Continue"));

        const HWND next = e2e::FindVisible(window, "Button", "Next >");
        ASSERT_NE(next, nullptr);
        const auto listening = std::chrono::steady_clock::now();
        while (!IsWindowEnabled(next)) {
            ASSERT_LT(std::chrono::steady_clock::now() - listening, 40s) << "Next > is enabled after eight good passes";
            std::this_thread::sleep_for(100ms);
        }
    }

    std::string ini = SimSoundPath();
    std::string soundLog = e2e::ExecutableFolder() + "sounds.log";
};

TEST_F(WizardSim, SteadySpeechEnablesNextAfterEightGoodPasses) {
    Describe("128/7");
    e2e::Program program("olzsoundwiz_sim.exe");
    const HWND window = StartAtStep(program, 4);
    ASSERT_NE(window, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseDeviceAndInputThenListen(program, window));

    EXPECT_NE(FindText(window, "Today is a great day for all people to prosper. Let no one stand in your way of "
                               "success. "),
              nullptr);
    // An intensity of about 12.8 shows as 13, which lights 14 of the 21 LEDs: the lowest
    // yellow, the 14th red, the 15th not lit.
    HWND meter = nullptr;
    for (const e2e::Child& child : e2e::VisibleChildren(window)) {
        RECT r{};
        GetWindowRect(child.window, &r);
        if (r.right - r.left == 19 && r.bottom - r.top == 151) meter = child.window;
    }
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(e2e::ScreenPixel(meter, 9, 20 * 7 + 2), RGB(255, 255, 0));
    EXPECT_EQ(e2e::ScreenPixel(meter, 9, 7 * 7 + 2), RGB(255, 0, 0));
    EXPECT_EQ(e2e::ScreenPixel(meter, 9, 6 * 7 + 2), RGB(255, 255, 255));

    EXPECT_EQ(e2e::ReadFile(e2e::ExecutableFolder() + "Destinations.txt").find("Recording Control") != std::string::npos, true);
    const std::string sources = e2e::ReadFile(e2e::ExecutableFolder() + "Recording Destinations.txt");
    EXPECT_LT(sources.find("Microphone"), sources.find("Line In")) << sources;

    // On to step 5 and back: step 4 checks again from the beginning.
    ASSERT_TRUE(Press(window, "Next >"));
    ASSERT_TRUE(WaitForStep(window, 5));
    ASSERT_TRUE(Press(window, "< Back"));
    ASSERT_TRUE(WaitForStep(window, 4));
    const HWND next = e2e::FindVisible(window, "Button", "Next >");
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(IsWindowEnabled(next));
    ASSERT_NO_FATAL_FAILURE(ChooseDeviceAndInputThenListen(program, window));

    ASSERT_TRUE(Press(window, "Next >"));
    EXPECT_TRUE(WaitForStep(window, 5));
    ASSERT_TRUE(Press(window, "Finish"));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(WizardSim, ABadDcLevelWarnsEachPassAndEndsWithTheFailureText) {
    Describe("100/0", 1);
    e2e::Program program("olzsoundwiz_sim.exe");
    const HWND window = StartAtStep(program, 4);
    ASSERT_NE(window, nullptr);

    int hardwareWarnings = 0;
    const std::string hardware = "Hardware problem: Too high/low zero crossing level!";
    const auto start = std::chrono::steady_clock::now();
    while (true) {
        // Each pass also asks for the input device again, with a second's pause either side.
        ASSERT_LT(std::chrono::steady_clock::now() - start, 400s) << hardwareWarnings << " warnings so far";
        if (const HWND warning = program.WaitForWindow("Warning", 100ms)) {
            if (FindText(warning, hardware)) ++hardwareWarnings;
            bool failure = false;
            for (const e2e::Child& child : e2e::VisibleChildren(warning))
                failure = failure || child.text.find("IntensityPerByte =0") != std::string::npos;
            Press(warning, "&Ok");
            if (failure) break;
            continue;
        }
        if (const HWND dialog = program.WaitForWindow("Select Input Device", 0ms)) {
            Press(dialog, "Microphone");
            Press(dialog, "&Continue");
        }
    }
    EXPECT_EQ(hardwareWarnings, 62) << "two a pass, 31 passes";
    EXPECT_EQ(program.WaitForExit(10s), 0u) << "the failure ends the program";
}

TEST_F(WizardSim, CancelOnStep3StopsTheTestSoundAndNoStartsItAgain) {
    Describe("128/7");
    e2e::Program program("olzsoundwiz_sim.exe");
    const HWND window = program.WaitForWindow(kTitle);
    ASSERT_NE(window, nullptr);
    e2e::Settle();
    for (int step = 2; step <= 3; ++step) ASSERT_TRUE(Press(window, "Next >") && WaitForStep(window, step));
    const std::string loop = "MICSOUND resource async loop";
    // The wave player stops what plays, then plays its own sound to the end.
    const std::string clickStop = "stop memory sync", click = "image memory sync nostop";
    ASSERT_FALSE(Sounds().empty());
    EXPECT_EQ(Sounds().back(), loop);

    std::size_t heard = Sounds().size();
    ASSERT_TRUE(Press(window, "Cancel"));
    HWND question = program.WaitForWindow("Warning", 5s);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(SoundsAfter(heard), (std::vector<std::string>{"stop sync purge", clickStop, click}))
        << "all sounds stopped, then the click";
    heard = Sounds().size();
    ASSERT_TRUE(Press(question, "&No"));
    ASSERT_TRUE(WaitForStep(window, 3));
    EXPECT_EQ(SoundsAfter(heard), (std::vector<std::string>{clickStop, click, loop}))
        << "the answer's click, then the test sound again";

    heard = Sounds().size();
    ASSERT_TRUE(Press(window, "Cancel"));
    question = program.WaitForWindow("Warning", 5s);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(Press(question, "&Yes"));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    for (const std::string& sound : SoundsAfter(heard)) EXPECT_NE(sound, loop) << "a confirmed cancel ends in silence";
}

TEST_F(WizardSim, BackDuringTheFirstWaitReturnsAtOnce) {
    Describe("128/7");
    e2e::Program program("olzsoundwiz_sim.exe");
    const HWND window = StartAtStep(program, 4);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Press(window, "< Back"));
    EXPECT_TRUE(WaitForStep(window, 3, 2s));
    // The check ended: nothing asks for a sound system after the wait.
    EXPECT_EQ(program.WaitForWindow("Select Input Device", 18s), nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

}  // namespace
