#include "platform/os/sim/SimSound.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace os::sim {

namespace {

void CopyName(char* target, std::size_t capacity, const std::string& name) {
    const std::size_t length = std::min(name.size(), capacity - 1);
    std::memcpy(target, name.data(), length);
    std::memset(target + length, 0, capacity - length);
}

bool IsSelector(const SimControl& control) { return (control.type & 0xF0000000u) == 0x70000000u; }

DWORD DestinationLineId(int destination) { return 0xFFFF0000u | static_cast<DWORD>(destination); }
DWORD SourceLineId(int destination, int source) {
    return (static_cast<DWORD>(source + 1) << 16) | static_cast<DWORD>(destination);
}

constexpr DWORD kNoLine = 0xFFFFFFF0u;  // the line ID of a selector item that names no source

}  // namespace

SimPass SimPass::Tone(int dc, int amplitude) {
    const auto clamp = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    return SimPass{{clamp(dc + amplitude), clamp(dc - amplitude)}};
}

// ---------------------------------------------------------------- mixer

void SimMixer::SetDevices(std::vector<SimMixerDevice> devices) {
    devices_ = std::move(devices);
    open_.clear();
    values_.clear();
}

MMRESULT SimMixer::Record(const char* function, std::uintptr_t target, DWORD id, MMRESULT result,
                          std::vector<LONG> values) {
    calls_.push_back({function, target, id, std::move(values), result});
    return result;
}

int SimMixer::ResolveDevice(std::uintptr_t mixer, DWORD flags) const {
    if (const auto open = open_.find(mixer); open != open_.end()) return static_cast<int>(open->second.device);
    if (flags & mx::ObjectHandle) return -1;
    if (mixer < devices_.size()) return static_cast<int>(mixer);
    return -1;
}

const SimLine* SimMixer::FindLine(DWORD device, LineRef ref) const {
    const auto& destinations = devices_[device].destinations;
    if (ref.destination < 0 || static_cast<std::size_t>(ref.destination) >= destinations.size()) return nullptr;
    const SimDestination& destination = destinations[static_cast<std::size_t>(ref.destination)];
    if (ref.source < 0) return &destination;
    if (static_cast<std::size_t>(ref.source) >= destination.sources.size()) return nullptr;
    return &destination.sources[static_cast<std::size_t>(ref.source)];
}

SimMixer::LineRef SimMixer::FindLineById(DWORD device, DWORD lineId) const {
    const auto& destinations = devices_[device].destinations;
    for (int d = 0; d < static_cast<int>(destinations.size()); ++d) {
        if (DestinationLineId(d) == lineId) return {d, -1};
        for (int s = 0; s < static_cast<int>(destinations[static_cast<std::size_t>(d)].sources.size()); ++s) {
            if (SourceLineId(d, s) == lineId) return {d, s};
        }
    }
    return {};
}

void SimMixer::FillLine(DWORD device, LineRef ref, MixerLine* line) const {
    const SimMixerDevice& mixer = devices_[device];
    const SimLine& source = *FindLine(device, ref);
    line->dwDestination = static_cast<DWORD>(ref.destination);
    line->dwSource = ref.source < 0 ? 0 : static_cast<DWORD>(ref.source);
    line->dwLineID = ref.source < 0 ? DestinationLineId(ref.destination) : SourceLineId(ref.destination, ref.source);
    line->fdwLine = mx::LineActive | (ref.source < 0 ? 0 : mx::LineSource);
    line->dwUser = 0;
    line->dwComponentType = source.componentType;
    line->cChannels = source.channels;
    line->cConnections =
        ref.source < 0 ? static_cast<DWORD>(mixer.destinations[static_cast<std::size_t>(ref.destination)].sources.size())
                       : 0;
    line->cControls = static_cast<DWORD>(source.controls.size());
    CopyName(line->szShortName, sizeof line->szShortName, source.shortName.empty() ? source.name : source.shortName);
    CopyName(line->szName, sizeof line->szName, source.name);
    line->Target = {};
    line->Target.wMid = mixer.manufacturerId;
    line->Target.wPid = mixer.productId;
    line->Target.vDriverVersion = mixer.driverVersion;
    CopyName(line->Target.szPname, sizeof line->Target.szPname, mixer.productName);
}

