#pragma once
// TssVolumeController: the master playback level of the computer, the volume and mute controls
// of mixer device 0's speakers line, as a percentage Volume (0..100), a left/right Balance
// (-100..100) and a Mute switch. It opens the mixer itself, once, and finds the controls then.
// Creating one unmutes the speakers; a form that stores Mute, Volume and Balance applies them
// as it loads.
#include <cstdint>

#include "platform/os/Mixer.h"
#include "platform/vcl/Component.h"

class TssVolumeController : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TssVolumeController(vcl::TComponent* owner);
    ~TssVolumeController() override;

    // The last value written; the mixer is not asked.
    bool Mute() const { return mute_; }
    void SetMute(bool value);
    // Read from the mixer (keeping what was read); out-of-range writes are ignored.
    std::int32_t Volume();
    void SetVolume(std::int32_t value);
    std::int32_t Balance();
    void SetBalance(std::int32_t value);

    // Whether the speakers line offered the control; without it nothing is written to it.
    bool HasVolumeControl() const { return hasVolume_; }
    bool HasMuteControl() const { return hasMute_; }

private:
    // Published access (the getters read the mixer, so they are not const).
    std::int32_t StoredVolume() const;
    std::int32_t StoredBalance() const;

    void FindSpeakerControls();
    void ApplyVolume(std::int32_t volume, std::int32_t balance);
    void ReadVolume(std::int32_t& volume, std::int32_t& balance);
    void ApplyMute(bool value);

    os::MixerHandle MixerHandle = 0;
    bool opened_ = false;
    os::MixerControl MuteControl{};
    os::MixerControl VolumeControl{};
    bool hasMute_ = false;
    bool hasVolume_ = false;
    bool mute_ = false;
    std::int32_t volume_ = 0;
    std::int32_t balance_ = 0;
};

// Makes TAudioMixer and TssVolumeController known to form definitions.
void RegisterMixerClasses();
