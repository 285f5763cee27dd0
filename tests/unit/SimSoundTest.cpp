// The simulated sound system: what tests describe is what the mixer and wave-in functions
// answer, writes really change values and notify, and the recorder plays its script on the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/sim/SimOs.h"
#include "platform/os/sim/SimSoundIni.h"

namespace {

using namespace os;
using os::sim::SimControl;
using os::sim::SimDestination;
using os::sim::SimLine;
using os::sim::SimMixerDevice;

SimMixerDevice Card() {
    SimMixerDevice device;
    device.productName = "Sim Card";
    SimDestination speakers;
    speakers.name = "Speakers";
    speakers.controls = {SimControl::Make(mx::CtlVolume, "Volume"),
                         SimControl::Make(mx::CtlMute, "Mute", mx::ControlUniform)};
    SimDestination recording;
    recording.componentType = mx::DstWaveIn;
    recording.name = "Recording Control";
    SimControl select = SimControl::Make(mx::CtlMux, "Select", mx::ControlUniform);
    select.items = {1, 0, 7};
    recording.controls = {select};
    recording.sources = {SimLine::Make(mx::SrcLine, "Line In"),
                         SimLine::Make(mx::SrcMicrophone, std::string(80, 'm'), {}, 1)};
    device.destinations = {speakers, recording};
    return device;
}

class SimSoundTest : public ::testing::Test {
protected:
    SimSoundTest() { sim.audio.mixer.SetDevices({Card()}); }

    MixerLine Line(DWORD flags, DWORD destination, DWORD source = 0, DWORD type = 0) {
        MixerLine line;
        line.cbStruct = mx::size::Line;
        line.dwDestination = destination;
        line.dwSource = source;
        line.dwComponentType = type;
        result = sim.audio.mixer.GetLineInfo(0, &line, flags);
        return line;
    }

    MixerControl OneControl(DWORD lineId, DWORD type) {
        MixerControl control;
        MixerLineControls query{mx::size::LineControls, lineId, type, 1, mx::size::Control, &control};
        result = sim.audio.mixer.GetLineControls(0, &query, mx::ControlsOneByType);
        return control;
    }

    MMRESULT Write(MixerHandle handle, DWORD controlId, DWORD channels, DWORD items, std::vector<LONG> values) {
        MixerControlDetails details{mx::size::Details, controlId, channels, items, mx::size::Value, values.data()};
        return sim.audio.mixer.SetControlDetails(handle, &details, mx::DetailsValue);
    }

