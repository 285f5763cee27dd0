#include "mixer/AMixer.h"

#include <algorithm>
#include <cstring>

#include "platform/os/Os.h"

// ---------------------------------------------------------------- lists

void* TPointerList::Items(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return list_[static_cast<std::size_t>(Index)];
}

int TPointerList::Add(void* Item) {
    list_.push_back(Item);
    return Count() - 1;
}

void TPointerList::Clear() {
    if (OnFreeItem) {
        for (void* item : list_) OnFreeItem(item);
    }
    list_.clear();
}

TMixerControls::TMixerControls(TAudioMixer* mixer, const os::MixerLine& line) : ControlBlock(line.cControls) {
    os::MixerLineControls query;
    query.cbStruct = os::mx::size::LineControls;
    query.dwLineID = line.dwLineID;
    query.cControls = line.cControls;
    query.cbmxctrl = os::mx::size::Control;
    query.pamxctrl = ControlBlock.data();
    for (os::MixerControl& control : ControlBlock) control.cbStruct = os::mx::size::Control;
    if (ControlBlock.empty()) return;
    if (os::mixer().GetLineControls(mixer->MixerHandle(), &query, os::mx::ControlsAll) != os::mm::NoError) return;
    for (os::MixerControl& control : ControlBlock) list_.Add(&control);
}

TMixerConnection::TMixerConnection(TAudioMixer* mixer, const os::MixerLine& line)
    : mixer_(mixer), LineInfo_(line), Controls_(std::make_unique<TMixerControls>(mixer, LineInfo_)) {}

TMixerConnections::TMixerConnections(TAudioMixer* mixer, const os::MixerLine& destination) : mixer_(mixer) {
    list_.OnFreeItem = [](void* item) { delete static_cast<TMixerConnection*>(item); };
    os::MixerLine query;
    query.cbStruct = os::mx::size::Line;
    query.dwDestination = destination.dwDestination;
    for (os::DWORD source = 0; source < destination.cConnections; ++source) {
        query.dwSource = source;
        if (os::mixer().GetLineInfo(mixer->MixerHandle(), &query, os::mx::LineBySource) != os::mm::NoError) continue;
        auto connection = std::make_unique<TMixerConnection>(mixer, query);
        list_.Add(connection.release());
    }
}

TMixerDestination::TMixerDestination(TAudioMixer* mixer, const os::MixerLine& line)
    : mixer_(mixer),
      LineInfo_(line),
      Connections_(std::make_unique<TMixerConnections>(mixer, LineInfo_)),
      Controls_(std::make_unique<TMixerControls>(mixer, LineInfo_)) {}

TMixerDestination::~TMixerDestination() {
    Controls_.reset();  // controls first, then connections
    Connections_.reset();
}

TMixerDestinations::TMixerDestinations(TAudioMixer* mixer) {
    list_.OnFreeItem = [](void* item) { delete static_cast<TMixerDestination*>(item); };
    if (!mixer) return;
    for (os::DWORD d = 0; d < mixer->MixerCaps().cDestinations; ++d) {
        os::MixerLine line;
        line.cbStruct = os::mx::size::Line;
        line.dwDestination = d;
        if (os::mixer().GetLineInfo(mixer->MixerHandle(), &line, os::mx::LineByDestination) != os::mm::NoError) {
            continue;
        }
        auto destination = std::make_unique<TMixerDestination>(mixer, line);
        list_.Add(destination.release());
    }
}

// ---------------------------------------------------------------- the component

const vcl::ClassInfo& TAudioMixer::StaticClassInfo() {
    // The read-only properties can be read by name but are never stored.
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TAudioMixer>("TAudioMixer", &TComponent::StaticClassInfo())
            .Property("DriverVersion", &TAudioMixer::DriverVersion, &TAudioMixer::SetNothing)
            .Transient()
            .Property("ProductId", &TAudioMixer::ProductId, &TAudioMixer::SetNothing16)
            .Transient()
            .Property("NumberOfLine", &TAudioMixer::NumberOfLine, &TAudioMixer::SetNothingInt)
            .Transient()
            .Property("Manufacturer", &TAudioMixer::Manufacturer, &TAudioMixer::SetNothingText)
            .Transient()
            .Property("ProductName", &TAudioMixer::ProductName, &TAudioMixer::SetNothingText)
            .Transient()
            .Property("MixerId", &TAudioMixer::MixerId, &TAudioMixer::SetMixerId)
            .NoDefault()
            .Property("OnLineChange", &TAudioMixer::OnLineChange, &TAudioMixer::SetOnLineChange)
            .Property("OnControlChange", &TAudioMixer::OnControlChange, &TAudioMixer::SetOnControlChange)
            .Creatable()
            .Build();
    return info;
}

