#pragma once
// Recording: waveInGetNumDevs, waveInOpen, waveInPrepareHeader, waveInUnprepareHeader,
// waveInAddBuffer, waveInStart, waveInReset, waveInClose, and the error texts of the
// multimedia functions (waveInGetErrorTextA, mciGetErrorStringA).
//
// WaveHeader is laid out as the system's wave header record, since the device writes its
// flags and byte count while the program watches them: the real backend hands it to Windows
// as it is.
#include <cstdint>
#include <string>

#include "platform/os/Mixer.h"
#include "platform/os/WinTypes.h"

namespace os {

using WaveInHandle = std::uintptr_t;  // an HWAVEIN; 0 is none

namespace wave {
inline constexpr DWORD Mapper = 0xFFFFFFFFu;  // WAVE_MAPPER: any suitable device
inline constexpr std::uint16_t FormatPcm = 1;

// waveInOpen flags
inline constexpr DWORD CallbackNull = 0x00000000;
inline constexpr DWORD FormatQuery = 0x00000001;
inline constexpr DWORD AllowSync = 0x00000002;

// WaveHeader::dwFlags
inline constexpr DWORD Done = 0x01;
inline constexpr DWORD Prepared = 0x02;
inline constexpr DWORD InQueue = 0x10;

// results of their own
inline constexpr MMRESULT BadFormat = 32;     // WAVERR_BADFORMAT
inline constexpr MMRESULT StillPlaying = 33;  // WAVERR_STILLPLAYING
inline constexpr MMRESULT Unprepared = 34;    // WAVERR_UNPREPARED

inline constexpr DWORD ErrorTextChars = 128;  // MAXERRORLENGTH, terminator included
}  // namespace wave

struct WaveFormat {
    std::uint16_t wFormatTag = 0;
    std::uint16_t nChannels = 0;
    DWORD nSamplesPerSec = 0;
    DWORD nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};

struct WaveHeader {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    std::uintptr_t dwUser = 0;
    DWORD dwFlags = 0;
    DWORD dwLoops = 0;
    WaveHeader* lpNext = nullptr;
    std::uintptr_t reserved = 0;
};

class WaveIn {
public:
    virtual ~WaveIn() = default;

    virtual DWORD GetNumDevs() = 0;
    virtual MMRESULT Open(WaveInHandle* handle, DWORD deviceId, const WaveFormat& format, std::uintptr_t callback,
                          std::uintptr_t instance, DWORD flags) = 0;
    // `size` is the size of the header record, sizeof(WaveHeader).
    virtual MMRESULT PrepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) = 0;
    virtual MMRESULT UnprepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) = 0;
    virtual MMRESULT AddBuffer(WaveInHandle handle, WaveHeader* header, DWORD size) = 0;
    virtual MMRESULT Start(WaveInHandle handle) = 0;
    // Stops recording and hands every queued buffer back marked done.
    virtual MMRESULT Reset(WaveInHandle handle) = 0;
    virtual MMRESULT Close(WaveInHandle handle) = 0;

    // waveInGetErrorTextA into a buffer of `size` characters: the text, cut to fit.
    virtual MMRESULT GetErrorText(MMRESULT error, std::string* text, DWORD size) = 0;
    // mciGetErrorStringA: false when the system knows no text for the code.
    virtual bool MciErrorString(DWORD error, std::string* text, DWORD size) = 0;
};

}  // namespace os
