#pragma once
// The microphone check of step 4: the level analysis of a capture pass, the check itself
// (choose the sound system, switch the microphone on, select it with a level of the wizard's
// gain loop, then listen in 0.6 s passes until eight good ones in a row), and the selection of
// the recording source with its two text files.
//
// One object lives with the wizard window: its variables carry over from one check to the next
// as the window's do (IntensityPerByte in particular), and a check resets only its own.
#include <cstdint>
#include <string>
#include <vector>

#include "mixer/AMixer.h"
#include "wizard/check/MicCapture.h"
#include "wizard/check/MicCheckView.h"

struct MicCheckTexts {
    std::string applicationTitle = "Setup Sound System Wizard";
    std::string supportEmail = "support@brenmoor.com";
};

class TMicrophoneCheck {
public:
    // Check constants.
    static constexpr os::DWORD kInitialWaitMs = 15000;
    static constexpr int kMaxAttenuation = 61440;
    static constexpr int kAttenuationStep = 4096;

    // `programFolder` ends with a separator; the text files go there.
    TMicrophoneCheck(MicCheckView& view, TAudioMixer& mixer, std::string programFolder, MicCheckTexts texts = {});

    // Runs one check to its end (success, failure, cancel, or a device that cannot record).
    void RunMicrophoneCheck();
    // Makes the microphone the recording source of the mixer, at `level` on both channels.
    void SelectMicrophoneInput(std::int32_t level);
    // Processes window messages for `milliseconds`, idle in between; returns early on cancel.
    void WaitWithMessages(os::DWORD milliseconds);

    // Analysis of the captured pass (sample numbers from 1).
    std::uint8_t MeanLevel(int first, int blocks) const;
    std::int64_t MeasureBlock(int first) const;
    bool AnalyseCapture(int first, int blocks);

    // The failure text for the current IntensityPerByte.
    std::string FailureText() const;
    std::string ProblemText() const;

    MicCapture& Capture() { return capture_; }

    // Check variables.
    std::uint8_t ZeroCrossingLevel = 0;
    double IntensityPerByte = 0;
    int Attenuation = 0;
    bool AutoLevel = true;
    int GoodPasses = 0;
    int PassCount = 0;
    int SpeechPasses = 0;
    int SelectedInput = -1;
    // The names the selection lists: the recording destination, and its sources.
    std::vector<std::string> gDestinations;
    std::vector<std::string> gDescriptionRecord;

private:
    enum class PassEnd { Recorded, Cancelled, Failed };
    PassEnd RecordPass();
    void ChooseSoundSystem();
    void ShowProblem();
    void Warn(const std::string& text) { view_.ShowMessage("Warning", text, MicCheckView::Icon::Warning); }
    void Inform(const std::string& caption, const std::string& text) {
        view_.ShowMessage(caption, text, MicCheckView::Icon::Information);
    }

    MicCheckView& view_;
    TAudioMixer& Mixer;
    std::string ProgramFolder;
    MicCheckTexts texts_;
    MicCapture capture_;
};
