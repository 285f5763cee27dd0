#include "mixer/ToMixer.h"

#include <algorithm>
#include <vector>

#include "platform/os/Os.h"

namespace {

TShowMessage& ShowMessageRoutine() {
    static TShowMessage show;
    return show;
}

void ShowMessage(const std::string& text) {
    if (ShowMessageRoutine()) ShowMessageRoutine()(text);
}

std::int32_t lastMixerResult = 0;
os::MixerHandle mixerHandle = 0;

}  // namespace

void SetShowMessage(TShowMessage show) { ShowMessageRoutine() = std::move(show); }

std::int32_t LastMixerResult() { return lastMixerResult; }

bool MixerInstalled() { return os::mixer().GetNumDevs() > 0; }

void ShowMixerError(std::int32_t ErrorCode) {
    std::string text;
    const auto code = static_cast<os::DWORD>(ErrorCode);
    // The MCI table has no texts for the mixer's own results; the wave functions' table has
    // the system-wide ones (no device, no driver, ...), so a user is not left without a word.
    if (!os::waveIn().MciErrorString(code, &text, os::wave::ErrorTextChars) &&
        os::waveIn().GetErrorText(code, &text, os::wave::ErrorTextChars) != os::mm::NoError) {
        return;
    }
    if (!text.empty()) ShowMessage(text);
}

bool OpenMixerDevice() {
    const os::MMRESULT result = os::mixer().Open(&mixerHandle, 0, 0, 0, 0);
    lastMixerResult = static_cast<std::int32_t>(result);
    if (result != os::mm::NoError) ShowMixerError(lastMixerResult);
    return result == os::mm::NoError;
}

bool CloseMixerDevice() {
    const os::MMRESULT result = os::mixer().Close(mixerHandle);
    lastMixerResult = static_cast<std::int32_t>(result);
    if (result != os::mm::NoError) ShowMixerError(lastMixerResult);
    return result == os::mm::NoError;
}

bool SetMicrophoneSwitch(bool On) {
    if (!OpenMixerDevice()) return false;
    os::Mixer& mixer = os::mixer();

    os::MixerLine line;
    line.cbStruct = os::mx::size::Line;
    line.dwComponentType = os::mx::DstWaveIn;
    bool found = mixer.GetLineInfo(mixerHandle, &line, os::mx::LineByComponentType) == os::mm::NoError;
    if (found) {
        found = false;
        const os::DWORD sources = line.cConnections;
        for (os::DWORD s = 0; s < sources && !found; ++s) {
            line.dwSource = s;
            found = mixer.GetLineInfo(mixerHandle, &line, os::mx::LineBySource) == os::mm::NoError &&
                    line.dwComponentType == os::mx::SrcMicrophone;
        }
    }
    if (!found) {
        CloseMixerDevice();
        return false;
    }

    os::MixerControl control;
    control.cbStruct = os::mx::size::Control;
    os::MixerLineControls query;
    query.cbStruct = os::mx::size::LineControls;
    query.dwLineID = line.dwLineID;
    query.dwControl = os::mx::CtlOnOff;
    query.cControls = 1;
    query.cbmxctrl = os::mx::size::Control;
    query.pamxctrl = &control;
    const os::MMRESULT result = mixer.GetLineControls(mixerHandle, &query, os::mx::ControlsOneByType);
    lastMixerResult = static_cast<std::int32_t>(result);
    if (result != os::mm::NoError) {
        if (result != os::mm::MixerInvalidControl) ShowMixerError(lastMixerResult);
        CloseMixerDevice();
        return false;
    }

    // Sized to the line: a switch on more than two channels is written on all of them.
    const os::DWORD channels = (control.fdwControl & os::mx::ControlUniform) ? 1 : std::max<os::DWORD>(1, line.cChannels);
    std::vector<os::LONG> values(std::min<os::DWORD>(channels, 256), 0);
    os::MixerControlDetails details;
    details.cbStruct = os::mx::size::Details;
    details.dwControlID = control.dwControlID;
    details.cChannels = static_cast<os::DWORD>(values.size());
    details.cMultipleItems = 0;
    details.cbDetails = os::mx::size::Value;
    details.paDetails = values.data();
    mixer.GetControlDetails(mixerHandle, &details, os::mx::DetailsValue);
    for (os::LONG& value : values) value = On ? 1 : 0;
    mixer.SetControlDetails(mixerHandle, &details, os::mx::DetailsValue);
    CloseMixerDevice();
    return true;
}
