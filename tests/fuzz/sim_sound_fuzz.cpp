// Arbitrary bytes as the INI description of a simulated sound system, which is then walked the
// way the mixer component and the capture routines walk a real one. Besides not crashing:
// every destination and source the description made answers its line query, and a recorded
// pass stays within its buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/os/sim/SimSoundIni.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    os::DWORD ticks = 0;
    os::sim::SimSound sound([&ticks] { return ticks; });
    os::sim::ApplyDescription(
        sound, os::sim::DescribeSimSound(std::string_view(reinterpret_cast<const char*>(data), size)));

    for (os::DWORD device = 0; device < sound.mixer.GetNumDevs(); ++device) {
        os::MixerCaps caps;
        Check(sound.mixer.GetDevCaps(device, &caps, os::mx::size::Caps) == 0, "caps of a described device");
        for (os::DWORD d = 0; d < caps.cDestinations; ++d) {
            os::MixerLine line;
            line.cbStruct = os::mx::size::Line;
            line.dwDestination = d;
            Check(sound.mixer.GetLineInfo(device, &line, os::mx::LineByDestination) == 0, "destination query");
            for (os::DWORD s = 0; s < line.cConnections; ++s) {
                os::MixerLine source = line;
                source.dwSource = s;
                Check(sound.mixer.GetLineInfo(device, &source, os::mx::LineBySource) == 0, "source query");
                std::vector<os::MixerControl> controls(source.cControls);
                os::MixerLineControls query{os::mx::size::LineControls, source.dwLineID, 0, source.cControls,
                                            os::mx::size::Control, controls.data()};
                if (!controls.empty()) {
                    Check(sound.mixer.GetLineControls(device, &query, os::mx::ControlsAll) == 0, "controls query");
                }
            }
        }
    }

    std::vector<char> buffer(6615 + 16, 0x5A);
    os::WaveHeader header;
    header.lpData = buffer.data();
    header.dwBufferLength = 6615;
    os::WaveInHandle handle = 0;
    const os::WaveFormat format{os::wave::FormatPcm, 1, 11025, 11025, 1, 8, 0};
    for (int pass = 0; pass < 3; ++pass) {
        if (sound.waveIn.Open(&handle, os::wave::Mapper, format, 0, 0, os::wave::AllowSync) != 0) break;
        header.dwFlags = 0;
        sound.waveIn.PrepareHeader(handle, &header, sizeof header);
        sound.waveIn.AddBuffer(handle, &header, sizeof header);
        sound.waveIn.Start(handle);
        ticks += 600;
        sound.waveIn.Deliver();
        sound.waveIn.Reset(handle);
        sound.waveIn.Close(handle);
        Check(header.dwBytesRecorded <= header.dwBufferLength, "a pass fits its buffer");
        Check(buffer[6615] == 0x5A, "nothing written past the buffer");
    }
    return 0;
}