    os::sim::SimOs sim;
    MMRESULT result = 0;
};

TEST_F(SimSoundTest, LineQueriesFollowTheDescription) {
    const MixerLine recording = Line(mx::LineByDestination, 1);
    ASSERT_EQ(result, mm::NoError);
    EXPECT_STREQ(recording.szName, "Recording Control");
    EXPECT_EQ(recording.cConnections, 2u);
    EXPECT_EQ(recording.cControls, 1u);

    const MixerLine microphone = Line(mx::LineBySource, 1, 1);
    ASSERT_EQ(result, mm::NoError);
    EXPECT_EQ(microphone.dwComponentType, mx::SrcMicrophone);
    EXPECT_EQ(std::string(microphone.szName), std::string(63, 'm')) << "names are cut to the record";
    EXPECT_TRUE(microphone.fdwLine & mx::LineSource);

    const MixerLine byType = Line(mx::LineByComponentType, 0, 0, mx::DstWaveIn);
    EXPECT_EQ(result, mm::NoError);
    EXPECT_EQ(byType.dwLineID, recording.dwLineID);

    Line(mx::LineBySource, 1, 2);
    EXPECT_EQ(result, mm::MixerInvalidLine);
    sim.audio.mixer.Devices()[0].destinations[1].sources[0].lineQueryFails = true;
    Line(mx::LineBySource, 1, 0);
    EXPECT_EQ(result, mm::Error);

    MixerLine wrongSize;
    wrongSize.cbStruct = 172;
    EXPECT_EQ(sim.audio.mixer.GetLineInfo(0, &wrongSize, mx::LineByDestination), mm::InvalidParam);
}

TEST_F(SimSoundTest, WritesChangeValuesByChannelAndNotifyWindowOpens) {
    std::vector<std::pair<std::uint32_t, std::intptr_t>> seen;
    const WindowHandle window = sim.audio.mixer.AllocateNotifyWindow(
        [&](std::uint32_t message, std::uintptr_t, std::intptr_t id) {
            seen.emplace_back(message, id);
            return std::optional<std::intptr_t>(0);
        });
    MixerHandle notified = 0;
    MixerHandle plain = 0;
    ASSERT_EQ(sim.audio.mixer.Open(&notified, 0, window, 0, mx::CallbackWindow), mm::NoError);
    ASSERT_EQ(sim.audio.mixer.Open(&plain, 0, 0, 0, 0), mm::NoError);

    const MixerLine speakers = Line(mx::LineByDestination, 0);
    const MixerControl volume = OneControl(speakers.dwLineID, mx::CtlVolume);
    ASSERT_EQ(result, mm::NoError);
    EXPECT_EQ(Write(plain, volume.dwControlID, 2, 0, {100, 200}), mm::NoError);
    EXPECT_EQ(sim.audio.mixer.Values(0, 0, -1, "Volume"), (std::vector<LONG>{100, 200}));
    EXPECT_EQ(Write(plain, volume.dwControlID, 1, 0, {300}), mm::NoError);
    EXPECT_EQ(sim.audio.mixer.Values(0, 0, -1, "Volume"), (std::vector<LONG>{300, 300})) << "one value for all";
    EXPECT_EQ(Write(plain, volume.dwControlID, 3, 0, {1, 2, 3}), mm::InvalidParam);
    EXPECT_EQ(Write(plain, volume.dwControlID, 2, 2, {1, 2, 3, 4}), mm::InvalidParam);

    ASSERT_EQ(seen.size(), 2u) << "one notification per accepted write, to the window open only";
    EXPECT_EQ(seen[0], std::make_pair(mx::MsgControlChange, static_cast<std::intptr_t>(volume.dwControlID)));

    EXPECT_EQ(sim.audio.mixer.Close(notified), mm::NoError);
    EXPECT_EQ(sim.audio.mixer.Close(notified), mm::InvalidHandle);
    sim.audio.mixer.DeallocateNotifyWindow(window);
}

TEST_F(SimSoundTest, SelectorsNameTheirSourcesByLineId) {
    const MixerLine recording = Line(mx::LineByDestination, 1);
    const MixerControl mux = OneControl(recording.dwLineID, mx::CtlMux);
    ASSERT_EQ(result, mm::NoError);
    EXPECT_EQ(mux.cMultipleItems, 3u);
    EXPECT_TRUE(mux.fdwControl & mx::ControlMultiple);

    MixerListText texts[3];
    MixerControlDetails details{mx::size::Details, mux.dwControlID, 1, 3, mx::size::ListText, texts};
    ASSERT_EQ(sim.audio.mixer.GetControlDetails(0, &details, mx::DetailsListText), mm::NoError);
    EXPECT_EQ(texts[0].dwParam1, Line(mx::LineBySource, 1, 1).dwLineID);
    EXPECT_EQ(texts[1].dwParam1, Line(mx::LineBySource, 1, 0).dwLineID);
    EXPECT_STREQ(texts[1].szName, "Line In");
    EXPECT_NE(texts[2].dwParam1, Line(mx::LineBySource, 1, 1).dwLineID) << "an item of no source";
}

TEST_F(SimSoundTest, OpensFailAsDescribed) {
    auto& device = sim.audio.mixer.Devices()[0];
    device.failingOpens = 2;
    device.openError = mm::Allocated;
    MixerHandle handle = 0;
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 0, 0, 0, 0), mm::Allocated);
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 0, 0, 0, 0), mm::Allocated);
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 0, 0, 0, 0), mm::NoError);
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 1, 0, 0, 0), mm::BadDeviceId);

    device.refuseWindowCallback = true;
    const WindowHandle window = sim.audio.mixer.AllocateNotifyWindow({});
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 0, window, 0, mx::CallbackWindow), mm::Allocated);
    EXPECT_EQ(sim.audio.mixer.Open(&handle, 0, 0, 0, 0), mm::NoError);
}