SimMixer::ControlRef SimMixer::FindControl(DWORD device, DWORD controlId) const {
    DWORD id = 0;
    const auto& destinations = devices_[device].destinations;
    for (int d = 0; d < static_cast<int>(destinations.size()); ++d) {
        const SimDestination& destination = destinations[static_cast<std::size_t>(d)];
        for (int s = -1; s < static_cast<int>(destination.sources.size()); ++s) {
            const SimLine& line = s < 0 ? destination : destination.sources[static_cast<std::size_t>(s)];
            for (int c = 0; c < static_cast<int>(line.controls.size()); ++c) {
                if (++id == controlId) return {{d, s}, c};
            }
        }
    }
    return {};
}

const SimControl& SimMixer::ControlAt(DWORD device, const ControlRef& ref) const {
    return FindLine(device, ref.line)->controls[static_cast<std::size_t>(ref.index)];
}

DWORD SimMixer::ItemCount(DWORD device, const ControlRef& ref) const {
    const SimControl& control = ControlAt(device, ref);
    if (IsSelector(control)) {
        if (!control.items.empty()) return static_cast<DWORD>(control.items.size());
        return static_cast<DWORD>(
            devices_[device].destinations[static_cast<std::size_t>(ref.line.destination)].sources.size());
    }
    if (control.flags & mx::ControlMultiple) return control.items.empty() ? 2 : static_cast<DWORD>(control.items.size());
    return 0;
}

DWORD SimMixer::ChannelCount(DWORD device, const ControlRef& ref) const {
    if (ControlAt(device, ref).flags & mx::ControlUniform) return 1;
    return std::max<DWORD>(1, FindLine(device, ref.line)->channels);
}

void SimMixer::FillControl(DWORD device, const ControlRef& ref, MixerControl* control) const {
    const SimControl& source = ControlAt(device, ref);
    const DWORD cbStruct = control->cbStruct;
    *control = {};
    control->cbStruct = cbStruct;
    control->dwControlType = source.type;
    control->fdwControl = source.flags | (IsSelector(source) ? mx::ControlMultiple : 0);
    control->cMultipleItems = ItemCount(device, ref);
    CopyName(control->szShortName, sizeof control->szShortName, source.name);
    CopyName(control->szName, sizeof control->szName, source.name);
    control->Bounds.lMinimum = source.minimum;
    control->Bounds.lMaximum = source.maximum;
    control->Metrics.cSteps = source.steps;
}

std::vector<LONG>& SimMixer::Stored(DWORD device, const ControlRef& ref) {
    DWORD id = 0;
    for (DWORD candidate = 1;; ++candidate) {
        const ControlRef found = FindControl(device, candidate);
        if (found.index < 0) break;
        if (found.index == ref.index && found.line.destination == ref.line.destination &&
            found.line.source == ref.line.source) {
            id = candidate;
            break;
        }
    }
    const std::size_t size = ChannelCount(device, ref) * std::max<DWORD>(1, ItemCount(device, ref));
    auto [entry, added] = values_[device].try_emplace(id);
    if (added) entry->second = ControlAt(device, ref).values;
    entry->second.resize(size, 0);
    return entry->second;
}

std::vector<LONG> SimMixer::Values(DWORD device, int destination, int source, const std::string& name) const {
    const DWORD id = ControlId(device, destination, source, name);
    if (id == 0) return {};
    const ControlRef ref = FindControl(device, id);
    return const_cast<SimMixer*>(this)->Stored(device, ref);
}

DWORD SimMixer::ControlId(DWORD device, int destination, int source, const std::string& name) const {
    if (device >= devices_.size()) return 0;
    for (DWORD id = 1;; ++id) {
        const ControlRef ref = FindControl(device, id);
        if (ref.index < 0) return 0;
        if (ref.line.destination == destination && ref.line.source == source && ControlAt(device, ref).name == name) {
            return id;
        }
    }
}

DWORD SimMixer::LineId(DWORD, int destination, int source) const {
    return source < 0 ? DestinationLineId(destination) : SourceLineId(destination, source);
}

