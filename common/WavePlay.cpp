#include "common/WavePlay.h"

#include "platform/os/Os.h"

const vcl::ClassInfo& TWavePlayer::StaticClassInfo() {
    using Self = TWavePlayer;
    static const vcl::ClassInfo info = vcl::ClassBuilder<Self>("TWavePlayer", &TComponent::StaticClassInfo())
                                           .Property("Active", &Self::Active, &Self::SetActive, false)
                                           .Property("StopOthers", &Self::StopOthers, &Self::SetStopOthers, false)
                                           .Property("WaitToStop", &Self::WaitToStop, &Self::SetWaitToStop, false)
                                           .Property("Loop", &Self::Loop, &Self::SetLoop, false)
                                           .Property("Sound", &Self::SoundBytes, &Self::SetSoundBytes)
                                           .Transient()  // stored as "Data"
                                           .Creatable()
                                           .Build();
    return info;
}

TWavePlayer::TWavePlayer(vcl::TComponent* owner) : TComponent(owner) {}

// Stopped first: an asynchronous sound is played from the bytes held here.
TWavePlayer::~TWavePlayer() { Stop(); }

void TWavePlayer::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        Play();
    } else {
        Stop();
    }
}

std::vector<std::uint8_t> TWavePlayer::SoundBytes() const { return {sound_.Memory(), sound_.Memory() + sound_.Size()}; }

void TWavePlayer::SetSoundBytes(const std::vector<std::uint8_t>& bytes) {
    sound_.Clear();
    sound_.WriteBuffer(bytes.data(), bytes.size());
    sound_.SetPosition(0);
}

void TWavePlayer::Play() {
    Stop();
    if (sound_.Size() == 0) return;
    os::DWORD flags = os::snd::Memory;
    if (!stopOthers_) flags |= os::snd::NoStop;
    if (!waitToStop_) flags |= os::snd::Async;
    if (loop_) flags |= os::snd::Loop;
    const bool accepted = os::sound().PlayImage({sound_.Memory(), sound_.Size()}, flags);
    active_ = accepted && loop_;
}

void TWavePlayer::Stop() {
    active_ = false;
    os::sound().PlayImage({}, os::snd::Memory);
}

void TWavePlayer::DefineProperties(vcl::TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<std::uint8_t>& bytes) { SetSoundBytes(bytes); },
        [this] { return SoundBytes(); }, sound_.Size() > 0);
}
