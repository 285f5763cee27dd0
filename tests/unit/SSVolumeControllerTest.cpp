// The master volume controller over a simulated mixer: the percent and balance conversions
// both ways, what creating and loading it does to the speakers, and speaker lines that lack
// controls or have many.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "common/CommonClasses.h"
#include "mixer/SSVolumeController.h"
#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/os/sim/SimSoundIni.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"
#include "platform/vcl/FormText.h"
#include "tests/support/TestApplication.h"

namespace {

class TVolumeForm : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
};

const vcl::ClassInfo& TVolumeForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TVolumeForm>("TVolumeForm", &TComponent::StaticClassInfo()).Build();
    return info;
}

using os::sim::SimControl;
using Values = std::vector<os::LONG>;

class VolumeControllerTest : public ::testing::Test {
protected:
    VolumeControllerTest() { UseDevices(os::sim::DescribeSimSound("[Mixers]\nCount=1\n").mixers); }

    void UseDevices(std::vector<os::sim::SimMixerDevice> devices) { sim.audio.mixer.SetDevices(std::move(devices)); }
    Values Speakers(const char* control) const { return sim.audio.mixer.Values(0, 0, -1, control); }
    void SetSpeakers(os::LONG left, os::LONG right) {
        const os::DWORD id = sim.audio.mixer.ControlId(0, 0, -1, "Volume");
        std::array<std::uint32_t, 2> values{static_cast<std::uint32_t>(left), static_cast<std::uint32_t>(right)};
        os::MixerControlDetails details{24, id, 2, 0, 4, values.data()};
        sim.audio.mixer.SetControlDetails(0, &details, 0);
    }
    std::size_t Writes() const {
        std::size_t count = 0;
        for (const auto& call : sim.audio.mixer.Calls()) count += call.function == "mixerSetControlDetails";
        return count;
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
};

TEST_F(VolumeControllerTest, WrittenValuesReadBackThroughTheMixersUnits) {
    struct Case {
        int volume, balance, readVolume, readBalance;
        os::LONG left, right;
    };
    const Case cases[] = {
        {40, 0, 40, 0, 26214, 26214},   {33, 0, 32, 0, 21626, 21626}, {100, 50, 100, 50, 32767, 65535},
        {100, -30, 100, -30, 65535, 45874}, {50, 100, 49, 100, 0, 32767}, {1, 0, 0, 0, 655, 655},
        {50, -100, 49, -100, 32767, 0}, {0, 40, 0, 0, 0, 0},
    };
    TssVolumeController controller(nullptr);
    for (const Case& c : cases) {
        controller.SetBalance(0);
        controller.SetVolume(c.volume);
        controller.SetBalance(c.balance);
        EXPECT_EQ(Speakers("Volume"), (Values{c.left, c.right})) << c.volume << "/" << c.balance;
        EXPECT_EQ(controller.Volume(), c.readVolume) << c.volume << "/" << c.balance;
        EXPECT_EQ(controller.Balance(), c.readBalance) << c.volume << "/" << c.balance;
    }
}

TEST_F(VolumeControllerTest, OutOfRangeWritesAreIgnored) {
    TssVolumeController controller(nullptr);
    controller.SetVolume(60);
    controller.SetBalance(20);
    const std::size_t writes = Writes();
    for (int volume : {101, -1}) controller.SetVolume(volume);
    for (int balance : {101, -101}) controller.SetBalance(balance);
    EXPECT_EQ(Writes(), writes);
    EXPECT_EQ(controller.Volume(), 60);
    EXPECT_EQ(controller.Balance(), 20);
}

// A mono speakers line refuses the two-channel reads and writes: what was last set stays,
// rather than a level computed from values the mixer never gave.
TEST_F(VolumeControllerTest, AFailedReadKeepsTheStoredValues) {
    sim.audio.mixer.Devices()[0].destinations[0].channels = 1;
    UseDevices(sim.audio.mixer.Devices());
    TssVolumeController controller(nullptr);
    controller.SetVolume(60);
    controller.SetBalance(20);
    EXPECT_EQ(controller.Volume(), 60);
    EXPECT_EQ(controller.Balance(), 20);
}

TEST_F(VolumeControllerTest, CreatingUnmutesAndTakesTheLevelSetElsewhere) {
    sim.audio.mixer.Devices()[0].destinations[0].controls[1].values = {1};  // muted
    UseDevices(sim.audio.mixer.Devices());
    SetSpeakers(13107, 26214);
    TssVolumeController controller(nullptr);
    EXPECT_EQ(Speakers("Mute"), Values{0});
    EXPECT_FALSE(controller.Mute());
    EXPECT_EQ(controller.Volume(), 40);
    EXPECT_EQ(controller.Balance(), 50);

    // Changed in the system's panel: reading picks it up, and writing Volume keeps that balance.
    SetSpeakers(65535, 65535);
    EXPECT_EQ(controller.Volume(), 100);
    controller.SetVolume(20);
    EXPECT_EQ(Speakers("Volume"), (Values{13107, 13107}));
    // Mute reads what was written last, whatever the mixer holds.
    controller.SetMute(true);
    EXPECT_EQ(Speakers("Mute"), Values{1});
    sim.audio.mixer.Devices()[0].destinations[0].controls[1].values = {0};
    EXPECT_TRUE(controller.Mute());
}

TEST_F(VolumeControllerTest, LoadingTheStoredValuesUnmutesAndSetsFortyPercent) {
    RegisterMixerClasses();
    SetSpeakers(65535, 0);
    const vcl::ComponentRecord record = vcl::ParseFormText(
        "Form: TVolumeForm { VolumeController: TssVolumeController { Mute = false Volume = 40 Balance = 0 } }",
        [](const std::string&) { return std::vector<std::uint8_t>{}; });
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, record);
    TVolumeForm form(nullptr);
    vcl::ReadComponent(std::span<const std::uint8_t>(stream.Memory(), stream.Size()), form);
    ASSERT_NE(dynamic_cast<TssVolumeController*>(form.FindComponent("VolumeController")), nullptr);
    EXPECT_EQ(Speakers("Volume"), (Values{26214, 26214}));
    EXPECT_EQ(Speakers("Mute"), Values{0});
}