void SimMixer::Notify(DWORD device, std::uint32_t message, DWORD id) {
    std::vector<std::pair<MixerHandle, WindowHandle>> targets;
    for (const auto& [handle, open] : open_) {
        if (open.device == device && open.window) targets.emplace_back(handle, open.window);
    }
    for (const auto& [handle, window] : targets) {
        const auto found = windows_.find(window);
        if (found == windows_.end()) continue;
        const NotifyProc proc = found->second;  // the handler may free the window
        proc(message, handle, static_cast<std::intptr_t>(static_cast<LONG>(id)));
    }
}

void SimMixer::NotifyLineChange(DWORD device, DWORD lineId) { Notify(device, mx::MsgLineChange, lineId); }
void SimMixer::NotifyControlChange(DWORD device, DWORD controlId) {
    Notify(device, mx::MsgControlChange, controlId);
}

DWORD SimMixer::GetNumDevs() { return static_cast<DWORD>(devices_.size()); }

MMRESULT SimMixer::Open(MixerHandle* handle, DWORD deviceId, std::uintptr_t callback, std::uintptr_t,
                        DWORD flags) {
    if (!handle) return Record("mixerOpen", 0, deviceId, mm::InvalidParam);
    *handle = 0;
    if (deviceId >= devices_.size()) return Record("mixerOpen", 0, deviceId, mm::BadDeviceId);
    SimMixerDevice& device = devices_[deviceId];
    if (device.failingOpens != 0) {
        if (device.failingOpens > 0) --device.failingOpens;
        return Record("mixerOpen", 0, deviceId, device.openError);
    }
    const bool withWindow = (flags & mx::CallbackWindow) != 0;
    if (withWindow) {
        if (device.refuseWindowCallback) return Record("mixerOpen", 0, deviceId, device.openError);
        if (!windows_.contains(callback)) return Record("mixerOpen", 0, deviceId, mm::InvalidParam);
    }
    *handle = nextHandle_++;
    open_[*handle] = {deviceId, withWindow ? callback : 0};
    return Record("mixerOpen", *handle, deviceId, mm::NoError);
}

MMRESULT SimMixer::Close(MixerHandle handle) {
    if (open_.erase(handle) == 0) return Record("mixerClose", handle, 0, mm::InvalidHandle);
    return Record("mixerClose", handle, 0, mm::NoError);
}

MMRESULT SimMixer::GetDevCaps(std::uintptr_t deviceId, MixerCaps* caps, DWORD size) {
    const int device = ResolveDevice(deviceId, 0);
    if (device < 0) return mm::BadDeviceId;
    if (!caps || size < mx::size::Caps) return mm::InvalidParam;
    const SimMixerDevice& mixer = devices_[static_cast<std::size_t>(device)];
    *caps = {};
    caps->wMid = mixer.manufacturerId;
    caps->wPid = mixer.productId;
    caps->vDriverVersion = mixer.driverVersion;
    CopyName(caps->szPname, sizeof caps->szPname, mixer.productName);
    caps->cDestinations = static_cast<DWORD>(mixer.destinations.size());
    return mm::NoError;
}

MMRESULT SimMixer::GetLineInfo(std::uintptr_t mixer, MixerLine* line, DWORD flags) {
    const int found = ResolveDevice(mixer, flags);
    if (found < 0) return mm::InvalidHandle;
    const auto device = static_cast<DWORD>(found);
    if (!line || line->cbStruct != mx::size::Line) return mm::InvalidParam;
    LineRef ref;
    switch (flags & 0x0000000Fu) {
        case mx::LineByDestination:
            ref = {static_cast<int>(std::min<DWORD>(line->dwDestination, 0x7FFFFFFF)), -1};
            break;
        case mx::LineBySource:
            ref = {static_cast<int>(std::min<DWORD>(line->dwDestination, 0x7FFFFFFF)),
                   static_cast<int>(std::min<DWORD>(line->dwSource, 0x7FFFFFFF))};
            break;
        case mx::LineById:
            ref = FindLineById(device, line->dwLineID);
            break;
        case mx::LineByComponentType: {
            const auto& destinations = devices_[device].destinations;
            for (int d = 0; d < static_cast<int>(destinations.size()) && ref.destination < 0; ++d) {
                if (destinations[static_cast<std::size_t>(d)].componentType == line->dwComponentType) ref = {d, -1};
            }
            for (int d = 0; d < static_cast<int>(destinations.size()) && ref.destination < 0; ++d) {
                const auto& sources = destinations[static_cast<std::size_t>(d)].sources;
                for (int s = 0; s < static_cast<int>(sources.size()) && ref.destination < 0; ++s) {
                    if (sources[static_cast<std::size_t>(s)].componentType == line->dwComponentType) ref = {d, s};
                }
            }
            break;
        }
        default:
            return mm::InvalidFlag;
    }
    const SimLine* target = FindLine(device, ref);
    if (!target) return mm::MixerInvalidLine;
    if (target->lineQueryFails) return mm::Error;
    FillLine(device, ref, line);
    return mm::NoError;
}

