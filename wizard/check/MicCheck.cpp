#include "wizard/check/MicCheck.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "mixer/ToMixer.h"
#include "platform/os/Os.h"

namespace {

constexpr int kBlock = 220;
constexpr int kLevelWindow = 660;
constexpr int kAnalysisStart = 2200;
constexpr os::DWORD kPassMs = 600;
constexpr os::DWORD kPollMs = 10;

const char* const kNoMixer =
    "Mixer device drivers not installed. Please install mixer device drivers or manually set your sound system for "
    "voice recording and continue by clicking on 'OK'.";
const char* const kPlugIn =
    "Please make sure your microphone is plugged in and working. Then continue by clicking on 'OK'.";
const char* const kLower =
    "Please manually lower your microphone recording volume (gain) one notch on your mixer control. Then continue by "
    "clicking on 'OK'.";
const char* const kHigher =
    "Please manually higher your microphone recording volume (gain) one notch on your mixer control. Then continue by "
    "clicking on 'OK'.";
const char* const kPaused =
    "You have paused too long while talking. Please continue talking without pausing while in this setup phase!";
const char* const kTooNoisy = "Too noisy! Can not run recognition engine! Please try a different microphone.";

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// The general floating-point text form: up to 15 significant digits, no trailing zeros.
std::string GeneralText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

std::string LineName(const os::MixerLine& line) {
    return std::string(line.szName, strnlen(line.szName, sizeof line.szName));
}

// 8-bit text, CR LF after every line, the file replaced.
void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("Cannot create file \"" + path + "\"");
    for (const std::string& line : lines) file << line << "\r\n";
    file.close();
    if (!file) throw std::runtime_error("Cannot write file \"" + path + "\"");
}

}  // namespace

TMicrophoneCheck::TMicrophoneCheck(MicCheckView& view, TAudioMixer& mixer, std::string programFolder,
                                   MicCheckTexts texts)
    : view_(view), Mixer(mixer), ProgramFolder(std::move(programFolder)), texts_(std::move(texts)), capture_(view) {}

void TMicrophoneCheck::WaitWithMessages(os::DWORD milliseconds) {
    os::System& system = os::system();
    const os::DWORD start = system.TickCount();
    while (true) {
        view_.ProcessMessages();
        if (view_.CancelChecked()) return;
        const os::DWORD elapsed = system.TickCount() - start;
        if (elapsed >= milliseconds) return;
        view_.WaitForMessages(milliseconds - elapsed);
    }
}

std::uint8_t TMicrophoneCheck::MeanLevel(int first, int blocks) const {
    const auto n = static_cast<std::uint64_t>(blocks) * kBlock;
    if (n == 0) return 0;
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < n; ++i) sum += capture_.Sample(first + static_cast<int>(i));
    std::uint64_t mean = sum / n;
    const std::uint64_t twice = 2 * (sum % n);
    if (twice > n || (twice == n && mean % 2 == 1)) ++mean;
    return static_cast<std::uint8_t>(mean);
}

std::int64_t TMicrophoneCheck::MeasureBlock(int first) const {
    std::int64_t energy = 0;
    for (int i = 0; i < kBlock; ++i) {
        const int difference = int{capture_.Sample(first + i)} - int{ZeroCrossingLevel};
        energy += difference * difference;
    }
    return energy;
}

bool TMicrophoneCheck::AnalyseCapture(int first, int blocks) {
    if (first == kLevelWindow) ZeroCrossingLevel = MeanLevel(first, blocks);
    if (std::abs(int{ZeroCrossingLevel} - 128) > 20) {
        Warn("Hardware problem: Too high/low zero crossing level!");
        return false;
    }
    if (first == kLevelWindow) return true;
    std::int64_t maxEnergy = 0;
    for (int b = 0; b < blocks; ++b) maxEnergy = std::max(maxEnergy, MeasureBlock(first + b * kBlock));
    double r = std::sqrt(static_cast<double>(maxEnergy) / kBlock);
    IntensityPerByte = r;
    if (r >= 75) {
        Warn("Too noisy environment!");
        return false;
    }
    r += 3.5;
    IntensityPerByte = r + std::sqrt(r * 0.5);
    return true;
}

