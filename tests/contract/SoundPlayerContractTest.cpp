// The sound player. Wine has no sound device here: a synchronous sound fails there and one
// started asynchronously ends at once, so both backends agree on stopping, on starting an
// asynchronous sound and on refusals; the simulation's clock and its reading of wave images
// are proven on their own below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/os/sim/WaveImage.h"
#include "tests/contract/Backends.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    const char* id;
    Bytes body;
};

Bytes Le(std::uint32_t value, int size) {
    Bytes bytes;
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

Bytes Pcm(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    Bytes body;
    for (const Bytes& field : {Le(os::sim::kWaveFormatPcm, 2), Le(channels, 2), Le(rate, 4), Le(rate * blockAlign, 4),
                               Le(blockAlign, 2), Le(bits, 2)})
        body.insert(body.end(), field.begin(), field.end());
    return body;
}

// A RIFF/WAVE image of `chunks`, each padded to an even length.
Bytes Riff(const std::vector<Chunk>& chunks) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Chunk& chunk : chunks) {
        body.insert(body.end(), chunk.id, chunk.id + 4);
        const Bytes size = Le(static_cast<std::uint32_t>(chunk.body.size()), 4);
        body.insert(body.end(), size.begin(), size.end());
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2) body.push_back(0);
    }
    Bytes image{'R', 'I', 'F', 'F'};
    const Bytes size = Le(static_cast<std::uint32_t>(body.size()), 4);
    image.insert(image.end(), size.begin(), size.end());
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

Bytes Patched(Bytes image, std::size_t at, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
    return image;
}

Bytes Longer(Bytes bytes, std::size_t more) {
    bytes.resize(bytes.size() + more);
    return bytes;
}

// 0.1 s of 16-bit mono at 8 kHz.
const Bytes kTenthOfASecond = Riff({{"fmt ", Pcm(1, 8000, 16)}, {"data", Bytes(1600)}});
// Where its fields lie.
constexpr std::size_t kFormatTagAt = 20;
constexpr std::size_t kByteRateAt = 28;
constexpr std::size_t kBlockAlignAt = 32;
constexpr std::size_t kDataSizeAt = 40;

class SoundPlayerContract : public contract::BackendTest {
protected:
    ~SoundPlayerContract() override { os::sound().PlayImage({}, os::snd::Memory); }
};

TEST_P(SoundPlayerContract, StartsAnAsynchronousSoundAndStopsWithTheNullSound) {
    EXPECT_TRUE(os::sound().PlayImage(kTenthOfASecond, os::snd::Memory | os::snd::Async | os::snd::NoDefault));
    EXPECT_TRUE(os::sound().PlayImage({}, os::snd::Memory));
    EXPECT_TRUE(os::sound().PlayByName(nullptr, 0, 0));
    EXPECT_TRUE(os::sound().PlayImage({}, os::snd::Memory | os::snd::NoStop)) << "nothing plays";
}

TEST_P(SoundPlayerContract, RefusesWhatItCannotPlay) {
    const Bytes notAWave(64, 'x');
    struct Case {
        const char* what;
        std::span<const std::uint8_t> image;
        os::DWORD flags;
    };
    const Case images[] = {
        {"not a wave image, played synchronously", notAWave, os::snd::Memory | os::snd::NoDefault},
        {"an image without SND_MEMORY", kTenthOfASecond, os::snd::Async | os::snd::NoDefault},
        {"an image with SND_RESOURCE", kTenthOfASecond, os::snd::Resource | os::snd::Async | os::snd::NoDefault},
    };
    for (const Case& c : images) EXPECT_FALSE(os::sound().PlayImage(c.image, c.flags)) << c.what;
    EXPECT_FALSE(os::sound().PlayByName("OLZ_NO_SUCH_SOUND", 0, os::snd::Resource | os::snd::NoDefault));
}

OLZ_INSTANTIATE_FOR_BACKENDS(SoundPlayerContract);

// ---- The simulation on its own ------------------------------------------------------------

TEST(SimSoundPlayer, ReadsTheLayoutOfAWaveImage) {
    const auto wave = os::sim::ParseWaveImage(kTenthOfASecond);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.channels, 1);
    EXPECT_EQ(wave->format.samplesPerSec, 8000u);
    EXPECT_EQ(wave->dataSize, 1600u);
    EXPECT_EQ(wave->imageSize, kTenthOfASecond.size());
    EXPECT_EQ(wave->DurationMs(), 100u);

    Bytes padded = kTenthOfASecond;
    padded.resize(padded.size() + 10, 0xEE);
    EXPECT_EQ(os::sim::ParseWaveImage(padded)->imageSize, kTenthOfASecond.size()) << "bytes after it are not read";
}