MMRESULT SimMixer::GetLineControls(std::uintptr_t mixer, MixerLineControls* controls, DWORD flags) {
    const int found = ResolveDevice(mixer, flags);
    if (found < 0) return mm::InvalidHandle;
    const auto device = static_cast<DWORD>(found);
    if (!controls || controls->cbStruct != mx::size::LineControls || !controls->pamxctrl ||
        controls->cbmxctrl < mx::size::Control) {
        return mm::InvalidParam;
    }
    const DWORD query = flags & 0x0000000Fu;
    if (query == mx::ControlsOneById) {
        const ControlRef ref = FindControl(device, controls->dwControl);
        if (ref.index < 0) return mm::MixerInvalidControl;
        if (FindLine(device, ref.line)->controlsQueryFails) return mm::Error;
        controls->dwLineID = LineId(device, ref.line.destination, ref.line.source);
        controls->pamxctrl[0].cbStruct = controls->cbmxctrl;
        FillControl(device, ref, controls->pamxctrl);
        controls->pamxctrl[0].dwControlID = controls->dwControl;
        return mm::NoError;
    }
    if (query != mx::ControlsAll && query != mx::ControlsOneByType) return mm::InvalidFlag;
    const LineRef lineRef = FindLineById(device, controls->dwLineID);
    const SimLine* line = FindLine(device, lineRef);
    if (!line) return mm::MixerInvalidLine;
    if (line->controlsQueryFails) return mm::Error;
    // Control IDs run through the device's lines in order.
    DWORD firstId = 1;
    while (true) {
        const ControlRef ref = FindControl(device, firstId);
        if (ref.index < 0 || (ref.line.destination == lineRef.destination && ref.line.source == lineRef.source)) break;
        ++firstId;
    }
    if (query == mx::ControlsAll) {
        if (controls->cControls == 0 || controls->cControls != line->controls.size()) return mm::InvalidParam;
        for (int c = 0; c < static_cast<int>(line->controls.size()); ++c) {
            MixerControl* target = &controls->pamxctrl[c];
            target->cbStruct = controls->cbmxctrl;
            FillControl(device, {lineRef, c}, target);
            target->dwControlID = firstId + static_cast<DWORD>(c);
        }
        return mm::NoError;
    }
    if (controls->cControls != 1) return mm::InvalidParam;
    for (int c = 0; c < static_cast<int>(line->controls.size()); ++c) {
        if (line->controls[static_cast<std::size_t>(c)].type != controls->dwControl) continue;
        controls->pamxctrl[0].cbStruct = controls->cbmxctrl;
        FillControl(device, {lineRef, c}, controls->pamxctrl);
        controls->pamxctrl[0].dwControlID = firstId + static_cast<DWORD>(c);
        return mm::NoError;
    }
    return mm::MixerInvalidControl;
}

