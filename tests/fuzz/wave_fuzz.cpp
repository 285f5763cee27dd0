// Wave file images read by the simulated sound player: arbitrary bytes, or an image assembled
// from chunks the input describes and then patched, so that playable images and their near
// misses turn up without seeds. Besides not crashing or reading past the bytes:
// - an accepted image lies within the bytes, its sound within the image, its format is
//   consistent PCM;
// - only the RIFF chunk counts: the image cut to it reads the same, and bytes after it change
//   nothing;
// - the player accepts exactly the images the reader accepts, and an accepted asynchronous
//   sound plays for its length on the clock.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/os/sim/SimSoundPlayer.h"
#include "platform/os/sim/WaveImage.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool SameLayout(const os::sim::WaveImage& a, const os::sim::WaveImage& b) {
    return a.imageSize == b.imageSize && a.dataSize == b.dataSize && a.format.formatTag == b.format.formatTag &&
           a.format.channels == b.format.channels && a.format.samplesPerSec == b.format.samplesPerSec &&
           a.format.avgBytesPerSec == b.format.avgBytesPerSec && a.format.blockAlign == b.format.blockAlign &&
           a.format.bitsPerSample == b.format.bitsPerSample;
}

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void AppendId(Bytes& bytes, const char* id) { bytes.insert(bytes.end(), id, id + 4); }

// A "fmt " body: PCM whose sizes fit each other, unless the input says otherwise.
Bytes FormatBody(FuzzedDataProvider& input) {
    const auto channels = input.ConsumeIntegralInRange<std::uint16_t>(0, 3);
    const auto rate = input.ConsumeBool() ? 44100u : input.ConsumeIntegral<std::uint32_t>();
    const std::uint16_t bits = input.PickValueInArray<std::uint16_t>({8, 16, 16, 24, 0});
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    Bytes body;
    Append(body, input.ConsumeBool() ? 1 : input.ConsumeIntegral<std::uint16_t>(), 2);
    Append(body, channels, 2);
    Append(body, rate, 4);
    Append(body, input.ConsumeBool() ? rate * blockAlign : input.ConsumeIntegral<std::uint32_t>(), 4);
    Append(body, blockAlign, 2);
    Append(body, bits, 2);
    body.resize(body.size() + input.ConsumeIntegralInRange<std::size_t>(0, 3));
    if (input.ConsumeBool()) body.resize(input.ConsumeIntegralInRange<std::size_t>(0, 15));
    return body;
}

Bytes AssembledImage(FuzzedDataProvider& input) {
    Bytes body;
    AppendId(body, "WAVE");
    const int chunks = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < chunks; ++i) {
        const char* id = input.PickValueInArray({"fmt ", "data", "LIST", "fmt "});
        const Bytes chunk = std::string_view(id) == "fmt "
                                ? FormatBody(input)
                                : Bytes(input.ConsumeIntegralInRange<std::size_t>(0, 300), 0x80);
        AppendId(body, id);
        Append(body, static_cast<std::uint32_t>(chunk.size()), 4);
        body.insert(body.end(), chunk.begin(), chunk.end());
        if (chunk.size() % 2 && input.ConsumeBool()) body.push_back(0);
    }
    Bytes image;
    AppendId(image, "RIFF");
    Append(image, static_cast<std::uint32_t>(body.size()) + input.ConsumeIntegralInRange<std::uint32_t>(0, 2) - 1, 4);
    image.insert(image.end(), body.begin(), body.end());
    const int patches = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < patches && !image.empty(); ++i)
        image[input.ConsumeIntegralInRange<std::size_t>(0, image.size() - 1)] = input.ConsumeIntegral<std::uint8_t>();
    image.resize(image.size() - input.ConsumeIntegralInRange<std::size_t>(0, std::min<std::size_t>(image.size(), 2)));
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Exact-size storage, so the sanitizer sees any read past the end.
    const Bytes bytes = input.ConsumeBool() ? AssembledImage(input) : input.ConsumeRemainingBytes<std::uint8_t>();
    const auto wave = os::sim::ParseWaveImage(bytes);

    os::sim::SimSystem clock;
    os::sim::SimSoundPlayer player(clock);
    const bool played = player.PlayImage(bytes, os::snd::Memory | os::snd::Async);
    Check(played == (wave.has_value() || bytes.empty()), "the player takes what the reader takes");
    if (!wave) return 0;

    Check(wave->imageSize <= bytes.size(), "the image lies within the bytes");
    Check(wave->dataSize <= wave->imageSize, "the sound lies within the image");
    const auto& format = wave->format;
    Check(format.formatTag == os::sim::kWaveFormatPcm, "PCM");
    Check(format.blockAlign == format.channels * format.bitsPerSample / 8, "the block size fits the format");
    Check(format.avgBytesPerSec == std::uint64_t{format.samplesPerSec} * format.blockAlign,
          "the byte rate fits the format");

    const Bytes riffOnly(bytes.begin(), bytes.begin() + wave->imageSize);
    const auto cut = os::sim::ParseWaveImage(riffOnly);
    Check(cut && SameLayout(*cut, *wave), "the RIFF chunk alone reads the same");
    Bytes extended = riffOnly;
    extended.insert(extended.end(), {'R', 'I', 'F', 'F', 0xFF, 0xFF});
    const auto longer = os::sim::ParseWaveImage(extended);
    Check(longer && SameLayout(*longer, *wave), "bytes after the RIFF chunk change nothing");

    const std::uint64_t duration = wave->DurationMs();
    Check(player.Playing() == (duration > 0), "a sound with a length plays");
    if (duration > 0 && duration < 0x80000000u) {
        clock.Advance(static_cast<os::DWORD>(duration - 1));
        Check(player.Playing(), "it plays until its length has passed");
        clock.Advance(1);
        Check(!player.Playing(), "and not longer");
    }
    return 0;
}