std::string TMicrophoneCheck::FailureText() const {
    const std::string cr = "\r";
    return "Detected problems with your microphone. Please check your microphone connections. Then run Setup Sound "
           "System Wizard again. If you get this message more than once, please contact Brenmoor Industries, Inc. "
           "support by email at:" +
           cr + texts_.supportEmail + cr + cr + "Please include the following data in the email:" + cr +
           "IntensityPerByte =" + GeneralText(IntensityPerByte) + cr + cr +
           "Please note: You may skip this wizard and try running Brenmoor Industries, Inc. Voice "
           "Recognition Products, but make sure you can record sound prior to running a product. "
           "To make sure you can record sound, please use the 'Sound Recorder' provided by your "
           "operating system.";
}

std::string TMicrophoneCheck::ProblemText() const {
    return "Could not automatically select your microphone for recording.  Please first try to update or re-install "
           "your sound system drivers, then run " +
           texts_.applicationTitle +
           " again. If you get this message again "
           "after updating or re-installing your sound system drivers. Please run your mixer control."
           "Then select recording properties and make sure your microphone is selected for recording. Please "
           "make sure you have no other recording lines selected for recording.  Try to make sure your microphone "
           "is the only line selected for recording. Also, make sure there is no feedback or line noise when "
           "recording.  "
           "Then continue running application by clicking on 'OK'.";
}

void TMicrophoneCheck::ShowProblem() {
    view_.ShowProblemDialog(ProblemText());
    AutoLevel = false;
}

void TMicrophoneCheck::SelectMicrophoneInput(std::int32_t level) {
    if (Mixer.NumberOfMixers() == 0) return;
    try {
        gDestinations.clear();
        gDescriptionRecord.clear();
        TMixerDestinations& destinations = *Mixer.Destinations();
        int recording = -1;
        for (int d = 0; d < destinations.Count(); ++d) {
            if (destinations.Items(d)->LineInfo().dwComponentType == os::mx::DstWaveIn) {
                gDestinations.push_back(LineName(destinations.Items(d)->LineInfo()));
                recording = d;
                break;
            }
        }
        if (recording < 0) {
            ShowProblem();
            return;
        }
        const TMixerConnections& sources = destinations.Items(recording)->Connections();
        for (int s = 0; s < sources.Count(); ++s) gDescriptionRecord.push_back(LineName(sources.Items(s)->LineInfo()));
        WriteLines(ProgramFolder + "Destinations.txt", gDestinations);
        WriteLines(ProgramFolder + "Recording Destinations.txt", gDescriptionRecord);
        if (SelectedInput == -1) {
            if (const auto chosen = view_.SelectFromList("Select Input Device", gDescriptionRecord)) SelectedInput = *chosen;
            WaitWithMessages(1000);
            view_.PlayBeep();
            WaitWithMessages(1000);
        }
        Mixer.SetLineVolume(recording, SelectedInput, level, level, 1);
    } catch (const std::exception&) {
        ShowProblem();
    }
}

void TMicrophoneCheck::ChooseSoundSystem() {
    if (Mixer.NumberOfMixers() < 2) {
        Mixer.SetMixerId(0);
        return;
    }
    gDestinations.clear();
    for (int i = 0; i < Mixer.NumberOfMixers(); ++i) {
        Mixer.SetMixerId(i);
        gDestinations.push_back(Mixer.ProductName());
    }
    if (const auto chosen = view_.SelectFromList("Select Audio System", gDestinations)) SelectedInput = *chosen;
    Mixer.SetMixerId(SelectedInput);  // -1 (nothing chosen) keeps the last device opened
    SelectedInput = -1;
    view_.ClearListSelection();
}

