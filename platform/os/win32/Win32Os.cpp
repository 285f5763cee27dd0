#include "platform/os/win32/Win32Os.h"

#include "platform/os/win32/Win32HtmlHelp.h"
#include "platform/os/win32/Win32Mixer.h"
#include "platform/os/win32/Win32Process.h"
#include "platform/os/win32/Win32Profile.h"
#include "platform/os/win32/Win32Registry.h"
#include "platform/os/win32/Win32SoundPlayer.h"
#include "platform/os/win32/Win32System.h"
#include "platform/os/win32/Win32TopLevelWindows.h"
#include "platform/os/win32/Win32WaveIn.h"

namespace os::win32 {

Backend ProcessBackend() {
    static Win32Profile profile;
    static Win32Registry registry;
    static Win32System system;
    static Win32SoundPlayer sound;
    static Win32HtmlHelp htmlHelp;
    static Win32TopLevelWindows windows;
    static Win32Process process;
    static Win32Mixer mixer;
    static Win32WaveIn waveIn;
    return {&profile, &registry, &system, &sound, &htmlHelp, &windows, &process, &mixer, &waveIn};
}

}  // namespace os::win32