class SimRecorderTest : public ::testing::Test {
protected:
    SimRecorderTest() {
        sim.audio.waveIn.Recorder().passes = {os::sim::SimPass::Tone(128, 7), os::sim::SimPass::Tone(100, 300)};
        header.lpData = buffer.data();
        header.dwBufferLength = 6615;
    }

    WaveInHandle StartPass() {
        WaveInHandle handle = 0;
        const os::WaveFormat format{wave::FormatPcm, 1, 11025, 11025, 1, 8, 0};
        EXPECT_EQ(waveIn().Open(&handle, wave::Mapper, format, 0, 0, wave::AllowSync), mm::NoError);
        header.dwFlags = 0;
        EXPECT_EQ(waveIn().PrepareHeader(handle, &header, sizeof header), mm::NoError);
        EXPECT_EQ(waveIn().AddBuffer(handle, &header, sizeof header), mm::NoError);
        EXPECT_EQ(waveIn().Start(handle), mm::NoError);
        return handle;
    }

    os::sim::SimWaveIn& waveIn() { return sim.audio.waveIn; }
    unsigned char Sample(std::size_t i) const { return static_cast<unsigned char>(buffer[i]); }

    os::sim::SimOs sim;
    std::vector<char> buffer = std::vector<char>(8000, 0);
    WaveHeader header;
};

TEST_F(SimRecorderTest, APassFillsTheBufferWhenItsTimeHasPassed) {
    WaveInHandle handle = StartPass();
    sim.system.Advance(599);
    waveIn().Deliver();
    EXPECT_FALSE(header.dwFlags & wave::Done);
    EXPECT_EQ(waveIn().Close(handle), wave::StillPlaying) << "a queued buffer keeps the device open";
    sim.system.Advance(1);
    waveIn().Deliver();
    EXPECT_TRUE(header.dwFlags & wave::Done);
    EXPECT_EQ(header.dwBytesRecorded, 6615u);
    EXPECT_EQ(Sample(0), 135);
    EXPECT_EQ(Sample(1), 121);
    EXPECT_EQ(Sample(6614), 135);
    EXPECT_EQ(buffer[6615], 0) << "nothing beyond the buffer's length";
    EXPECT_EQ(waveIn().Reset(handle), mm::NoError);
    EXPECT_EQ(waveIn().Close(handle), mm::NoError);

    handle = StartPass();
    sim.system.Advance(1000);
    waveIn().Deliver();
    EXPECT_EQ(Sample(0), 255);
    EXPECT_EQ(Sample(1), 0) << "clamped";
    waveIn().Reset(handle);
    waveIn().Close(handle);
    handle = StartPass();
    sim.system.Advance(600);
    waveIn().Deliver();
    EXPECT_EQ(Sample(0), 255) << "the last pass repeats";
    waveIn().Reset(handle);
    waveIn().Close(handle);
}

TEST_F(SimRecorderTest, ResetHandsBackWhatWasRecorded) {
    const WaveInHandle handle = StartPass();
    sim.system.Advance(100);
    EXPECT_EQ(waveIn().Reset(handle), mm::NoError);
    EXPECT_TRUE(header.dwFlags & wave::Done);
    EXPECT_FALSE(header.dwFlags & wave::InQueue);
    EXPECT_EQ(header.dwBytesRecorded, 1102u);
    EXPECT_EQ(waveIn().Close(handle), mm::NoError);
    EXPECT_FALSE(waveIn().IsOpen());
}