TEST(SimSoundPlayer, AcceptsOnlyPlayableWaveImages) {
    Bytes cut = kTenthOfASecond;
    cut.pop_back();
    struct Case {
        const char* what;
        Bytes image;
        bool playable;
    };
    const Case cases[] = {
        {"other chunks first, an odd one padded",
         Riff({{"LIST", Bytes(3)}, {"fmt ", Pcm(2, 44100, 8)}, {"data", Bytes(5)}}), true},
        {"an empty sound", Riff({{"fmt ", Pcm(2, 22050, 16)}, {"data", {}}}), true},
        {"a longer format chunk", Riff({{"fmt ", Longer(Pcm(1, 8000, 8), 2)}, {"data", Bytes(8)}}), true},
        {"the RIFF chunk cut short", cut, false},
        {"not RIFF", Patched(kTenthOfASecond, 0, {'R', 'I', 'F', 'X'}), false},
        {"not WAVE", Patched(kTenthOfASecond, 8, {'A', 'V', 'I', ' '}), false},
        {"no data chunk", Riff({{"fmt ", Pcm(1, 8000, 16)}}), false},
        {"the sound before its format", Riff({{"data", Bytes(8)}, {"fmt ", Pcm(1, 8000, 16)}}), false},
        {"a short format chunk", Riff({{"fmt ", Bytes(14)}, {"data", Bytes(8)}}), false},
        {"a data chunk past the RIFF chunk", Patched(kTenthOfASecond, kDataSizeAt, Le(1602, 4)), false},
        {"not PCM", Patched(kTenthOfASecond, kFormatTagAt, Le(3, 2)), false},
        {"24-bit samples", Riff({{"fmt ", Pcm(1, 8000, 24)}, {"data", Bytes(9)}}), false},
        {"no channels", Riff({{"fmt ", Pcm(0, 8000, 16)}, {"data", Bytes(8)}}), false},
        {"a block size that does not fit", Patched(kTenthOfASecond, kBlockAlignAt, Le(4, 2)), false},
        {"a byte rate that does not fit", Patched(kTenthOfASecond, kByteRateAt, Le(8000, 4)), false},
        {"an empty image", {}, false},
    };
    for (const Case& c : cases) {
        os::sim::SimOs sim;
        EXPECT_EQ(os::sim::ParseWaveImage(c.image).has_value(), c.playable) << c.what;
        EXPECT_EQ(sim.sound.PlayImage(c.image, os::snd::Memory | os::snd::Async), c.playable || c.image.empty())
            << c.what;
    }
}

TEST(SimSoundPlayer, ASoundPlaysForItsLengthOnTheClock) {
    for (const os::DWORD start : {0u, 0xFFFFFFF0u}) {  // also across the wrap of the tick count
        os::sim::SimOs sim;
        sim.system.SetTickCount(start);
        const os::DWORD noStop = os::snd::Memory | os::snd::Async | os::snd::NoStop;
        ASSERT_TRUE(sim.sound.PlayImage(kTenthOfASecond, noStop));
        sim.system.Advance(99);
        EXPECT_TRUE(sim.sound.Playing()) << start;
        EXPECT_FALSE(sim.sound.PlayImage(kTenthOfASecond, noStop)) << "busy at " << start;
        sim.system.Advance(1);
        EXPECT_FALSE(sim.sound.Playing()) << start;
        EXPECT_TRUE(sim.sound.PlayImage(kTenthOfASecond, noStop)) << "done at " << start;
    }
}

TEST(SimSoundPlayer, ALoopPlaysUntilStoppedAndASynchronousSoundTakesItsTime) {
    os::sim::SimOs sim;
    ASSERT_TRUE(sim.sound.PlayImage(kTenthOfASecond, os::snd::Memory | os::snd::Async | os::snd::Loop));
    sim.system.Advance(60'000);
    EXPECT_TRUE(sim.sound.Playing());
    EXPECT_FALSE(sim.sound.PlayImage(kTenthOfASecond, os::snd::Memory | os::snd::NoStop));
    EXPECT_TRUE(sim.sound.Playing()) << "a refused request leaves the sound playing";

    const os::DWORD before = sim.system.TickCount();
    ASSERT_TRUE(sim.sound.PlayImage(kTenthOfASecond, os::snd::Memory | os::snd::Loop));
    EXPECT_EQ(sim.system.TickCount() - before, 100u) << "it returned once the sound had played once";
    EXPECT_FALSE(sim.sound.Playing()) << "and it stopped the loop first";
}

TEST(SimSoundPlayer, RecordsEveryRequest) {
    os::sim::SimOs sim;
    sim.sound.AddResource(0, "Chime", kTenthOfASecond);
    sim.sound.AddResource(0x400000, "Other", kTenthOfASecond);
    EXPECT_TRUE(sim.sound.PlayByName("CHIME", 0, os::snd::Resource | os::snd::Async));
    EXPECT_FALSE(sim.sound.PlayByName("Other", 0, os::snd::Resource)) << "a resource of another module";
    EXPECT_FALSE(sim.sound.PlayByName("C:\\chime.wav", 0, 0)) << "no sound files here";
    EXPECT_TRUE(sim.sound.PlayImage(kTenthOfASecond, os::snd::Memory | os::snd::Async));
    EXPECT_TRUE(sim.sound.PlayImage({}, os::snd::Memory));

    using Function = os::sim::SoundCall::Function;
    const auto& calls = sim.sound.Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].function, Function::PlaySound);
    EXPECT_EQ(calls[0].name, "CHIME");
    EXPECT_EQ(calls[0].flags, os::snd::Resource | os::snd::Async);
    EXPECT_TRUE(calls[0].result);
    EXPECT_FALSE(calls[1].result);
    EXPECT_EQ(calls[3].function, Function::SndPlaySound);
    EXPECT_EQ(calls[3].image, kTenthOfASecond);
    EXPECT_TRUE(calls[4].IsNullSound());
    EXPECT_EQ(calls[4].flags, os::snd::Memory);
}

}  // namespace
