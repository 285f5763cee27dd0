#pragma once
// A whole simulated Windows for one test (or, natively, for the process): install it with
// os::BackendScope scope{sim.backend()}.
#include "platform/os/Os.h"
#include "platform/os/sim/SimProfile.h"
#include "platform/os/sim/SimRegistry.h"
#include "platform/os/sim/SimSystem.h"

namespace os::sim {

struct SimOs {
    SimProfile profile;
    SimRegistry registry;
    SimSystem system;

    Backend backend() { return {&profile, &registry, &system}; }
};

}  // namespace os::sim
