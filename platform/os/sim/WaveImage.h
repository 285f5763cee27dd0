#pragma once
// What the simulated sound player reads of a wave file image: the RIFF/WAVE layout, the PCM
// format and the length of the sound. Images come from form definitions and resources, so
// any bytes may arrive here.
#include <cstdint>
#include <optional>
#include <span>

namespace os::sim {

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

struct WaveImage {
    WaveFormat format;
    std::uint32_t dataSize = 0;   // bytes of sound in the "data" chunk
    std::uint32_t imageSize = 0;  // the RIFF chunk with its 8-byte header: all a player reads

    // How long the sound plays, rounded up to a whole millisecond.
    std::uint64_t DurationMs() const;
};

inline constexpr std::uint16_t kWaveFormatPcm = 1;

// The image's layout when `bytes` begin with a playable wave file: a RIFF chunk of form type
// WAVE that fits in `bytes`, with a "fmt " chunk of consistent 8- or 16-bit PCM followed by a
// "data" chunk, both within the RIFF chunk. Nothing otherwise.
std::optional<WaveImage> ParseWaveImage(std::span<const std::uint8_t> bytes);

}  // namespace os::sim
