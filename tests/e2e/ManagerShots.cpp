// olz_manager_shots: starts the System Manager, visits every page of every tab as a user
// would, and saves a picture of the window at each one as <folder>\manager-<tab>-<page>.bmp.
//   olz_manager_shots.exe <folder>
#include "tests/e2e/ProgramDriver.h"

#include <commctrl.h>

#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olz_manager_shots <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    e2e::Program program("olzconsole.exe");
    const HWND window = program.WaitForWindow("Orlenza System Manager");
    if (!window) return 1;
    e2e::Settle();
    const HWND tabs = e2e::FindVisible(window, WC_TABCONTROLA);
    e2e::PressKey(tabs, VK_LEFT);  // it opens on the second tab
    const int pages[] = {6, 3, 3, 2};
    for (int tab = 0; tab < 4; ++tab) {
        if (tab > 0) e2e::PressKey(tabs, VK_RIGHT);
        const HWND tree = e2e::FindVisible(window, WC_TREEVIEWA);
        for (int page = 0; page < pages[tab]; ++page) {
            // Tree clicks closer than half a second apart do not change the page.
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            e2e::ClickTreeItem(tree, page);
            e2e::SaveWindowPicture(window, folder + "\\manager-" + std::to_string(tab) + "-" + std::to_string(page) + ".bmp");
        }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return program.WaitForExit(std::chrono::seconds(10)) == 0 ? 0 : 1;
}