TAudioMixer::TAudioMixer(vcl::TComponent* owner) : TComponent(owner) {
    WindowHandle_ = os::mixer().AllocateNotifyWindow(
        [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
            return MixerWndProc(message, wParam, lParam);
        });
    NumberOfMixers_ = static_cast<std::int32_t>(std::min<os::DWORD>(os::mixer().GetNumDevs(), 0x7FFFFFFF));
    MixerId_ = -1;
    if (NumberOfMixers_ == 0) {
        Destinations_ = std::make_unique<TMixerDestinations>(nullptr);
    } else {
        SetMixerId(0);
    }
}

TAudioMixer::~TAudioMixer() {
    CloseMixer();
    if (WindowHandle_) os::mixer().DeallocateNotifyWindow(WindowHandle_);
}

void TAudioMixer::CloseMixer() {
    if (MixerId_ >= 0) {
        os::mixer().Close(MixerHandle_);
        MixerHandle_ = 0;
        MixerId_ = -1;
    }
    Destinations_.reset();
}

void TAudioMixer::SetMixerId(std::int32_t value) {
    if (value < 0 || value >= NumberOfMixers_) return;
    CloseMixer();
    os::Mixer& mixer = os::mixer();
    const auto device = static_cast<os::DWORD>(value);
    os::MixerHandle handle = 0;
    // Notifications need the window; a driver that refuses it still serves without them.
    os::MMRESULT result = mixer.Open(&handle, device, WindowHandle_, 0, os::mx::CallbackWindow);
    if (result != os::mm::NoError) result = mixer.Open(&handle, device, WindowHandle_, 0, os::mx::CallbackWindow);
    if (result != os::mm::NoError) result = mixer.Open(&handle, device, 0, 0, 0);
    if (result != os::mm::NoError) {
        MixerId_ = -1;
        Destinations_ = std::make_unique<TMixerDestinations>(nullptr);
        return;
    }
    MixerHandle_ = handle;
    MixerId_ = value;
    MixerCaps_ = {};
    mixer.GetDevCaps(device, &MixerCaps_, os::mx::size::Caps);
    Manufacturer_ = MixerCaps_.wMid == 1 ? "Microsoft" : std::to_string(MixerCaps_.wMid) + " = Unknown";
    DriverVersion_ = MixerCaps_.vDriverVersion;
    ProductId_ = MixerCaps_.wPid;
    ProductName_ = std::string(MixerCaps_.szPname, strnlen(MixerCaps_.szPname, sizeof MixerCaps_.szPname));
    NumberOfLine_ = static_cast<std::int32_t>(std::min<os::DWORD>(MixerCaps_.cDestinations, 0x7FFFFFFF));
    Destinations_ = std::make_unique<TMixerDestinations>(this);
}

std::optional<std::intptr_t> TAudioMixer::MixerWndProc(std::uint32_t message, std::uintptr_t wParam,
                                                       std::intptr_t lParam) {
    const auto handle = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
    const auto id = static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam));
    switch (message) {
        case os::mx::MsgLineChange:
            if (OnLineChange_) OnLineChange_(this, handle, id);
            return 0;
        case os::mx::MsgControlChange:
            if (OnControlChange_) OnControlChange_(this, handle, id);
            return 0;
        default:
            return std::nullopt;
    }
}

namespace {

bool Has(os::DWORD flags, os::DWORD flag) { return (flags & flag) != 0; }

}  // namespace

