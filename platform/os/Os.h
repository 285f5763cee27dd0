#pragma once
// The seam to the operating system: product code reaches Windows only through the interfaces
// installed here. Windows builds start with the real calls, native builds with the simulation;
// tests install the backend they prove.
#include "platform/os/HtmlHelp.h"
#include "platform/os/Mixer.h"
#include "platform/os/PrivateProfile.h"
#include "platform/os/Process.h"
#include "platform/os/Registry.h"
#include "platform/os/SoundPlayer.h"
#include "platform/os/System.h"
#include "platform/os/TopLevelWindows.h"
#include "platform/os/WaveIn.h"

namespace os {

struct Backend {
    PrivateProfile* profile = nullptr;
    Registry* registry = nullptr;
    System* system = nullptr;
    SoundPlayer* sound = nullptr;
    HtmlHelpViewer* htmlHelp = nullptr;
    TopLevelWindows* windows = nullptr;
    Process* process = nullptr;
    Mixer* mixer = nullptr;
    WaveIn* waveIn = nullptr;
};

// The backend in use. Never null members.
const Backend& backend();
inline PrivateProfile& profile() { return *backend().profile; }
inline Registry& registry() { return *backend().registry; }
inline System& system() { return *backend().system; }
inline SoundPlayer& sound() { return *backend().sound; }
inline HtmlHelpViewer& htmlHelp() { return *backend().htmlHelp; }
inline TopLevelWindows& windows() { return *backend().windows; }
inline Process& process() { return *backend().process; }
inline Mixer& mixer() { return *backend().mixer; }
inline WaveIn& waveIn() { return *backend().waveIn; }

// Installs a backend for its lifetime; members left null keep the one in use.
class BackendScope {
public:
    explicit BackendScope(const Backend& replacement);
    ~BackendScope();
    BackendScope(const BackendScope&) = delete;
    BackendScope& operator=(const BackendScope&) = delete;

private:
    Backend saved_;
};

}  // namespace os
