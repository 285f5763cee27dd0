#pragma once
// A simulated sound system from a short INI description, for programs built against the
// simulation (tests write the file beside them):
//
//   [Mixers]
//   Count=2                        mixer devices, 0 to 16; 0 = none
//   Name0=Sim Audio A              product name of device 0 (default "Sim Audio 0"), and so on
//   Manufacturer0=1                manufacturer ID of device 0 (default 1)
//   FailingOpens0=0                opens of device 0 that fail before one works (-1: all)
//   [Recording]
//   Destination=Recording Control  the wave-in destination of every device (absent: none)
//   Sources=Microphone,Line In     its source lines, in order, each with a volume control; a source
//                                  whose name holds "mic" is a microphone and has an on/off switch
//   Selector=MUX                   MUX (default), MIXER or NONE: how the destination selects
//   [Microphone]
//   Present=1                      0: no recording device at all
//   Passes=128/7,128/7,100/0       one DC/A pair per 0.6 s pass, the last repeating: the samples
//                                  alternate DC+A and DC-A (clamped to 0..255), DC+A first
//   StartError=0                   result of every waveInStart when not 0
//
// Every device also has a "Speakers" destination with a stereo volume control and a mute switch.
// Anything after ';' on a line is a comment. Unreadable entries take their defaults.
#include <string_view>
#include <vector>

#include "platform/os/sim/SimSound.h"

namespace os::sim {

struct SimSoundDescription {
    std::vector<SimMixerDevice> mixers;
    SimRecorder recorder;
};

SimSoundDescription DescribeSimSound(std::string_view iniText);

// Installs a description in a simulated sound system.
void ApplyDescription(SimSound& sound, SimSoundDescription description);

}  // namespace os::sim