// The wizard creates its single-instance guard after the controller: a second copy that the
// guard ends has still set the speakers, so the values must be applied as they are read, not
// once the whole window has loaded.
TEST_F(VolumeControllerTest, ASecondCopyEndedByTheGuardHasSetTheSpeakersFirst) {
    RegisterMixerClasses();
    RegisterCommonClasses();
    SetSpeakers(65535, 0);
    const char* title = "Setup Sound System Wizard";
    sim.windows.Add({"TApplication", title, false, true, 0});
    const testing_support::TestApplication application(sim.windows.Add({"TApplication", title, false, true, 0}));
    const vcl::ComponentRecord record = vcl::ParseFormText(
        "Form: TVolumeForm { VolumeController: TssVolumeController { Mute = false Volume = 40 Balance = 0 } "
        "PBJustOne1: TPBJustOne { } }",
        [](const std::string&) { return std::vector<std::uint8_t>{}; });
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, record);
    TVolumeForm form(nullptr);
    EXPECT_THROW(vcl::ReadComponent(std::span<const std::uint8_t>(stream.Memory(), stream.Size()), form),
                 os::sim::ProgramExit);
    EXPECT_EQ(Speakers("Volume"), (Values{26214, 26214}));
    EXPECT_EQ(Speakers("Mute"), Values{0});
}

TEST_F(VolumeControllerTest, WritesOnlyToControlsItHoldsAndClosesItsMixer) {
    struct Line {
        const char* what;
        std::vector<SimControl> controls;
        bool volume, mute;
    };
    std::vector<SimControl> many;
    for (int i = 0; i < 40; ++i) many.push_back(SimControl::Make(os::mx::CtlOnOff, "Switch " + std::to_string(i)));
    many.push_back(SimControl::Make(os::mx::CtlVolume, "Volume"));
    many.push_back(SimControl::Make(os::mx::CtlMute, "Mute", os::mx::ControlUniform));
    const Line lines[] = {
        {"no controls", {}, false, false},
        {"volume only", {SimControl::Make(os::mx::CtlVolume, "Volume")}, true, false},
        {"mute only", {SimControl::Make(os::mx::CtlMute, "Mute", os::mx::ControlUniform)}, false, true},
        {"42 controls", many, true, true},
    };
    for (const Line& line : lines) {
        auto devices = os::sim::DescribeSimSound("[Mixers]\nCount=1\n").mixers;
        devices[0].destinations[0].controls = line.controls;
        UseDevices(devices);
        sim.audio.mixer.ClearCalls();
        {
            TssVolumeController controller(nullptr);
            controller.SetVolume(70);
            controller.SetMute(true);
            EXPECT_EQ(controller.HasVolumeControl(), line.volume) << line.what;
            EXPECT_EQ(controller.HasMuteControl(), line.mute) << line.what;
            EXPECT_EQ(Writes(), (line.volume ? 1u : 0u) + (line.mute ? 2u : 0u)) << line.what;
            if (line.volume) {
                EXPECT_EQ(Speakers("Volume"), (Values{45874, 45874})) << line.what;
            }
        }
        EXPECT_EQ(sim.audio.mixer.OpenHandles(), 0) << line.what;
    }

    // No mixer at all: nothing happens, and reading keeps what was written.
    UseDevices({});
    sim.audio.mixer.ClearCalls();
    TssVolumeController controller(nullptr);
    controller.SetVolume(30);
    EXPECT_EQ(controller.Volume(), 30);
    EXPECT_EQ(Writes(), 0u);
}

}  // namespace