TMicrophoneCheck::PassEnd TMicrophoneCheck::RecordPass() {
    capture_.SetCaptureFormat();
    if (!capture_.wiOpenAndStartThr()) return PassEnd::Failed;
    os::System& system = os::system();
    const os::DWORD started = system.TickCount();
    while (true) {
        view_.ProcessMessages();
        if (capture_.Done()) break;
        if (view_.CancelChecked()) {
            view_.SetMeterPosition(0);
            capture_.wiReset();
            capture_.wiClose();
            return PassEnd::Cancelled;
        }
        // Idle until the buffer is due, then look again now and then.
        const os::DWORD elapsed = system.TickCount() - started;
        view_.WaitForMessages(elapsed + kPollMs < kPassMs ? kPassMs - elapsed : kPollMs);
    }
    capture_.wiReset();
    capture_.wiClose();
    return PassEnd::Recorded;
}

void TMicrophoneCheck::RunMicrophoneCheck() {
    WaitWithMessages(kInitialWaitMs);
    if (view_.CancelChecked()) return;
    view_.EnableNext(false);
    view_.EnableBack(false);
    Attenuation = 0;
    AutoLevel = true;
    GoodPasses = 0;
    PassCount = 0;
    SpeechPasses = 0;
    SelectedInput = -1;
    view_.SetMeterMax(20);

    if (!MixerInstalled()) {
        Warn(kNoMixer);
        return;
    }
    ChooseSoundSystem();
    SetMicrophoneSwitch(true);
    if (AutoLevel) SelectMicrophoneInput(65535 - Attenuation);
    view_.ShowPhrase();

    const auto good = [this] { return IntensityPerByte >= 5 && IntensityPerByte <= 17; };
    do {
        if (AutoLevel) SelectMicrophoneInput(65535 - Attenuation);
        if (RecordPass() != PassEnd::Recorded) return;
        AnalyseCapture(kLevelWindow, 2);
        AnalyseCapture(kAnalysisStart, 10);
        view_.SetMeterPosition(RoundHalfEven(IntensityPerByte));
        if (view_.CancelChecked()) {
            view_.SetMeterPosition(0);
            return;
        }
        // Still too loud at the lowest level the wizard can set: another microphone is needed.
        if (AutoLevel && IntensityPerByte > 17 && Attenuation >= kMaxAttenuation) {
            Warn(kTooNoisy);
            view_.CloseMainWindow();
            return;
        }
        if (IntensityPerByte >= 8) ++SpeechPasses;
        if (IntensityPerByte > 17) {
            if (Attenuation < kMaxAttenuation) Attenuation += kAttenuationStep;
            if (!AutoLevel) Inform("Lower Microphone Input", kLower);
        }
        if (IntensityPerByte < 5) {
            if (Attenuation > kAttenuationStep) {
                Attenuation -= kAttenuationStep;
            } else {
                Warn(kPlugIn);
                SelectedInput = -1;
            }
            if (!AutoLevel) Inform("Higher Microphone Input", kHigher);
        }
        ++PassCount;
        if (IntensityPerByte < 5 && SpeechPasses > 0) {
            Inform("Paused To Long", kPaused);
            --PassCount;
        } else if (good()) {
            ++GoodPasses;
        } else {
            GoodPasses = 0;
        }
    } while (!((good() && GoodPasses >= 8) || PassCount > 30 || view_.CancelChecked()));

    if (view_.CancelChecked()) {
        view_.SetMeterPosition(0);
        return;
    }
    if (IntensityPerByte < 1 && PassCount > 30 && GoodPasses < 1) {
        Warn(FailureText());
        view_.CloseMainWindow();
        return;
    }
    view_.PlayBeep();
    WaitWithMessages(400);
    view_.EnableNext(true);
    view_.EnableBack(true);
    view_.FocusNext();
}
