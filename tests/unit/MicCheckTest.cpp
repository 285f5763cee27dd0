// The microphone check against the simulated sound system, with a stand-in for the wizard
// window that records what the check asked of it and moves the simulated clock while the check
// waits. The analysis is checked against its formula; the scenarios are whole checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mixer/ToMixer.h"
#include "platform/os/sim/SimOs.h"
#include "platform/os/sim/SimSoundIni.h"
#include "tests/support/TempDir.h"
#include "wizard/check/MicCheck.h"

namespace {

using os::sim::SimPass;

class RecordingView : public MicCheckView {
public:
    explicit RecordingView(os::sim::SimOs& sim) : sim_(&sim) {}

    struct Message {
        std::string caption;
        std::string text;
        Icon icon;
    };

    // What the check showed, in order: "message <caption>: <text>", "select <title>: a|b",
    // "problem", "beep", "close".
    std::vector<std::string> events;
    std::vector<Message> messages;
    std::vector<int> meter;
    int meterMax = 0;
    bool nextEnabled = true;  // as the window leaves them before a check
    bool backEnabled = true;
    bool backDisabledOnce = false;
    bool nextFocused = false;
    bool phraseShown = false;
    bool cancel = false;
    bool visible = true;
    std::vector<std::string> problemTexts;
    // Answers of the selection dialog, in order; when none is left, the first item.
    std::deque<std::optional<int>> choices;
    // Actions at a tick of the clock, as a user's clicks would come during a wait.
    std::vector<std::pair<os::DWORD, std::function<void()>>> at;
    os::DWORD waitedMs = 0;

    int Count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }

    void SetMeterMax(int max) override { meterMax = max; }
    void SetMeterPosition(int position) override { meter.push_back(position); }
    void EnableNext(bool enabled) override { nextEnabled = enabled; }
    void EnableBack(bool enabled) override {
        backEnabled = enabled;
        backDisabledOnce |= !enabled;
    }
    void FocusNext() override { nextFocused = true; }
    void ShowPhrase() override { phraseShown = true; }
    bool CancelChecked() override { return cancel; }
    int ShowMessage(const std::string& caption, const std::string& text, Icon icon) override {
        messages.push_back({caption, text, icon});
        events.push_back("message " + caption + ": " + text);
        return 1;
    }
    std::optional<int> SelectFromList(const std::string& title, const std::vector<std::string>& items) override {
        std::string list;
        for (const std::string& item : items) list += (list.empty() ? "" : "|") + item;
        events.push_back("select " + title + ": " + list);
        if (choices.empty()) return 0;
        const std::optional<int> choice = choices.front();
        choices.pop_front();
        return choice;
    }
    void ClearListSelection() override {}
    void ShowProblemDialog(const std::string& text) override {
        problemTexts.push_back(text);
        events.push_back("problem");
    }
    void PlayBeep() override { events.push_back("beep"); }
    bool MainWindowVisible() override { return visible; }
    void CloseMainWindow() override {
        visible = false;
        events.push_back("close");
    }
    void ProcessMessages() override { RunDue(); }
    void WaitForMessages(os::DWORD milliseconds) override {
        const os::DWORD now = sim_->system.TickCount();
        os::DWORD step = milliseconds;
        for (const auto& [tick, action] : at) {
            if (tick > now && tick - now < step) step = tick - now;  // woken by the user's click
        }
        sim_->system.Advance(step);
        waitedMs += step;
        sim_->audio.waveIn.Deliver();
        RunDue();
    }

private:
    void RunDue() {
        const os::DWORD now = sim_->system.TickCount();
        for (auto it = at.begin(); it != at.end();) {
            if (it->first <= now) {
                auto action = std::move(it->second);
                it = at.erase(it);
                action();
            } else {
                ++it;
            }
        }
    }

    os::sim::SimOs* sim_;
};

constexpr const char* kPlugIn = "message Warning: Please make sure your microphone is plugged in";
constexpr const char* kHardware = "message Warning: Hardware problem: Too high/low zero crossing level!";