bool TAudioMixer::SetLineVolume(std::int32_t DestIndex, std::int32_t ConnIndex, std::int32_t Left, std::int32_t Right,
                                std::int32_t Switch) {
    if (!Destinations_) return false;
    TMixerDestination* dest = Destinations_->Items(DestIndex);
    if (!dest) return false;
    const TMixerConnection* source = nullptr;
    if (ConnIndex != -1) {
        source = dest->Connections().Items(ConnIndex);
        if (!source) return false;
    }
    const TMixerControls& controls = source ? source->Controls() : dest->Controls();
    const os::MixerLine& line = source ? source->LineInfo() : dest->LineInfo();
    os::Mixer& mixer = os::mixer();

    bool volumeDone = Left == -1;
    bool switchDone = Switch == -1;
    std::vector<os::LONG> values(kMaxValueEntries, 0);
    for (int i = 0; i < controls.Count() && !(volumeDone && switchDone); ++i) {
        const os::MixerControl& control = *controls.Items(i);
        if (Has(control.fdwControl, os::mx::ControlMultiple)) continue;
        const bool volume = control.dwControlType == os::mx::CtlVolume && !volumeDone;
        const bool mute = control.dwControlType == os::mx::CtlMute && !switchDone;
        if (!volume && !mute) continue;
        if (volume) volumeDone = true;
        if (mute) switchDone = true;
        const os::DWORD channels = Has(control.fdwControl, os::mx::ControlUniform) ? 1 : line.cChannels;
        if (channels == 0 || channels > kMaxValueEntries) continue;  // more than the array holds: refused
        std::fill(values.begin(), values.end(), 0);
        for (os::DWORD c = 0; c < channels; ++c) {
            // Further channels of a surround line take the left and right values in turn.
            values[c] = volume ? (c % 2 == 0 ? Left : (Right == -1 ? Left : Right)) : Switch;
        }
        os::MixerControlDetails details;
        details.cbStruct = os::mx::size::Details;
        details.dwControlID = control.dwControlID;
        details.cChannels = channels;
        details.cMultipleItems = 0;
        details.cbDetails = os::mx::size::Value;
        details.paDetails = values.data();
        mixer.SetControlDetails(MixerHandle_, &details, os::mx::DetailsValue);
    }
    if (switchDone || ConnIndex == -1) return true;

    // A source without a mute switch of its own: its entry in the destination's selector.
    const TMixerControls& selectors = dest->Controls();
    for (int i = 0; i < selectors.Count(); ++i) {
        const os::MixerControl& selector = *selectors.Items(i);
        const bool mux = selector.dwControlType == os::mx::CtlMux;
        if (!mux && selector.dwControlType != os::mx::CtlMixer) continue;
        const os::DWORD k = Has(selector.fdwControl, os::mx::ControlUniform) ? 1 : dest->LineInfo().cChannels;
        const os::DWORD m = Has(selector.fdwControl, os::mx::ControlMultiple) ? selector.cMultipleItems : 0;
        const std::uint64_t entries = std::uint64_t{k} * std::max<os::DWORD>(1, m);
        if (k == 0 || entries > kMaxValueEntries) break;  // more than the array holds: refused
        std::fill(values.begin(), values.end(), 0);
        os::MixerControlDetails details;
        details.cbStruct = os::mx::size::Details;
        details.dwControlID = selector.dwControlID;
        details.cChannels = k;
        details.cMultipleItems = m;
        details.cbDetails = os::mx::size::Value;
        details.paDetails = values.data();
        mixer.GetControlDetails(MixerHandle_, &details, os::mx::DetailsValue);
        if (mux) std::fill_n(values.begin(), std::min<os::DWORD>(m, kMaxValueEntries), 0);

        std::vector<os::MixerListText> texts(static_cast<std::size_t>(entries));
        os::MixerControlDetails listDetails = details;
        listDetails.cbDetails = os::mx::size::ListText;
        listDetails.paDetails = texts.data();
        if (m > 0) mixer.GetControlDetails(MixerHandle_, &listDetails, os::mx::DetailsListText);
        std::optional<os::DWORD> found;
        for (os::DWORD p = k - 1; p < m && p < kMaxSelectorPositions; p += k) {
            if (texts[p].dwParam1 == source->LineInfo().dwLineID) {
                found = p;
                break;
            }
        }
        if (found) {
            values[*found] = Switch;
            mixer.SetControlDetails(MixerHandle_, &details, os::mx::DetailsValue);
        }
        break;
    }
    return true;
}
