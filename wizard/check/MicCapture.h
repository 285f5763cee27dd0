#pragma once
// Microphone capture in passes: each pass opens the default recording device (8-bit mono,
// 11025 Hz), records one buffer of 0.6 s, and is stopped and closed before the samples are
// read. Nothing is delivered by callback: the caller watches the header's done flag.
#include <array>
#include <cstdint>
#include <string>

#include "platform/os/WaveIn.h"
#include "wizard/check/MicCheckView.h"

class MicCapture {
public:
    static constexpr std::size_t kBufferSize = 126720;  // 576 blocks of 220 samples
    static constexpr os::DWORD kPassBytes = 6615;        // 0.6 s

    explicit MicCapture(MicCheckView& view) : view_(view) {}
    MicCapture(const MicCapture&) = delete;
    MicCapture& operator=(const MicCapture&) = delete;

    void SetCaptureFormat();
    // Open, prepare, queue and start; false (reported) when any of them failed. A failed open
    // closes the main window.
    bool wiOpenAndStartThr();
    bool wiStart();
    bool wiReset();
    bool wiClose();
    // "VAVedere " + label + ":  " + the system's text for `code`, when it has one.
    void ReportMciError(os::MMRESULT code, const std::string& label);

    bool Done() const { return (CaptureHeader.dwFlags & os::wave::Done) != 0; }
    // Sample `number` of the pass, counted from 1.
    std::uint8_t Sample(int number) const { return CaptureBuffer[static_cast<std::size_t>(number - 1)]; }

    os::WaveFormat CaptureFormat;
    os::WaveHeader CaptureHeader;
    std::array<std::uint8_t, kBufferSize> CaptureBuffer{};
    os::WaveInHandle WaveInHandle = 0;
    os::MMRESULT LastWaveResult = 0;

private:
    MicCheckView& view_;
};
