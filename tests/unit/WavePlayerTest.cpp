// The wave player against the simulated sound player: the flags each setting gives, what
// Active follows, and the sound stored with a form definition. Also the click sound itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "common/ClickSound.h"
#include "common/CommonClasses.h"
#include "common/WavePlay.h"
#include "platform/os/sim/SimOs.h"
#include "platform/os/sim/WaveImage.h"
#include "platform/vcl/FormStream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kClick(ClickSound().begin(), ClickSound().end());

class WavePlayerTest : public ::testing::Test {
protected:
    WavePlayerTest() { SetSound(kClick); }

    void SetSound(const Bytes& bytes) {
        player.Sound().Clear();
        player.Sound().WriteBuffer(bytes.data(), bytes.size());
    }
    const std::vector<os::sim::SoundCall>& calls() const { return sim.sound.Calls(); }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    TWavePlayer player{nullptr};
};

TEST_F(WavePlayerTest, PlayStopsThenPlaysTheWholeImageWithTheFlagsOfItsSettings) {
    struct Case {
        const char* what;
        bool stopOthers;
        bool waitToStop;
        bool loop;
        os::DWORD flags;
    };
    const Case cases[] = {
        {"the manager's click", true, false, false, 0x05},
        {"the wizard's sound", false, true, false, 0x14},
        {"the click when closing", true, true, false, 0x04},
        {"nothing set", false, false, false, 0x15},
        {"a loop", false, false, true, 0x1D},
    };
    for (const Case& c : cases) {
        player.SetStopOthers(c.stopOthers);
        player.SetWaitToStop(c.waitToStop);
        player.SetLoop(c.loop);
        const std::size_t before = calls().size();
        player.Play();
        ASSERT_EQ(calls().size(), before + 2) << c.what;
        EXPECT_TRUE(calls()[before].IsNullSound()) << c.what;
        EXPECT_EQ(calls()[before].flags, os::snd::Memory) << c.what;
        EXPECT_EQ(calls().back().image, kClick) << c.what;
        EXPECT_EQ(calls().back().flags, c.flags) << c.what;
        EXPECT_EQ(player.Active(), c.loop) << c.what;
    }
}

TEST_F(WavePlayerTest, WithoutASoundPlayOnlyStops) {
    player.Sound().Clear();
    player.SetLoop(true);
    player.Play();
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_TRUE(calls()[0].IsNullSound());
    EXPECT_FALSE(player.Active());
}

TEST_F(WavePlayerTest, ActiveFollowsALoopUntilItIsStopped) {
    player.SetLoop(true);
    player.SetActive(true);
    EXPECT_TRUE(player.Active());
    EXPECT_TRUE(sim.sound.Playing());
    const std::size_t playing = calls().size();

    player.SetActive(true);
    EXPECT_EQ(calls().size(), playing) << "already active: not restarted";

    player.SetActive(false);
    EXPECT_FALSE(player.Active());
    EXPECT_FALSE(sim.sound.Playing());
    EXPECT_TRUE(calls().back().IsNullSound());

    player.SetActive(false);
    EXPECT_EQ(calls().size(), playing + 1) << "already inactive: not stopped again";
}

TEST_F(WavePlayerTest, PlayingAgainRestartsTheSound) {
    player.SetStopOthers(true);
    player.Play();
    sim.system.Advance(100);
    player.Play();
    ASSERT_EQ(calls().size(), 4u);
    EXPECT_TRUE(calls()[2].IsNullSound());
    EXPECT_TRUE(calls()[3].result);
    sim.system.Advance(100);
    EXPECT_TRUE(sim.sound.Playing()) << "the click lasts 133 ms from its restart";
}

TEST_F(WavePlayerTest, ARefusedSoundLeavesItInactive) {
    SetSound(Bytes(64, 'x'));
    player.SetLoop(true);
    player.SetActive(true);
    EXPECT_FALSE(calls().back().result);
    EXPECT_FALSE(player.Active());
}

TEST_F(WavePlayerTest, DestroyingItStopsTheSoundItPlays) {
    auto looping = std::make_unique<TWavePlayer>(nullptr);
    looping->Sound().WriteBuffer(kClick.data(), kClick.size());
    looping->SetLoop(true);
    looping->Play();
    ASSERT_TRUE(sim.sound.Playing());
    looping.reset();
    EXPECT_FALSE(sim.sound.Playing());
    EXPECT_TRUE(calls().back().IsNullSound());
}

// ---- Stored with a form definition -------------------------------------------------------