MMRESULT SimMixer::GetControlDetails(std::uintptr_t mixer, MixerControlDetails* details, DWORD flags) {
    const int found = ResolveDevice(mixer, flags);
    if (found < 0) return mm::InvalidHandle;
    const auto device = static_cast<DWORD>(found);
    if (!details || details->cbStruct != mx::size::Details || !details->paDetails) return mm::InvalidParam;
    const ControlRef ref = FindControl(device, details->dwControlID);
    if (ref.index < 0) return mm::MixerInvalidControl;
    const DWORD channels = ChannelCount(device, ref);
    const DWORD items = ItemCount(device, ref);
    if (details->cChannels != 1 && details->cChannels != FindLine(device, ref.line)->channels) return mm::InvalidParam;
    if (details->cMultipleItems != items) return mm::InvalidParam;
    const DWORD asked = details->cChannels;
    const DWORD entries = asked * std::max<DWORD>(1, items);
    switch (flags & 0x0000000Fu) {
        case mx::DetailsValue: {
            if (details->cbDetails != mx::size::Value) return mm::InvalidParam;
            const std::vector<LONG>& stored = Stored(device, ref);
            auto* values = static_cast<LONG*>(details->paDetails);
            for (DWORD e = 0; e < entries; ++e) {
                const DWORD item = e / asked;
                const DWORD channel = std::min(e % asked, channels - 1);
                values[e] = stored[item * channels + channel];
            }
            return mm::NoError;
        }
        case mx::DetailsListText: {
            if (items == 0 || details->cbDetails < mx::size::ListText) return mm::InvalidParam;
            const SimControl& control = ControlAt(device, ref);
            const auto& sources = devices_[device].destinations[static_cast<std::size_t>(ref.line.destination)].sources;
            auto* bytes = static_cast<unsigned char*>(details->paDetails);
            for (DWORD e = 0; e < entries; ++e) {
                const DWORD item = e / asked;
                const int source = control.items.empty() ? static_cast<int>(item) : control.items[item];
                MixerListText text;
                if (source >= 0 && static_cast<std::size_t>(source) < sources.size()) {
                    const SimLine& line = sources[static_cast<std::size_t>(source)];
                    text.dwParam1 = SourceLineId(ref.line.destination, source);
                    text.dwParam2 = line.componentType;
                    CopyName(text.szName, sizeof text.szName, line.name);
                } else {
                    text.dwParam1 = kNoLine;
                    CopyName(text.szName, sizeof text.szName, "Unknown");
                }
                std::memcpy(bytes + e * details->cbDetails, &text, sizeof text);
            }
            return mm::NoError;
        }
        default:
            return mm::InvalidFlag;
    }
}

MMRESULT SimMixer::SetControlDetails(std::uintptr_t mixer, const MixerControlDetails* details, DWORD flags) {
    const int found = ResolveDevice(mixer, flags);
    if (found < 0) return Record("mixerSetControlDetails", mixer, 0, mm::InvalidHandle);
    const auto device = static_cast<DWORD>(found);
    if (!details || details->cbStruct != mx::size::Details || !details->paDetails ||
        details->cbDetails != mx::size::Value) {
        return Record("mixerSetControlDetails", mixer, details ? details->dwControlID : 0, mm::InvalidParam);
    }
    if ((flags & 0x0000000Fu) != mx::DetailsValue) {
        return Record("mixerSetControlDetails", mixer, details->dwControlID, mm::InvalidFlag);
    }
    const ControlRef ref = FindControl(device, details->dwControlID);
    if (ref.index < 0) return Record("mixerSetControlDetails", mixer, details->dwControlID, mm::MixerInvalidControl);
    const DWORD channels = ChannelCount(device, ref);
    const DWORD items = ItemCount(device, ref);
    if ((details->cChannels != 1 && details->cChannels != FindLine(device, ref.line)->channels) ||
        details->cMultipleItems != items) {
        return Record("mixerSetControlDetails", mixer, details->dwControlID, mm::InvalidParam);
    }
    const DWORD asked = details->cChannels;
    const auto* values = static_cast<const LONG*>(details->paDetails);
    const std::vector<LONG> written(values, values + asked * std::max<DWORD>(1, items));
    std::vector<LONG>& stored = Stored(device, ref);
    for (DWORD item = 0; item < std::max<DWORD>(1, items); ++item) {
        for (DWORD channel = 0; channel < channels; ++channel) {
            stored[item * channels + channel] = written[item * asked + std::min(channel, asked - 1)];
        }
    }
    Record("mixerSetControlDetails", mixer, details->dwControlID, mm::NoError, written);
    Notify(device, mx::MsgControlChange, details->dwControlID);
    return mm::NoError;
}

WindowHandle SimMixer::AllocateNotifyWindow(NotifyProc proc) {
    const WindowHandle window = nextHandle_++;
    windows_[window] = std::move(proc);
    return window;
}

void SimMixer::DeallocateNotifyWindow(WindowHandle window) { windows_.erase(window); }

// ---------------------------------------------------------------- recording

void SimWaveIn::SetRecorder(SimRecorder recorder) {
    recorder_ = std::move(recorder);
    passIndex_ = 0;
}

