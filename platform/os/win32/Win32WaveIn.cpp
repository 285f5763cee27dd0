#include "platform/os/win32/Win32WaveIn.h"

#include <windows.h>
// after windows.h
#include <mmsystem.h>

#include <cstddef>
#include <vector>

namespace os::win32 {

namespace {

// The device writes into the header while the program watches it, so ours is the system's.
static_assert(sizeof(WaveHeader) == sizeof(WAVEHDR));
static_assert(offsetof(WaveHeader, lpData) == offsetof(WAVEHDR, lpData));
static_assert(offsetof(WaveHeader, dwBufferLength) == offsetof(WAVEHDR, dwBufferLength));
static_assert(offsetof(WaveHeader, dwBytesRecorded) == offsetof(WAVEHDR, dwBytesRecorded));
static_assert(offsetof(WaveHeader, dwUser) == offsetof(WAVEHDR, dwUser));
static_assert(offsetof(WaveHeader, dwFlags) == offsetof(WAVEHDR, dwFlags));
static_assert(offsetof(WaveHeader, dwLoops) == offsetof(WAVEHDR, dwLoops));
static_assert(offsetof(WaveHeader, lpNext) == offsetof(WAVEHDR, lpNext));
static_assert(offsetof(WaveHeader, reserved) == offsetof(WAVEHDR, reserved));

HWAVEIN Handle(WaveInHandle handle) { return reinterpret_cast<HWAVEIN>(handle); }
WAVEHDR* Header(WaveHeader* header) { return reinterpret_cast<WAVEHDR*>(header); }

}  // namespace

DWORD Win32WaveIn::GetNumDevs() { return waveInGetNumDevs(); }

MMRESULT Win32WaveIn::Open(WaveInHandle* handle, DWORD deviceId, const WaveFormat& format, std::uintptr_t callback,
                           std::uintptr_t instance, DWORD flags) {
    WAVEFORMATEX system{};
    system.wFormatTag = format.wFormatTag;
    system.nChannels = format.nChannels;
    system.nSamplesPerSec = format.nSamplesPerSec;
    system.nAvgBytesPerSec = format.nAvgBytesPerSec;
    system.nBlockAlign = format.nBlockAlign;
    system.wBitsPerSample = format.wBitsPerSample;
    system.cbSize = format.cbSize;
    HWAVEIN opened = nullptr;
    const MMRESULT result = waveInOpen(handle ? &opened : nullptr, deviceId, &system, callback, instance, flags);
    if (handle) *handle = reinterpret_cast<WaveInHandle>(opened);
    return result;
}

MMRESULT Win32WaveIn::PrepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) {
    return waveInPrepareHeader(Handle(handle), Header(header), size);
}

MMRESULT Win32WaveIn::UnprepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) {
    return waveInUnprepareHeader(Handle(handle), Header(header), size);
}

MMRESULT Win32WaveIn::AddBuffer(WaveInHandle handle, WaveHeader* header, DWORD size) {
    return waveInAddBuffer(Handle(handle), Header(header), size);
}

MMRESULT Win32WaveIn::Start(WaveInHandle handle) { return waveInStart(Handle(handle)); }
MMRESULT Win32WaveIn::Reset(WaveInHandle handle) { return waveInReset(Handle(handle)); }
MMRESULT Win32WaveIn::Close(WaveInHandle handle) { return waveInClose(Handle(handle)); }

MMRESULT Win32WaveIn::GetErrorText(MMRESULT error, std::string* text, DWORD size) {
    if (!text) return MMSYSERR_INVALPARAM;
    std::vector<char> buffer(size + 1, '\0');
    const MMRESULT result = waveInGetErrorTextA(error, buffer.data(), size);
    *text = buffer.data();
    return result;
}

bool Win32WaveIn::MciErrorString(DWORD error, std::string* text, DWORD size) {
    if (!text) return false;
    std::vector<char> buffer(size + 1, '\0');
    const BOOL known = mciGetErrorStringA(error, buffer.data(), size);
    *text = buffer.data();
    return known != FALSE;
}

}  // namespace os::win32
