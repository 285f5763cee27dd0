#pragma once
// The sound player: sndPlaySoundA for wave file images held in memory and PlaySoundA for
// sounds named by a resource, with their flags and results.
#include <cstdint>
#include <span>

#include "platform/os/WinTypes.h"

namespace os {

using ModuleHandle = std::uintptr_t;  // an HMODULE; 0 is the program itself

namespace snd {
inline constexpr DWORD Sync = 0x0000;
inline constexpr DWORD Async = 0x0001;
inline constexpr DWORD NoDefault = 0x0002;
inline constexpr DWORD Memory = 0x0004;
inline constexpr DWORD Loop = 0x0008;
inline constexpr DWORD NoStop = 0x0010;
inline constexpr DWORD Purge = 0x0040;
inline constexpr DWORD Resource = 0x00040004;  // includes the Memory bit, as Windows defines it
}  // namespace snd

// Whether `flags` ask for an image in memory rather than a resource.
inline bool IsMemoryRequest(DWORD flags) { return (flags & snd::Resource) == snd::Memory; }

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // sndPlaySoundA(image, flags). A non-empty `image` is a whole RIFF/WAVE file and needs
    // SND_MEMORY among the flags (refused otherwise); with SND_ASYNC it must outlive the sound.
    // An empty one is passed as the null sound, which stops the sound playing. False when the
    // sound was not played: SND_NOSTOP while a sound plays, or a sound that cannot be played.
    virtual bool PlayImage(std::span<const std::uint8_t> image, DWORD flags) = 0;

    // PlaySoundA(name, module, flags): with SND_RESOURCE, the WAVE resource `name` of `module`.
    // A null name stops the sound playing.
    virtual bool PlayByName(const char* name, ModuleHandle module, DWORD flags) = 0;
};

}  // namespace os
