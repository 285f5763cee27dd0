// olz_manager_shots: starts the System Manager, visits every page of every tab as a user
// would, and saves a picture of the window at each one as <folder>\manager-<tab>-<page>.bmp.
//   olz_manager_shots.exe <folder>
#include "tests/e2e/ProgramDriver.h"
#include "tests/e2e/ServiceMachine.h"

#include <commctrl.h>

#include <cstdio>
#include <thread>

namespace {

// The window as it is on the screen, as a 24-bit bottom-up BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    e2e::WriteFile(path, bytes);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olz_manager_shots <folder>\n");
        return 2;
    }
    e2e::PrepareServiceMachine();  // the manager reads its service at start
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
            SaveWindowPicture(window, folder + "\\manager-" + std::to_string(tab) + "-" + std::to_string(page) + ".bmp");
        }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return program.WaitForExit(std::chrono::seconds(10)) == 0 ? 0 : 1;
}
