// olz_manager_shots: starts the System Manager once in each theme style, visits every page of
// every tab as a user would, and saves a picture of the window at each one as
// <folder>\manager-<style>-<tab>-<page>.bmp, and of its About box as manager-<style>-about.bmp.
// The configuration file is put back as it was.
//   olz_manager_shots.exe <folder>
#include "tests/e2e/ProgramDriver.h"
#include "tests/e2e/ServiceMachine.h"

#include <commctrl.h>

#include <cstdio>
#include <thread>

namespace {

using namespace std::chrono_literals;

const char* const kStyles[] = {"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};

// Opens "&Help" > "&About" as the keyboard does and waits for the box.
HWND OpenAbout(const e2e::Program& program, HWND window) {
    e2e::ChooseMenuItem(window, 'h', 'a');
    return program.WaitForWindow("About Orlenza", 5s);
}

// One run of the manager in the style stored under "Theme"; false when it went wrong.
bool ShootStyle(const std::string& folder, int style) {
    e2e::WriteFile(e2e::SystemIniPath(),
                   std::string(e2e::kConfigSection) +
                       "ViewSoundData=1\r\nVoiceAssist=1\r\nConfidence=90\r\nAccuracy=30\r\nVoiceTries=3\r\n"
                       "LockOutTime=10\r\nInactivityTime=90\r\nPlayBackVoicePrint=1\r\nNoiseFiltration=1\r\n"
                       "Theme=" + std::to_string(style) + "\r\nLanguage=0\r\nPasswordTries=3\r\n");
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow("Orlenza System Manager");
    if (!window) return false;
    e2e::Settle();
    const std::string prefix = folder + "\\manager-" + kStyles[style] + "-";
    const HWND tabs = e2e::FindVisible(window, WC_TABCONTROLA);
    e2e::PressKey(tabs, VK_LEFT);  // it opens on the second tab
    const int pages[] = {6, 3, 3, 2};
    for (int tab = 0; tab < 4; ++tab) {
        if (tab > 0) e2e::PressKey(tabs, VK_RIGHT);
        const HWND tree = e2e::FindVisible(window, WC_TREEVIEWA);
        for (int page = 0; page < pages[tab]; ++page) {
            // Tree clicks closer than half a second apart do not change the page.
            std::this_thread::sleep_for(600ms);
            e2e::ClickTreeItem(tree, page);
            e2e::SaveWindowPicture(window, prefix + std::to_string(tab) + "-" + std::to_string(page) + ".bmp");
        }
    }
    if (const HWND about = OpenAbout(program, window)) {
        e2e::Settle();
        e2e::SaveWindowPicture(about, prefix + "about.bmp");
        PostMessageA(about, WM_CLOSE, 0, 0);
        e2e::Settle();
    } else {
        std::fprintf(stderr, "olz_manager_shots: no About box in %s\n", kStyles[style]);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return program.WaitForExit(10s) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olz_manager_shots <folder>\n");
        return 2;
    }
    e2e::PrepareServiceMachine();  // the manager reads its service at start
    const std::string folder = argv[1];
    const std::string ini = e2e::SystemIniPath();
    const bool hadIni = GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::string saved = hadIni ? e2e::ReadFile(ini) : std::string();
    bool ok = true;
    for (int style = 0; style < 5; ++style) ok = ShootStyle(folder, style) && ok;
    if (hadIni)
        e2e::WriteFile(ini, saved);
    else
        DeleteFileA(ini.c_str());
    return ok ? 0 : 1;
}
