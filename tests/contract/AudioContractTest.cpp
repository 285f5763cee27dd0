// The mixer and wave-in functions. Wine has no sound device here, so both backends are held to
// what a machine without one answers: the error numbers of opens and queries, the handles
// refused, and the error texts. The simulation's devices are proven on their own
// (tests/unit/SimSoundTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "tests/contract/Backends.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

class AudioContract : public contract::BackendTest {
protected:
    void SetUp() override {
        if (auto* sim = os->sim()) {
            sim->audio.mixer.SetDevices({});
            sim->audio.waveIn.Recorder().present = false;
        }
        if (os->mixer().GetNumDevs() != 0 || os->waveIn().GetNumDevs() != 0) {
            GTEST_SKIP() << "this machine has sound devices";
        }
    }
};

TEST_P(AudioContract, MixerWithoutDevicesRefusesOpensAndQueries) {
    os::Mixer& mixer = os->mixer();
    os::MixerHandle handle = 0x77;
    EXPECT_EQ(mixer.Open(&handle, 0, 0, 0, 0), os::mm::BadDeviceId);
    EXPECT_EQ(handle, 0u) << "a failed open leaves no handle";

    const os::WindowHandle window = mixer.AllocateNotifyWindow([](std::uint32_t, std::uintptr_t, std::intptr_t) {
        return std::optional<std::intptr_t>();
    });
    ASSERT_NE(window, 0u);
    EXPECT_EQ(mixer.Open(&handle, 0, window, 0, os::mx::CallbackWindow), os::mm::BadDeviceId);
    mixer.DeallocateNotifyWindow(window);

    os::MixerCaps caps;
    EXPECT_EQ(mixer.GetDevCaps(0, &caps, os::mx::size::Caps), os::mm::BadDeviceId);
    os::MixerLine line;
    line.cbStruct = os::mx::size::Line;
    EXPECT_EQ(mixer.GetLineInfo(0, &line, os::mx::LineByDestination), os::mm::InvalidHandle);
    EXPECT_EQ(mixer.GetLineInfo(0x1234, &line, os::mx::LineByComponentType | os::mx::ObjectHandle),
              os::mm::InvalidHandle);
}

TEST_P(AudioContract, WaveInWithoutDeviceRefusesTheOpenAndBadHandles) {
    os::WaveIn& waveIn = os->waveIn();
    const os::WaveFormat format{os::wave::FormatPcm, 1, 11025, 11025, 1, 8, 0};
    os::WaveInHandle handle = 0x77;
    EXPECT_EQ(waveIn.Open(&handle, os::wave::Mapper, format, 0, 0, os::wave::AllowSync), os::mm::BadDeviceId);
    EXPECT_EQ(waveIn.Open(&handle, 0, format, 0, 0, os::wave::AllowSync), os::mm::BadDeviceId);
    EXPECT_EQ(waveIn.Start(0), os::mm::InvalidHandle);
    EXPECT_EQ(waveIn.Reset(0), os::mm::InvalidHandle);
    EXPECT_EQ(waveIn.Close(0), os::mm::InvalidHandle);
}

TEST_P(AudioContract, ErrorTextsOfTheWaveFunctionsAndOfMci) {
    os::WaveIn& waveIn = os->waveIn();
    struct Case {
        os::MMRESULT code;
        os::MMRESULT result;  // of waveInGetErrorTextA
        const char* text;
        bool mciKnows;
    };
    const Case cases[] = {
        {2, 0, "A device ID has been used that is out of range for your system.", false},
        {5, 0, "The specified device handle is invalid.", false},
        {32, 0,
         "The specified format is not supported or cannot be translated. Use the Capabilities function to determine "
         "the supported formats",
         false},
        {1025, 9, "", false},  // mixer errors have no wave text
        {257, 9, "", true},
    };
    for (const Case& c : cases) {
        std::string text = "stale";
        EXPECT_EQ(waveIn.GetErrorText(c.code, &text, os::wave::ErrorTextChars), c.result) << c.code;
        EXPECT_EQ(text, c.text) << c.code;
        std::string mci;
        EXPECT_EQ(waveIn.MciErrorString(c.code, &mci, os::wave::ErrorTextChars), c.mciKnows) << c.code;
        EXPECT_EQ(mci.empty(), !c.mciKnows) << c.code;
    }
    std::string cut;
    EXPECT_EQ(waveIn.GetErrorText(2, &cut, 10), 0u);
    EXPECT_EQ(cut, "A device ") << "cut to the buffer, terminator included";
}

#ifdef _WIN32
// The hidden window of the real backend: mixer notifications reach the handler, anything it
// leaves goes to the default procedure.
TEST(Win32MixerNotifyWindow, RelaysMessagesToItsHandler) {
    os::Mixer& mixer = os::mixer();
    std::vector<std::pair<std::uint32_t, std::intptr_t>> seen;
    const os::WindowHandle window =
        mixer.AllocateNotifyWindow([&](std::uint32_t message, std::uintptr_t, std::intptr_t lParam) {
            if (message != os::mx::MsgControlChange) return std::optional<std::intptr_t>();
            seen.emplace_back(message, lParam);
            return std::optional<std::intptr_t>(7);
        });
    ASSERT_NE(window, 0u);
    const HWND hwnd = reinterpret_cast<HWND>(window);
    EXPECT_EQ(SendMessageA(hwnd, os::mx::MsgControlChange, 1, 42), 7);
    EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), 0) << "the default procedure answers the rest";
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].second, 42);
    mixer.DeallocateNotifyWindow(window);
    EXPECT_FALSE(IsWindow(hwnd));
}
#endif

OLZ_INSTANTIATE_FOR_BACKENDS(AudioContract);

}  // namespace
