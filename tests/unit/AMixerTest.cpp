// TAudioMixer and the recording-source routines against the simulated mixer: the snapshot tree,
// the three open attempts, SetLineVolume's writes and selector search (also with controls too
// big for its value array), the relayed notifications, and the microphone switch on device 0.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mixer/AMixer.h"
#include "mixer/ToMixer.h"
#include "platform/os/sim/SimOs.h"

namespace {

using os::LONG;
using os::sim::SimControl;
using os::sim::SimDestination;
using os::sim::SimLine;
using os::sim::SimMixerDevice;
namespace mx = os::mx;

SimControl WithValues(SimControl control, std::vector<LONG> values) {
    control.values = std::move(values);
    return control;
}

// Speakers: a volume flagged multiple (never written), the stereo volume, a uniform mute.
// Recording: a uniform MUX over Line In, Microphone, CD; the microphone has an on/off switch.
SimMixerDevice Card(const std::string& name = "Sim Card") {
    SimMixerDevice device;
    device.productName = name;
    SimDestination speakers;
    speakers.name = "Speakers";
    speakers.controls = {SimControl::Make(mx::CtlVolume, "Multi", mx::ControlMultiple),
                         SimControl::Make(mx::CtlVolume, "Volume"),
                         SimControl::Make(mx::CtlMute, "Mute", mx::ControlUniform)};
    speakers.sources = {SimLine::Make(mx::SrcWaveOut, "Wave", {SimControl::Make(mx::CtlVolume, "Volume"),
                                                               SimControl::Make(mx::CtlMute, "Mute")})};
    SimDestination recording;
    recording.componentType = mx::DstWaveIn;
    recording.name = "Recording Control";
    recording.controls = {SimControl::Make(mx::CtlMux, "Select", mx::ControlUniform)};
    recording.sources = {
        SimLine::Make(mx::SrcLine, "Line In", {SimControl::Make(mx::CtlVolume, "Volume")}),
        SimLine::Make(mx::SrcMicrophone, "Microphone",
                      {SimControl::Make(mx::CtlVolume, "Volume"), SimControl::Make(mx::CtlOnOff, "Switch")}),
        SimLine::Make(mx::SrcCompactDisc, "CD", {SimControl::Make(mx::CtlVolume, "Volume")})};
    device.destinations = {speakers, recording};
    return device;
}

class AudioMixerTest : public ::testing::Test {
protected:
    void Install(std::vector<SimMixerDevice> devices) { sim.audio.mixer.SetDevices(std::move(devices)); }
    std::vector<LONG> Values(int destination, int source, const std::string& name, os::DWORD device = 0) {
        return sim.audio.mixer.Values(device, destination, source, name);
    }
    int Count(const char* function) const {
        int count = 0;
        for (const auto& call : sim.audio.mixer.Calls()) count += call.function == function;
        return count;
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
};

TEST_F(AudioMixerTest, WithoutDevicesTheTreeIsEmptyAndWritesAreIgnored) {
    TAudioMixer mixer(nullptr);
    EXPECT_EQ(mixer.NumberOfMixers(), 0);
    EXPECT_EQ(mixer.MixerId(), -1);
    ASSERT_NE(mixer.Destinations(), nullptr);
    EXPECT_EQ(mixer.Destinations()->Count(), 0);
    EXPECT_FALSE(mixer.SetLineVolume(0, -1, 100, -1, -1));
    mixer.SetMixerId(0);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_TRUE(sim.audio.mixer.Calls().empty()) << "no device, no open";
}

TEST_F(AudioMixerTest, OpensDeviceZeroAndTakesASnapshotOfItsLines) {
    SimMixerDevice card = Card();
    card.destinations[1].sources[2].lineQueryFails = true;     // left out, later lines move up
    card.destinations[0].sources[0].controlsQueryFails = true;  // an empty control list
    card.destinations.push_back(SimDestination());              // no sources, no controls
    Install({card});
    TAudioMixer mixer(nullptr);
    EXPECT_EQ(mixer.MixerId(), 0);
    EXPECT_EQ(mixer.ProductName(), "Sim Card");
    EXPECT_EQ(mixer.NumberOfLine(), 3);
    TMixerDestinations& tree = *mixer.Destinations();
    ASSERT_EQ(tree.Count(), 3);
    EXPECT_STREQ(tree.Items(1)->LineInfo().szName, "Recording Control");
    EXPECT_EQ(tree.Items(1)->LineInfo().dwComponentType, mx::DstWaveIn);
    EXPECT_EQ(tree.Items(1)->Connections().Count(), 2);
    EXPECT_STREQ(tree.Items(1)->Connections().Items(1)->LineInfo().szName, "Microphone");
    EXPECT_EQ(tree.Items(1)->Connections().Items(1)->Controls().Count(), 2);
    EXPECT_EQ(tree.Items(0)->Connections().Items(0)->Controls().Count(), 0);
    EXPECT_EQ(tree.Items(2)->Connections().Count(), 0);
    EXPECT_EQ(tree.Items(2)->Controls().Count(), 0);

    // Items(Count) is null on every list class.
    EXPECT_EQ(tree.Items(tree.Count()), nullptr);
    EXPECT_EQ(tree.Items(1)->Connections().Items(2), nullptr);
    EXPECT_EQ(tree.Items(0)->Controls().Items(3), nullptr);
    TPointerList plain;
    EXPECT_EQ(plain.Items(plain.Count()), nullptr);
}

TEST_F(AudioMixerTest, ManufacturerText) {
    const std::pair<std::uint16_t, const char*> cases[] = {{1, "Microsoft"}, {2, "2 = Unknown"}, {0, "0 = Unknown"}};
    for (const auto& [id, text] : cases) {
        SimMixerDevice card = Card();
        card.manufacturerId = id;
        Install({card});
        TAudioMixer mixer(nullptr);
        EXPECT_EQ(mixer.Manufacturer(), text) << id;
    }
}

TEST_F(AudioMixerTest, OpenAttemptsFallBackToNoNotifications) {
    struct Case {
        const char* what;
        int failingOpens;
        bool refuseWindow;
        int opens;
        int mixerId;
        bool notified;
    };
    const Case cases[] = {
        {"first open works", 0, false, 1, 0, true},
        {"second open works", 1, false, 2, 0, true},
        {"window refused: third open without it", 0, true, 3, 0, false},
        {"every open fails", -1, false, 3, -1, false},
    };
    for (const Case& c : cases) {
        SimMixerDevice card = Card();
        card.failingOpens = c.failingOpens;
        card.refuseWindowCallback = c.refuseWindow;
        Install({card});
        sim.audio.mixer.ClearCalls();
        TAudioMixer mixer(nullptr);
        int changes = 0;
        mixer.SetOnControlChange(TMixerChange([&](vcl::TObject*, std::int32_t, std::int32_t) { ++changes; }));
        EXPECT_EQ(Count("mixerOpen"), c.opens) << c.what;
        EXPECT_EQ(mixer.MixerId(), c.mixerId) << c.what;
        EXPECT_EQ(mixer.Destinations()->Count(), c.mixerId < 0 ? 0 : 2) << c.what;
        sim.audio.mixer.NotifyControlChange(0, 1);
        EXPECT_EQ(changes, c.notified ? 1 : 0) << c.what;
    }
}

TEST_F(AudioMixerTest, MixerIdWritesOutOfRangeAreIgnoredAndTheSameIdRebuilds) {
    Install({Card("A"), Card("B")});
    TAudioMixer mixer(nullptr);
    mixer.SetMixerId(1);
    const TMixerDestination* before = mixer.Destinations()->Items(0);
    const os::MixerHandle handle = mixer.MixerHandle();
    for (const int ignored : {2, -1, -5}) {
        mixer.SetMixerId(ignored);
        EXPECT_EQ(mixer.MixerId(), 1) << ignored;
        EXPECT_EQ(mixer.Destinations()->Items(0), before) << ignored;
        EXPECT_EQ(mixer.MixerHandle(), handle) << ignored;
    }
    EXPECT_EQ(mixer.ProductName(), "B");

    sim.audio.mixer.ClearCalls();
    mixer.SetMixerId(1);
    ASSERT_EQ(sim.audio.mixer.Calls().size(), 2u);
    EXPECT_EQ(sim.audio.mixer.Calls()[0].function, "mixerClose");
    EXPECT_EQ(sim.audio.mixer.Calls()[1].function, "mixerOpen");
    EXPECT_NE(mixer.MixerHandle(), handle);
    EXPECT_EQ(sim.audio.mixer.OpenHandles(), 1);

    // A failed open keeps what the last good one read.
    sim.audio.mixer.Devices()[0].failingOpens = -1;
    mixer.SetMixerId(0);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_EQ(mixer.Destinations()->Count(), 0);
    EXPECT_EQ(mixer.ProductName(), "B");
    EXPECT_FALSE(mixer.SetLineVolume(0, -1, 1, -1, -1));
}

TEST_F(AudioMixerTest, ClosesItsDeviceAndWindowWhenDestroyed) {
    Install({Card()});
    {
        TAudioMixer mixer(nullptr);
        EXPECT_EQ(sim.audio.mixer.OpenHandles(), 1);
        EXPECT_EQ(sim.audio.mixer.NotifyWindows(), 1);
    }
    EXPECT_EQ(sim.audio.mixer.OpenHandles(), 0);
    EXPECT_EQ(sim.audio.mixer.NotifyWindows(), 0);
}

TEST_F(AudioMixerTest, NotificationsReachTheEvents) {
    Install({Card()});
    TAudioMixer mixer(nullptr);
    std::vector<std::string> seen;
    mixer.SetOnLineChange(TMixerChange([&](vcl::TObject* sender, std::int32_t handle, std::int32_t id) {
        EXPECT_EQ(sender, &mixer);
        EXPECT_EQ(static_cast<os::MixerHandle>(handle), mixer.MixerHandle());
        seen.push_back("line " + std::to_string(id));
    }));
    mixer.SetOnControlChange(TMixerChange([&](vcl::TObject*, std::int32_t, std::int32_t id) {
        seen.push_back("control " + std::to_string(id));
    }));
    sim.audio.mixer.NotifyLineChange(0, 7);
    mixer.SetLineVolume(0, -1, 500, -1, -1);  // the write itself notifies
    const auto volumeId = static_cast<int>(sim.audio.mixer.ControlId(0, 0, -1, "Volume"));
    EXPECT_EQ(seen, (std::vector<std::string>{"line 7", "control " + std::to_string(volumeId)}));
    EXPECT_EQ(mixer.MixerWndProc(0x0010, 0, 0), std::nullopt) << "other messages go to the default procedure";
    EXPECT_EQ(mixer.Destinations()->Items(0)->Controls().Count(), 3) << "the tree is not touched";
}

TEST_F(AudioMixerTest, SetLineVolumeWritesTheFirstUsableVolumeAndMute) {
    struct Case {
        const char* what;
        int dest, conn, left, right, sw;
        bool result;
        std::vector<LONG> volume;  // of the line's "Volume"
        std::vector<LONG> mute;    // of the line's "Mute" (speakers only)
    };
    const Case cases[] = {
        {"destination: both channels, mute on every channel", 0, -1, 1000, -1, 1, true, {1000, 1000}, {1}},
        {"left and right apart", 0, -1, 10, 20, -1, true, {10, 20}, {0}},
        {"-1 in Left leaves the volume even with Right", 0, -1, -1, 5, -1, true, {0, 0}, {0}},
        {"source with its own mute", 0, 0, 7, -1, 1, true, {7, 7}, {1, 1}},
        {"no such destination", 5, -1, 1, -1, 1, false, {0, 0}, {0}},
        {"no such source", 0, 3, 1, -1, 1, false, {0, 0}, {0}},
    };
    for (const Case& c : cases) {
        Install({Card()});
        TAudioMixer mixer(nullptr);
        EXPECT_EQ(mixer.SetLineVolume(c.dest, c.conn, c.left, c.right, c.sw), c.result) << c.what;
        const int line = c.result ? c.conn : -1;
        EXPECT_EQ(Values(0, line, "Volume"), c.volume) << c.what;
        EXPECT_EQ(Values(0, line, "Mute"), c.mute) << c.what;
        EXPECT_EQ(Values(0, -1, "Multi"), (std::vector<LONG>(4, 0))) << c.what << ": flagged multiple, skipped";
        EXPECT_EQ(Values(1, -1, "Select"), (std::vector<LONG>{0, 0, 0})) << c.what << ": no selector touched";
    }
}

TEST_F(AudioMixerTest, SetLineVolumeSelectsTheSourceInTheSelector) {
    struct Case {
        const char* what;
        os::DWORD type;
        std::vector<int> items;  // sources the selector offers, by position
        std::vector<LONG> before;
        int conn;
        std::vector<LONG> after;
    };
    const Case cases[] = {
        {"MUX: only the chosen item", mx::CtlMux, {}, {1, 0, 1}, 1, {0, 1, 0}},
        {"MIXER: the others keep their state", mx::CtlMixer, {2, 1, 0}, {1, 0, 1}, 1, {1, 1, 1}},
        {"the line is offered by no item: nothing written", mx::CtlMux, {0, 2, 9}, {1, 0, 0}, 1, {1, 0, 0}},
    };
    for (const Case& c : cases) {
        SimMixerDevice card = Card();
        SimControl selector = WithValues(SimControl::Make(c.type, "Select", mx::ControlUniform), c.before);
        selector.items = c.items;
        card.destinations[1].controls = {selector};
        Install({card});
        TAudioMixer mixer(nullptr);
        sim.audio.mixer.ClearCalls();
        EXPECT_TRUE(mixer.SetLineVolume(1, c.conn, 40000, 40000, 1)) << c.what;
        EXPECT_EQ(Values(1, -1, "Select"), c.after) << c.what;
        EXPECT_EQ(Values(1, c.conn, "Volume"), (std::vector<LONG>{40000, 40000})) << c.what;
        EXPECT_EQ(Count("mixerSetControlDetails"), c.before == c.after ? 1 : 2) << c.what;
    }
}

TEST_F(AudioMixerTest, ControlsBeyondTheValueArrayAreRefusedUnwritten) {
    SimMixerDevice card = Card();
    card.destinations[0].channels = 150;  // a non-uniform volume of 150 channels
    SimControl wide = SimControl::Make(mx::CtlMux, "Select", mx::ControlUniform);
    wide.items = std::vector<int>(200, 1);  // 200 items, the microphone among them
    card.destinations[1].controls = {wide};
    Install({card});
    TAudioMixer mixer(nullptr);
    sim.audio.mixer.ClearCalls();
    EXPECT_TRUE(mixer.SetLineVolume(0, -1, 1000, -1, 1));
    EXPECT_EQ(Values(0, -1, "Volume"), std::vector<LONG>(150, 0));
    EXPECT_EQ(Values(0, -1, "Mute"), (std::vector<LONG>{1})) << "the uniform mute fits";
    EXPECT_TRUE(mixer.SetLineVolume(1, 1, -1, -1, 1));
    EXPECT_EQ(Values(1, -1, "Select"), std::vector<LONG>(200, 0));
    EXPECT_EQ(Count("mixerSetControlDetails"), 1);
}

// ---------------------------------------------------------------- the routines on mixer 0

class MicrophoneSwitchTest : public AudioMixerTest {
protected:
    MicrophoneSwitchTest() {
        SetShowMessage([this](const std::string& text) { messages.push_back(text); });
    }
    ~MicrophoneSwitchTest() override { SetShowMessage({}); }
    std::vector<std::string> messages;
};

TEST_F(MicrophoneSwitchTest, WithoutMixerNothingIsInstalledAndTheOpenFailureIsShown) {
    EXPECT_FALSE(MixerInstalled());
    EXPECT_FALSE(SetMicrophoneSwitch(true));
    EXPECT_EQ(LastMixerResult(), 2);
    EXPECT_EQ(messages, (std::vector<std::string>{"A device ID has been used that is out of range for your system."}));
}

TEST_F(MicrophoneSwitchTest, SetsEveryChannelOfTheMicrophoneSwitchOnDeviceZero) {
    struct Case {
        const char* what;
        os::DWORD flags;
        os::DWORD channels;
        bool on;
        std::vector<LONG> values;
    };
    const Case cases[] = {
        {"stereo, on", 0, 2, true, {1, 1}},
        {"stereo, off", 0, 2, false, {0, 0}},
        {"uniform: one value", mx::ControlUniform, 2, true, {1}},
        {"four channels: all of them", 0, 4, true, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SimMixerDevice first = Card("First");
        SimLine& microphone = first.destinations[1].sources[1];
        microphone.channels = c.channels;
        microphone.controls[1] = WithValues(SimControl::Make(mx::CtlOnOff, "Switch", c.flags),
                                            std::vector<LONG>(c.channels, c.on ? 0 : 1));
        Install({first, Card("Second")});
        TAudioMixer chosen(nullptr);
        chosen.SetMixerId(1);
        sim.audio.mixer.ClearCalls();
        EXPECT_TRUE(SetMicrophoneSwitch(c.on)) << c.what;
        EXPECT_EQ(Values(1, 1, "Switch", 0), c.values) << c.what;
        EXPECT_EQ(Values(1, 1, "Switch", 1), (std::vector<LONG>{0, 0})) << c.what << ": not the chosen mixer";
        EXPECT_EQ(Count("mixerSetControlDetails"), 1) << c.what << ": only the microphone's switch";
        EXPECT_EQ(sim.audio.mixer.OpenHandles(), 1) << c.what << ": device 0 closed again";
        EXPECT_TRUE(messages.empty()) << c.what;
    }
}

TEST_F(MicrophoneSwitchTest, WithoutMicrophoneOrSwitchNothingIsWrittenOrShown) {
    SimMixerDevice noSwitch = Card();
    noSwitch.destinations[1].sources[1].controls.pop_back();
    SimMixerDevice noMicrophone = Card();
    noMicrophone.destinations[1].sources.erase(noMicrophone.destinations[1].sources.begin() + 1);
    SimMixerDevice noRecording = Card();
    noRecording.destinations.pop_back();
    for (const SimMixerDevice& card : {noSwitch, noMicrophone, noRecording}) {
        Install({card});
        sim.audio.mixer.ClearCalls();
        EXPECT_FALSE(SetMicrophoneSwitch(true));
        EXPECT_EQ(Count("mixerSetControlDetails"), 0);
        EXPECT_EQ(Count("mixerClose"), 1);
        EXPECT_EQ(sim.audio.mixer.OpenHandles(), 0);
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