// The bytes of a property in a definition: its name as a short string, then its value.
Bytes PropertyBytes(const std::string& name, const Bytes& value) {
    Bytes bytes(1 + name.size() + value.size());
    bytes[0] = static_cast<std::uint8_t>(name.size());
    std::copy(value.begin(), value.end(), std::copy(name.begin(), name.end(), bytes.begin() + 1));
    return bytes;
}

bool Holds(const Bytes& definition, const Bytes& part) {
    return std::search(definition.begin(), definition.end(), part.begin(), part.end()) != definition.end();
}

Bytes Written(vcl::TComponent& form) {
    vcl::TMemoryStream stream;
    vcl::WriteComponent(stream, form);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

TEST(WavePlayerStorage, PublishesItsPropertiesInOrderAndStoresTheTrueOnes) {
    std::vector<std::string> names;
    for (const vcl::PropInfo& info : TWavePlayer::StaticClassInfo().Properties()) names.push_back(info.name);
    const std::vector<std::string> own{"Active", "StopOthers", "WaitToStop", "Loop", "Sound"};
    ASSERT_GE(names.size(), own.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<std::ptrdiff_t>(own.size()), names.end()), own);

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    vcl::TComponent form(nullptr);
    auto* player = new TWavePlayer(&form);
    player->SetName("WavePlayer1");
    player->SetWaitToStop(true);
    const Bytes definition = Written(form);
    EXPECT_TRUE(Holds(definition, PropertyBytes("WaitToStop", {9})));
    for (const char* unset : {"Active", "StopOthers", "Loop", "Data", "Sound"})
        EXPECT_FALSE(Holds(definition, PropertyBytes(unset, {}))) << unset;
}

TEST(WavePlayerStorage, TheSoundTravelsAsBinaryData) {
    RegisterCommonClasses();
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    vcl::TComponent form(nullptr);
    auto* player = new TWavePlayer(&form);
    player->SetName("WavePlayer1");
    player->SetStopOthers(true);
    player->Sound().WriteBuffer(kClick.data(), kClick.size());
    const Bytes definition = Written(form);
    Bytes data{10, 0xAC, 0x5B, 0x00, 0x00};  // binary, 23,468 bytes
    data.insert(data.end(), kClick.begin(), kClick.end());
    EXPECT_TRUE(Holds(definition, PropertyBytes("Data", data)));

    vcl::TComponent copy(nullptr);
    vcl::ReadComponent(definition, copy);
    auto* read = dynamic_cast<TWavePlayer*>(copy.FindComponent("WavePlayer1"));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->StopOthers());
    EXPECT_EQ(read->SoundBytes(), kClick);
    EXPECT_TRUE(std::all_of(sim.sound.Calls().begin(), sim.sound.Calls().end(),
                            [](const os::sim::SoundCall& call) { return call.IsNullSound(); }))
        << "loading plays nothing";
}

TEST(WavePlayerStorage, ReadDataReplacesTheSound) {
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    TWavePlayer player(nullptr);
    player.SetSoundBytes(Bytes(50000, 1));

    struct DataReader : vcl::TFiler {
        void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) override {
            if (name == "Data") read(kClick);
        }
        void DefineProperty(const std::string&, ValueReader, ValueWriter, bool) override {}
    } reader;
    player.DefineProperties(reader);
    EXPECT_EQ(player.SoundBytes(), kClick);
    EXPECT_EQ(player.Sound().Position(), 0u);
}

// ---- The click --------------------------------------------------------------------------

TEST(ClickSound, IsTheShortStereoClickMadeForTheButtons) {
    const std::span<const std::uint8_t> click = ClickSound();
    ASSERT_EQ(click.size(), 23468u);
    const auto wave = os::sim::ParseWaveImage(click);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->imageSize, 23468u);
    EXPECT_EQ(wave->format.formatTag, os::sim::kWaveFormatPcm);
    EXPECT_EQ(wave->format.channels, 2);
    EXPECT_EQ(wave->format.samplesPerSec, 44100u);
    EXPECT_EQ(wave->format.bitsPerSample, 16);
    EXPECT_EQ(wave->format.blockAlign, 4);
    EXPECT_EQ(wave->format.avgBytesPerSec, 176400u);
    EXPECT_EQ(wave->dataSize, 23424u);
    EXPECT_EQ(wave->DurationMs(), 133u);
    EXPECT_TRUE(std::equal(click.begin() + 36, click.begin() + 40, "data")) << "the plain 44-byte header";
}

}  // namespace
