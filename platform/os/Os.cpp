#include "platform/os/Os.h"

#ifdef _WIN32
#include "platform/os/win32/Win32Os.h"
#else
#include "platform/os/sim/SimOs.h"
#endif

namespace os {

namespace {

Backend StartingBackend() {
#ifdef _WIN32
    return win32::ProcessBackend();
#else
    static sim::SimOs processSim;
    return processSim.backend();
#endif
}

Backend& Installed() {
    static Backend installed = StartingBackend();
    return installed;
}

}  // namespace

const Backend& backend() { return Installed(); }

BackendScope::BackendScope(const Backend& replacement) : saved_(Installed()) {
    Backend& installed = Installed();
    if (replacement.profile) installed.profile = replacement.profile;
    if (replacement.registry) installed.registry = replacement.registry;
    if (replacement.system) installed.system = replacement.system;
    if (replacement.sound) installed.sound = replacement.sound;
    if (replacement.htmlHelp) installed.htmlHelp = replacement.htmlHelp;
    if (replacement.windows) installed.windows = replacement.windows;
    if (replacement.process) installed.process = replacement.process;
    if (replacement.mixer) installed.mixer = replacement.mixer;
    if (replacement.waveIn) installed.waveIn = replacement.waveIn;
}

BackendScope::~BackendScope() { Installed() = saved_; }

}  // namespace os
