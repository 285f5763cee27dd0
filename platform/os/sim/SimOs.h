#pragma once
// A whole simulated Windows for one test (or, natively, for the process): install it with
// os::BackendScope scope{sim.backend()}.
#include "platform/os/Os.h"
#include "platform/os/sim/SimHtmlHelp.h"
#include "platform/os/sim/SimProcess.h"
#include "platform/os/sim/SimProfile.h"
#include "platform/os/sim/SimRegistry.h"
#include "platform/os/sim/SimSound.h"
#include "platform/os/sim/SimSoundPlayer.h"
#include "platform/os/sim/SimSystem.h"
#include "platform/os/sim/SimTopLevelWindows.h"

namespace os::sim {

struct SimOs {
    SimProfile profile;
    SimRegistry registry;
    SimSystem system;
    SimSoundPlayer sound{system};  // plays on the system's clock
    SimHtmlHelp htmlHelp;
    SimTopLevelWindows windows;
    SimProcess process;
    SimSound audio{[this] { return system.TickCount(); }};  // records on the system's clock

    Backend backend() { return {&profile, &registry, &system, &sound, &htmlHelp, &windows, &process, &audio.mixer, &audio.waveIn}; }
};

}  // namespace os::sim