MMRESULT SimWaveIn::Record(const char* function, MMRESULT result) {
    calls_.push_back({function, handle_, 0, {}, result});
    return result;
}

void SimWaveIn::Fill() {
    if (!recording_ || queue_.empty() || format_.nAvgBytesPerSec == 0) return;
    const DWORD elapsed = clock_() - since_;
    std::uint64_t available = static_cast<std::uint64_t>(elapsed) * format_.nAvgBytesPerSec / 1000 - delivered_;
    while (!queue_.empty()) {
        WaveHeader* header = queue_.front();
        const std::uint64_t room = header->dwBufferLength - header->dwBytesRecorded;
        const auto take = static_cast<DWORD>(std::min(available, room));
        for (DWORD i = 0; i < take; ++i) {
            const auto& pattern = pass_ ? pass_->pattern : std::vector<std::uint8_t>{};
            header->lpData[header->dwBytesRecorded + i] =
                static_cast<char>(pattern.empty() ? 128 : pattern[patternPos_++ % pattern.size()]);
        }
        header->dwBytesRecorded += take;
        available -= take;
        delivered_ += take;
        if (header->dwBytesRecorded < header->dwBufferLength) break;
        header->dwFlags = (header->dwFlags & ~wave::InQueue) | wave::Done;
        queue_.erase(queue_.begin());
    }
}

void SimWaveIn::Deliver() { Fill(); }

DWORD SimWaveIn::GetNumDevs() { return recorder_.present ? 1 : 0; }

MMRESULT SimWaveIn::Open(WaveInHandle* handle, DWORD deviceId, const os::WaveFormat& format, std::uintptr_t,
                         std::uintptr_t, DWORD) {
    if (!handle) return Record("waveInOpen", mm::InvalidParam);
    *handle = 0;
    if (!recorder_.present || (deviceId != wave::Mapper && deviceId != 0)) return Record("waveInOpen", mm::BadDeviceId);
    if (open_) return Record("waveInOpen", mm::Allocated);
    const bool pcm = format.wFormatTag == wave::FormatPcm && (format.nChannels == 1 || format.nChannels == 2) &&
                     (format.wBitsPerSample == 8 || format.wBitsPerSample == 16) && format.nSamplesPerSec > 0 &&
                     format.nBlockAlign == format.nChannels * format.wBitsPerSample / 8 &&
                     format.nAvgBytesPerSec == format.nSamplesPerSec * format.nBlockAlign;
    if (!pcm) return Record("waveInOpen", wave::BadFormat);
    if (recorder_.openError) return Record("waveInOpen", recorder_.openError);
    open_ = true;
    handle_ = *handle = nextHandle_++;
    format_ = format;
    queue_.clear();
    recording_ = false;
    return Record("waveInOpen", mm::NoError);
}

MMRESULT SimWaveIn::PrepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) {
    Deliver();
    if (!Valid(handle)) return Record("waveInPrepareHeader", mm::InvalidHandle);
    if (!header || size != sizeof(WaveHeader) || !header->lpData) return Record("waveInPrepareHeader", mm::InvalidParam);
    if (recorder_.prepareError) return Record("waveInPrepareHeader", recorder_.prepareError);
    header->dwFlags |= wave::Prepared;
    return Record("waveInPrepareHeader", mm::NoError);
}

MMRESULT SimWaveIn::UnprepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) {
    Deliver();
    if (!Valid(handle)) return Record("waveInUnprepareHeader", mm::InvalidHandle);
    if (!header || size != sizeof(WaveHeader)) return Record("waveInUnprepareHeader", mm::InvalidParam);
    if (header->dwFlags & wave::InQueue) return Record("waveInUnprepareHeader", wave::StillPlaying);
    header->dwFlags &= ~wave::Prepared;
    return Record("waveInUnprepareHeader", mm::NoError);
}

MMRESULT SimWaveIn::AddBuffer(WaveInHandle handle, WaveHeader* header, DWORD size) {
    Deliver();
    if (!Valid(handle)) return Record("waveInAddBuffer", mm::InvalidHandle);
    if (!header || size != sizeof(WaveHeader) || !header->lpData) return Record("waveInAddBuffer", mm::InvalidParam);
    if (!(header->dwFlags & wave::Prepared)) return Record("waveInAddBuffer", wave::Unprepared);
    if (header->dwFlags & wave::InQueue) return Record("waveInAddBuffer", wave::StillPlaying);
    if (recorder_.addError) return Record("waveInAddBuffer", recorder_.addError);
    header->dwFlags = (header->dwFlags & ~wave::Done) | wave::InQueue;
    header->dwBytesRecorded = 0;
    queue_.push_back(header);
    return Record("waveInAddBuffer", mm::NoError);
}

