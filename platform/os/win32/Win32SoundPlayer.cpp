#include "platform/os/win32/Win32SoundPlayer.h"

#include <windows.h>
// after windows.h
#include <mmsystem.h>

namespace os::win32 {

bool Win32SoundPlayer::PlayImage(std::span<const std::uint8_t> image, DWORD flags) {
    // Without SND_MEMORY the bytes would be taken for a name.
    if (!image.empty() && !IsMemoryRequest(flags)) return false;
    const auto sound = image.empty() ? nullptr : reinterpret_cast<LPCSTR>(image.data());
    return sndPlaySoundA(sound, flags) != FALSE;
}

bool Win32SoundPlayer::PlayByName(const char* name, ModuleHandle module, DWORD flags) {
    HMODULE owner = reinterpret_cast<HMODULE>(module);
    if (!owner && (flags & snd::Resource) == snd::Resource) owner = GetModuleHandleA(nullptr);
    return PlaySoundA(name, owner, flags) != FALSE;
}

}  // namespace os::win32
