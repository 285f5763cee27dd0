#pragma once
// TWavePlayer: plays a wave file held in the component itself, stored with the form definition
// as the binary property "Data".
#include <cstdint>
#include <vector>

#include "platform/vcl/Component.h"
#include "platform/vcl/Streams.h"

class TWavePlayer : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TWavePlayer(vcl::TComponent* owner);
    ~TWavePlayer() override;

    // True while a looping sound plays. Setting it plays or stops; setting it unchanged does
    // nothing.
    bool Active() const { return active_; }
    void SetActive(bool active);
    // Cuts off any sound playing, else the sound is refused while another one plays.
    bool StopOthers() const { return stopOthers_; }
    void SetStopOthers(bool stopOthers) { stopOthers_ = stopOthers; }
    // Play returns only once the sound has played.
    bool WaitToStop() const { return waitToStop_; }
    void SetWaitToStop(bool waitToStop) { waitToStop_ = waitToStop; }
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }

    // The whole RIFF/WAVE file image to play.
    vcl::TMemoryStream& Sound() { return sound_; }
    const vcl::TMemoryStream& Sound() const { return sound_; }
    // The same bytes, for access by property name.
    std::vector<std::uint8_t> SoundBytes() const;
    void SetSoundBytes(const std::vector<std::uint8_t>& bytes);

    // Stops what plays, then plays the sound, if there is one.
    void Play();
    void Stop();

    void DefineProperties(vcl::TFiler& filer) override;

private:
    bool active_ = false;
    bool stopOthers_ = false;
    bool waitToStop_ = false;
    bool loop_ = false;
    vcl::TMemoryStream sound_;
};
