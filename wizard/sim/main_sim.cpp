// olzsoundwiz_sim: the Setup Sound System Wizard over a simulated sound system, described by
// "simsound.ini" beside the program (none: no mixer and no recording device). For tests under
// Wine, which has no sound card here; everything else is the real system's. With
// "[Sounds] Log=file" the sounds it asks for are also noted in that file beside the program.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/os/Os.h"
#include "platform/os/sim/SimSound.h"
#include "platform/os/sim/SimSoundIni.h"
#include "platform/vcl/FileNames.h"
#include "wizard/FMicWizard.h"
#include "wizard/WizardProgram.h"
#include "wizard/sim/SoundLog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string folder = vcl::ExtractFilePath(os::system().ModuleFileName());
    const std::string path = folder + "simsound.ini";
    std::ifstream file(path, std::ios::binary);
    const std::string description{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    os::sim::SimSound sound([] { return os::system().TickCount(); });
    os::sim::ApplyDescription(sound, os::sim::DescribeSimSound(description));
    os::Backend backend;
    backend.mixer = &sound.mixer;
    backend.waveIn = &sound.waveIn;
    char logName[MAX_PATH] = {};
    GetPrivateProfileStringA("Sounds", "Log", "", logName, MAX_PATH, path.c_str());
    std::optional<SoundLog> soundLog;
    if (*logName) {
        soundLog.emplace(os::sound(), folder + logName);
        backend.sound = &*soundLog;
    }
    const os::BackendScope scope(backend);
    // No device thread here: the device does its work whenever the window waits.
    TMainFrm::SetIdleWork([&sound] { sound.waveIn.Deliver(); });
    return RunWizard();
}
