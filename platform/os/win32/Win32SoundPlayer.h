#pragma once
// sndPlaySoundA and PlaySoundA.
#include "platform/os/SoundPlayer.h"

namespace os::win32 {

class Win32SoundPlayer : public SoundPlayer {
public:
    bool PlayImage(std::span<const std::uint8_t> image, DWORD flags) override;
    bool PlayByName(const char* name, ModuleHandle module, DWORD flags) override;
};

}  // namespace os::win32