MMRESULT SimWaveIn::Start(WaveInHandle handle) {
    Deliver();
    if (!Valid(handle)) return Record("waveInStart", mm::InvalidHandle);
    if (recorder_.startError) return Record("waveInStart", recorder_.startError);
    if (recording_) return Record("waveInStart", mm::NoError);
    recording_ = true;
    since_ = clock_();
    delivered_ = 0;
    pass_ = recorder_.passes.empty() ? nullptr : &recorder_.passes[std::min(passIndex_, recorder_.passes.size() - 1)];
    ++passIndex_;
    patternPos_ = 0;
    ++passesStarted_;
    return Record("waveInStart", mm::NoError);
}

MMRESULT SimWaveIn::Reset(WaveInHandle handle) {
    Deliver();
    if (!Valid(handle)) return Record("waveInReset", mm::InvalidHandle);
    recording_ = false;
    for (WaveHeader* header : queue_) header->dwFlags = (header->dwFlags & ~wave::InQueue) | wave::Done;
    queue_.clear();
    return Record("waveInReset", mm::NoError);
}

MMRESULT SimWaveIn::Close(WaveInHandle handle) {
    Deliver();
    if (!Valid(handle)) return Record("waveInClose", mm::InvalidHandle);
    if (!queue_.empty()) return Record("waveInClose", wave::StillPlaying);
    open_ = false;
    recording_ = false;
    return Record("waveInClose", mm::NoError);
}

namespace {

// The texts the system gives (as Wine has them).
const char* WaveErrorText(MMRESULT error) {
    switch (error) {
        case 1: return "Undefined external error.";
        case 2: return "A device ID has been used that is out of range for your system.";
        case 3: return "The driver was not enabled.";
        case 4: return "The specified device is already in use. Wait until it is free, and then try again.";
        case 5: return "The specified device handle is invalid.";
        case 6: return "There is no driver installed on your system!";
        case 7:
            return "Not enough memory available for this task. Quit one or more applications to increase available "
                   "memory, and then try again.";
        case 8:
            return "This function is not supported. Use the Capabilities function to determine which functions and "
                   "messages the driver supports.";
        case 9: return "An error number was specified that is not defined in the system.";
        case 10: return "An invalid flag was passed to a system function.";
        case 11: return "An invalid parameter was passed to a system function.";
        case 32:
            return "The specified format is not supported or cannot be translated. Use the Capabilities function to "
                   "determine the supported formats";
        case 33:
            return "Cannot perform this operation while media data is still playing. Reset the device, or wait until "
                   "the data is finished playing.";
        case 34: return "The wave header was not prepared. Use the Prepare function to prepare the header, and then try again.";
        case 35: return "Cannot open the device without using the WAVE_ALLOWSYNC flag. Use the flag, and then try again.";
        default: return nullptr;
    }
}

const char* MciErrorText(DWORD error) {
    switch (error) {
        case 257: return "Invalid MCI device ID. Use the ID returned when opening the MCI device.";
        case 263: return "The specified device is not open or is not recognized by MCI.";
        case 300: return "Cannot use the 'notify' flag with auto-opened devices.";
        default: return nullptr;
    }
}

void CutInto(std::string* target, const char* text, DWORD size) {
    const std::string whole = text ? text : "";
    *target = size == 0 ? std::string() : whole.substr(0, size - 1);
}

}  // namespace

MMRESULT SimWaveIn::GetErrorText(MMRESULT error, std::string* text, DWORD size) {
    if (!text) return mm::InvalidParam;
    const char* known = WaveErrorText(error);
    CutInto(text, known, size);
    return known ? mm::NoError : 9;  // MMSYSERR_BADERRNUM
}

bool SimWaveIn::MciErrorString(DWORD error, std::string* text, DWORD size) {
    if (!text) return false;
    const char* known = MciErrorText(error);
    CutInto(text, known, size);
    return known != nullptr;
}

}  // namespace os::sim