// A mixer (or several) whose recording destination offers a microphone and a line input.
std::string Description(int mixers, const std::string& destination = "Recording Control",
                        const std::string& sources = "Microphone,Line In") {
    std::string ini = "[Mixers]\nCount=" + std::to_string(mixers) + "\n";
    for (int i = 0; i < mixers; ++i) ini += "Name" + std::to_string(i) + "=Sim Audio " + char('A' + i) + "\n";
    if (!destination.empty()) ini += "[Recording]\nDestination=" + destination + "\nSources=" + sources + "\n";
    return ini;
}

class MicCheckTest : public ::testing::Test {
protected:
    MicCheckTest() { SetShowMessage([this](const std::string& text) { view.events.push_back("box " + text); }); }
    ~MicCheckTest() override { SetShowMessage({}); }

    // Builds the window's parts over the described system; passes as DC/A pairs.
    void Start(const std::string& description, std::vector<SimPass> passes) {
        os::sim::ApplyDescription(sim.audio, os::sim::DescribeSimSound(description));
        sim.audio.waveIn.Recorder().passes = std::move(passes);
        mixer = std::make_unique<TAudioMixer>(nullptr);
        check = std::make_unique<TMicrophoneCheck>(view, *mixer, (folder.path() / "").string());
        sim.audio.mixer.ClearCalls();
    }

