#pragma once
// A sound player that records every request and keeps track of the sound it plays on the
// simulated clock: a sound started at some tick plays for its length (a looping one until it
// is stopped), a synchronous request returns once its sound has played, moving the clock on.
// It knows no sound files; resources are the ones a test adds.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/SoundPlayer.h"
#include "platform/os/sim/SimSystem.h"

namespace os::sim {

struct SoundCall {
    enum class Function { SndPlaySound, PlaySound };
    Function function = Function::SndPlaySound;
    std::vector<std::uint8_t> image;   // what an image request passed
    std::optional<std::string> name;   // what a named request passed; none for the null sound
    ModuleHandle module = 0;
    DWORD flags = 0;
    bool result = false;

    bool IsNullSound() const { return image.empty() && !name; }
};

class SimSoundPlayer : public SoundPlayer {
public:
    explicit SimSoundPlayer(SimSystem& clock) : clock_(clock) {}

    // A WAVE resource of `module` (resource names compare without regard to case).
    void AddResource(ModuleHandle module, const std::string& name, std::vector<std::uint8_t> image);

    const std::vector<SoundCall>& Calls() const { return calls_; }
    // Whether a sound is playing at the clock's current tick.
    bool Playing() const;

    bool PlayImage(std::span<const std::uint8_t> image, DWORD flags) override;
    bool PlayByName(const char* name, ModuleHandle module, DWORD flags) override;

private:
    struct Sound {
        DWORD started = 0;
        std::uint64_t durationMs = 0;
        bool loop = false;
    };

    bool Play(std::span<const std::uint8_t> image, DWORD flags);
    bool Record(SoundCall call);

    SimSystem& clock_;
    std::map<std::pair<ModuleHandle, std::string>, std::vector<std::uint8_t>> resources_;
    std::optional<Sound> playing_;
    std::vector<SoundCall> calls_;
};

}  // namespace os::sim
