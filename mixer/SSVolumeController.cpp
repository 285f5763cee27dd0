#include "mixer/SSVolumeController.h"

#include <algorithm>
#include <array>
#include <vector>

#include "mixer/AMixer.h"
#include "platform/os/Os.h"

namespace {

constexpr std::int64_t kFullScale = 65535;

}  // namespace

const vcl::ClassInfo& TssVolumeController::StaticClassInfo() {
    using Self = TssVolumeController;
    // No defaults: a form always stores all three, and applies them in this order.
    static const vcl::ClassInfo info = vcl::ClassBuilder<Self>("TssVolumeController", &TComponent::StaticClassInfo())
                                           .Property("Mute", &Self::Mute, &Self::SetMute)
                                           .Property("Volume", &Self::StoredVolume, &Self::SetVolume)
                                           .Property("Balance", &Self::StoredBalance, &Self::SetBalance)
                                           .Creatable()
                                           .Build();
    return info;
}

TssVolumeController::TssVolumeController(vcl::TComponent* owner) : TComponent(owner) {
    FindSpeakerControls();
    SetMute(false);
    ReadVolume(volume_, balance_);
}

TssVolumeController::~TssVolumeController() {
    if (opened_) os::mixer().Close(MixerHandle);
}

std::int32_t TssVolumeController::StoredVolume() const { return const_cast<TssVolumeController*>(this)->Volume(); }

std::int32_t TssVolumeController::StoredBalance() const { return const_cast<TssVolumeController*>(this)->Balance(); }

void TssVolumeController::SetMute(bool value) {
    mute_ = value;
    ApplyMute(value);
}

std::int32_t TssVolumeController::Volume() {
    ReadVolume(volume_, balance_);
    return volume_;
}

void TssVolumeController::SetVolume(std::int32_t value) {
    if (value < 0 || value > 100) return;
    volume_ = value;
    ApplyVolume(volume_, balance_);
}

std::int32_t TssVolumeController::Balance() {
    ReadVolume(volume_, balance_);
    return balance_;
}

void TssVolumeController::SetBalance(std::int32_t value) {
    if (value < -100 || value > 100) return;
    balance_ = value;
    ApplyVolume(volume_, balance_);
}

void TssVolumeController::FindSpeakerControls() {
    os::Mixer& mixer = os::mixer();
    opened_ = mixer.Open(&MixerHandle, 0, 0, 0, 0) == os::mm::NoError;
    if (!opened_) return;

    os::MixerLine line;
    line.cbStruct = os::mx::size::Line;
    line.dwComponentType = os::mx::DstSpeakers;
    if (mixer.GetLineInfo(MixerHandle, &line, os::mx::LineByComponentType) != os::mm::NoError || line.cControls == 0)
        return;

    // As many records as the line says it has controls.
    std::vector<os::MixerControl> controls(line.cControls);
    os::MixerLineControls query;
    query.cbStruct = os::mx::size::LineControls;
    query.dwLineID = line.dwLineID;
    query.cControls = line.cControls;
    query.cbmxctrl = os::mx::size::Control;
    query.pamxctrl = controls.data();
    if (mixer.GetLineControls(MixerHandle, &query, os::mx::ControlsAll) != os::mm::NoError) return;

    // A later match replaces an earlier one.
    for (const os::MixerControl& control : controls) {
        if (control.dwControlType == os::mx::CtlVolume) {
            VolumeControl = control;
            hasVolume_ = true;
        } else if (control.dwControlType == os::mx::CtlMute) {
            MuteControl = control;
            hasMute_ = true;
        }
    }
}

void TssVolumeController::ApplyVolume(std::int32_t volume, std::int32_t balance) {
    if (!hasVolume_) return;
    const std::int64_t level = volume * kFullScale / 100;
    std::array<std::uint32_t, 2> values{};
    if (balance < 0) {
        values = {static_cast<std::uint32_t>(level), static_cast<std::uint32_t>((balance + 100) * level / 100)};
    } else {
        values = {static_cast<std::uint32_t>((100 - balance) * level / 100), static_cast<std::uint32_t>(level)};
    }
    os::MixerControlDetails details;
    details.cbStruct = os::mx::size::Details;
    details.dwControlID = VolumeControl.dwControlID;
    details.cChannels = 2;
    details.cbDetails = os::mx::size::Value;
    details.paDetails = values.data();
    // Device 0 by its number, as the mixer was found.
    os::mixer().SetControlDetails(0, &details, os::mx::DetailsValue);
}

void TssVolumeController::ReadVolume(std::int32_t& volume, std::int32_t& balance) {
    if (!hasVolume_) return;
    std::array<std::uint32_t, 2> values{};
    os::MixerControlDetails details;
    details.cbStruct = os::mx::size::Details;
    details.dwControlID = VolumeControl.dwControlID;
    details.cChannels = 2;
    details.cbDetails = os::mx::size::Value;
    details.paDetails = values.data();
    // A failed read tells nothing: the stored values stay.
    if (os::mixer().GetControlDetails(MixerHandle, &details, os::mx::DetailsValue) != os::mm::NoError) return;
    const std::int64_t left = values[0];
    const std::int64_t right = values[1];
    volume = static_cast<std::int32_t>(std::min<std::int64_t>(std::max(left, right) * 100 / kFullScale, 100));
    if (volume == 0)
        balance = 0;
    else if (left > right)
        balance = static_cast<std::int32_t>((right - left) * 100 / left);
    else
        balance = static_cast<std::int32_t>((right - left) * 100 / right);
}

void TssVolumeController::ApplyMute(bool value) {
    if (!hasMute_) return;
    std::uint32_t entry = value ? 1 : 0;
    os::MixerControlDetails details;
    details.cbStruct = os::mx::size::Details;
    details.dwControlID = MuteControl.dwControlID;
    details.cChannels = 1;
    details.cbDetails = os::mx::size::Value;
    details.paDetails = &entry;
    os::mixer().SetControlDetails(MixerHandle, &details, os::mx::DetailsValue);
}

void RegisterMixerClasses() {
    vcl::RegisterComponentClass(TAudioMixer::StaticClassInfo());
    vcl::RegisterComponentClass(TssVolumeController::StaticClassInfo());
}