    // The levels written to the microphone line's volume, in order.
    std::vector<os::LONG> MicrophoneLevels() const {
        const os::DWORD id = sim.audio.mixer.ControlId(0, 1, 0, "Volume");
        std::vector<os::LONG> levels;
        for (const auto& call : sim.audio.mixer.Calls()) {
            if (call.function == "mixerSetControlDetails" && call.id == id) levels.push_back(call.values.at(0));
        }
        return levels;
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    testing_support::TempDir folder;
    RecordingView view{sim};
    std::unique_ptr<TAudioMixer> mixer;
    std::unique_ptr<TMicrophoneCheck> check;
};

// ---------------------------------------------------------------- analysis

TEST_F(MicCheckTest, IntensityFollowsItsFormulaForKnownAmplitudes) {
    Start(Description(1), {});
    MicCapture& capture = check->Capture();
    for (const int amplitude : {0, 1, 7, 14, 40, 74}) {
        // The level window and the analysis blocks alternate 128 + A and 128 - A.
        for (std::size_t i = 0; i < 6615; ++i) {
            capture.CaptureBuffer[i] = static_cast<std::uint8_t>(i % 2 == 0 ? 128 + amplitude : 128 - amplitude);
        }
        EXPECT_TRUE(check->AnalyseCapture(660, 2));
        EXPECT_EQ(check->ZeroCrossingLevel, 128);
        EXPECT_TRUE(check->AnalyseCapture(2200, 10)) << amplitude;
        const double r = amplitude + 3.5;
        EXPECT_NEAR(check->IntensityPerByte, r + std::sqrt(r * 0.5), 1e-9) << amplitude;
    }

    // Only the loudest block counts, the last one included; outside the blocks nothing does.
    std::fill(capture.CaptureBuffer.begin(), capture.CaptureBuffer.end(), std::uint8_t{128});
    for (int s = 4180; s <= 4399; ++s) capture.CaptureBuffer[static_cast<std::size_t>(s - 1)] = s % 2 ? 118 : 138;
    capture.CaptureBuffer[4400] = 255;
    capture.CaptureBuffer[2198] = 0;
    check->AnalyseCapture(660, 2);
    check->AnalyseCapture(2200, 10);
    EXPECT_NEAR(check->IntensityPerByte, 13.5 + std::sqrt(6.75), 1e-9);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MicCheckTest, LevelWindowRoundsHalvesToEvenAndWarnsBeyondTwenty) {
    Start(Description(1), {});
    MicCapture& capture = check->Capture();
    struct Case {
        int base;
        int extra;  // added to that many samples of the window, one each
        std::uint8_t level;
        bool warned;
    };
    const Case cases[] = {
        {128, 220, 128, false},  // 128.5 -> 128
        {129, 220, 130, false},  // 129.5 -> 130
        {108, 0, 108, false},    // 20 below: still fine
        {107, 0, 107, true},
        {149, 0, 149, true},
    };
    for (const Case& c : cases) {
        view.messages.clear();
        std::fill(capture.CaptureBuffer.begin(), capture.CaptureBuffer.end(), static_cast<std::uint8_t>(c.base));
        for (int i = 0; i < c.extra; ++i) ++capture.CaptureBuffer[static_cast<std::size_t>(659 + i)];
        check->IntensityPerByte = 9.5;
        EXPECT_EQ(check->AnalyseCapture(660, 2), !c.warned) << c.base;
        EXPECT_EQ(check->ZeroCrossingLevel, c.level) << c.base;
        EXPECT_EQ(check->AnalyseCapture(2200, 10), !c.warned) << c.base;
        EXPECT_EQ(view.messages.size(), c.warned ? 2u : 0u) << c.base << ": warned by both calls";
        if (c.warned) {
            EXPECT_EQ(check->IntensityPerByte, 9.5) << "the previous intensity stays";
        }
    }

    // A raw level of 75 or more is noise: the intensity is that level, not the formula's.
    for (std::size_t i = 0; i < 6615; ++i) capture.CaptureBuffer[i] = static_cast<std::uint8_t>(i % 2 ? 128 - 75 : 128 + 75);
    view.messages.clear();
    EXPECT_TRUE(check->AnalyseCapture(660, 2));
    EXPECT_FALSE(check->AnalyseCapture(2200, 10));
    EXPECT_EQ(check->IntensityPerByte, 75.0);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Too noisy environment!");
}

// ---------------------------------------------------------------- whole checks

TEST_F(MicCheckTest, EightGoodPassesInARowSucceed) {
    Start(Description(1), {SimPass::Tone(128, 7)});
    check->RunMicrophoneCheck();
    EXPECT_EQ(sim.audio.waveIn.PassesStarted(), 8);
    EXPECT_EQ(view.meter, std::vector<int>(8, 13));
    EXPECT_EQ(view.meterMax, 20);
    EXPECT_EQ(view.events, (std::vector<std::string>{"select Select Input Device: Microphone|Line In", "beep", "beep"}));
    EXPECT_TRUE(view.nextEnabled);
    EXPECT_TRUE(view.backEnabled);
    EXPECT_TRUE(view.backDisabledOnce) << "Back4 is off while the check runs";
    EXPECT_TRUE(view.nextFocused);
    EXPECT_TRUE(view.phraseShown);
    EXPECT_FALSE(sim.audio.waveIn.IsOpen());
    EXPECT_EQ(MicrophoneLevels(), std::vector<os::LONG>(9, 65535)) << "full level, before the passes and each pass";
    EXPECT_EQ(sim.audio.mixer.Values(0, 1, -1, "Recording Source"), (std::vector<os::LONG>{1, 0}));
    EXPECT_EQ(sim.audio.mixer.Values(0, 1, 0, "Microphone On"), (std::vector<os::LONG>{1})) << "switched on";

    // The next check counts from 0 again.
    view.events.clear();
    check->RunMicrophoneCheck();
    EXPECT_EQ(sim.audio.waveIn.PassesStarted(), 16);
}

TEST_F(MicCheckTest, QuietOrBrokenSignalsRunThirtyOnePasses) {
    struct Case {
        const char* what;
        SimPass pass;
        int plugIn;         // plug-in warnings
        int hardware;       // hardware warnings
        int selects;        // input-device dialogs
        bool succeeds;
    };
    const Case cases[] = {
        {"silence: asked for the input again every pass, then success", SimPass::Tone(128, 0), 31, 0, 31, true},
        {"DC level 100: two hardware warnings a pass, then failure", SimPass::Tone(100, 0), 31, 62, 31, false},
    };
    for (const Case& c : cases) {
        view = RecordingView(sim);
        Start(Description(1), {c.pass});
        check->RunMicrophoneCheck();
        EXPECT_EQ(view.Count(kPlugIn), c.plugIn) << c.what;
        EXPECT_EQ(view.Count(kHardware), c.hardware) << c.what;
        EXPECT_EQ(view.Count("select Select Input Device"), c.selects) << c.what;
        EXPECT_EQ(view.Count("message Paused To Long"), 0) << c.what;
        EXPECT_EQ(check->PassCount, 31) << c.what;
        EXPECT_EQ(view.Count("beep"), c.succeeds ? 32 : 31) << c.what;  // one after each dialog
        EXPECT_EQ(view.nextEnabled, c.succeeds) << c.what;
        EXPECT_EQ(view.visible, c.succeeds) << c.what;
        EXPECT_FALSE(sim.audio.waveIn.IsOpen()) << c.what;
        if (c.succeeds) {
            EXPECT_NEAR(check->IntensityPerByte, 3.5 + std::sqrt(1.75), 1e-9);
            EXPECT_EQ(view.meter.back(), 5);
        } else {
            const RecordingView::Message& last = view.messages.back();
            EXPECT_EQ(last.caption, "Warning");
            EXPECT_NE(last.text.find("support by email at:\rsupport@brenmoor.com\r\rPlease include the following "
                                     "data in the email:\rIntensityPerByte =0\r\rPlease note:"),
                      std::string::npos)
                << last.text;
            EXPECT_EQ(view.events.back(), "close");
        }
    }
}

TEST_F(MicCheckTest, AQuietPassAfterSpeechIsAPauseAndNotCounted) {
    Start(Description(1), {SimPass::Tone(128, 7), SimPass::Tone(128, 7), SimPass::Tone(128, 0), SimPass::Tone(128, 7)});
    std::vector<int> goodAfterPass;
    check->RunMicrophoneCheck();
    const std::vector<std::string> expected{
        "select Select Input Device: Microphone|Line In", "beep",
        std::string(kPlugIn) + " and working. Then continue by clicking on 'OK'.",
        "message Paused To Long: You have paused too long while talking. Please continue talking without pausing "
        "while in this setup phase!",
        "select Select Input Device: Microphone|Line In", "beep",  // the fourth pass asks again
        "beep"};
    EXPECT_EQ(view.events, expected);
    EXPECT_EQ(sim.audio.waveIn.PassesStarted(), 9) << "eight good passes and the pause";
    EXPECT_EQ(check->PassCount, 8);
    EXPECT_EQ(check->GoodPasses, 8) << "the pause did not break the run";
}

TEST_F(MicCheckTest, ALoudMicrophoneIsTurnedDownStepByStep) {
    Start(Description(1), {SimPass::Tone(128, 14)});  // intensity about 20.5
    check->RunMicrophoneCheck();
    std::vector<os::LONG> expected{65535, 65535};
    for (int attenuation = 4096; attenuation <= 61440; attenuation += 4096) expected.push_back(65535 - attenuation);
    EXPECT_EQ(MicrophoneLevels(), expected) << "down to 4095";
    EXPECT_EQ(sim.audio.waveIn.PassesStarted(), 16);
    EXPECT_EQ(check->Attenuation, 61440);
    EXPECT_EQ(view.Count("message Lower Microphone Input"), 0) << "the wizard turns it down itself";
    // Still too loud at the lowest level: another microphone is needed.
    ASSERT_GE(view.events.size(), 2u);
    EXPECT_EQ(view.events[view.events.size() - 2],
              "message Warning: Too noisy! Can not run recognition engine! Please try a different microphone.");
    EXPECT_EQ(view.events.back(), "close");
}

TEST_F(MicCheckTest, WithoutRecordingDestinationTheUserSetsTheLevels) {
    struct Case {
        const char* what;
        SimPass pass;
        const char* request;
    };
    const Case cases[] = {
        {"too loud", SimPass::Tone(128, 14), "message Lower Microphone Input: Please manually lower"},
        {"too quiet", SimPass::Tone(128, 0), "message Higher Microphone Input: Please manually higher"},
    };
    for (const Case& c : cases) {
        view = RecordingView(sim);
        Start(Description(1, ""), {c.pass});
        check->RunMicrophoneCheck();
        EXPECT_EQ(view.Count("problem"), 1) << c.what;
        ASSERT_EQ(view.problemTexts.size(), 1u);
        EXPECT_NE(view.problemTexts[0].find("then run Setup Sound System Wizard again."), std::string::npos);
        EXPECT_FALSE(check->AutoLevel) << c.what;
        EXPECT_EQ(view.Count(c.request), 31) << c.what << ": every pass";
        EXPECT_EQ(view.Count("select"), 0) << c.what;
        EXPECT_TRUE(view.nextEnabled) << c.what << ": 31 passes end the check";
        EXPECT_TRUE(MicrophoneLevels().empty()) << c.what;
    }
    EXPECT_EQ(check->Attenuation, 0);
}

TEST_F(MicCheckTest, CancelEndsTheCheckAtOnce) {
    struct Case {
        const char* what;
        os::DWORD tick;
        int passes;
    };
    const Case cases[] = {
        {"during the initial wait", 5000, 0},
        {"while the second pass records", 15000 + 2000 + 600 + 300, 2},
    };
    for (const Case& c : cases) {
        view = RecordingView(sim);
        sim.system.SetTickCount(0);
        Start(Description(1), {SimPass::Tone(128, 7)});
        const int before = sim.audio.waveIn.PassesStarted();
        view.at.emplace_back(c.tick, [this] { view.cancel = true; });
        check->RunMicrophoneCheck();
        EXPECT_EQ(sim.system.TickCount(), c.tick) << c.what << ": ends without waiting on";
        EXPECT_EQ(sim.audio.waveIn.PassesStarted() - before, c.passes) << c.what;
        EXPECT_FALSE(sim.audio.waveIn.IsOpen()) << c.what;
        EXPECT_FALSE(view.nextEnabled && c.passes > 0) << c.what;
        if (c.passes == 0) {
            EXPECT_FALSE(view.backDisabledOnce) << c.what << ": nothing touched";
            EXPECT_TRUE(sim.audio.mixer.Calls().empty()) << c.what;
        } else {
            EXPECT_EQ(view.meter.back(), 0) << c.what;
            const auto& calls = sim.audio.waveIn.Calls();
            ASSERT_GE(calls.size(), 3u);
            EXPECT_EQ(calls[calls.size() - 3].function, "waveInReset") << c.what;
            EXPECT_EQ(calls.back().function, "waveInClose") << c.what;
        }
    }
}

TEST_F(MicCheckTest, SeveralMixersAreOfferedByName) {
    struct Case {
        std::optional<int> choice;
        int mixerId;
    };
    const Case cases[] = {{0, 0}, {std::nullopt, 2}, {-1, 2}};
    for (const Case& c : cases) {
        view = RecordingView(sim);
        Start(Description(3), {SimPass::Tone(128, 7)});
        view.choices = {c.choice, 0};
        check->RunMicrophoneCheck();
        ASSERT_GE(view.events.size(), 2u);
        EXPECT_EQ(view.events[0], "select Select Audio System: Sim Audio A|Sim Audio B|Sim Audio C");
        EXPECT_EQ(view.events[1], "select Select Input Device: Microphone|Line In");
        EXPECT_EQ(mixer->MixerId(), c.mixerId);
        EXPECT_TRUE(view.nextEnabled);
    }
}

TEST_F(MicCheckTest, NoMixerOrNoRecorderEndsTheCheckWithItsMessage) {
    view = RecordingView(sim);
    Start(Description(0), {});
    check->RunMicrophoneCheck();
    EXPECT_EQ(sim.system.TickCount(), 15000u);
    EXPECT_EQ(view.events, (std::vector<std::string>{
                               "message Warning: Mixer device drivers not installed. Please install mixer device "
                               "drivers or manually set your sound system for voice recording and continue by "
                               "clicking on 'OK'."}));
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_FALSE(view.backEnabled);

    struct Case {
        const char* what;
        bool present;
        os::MMRESULT startError;
        std::string report;
        bool closes;
    };
    const Case cases[] = {
        {"no recording device", false, 0,
         "message Warning: VAVedere wiOpenAndStartThr:  A device ID has been used that is out of range for your "
         "system.",
         true},
        {"the start fails", true, 3, "message Warning: VAVedere wiStart:  The driver was not enabled.", false},
    };
    for (const Case& c : cases) {
        view = RecordingView(sim);
        Start(Description(1), {});
        sim.audio.waveIn.Recorder().present = c.present;
        sim.audio.waveIn.Recorder().startError = c.startError;
        check->RunMicrophoneCheck();
        EXPECT_EQ(view.Count(c.report), 1) << c.what;
        EXPECT_EQ(view.Count("close"), c.closes ? 1 : 0) << c.what;
        EXPECT_FALSE(sim.audio.waveIn.IsOpen()) << c.what;
        EXPECT_FALSE(view.nextEnabled) << c.what;
        EXPECT_TRUE(view.meter.empty()) << c.what << ": no pass analysed";
    }
}

// ---------------------------------------------------------------- source selection

TEST_F(MicCheckTest, SelectionWritesBothFilesAndSelectsTheChosenSource) {
    Start(Description(1), {});
    view.choices = {1};
    check->SelectMicrophoneInput(30000);
    EXPECT_EQ(testing_support::ReadFileBytes(folder.file("Destinations.txt")), "Recording Control\r\n");
    EXPECT_EQ(testing_support::ReadFileBytes(folder.file("Recording Destinations.txt")), "Microphone\r\nLine In\r\n");
    EXPECT_EQ(check->SelectedInput, 1);
    EXPECT_EQ(sim.audio.mixer.Values(0, 1, 1, "Volume"), (std::vector<os::LONG>{30000, 30000}));
    EXPECT_EQ(sim.audio.mixer.Values(0, 1, -1, "Recording Source"), (std::vector<os::LONG>{0, 1}));
    EXPECT_EQ(sim.system.TickCount(), 2000u) << "a second before and after the beep";

    // Again with the input chosen: the files are replaced, no dialog, no beep.
    testing_support::WriteFileBytes(folder.file("Recording Destinations.txt"), "stale stale stale\r\n");
    view.events.clear();
    check->SelectMicrophoneInput(20000);
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(testing_support::ReadFileBytes(folder.file("Recording Destinations.txt")), "Microphone\r\nLine In\r\n");
    EXPECT_EQ(sim.audio.mixer.Values(0, 1, 1, "Volume"), (std::vector<os::LONG>{20000, 20000}));
}

TEST_F(MicCheckTest, SelectionProblemsShowTheProblemDialog) {
    struct Case {
        const char* what;
        std::string description;
        bool unwritableFolder;
        int problems;
        std::string sourcesFile;
    };
    const Case cases[] = {
        {"a destination without sources: an empty file", Description(1, "Rec", ""), false, 0, ""},
        {"no wave-in destination", Description(1, ""), false, 1, "(none)"},
        {"files cannot be written", Description(1), true, 1, "(none)"},
    };
    for (const Case& c : cases) {
        view = RecordingView(sim);
        Start(c.description, {});
        if (c.unwritableFolder) check = std::make_unique<TMicrophoneCheck>(view, *mixer, folder.file("missing/"));
        check->SelectMicrophoneInput(65535);
        EXPECT_EQ(view.Count("problem"), c.problems) << c.what;
        EXPECT_EQ(check->AutoLevel, c.problems == 0) << c.what;
        const std::string file = folder.file("Recording Destinations.txt");
        EXPECT_EQ(std::filesystem::exists(file) ? testing_support::ReadFileBytes(file) : "(none)", c.sourcesFile)
            << c.what;
        std::filesystem::remove(file);
    }
}

}  // namespace
