#include "platform/os/sim/WaveImage.h"

#include <cstring>

namespace os::sim {

namespace {

constexpr std::size_t kChunkHeaderSize = 8;

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16(bytes, at)) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

bool IsId(std::span<const std::uint8_t> bytes, std::size_t at, const char (&id)[5]) {
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

WaveFormat ReadFormat(std::span<const std::uint8_t> body) {
    return {U16(body, 0), U16(body, 2), U32(body, 4), U32(body, 8), U16(body, 12), U16(body, 14)};
}

bool IsPlayablePcm(const WaveFormat& f) {
    if (f.formatTag != kWaveFormatPcm || f.channels == 0 || f.samplesPerSec == 0) return false;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
    const std::uint64_t blockAlign = std::uint64_t{f.channels} * f.bitsPerSample / 8;
    return f.blockAlign == blockAlign && f.avgBytesPerSec == f.samplesPerSec * blockAlign;
}

}  // namespace

std::uint64_t WaveImage::DurationMs() const {
    const std::uint64_t scaled = std::uint64_t{dataSize} * 1000;
    return (scaled + format.avgBytesPerSec - 1) / format.avgBytesPerSec;
}

std::optional<WaveImage> ParseWaveImage(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 12 || !IsId(bytes, 0, "RIFF") || !IsId(bytes, 8, "WAVE")) return std::nullopt;
    const std::uint64_t riffSize = std::uint64_t{U32(bytes, 4)} + kChunkHeaderSize;
    if (riffSize < 12 || riffSize > bytes.size()) return std::nullopt;
    const auto riffEnd = static_cast<std::size_t>(riffSize);

    WaveImage image;
    image.imageSize = static_cast<std::uint32_t>(riffEnd);
    std::optional<WaveFormat> format;
    std::size_t at = 12;
    while (riffEnd - at >= kChunkHeaderSize) {
        const std::size_t body = at + kChunkHeaderSize;
        const std::uint32_t size = U32(bytes, at + 4);
        if (size > riffEnd - body) return std::nullopt;
        if (IsId(bytes, at, "fmt ")) {
            if (size < 16) return std::nullopt;
            format = ReadFormat(bytes.subspan(body, 16));
        } else if (IsId(bytes, at, "data")) {
            // A player looks for the sound after the format, as it needs the format to play it.
            if (!format || !IsPlayablePcm(*format)) return std::nullopt;
            image.format = *format;
            image.dataSize = size;
            return image;
        }
        at = body + size;
        if (size & 1) {
            if (at == riffEnd) break;
            ++at;  // chunks start on even offsets
        }
    }
    return std::nullopt;
}

}  // namespace os::sim