TEST_F(SimRecorderTest, RefusesWhatTheDeviceWould) {
    WaveInHandle handle = 0;
    const os::WaveFormat format{wave::FormatPcm, 1, 11025, 11025, 1, 8, 0};
    os::WaveFormat odd = format;
    odd.nBlockAlign = 2;
    EXPECT_EQ(waveIn().Open(&handle, wave::Mapper, odd, 0, 0, 0), wave::BadFormat);
    ASSERT_EQ(waveIn().Open(&handle, wave::Mapper, format, 0, 0, 0), mm::NoError);
    WaveInHandle second = 0;
    EXPECT_EQ(waveIn().Open(&second, wave::Mapper, format, 0, 0, 0), mm::Allocated);
    EXPECT_EQ(waveIn().AddBuffer(handle, &header, sizeof header), wave::Unprepared);
    EXPECT_EQ(waveIn().PrepareHeader(handle, &header, 32), mm::InvalidParam);
    waveIn().Close(handle);

    waveIn().Recorder().startError = mm::NotEnabled;
    ASSERT_EQ(waveIn().Open(&handle, wave::Mapper, format, 0, 0, 0), mm::NoError);
    EXPECT_EQ(waveIn().Start(handle), mm::NotEnabled);
}

TEST(SimSoundDescriptionTest, BuildsTheSystemAnIniDescribes) {
    const auto description = os::sim::DescribeSimSound(
        "[Mixers]\r\nCount=2   ; devices\r\nName0=Sim Audio A\r\nName1=Sim Audio B\r\n"
        "[Recording]\r\nDestination=Recording Control ; wave-in\r\nSources=Microphone, Line In\r\n"
        "[Microphone]\r\nPasses=128/7, junk, 100/0 ; last repeats\r\n");
    ASSERT_EQ(description.mixers.size(), 2u);
    EXPECT_EQ(description.mixers[1].productName, "Sim Audio B");
    const auto& destinations = description.mixers[0].destinations;
    ASSERT_EQ(destinations.size(), 2u);
    EXPECT_EQ(destinations[0].componentType, mx::DstSpeakers);
    EXPECT_EQ(destinations[1].componentType, mx::DstWaveIn);
    EXPECT_EQ(destinations[1].name, "Recording Control");
    ASSERT_EQ(destinations[1].sources.size(), 2u);
    EXPECT_EQ(destinations[1].sources[0].componentType, mx::SrcMicrophone);
    EXPECT_EQ(destinations[1].sources[1].name, "Line In");
    EXPECT_EQ(destinations[1].controls[0].type, mx::CtlMux);
    ASSERT_EQ(description.recorder.passes.size(), 2u) << "the unreadable entry is left out";
    EXPECT_EQ(description.recorder.passes[1].pattern, (std::vector<std::uint8_t>{100, 100}));

    struct Case {
        const char* ini;
        std::size_t mixers;
        std::size_t destinations;
        bool recorder;
    };
    const Case cases[] = {
        {"", 0, 0, true},
        {"[Mixers]\nCount=1\n", 1, 1, true},  // speakers only
        {"[Mixers]\nCount=99999\n[Recording]\nDestination=R\n[Microphone]\nPresent=0", 16, 2, false},
        {"[Mixers]\nCount=-3\n", 0, 0, true},
    };
    for (const Case& c : cases) {
        const auto built = os::sim::DescribeSimSound(c.ini);
        EXPECT_EQ(built.mixers.size(), c.mixers) << c.ini;
        if (!built.mixers.empty()) {
            EXPECT_EQ(built.mixers[0].destinations.size(), c.destinations) << c.ini;
        }
        EXPECT_EQ(built.recorder.present, c.recorder) << c.ini;
    }
}

}  // namespace
