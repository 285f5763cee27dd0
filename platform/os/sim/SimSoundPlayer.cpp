#include "platform/os/sim/SimSoundPlayer.h"

#include <algorithm>
#include <cctype>

#include "platform/os/sim/WaveImage.h"

namespace os::sim {

namespace {

std::string ResourceKey(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return name;
}

}  // namespace

void SimSoundPlayer::AddResource(ModuleHandle module, const std::string& name, std::vector<std::uint8_t> image) {
    resources_[{module, ResourceKey(name)}] = std::move(image);
}

bool SimSoundPlayer::Playing() const {
    if (!playing_) return false;
    const DWORD elapsed = clock_.TickCount() - playing_->started;  // right across the wrap
    return playing_->loop || elapsed < playing_->durationMs;
}

bool SimSoundPlayer::PlayImage(std::span<const std::uint8_t> image, DWORD flags) {
    SoundCall call{SoundCall::Function::SndPlaySound, {image.begin(), image.end()}, std::nullopt, 0, flags, false};
    if (!image.empty() && !IsMemoryRequest(flags)) return Record(std::move(call));
    call.result = Play(image, flags);
    return Record(std::move(call));
}

bool SimSoundPlayer::PlayByName(const char* name, ModuleHandle module, DWORD flags) {
    SoundCall call{SoundCall::Function::PlaySound, {}, std::nullopt, module, flags, false};
    if (!name) {
        call.result = Play({}, flags);
        return Record(std::move(call));
    }
    call.name = name;
    const auto resource = resources_.find({module, ResourceKey(name)});
    // No sound files or aliases here: only resources can be found.
    if ((flags & snd::Resource) != snd::Resource || resource == resources_.end()) return Record(std::move(call));
    call.result = Play(resource->second, flags);
    return Record(std::move(call));
}

bool SimSoundPlayer::Play(std::span<const std::uint8_t> image, DWORD flags) {
    if ((flags & snd::NoStop) && Playing()) return false;
    if (image.empty()) {
        playing_.reset();
        return true;
    }
    const std::optional<WaveImage> wave = ParseWaveImage(image);
    if (!wave) return false;
    playing_.reset();
    if (flags & snd::Async) {
        playing_ = Sound{clock_.TickCount(), wave->DurationMs(), (flags & snd::Loop) != 0};
    } else {
        // The call returns once the sound has played, once: looping needs SND_ASYNC.
        clock_.Advance(static_cast<DWORD>(wave->DurationMs()));
    }
    return true;
}

bool SimSoundPlayer::Record(SoundCall call) {
    calls_.push_back(std::move(call));
    return calls_.back().result;
}

}  // namespace os::sim
