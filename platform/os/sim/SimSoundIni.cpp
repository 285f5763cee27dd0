#include "platform/os/sim/SimSoundIni.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "platform/os/sim/IniDocument.h"

namespace os::sim {

namespace {

constexpr int kMaxMixers = 16;
constexpr std::size_t kMaxSources = 32;
constexpr std::size_t kMaxPasses = 4096;

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// The value without its comment, or none when the key is missing.
std::optional<std::string> Read(const IniDocument& ini, std::string_view section, std::string_view key) {
    const std::string* value = ini.Value(section, key);
    if (!value) return std::nullopt;
    return Trim(std::string_view(*value).substr(0, value->find(';')));
}

std::optional<long> Number(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    long value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = Trim(std::string_view(text).substr(start, comma - start));
        if (!item.empty()) items.push_back(item);
        start = comma + 1;
    }
    return items;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

DWORD SourceType(const std::string& name) {
    const std::string lower = Lower(name);
    if (lower.find("mic") != std::string::npos) return mx::SrcMicrophone;
    if (lower.find("line") != std::string::npos) return mx::SrcLine;
    if (lower.find("cd") != std::string::npos) return mx::SrcCompactDisc;
    return mx::SrcUndefined;
}

SimDestination Speakers() {
    SimDestination speakers;
    speakers.componentType = mx::DstSpeakers;
    speakers.name = "Speakers";
    speakers.controls = {SimControl::Make(mx::CtlVolume, "Volume"),
                         SimControl::Make(mx::CtlMute, "Mute", mx::ControlUniform)};
    return speakers;
}

std::optional<SimDestination> Recording(const IniDocument& ini) {
    const auto name = Read(ini, "Recording", "Destination");
    if (!name || name->empty()) return std::nullopt;
    SimDestination recording;
    recording.componentType = mx::DstWaveIn;
    recording.name = *name;
    recording.controls = {SimControl::Make(mx::CtlVolume, "Recording Volume")};
    for (const std::string& source : SplitList(Read(ini, "Recording", "Sources").value_or(""))) {
        if (recording.sources.size() == kMaxSources) break;
        SimLine line = SimLine::Make(SourceType(source), source, {SimControl::Make(mx::CtlVolume, "Volume")});
        if (line.componentType == mx::SrcMicrophone) {
            line.channels = 1;
            line.controls.push_back(SimControl::Make(mx::CtlOnOff, "Microphone On", mx::ControlUniform));
        }
        recording.sources.push_back(line);
    }
    const std::string selector = Lower(Read(ini, "Recording", "Selector").value_or("mux"));
    if (selector == "mixer") {
        recording.controls.insert(recording.controls.begin(),
                                  SimControl::Make(mx::CtlMixer, "Recording Source", mx::ControlUniform));
    } else if (selector != "none") {
        recording.controls.insert(recording.controls.begin(),
                                  SimControl::Make(mx::CtlMux, "Recording Source", mx::ControlUniform));
    }
    return recording;
}

std::optional<SimPass> Pass(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const auto dc = Number(Trim(std::string_view(text).substr(0, slash)));
    const auto amplitude = Number(Trim(std::string_view(text).substr(slash + 1)));
    if (!dc || !amplitude) return std::nullopt;
    return SimPass::Tone(static_cast<int>(std::clamp(*dc, 0L, 255L)), static_cast<int>(std::clamp(*amplitude, 0L, 255L)));
}

}  // namespace

SimSoundDescription DescribeSimSound(std::string_view iniText) {
    const IniDocument ini(iniText);
    SimSoundDescription description;

    const long count = std::clamp(Number(Read(ini, "Mixers", "Count")).value_or(0), 0L, long{kMaxMixers});
    const std::optional<SimDestination> recording = Recording(ini);
    for (int i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        SimMixerDevice device;
        device.productName = Read(ini, "Mixers", "Name" + index).value_or("Sim Audio " + index);
        device.manufacturerId =
            static_cast<std::uint16_t>(std::clamp(Number(Read(ini, "Mixers", "Manufacturer" + index)).value_or(1), 0L, 65535L));
        device.failingOpens =
            static_cast<int>(std::clamp(Number(Read(ini, "Mixers", "FailingOpens" + index)).value_or(0), -1L, 1000L));
        device.destinations.push_back(Speakers());
        if (recording) device.destinations.push_back(*recording);
        description.mixers.push_back(device);
    }

    SimRecorder& recorder = description.recorder;
    recorder.present = Number(Read(ini, "Microphone", "Present")).value_or(1) != 0;
    recorder.startError = static_cast<MMRESULT>(std::clamp(Number(Read(ini, "Microphone", "StartError")).value_or(0), 0L, 65535L));
    std::vector<SimPass> passes;
    for (const std::string& entry : SplitList(Read(ini, "Microphone", "Passes").value_or(""))) {
        if (passes.size() == kMaxPasses) break;
        if (auto pass = Pass(entry)) passes.push_back(*pass);
    }
    if (!passes.empty()) recorder.passes = std::move(passes);
    return description;
}

void ApplyDescription(SimSound& sound, SimSoundDescription description) {
    sound.mixer.SetDevices(std::move(description.mixers));
    sound.waveIn.SetRecorder(std::move(description.recorder));
}

}  // namespace os::sim
