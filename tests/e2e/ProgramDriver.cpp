#include "tests/e2e/ProgramDriver.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

std::string WindowText(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ClassOf(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

DWORD OwnerOf(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner;
}

// Enumeration callbacks: the system calls them with its own calling convention, which a
// lambda does not have on 32-bit Windows.
BOOL CALLBACK CollectVisibleChild(HWND window, LPARAM children) {
    if (IsWindowVisible(window))
        reinterpret_cast<std::vector<Child>*>(children)->push_back({window, ClassOf(window), WindowText(window)});
    return TRUE;
}

struct TitledSearch {
    DWORD processId;
    std::string title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TitledSearch*>(data);
    if (OwnerOf(window) == search.processId && WindowText(window) == search.title) search.found.push_back(window);
    return TRUE;
}

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogBox(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DialogSearch*>(data);
    if (OwnerOf(window) == search.processId && IsWindowVisible(window) && ClassOf(window) == "#32770")
        search.found = window;
    return search.found ? FALSE : TRUE;
}

}  // namespace

Program::Program(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const std::string folder = ExecutableFolder();
    const bool fullPath = exe.find('\\') != std::string::npos;
    std::string commandLine = "\"";
    commandLine.append(fullPath ? "" : folder).append(exe).append("\"");
    if (!arguments.empty()) commandLine.append(" ").append(arguments);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process_))
        throw std::runtime_error("cannot start " + exe);
}

Program::~Program() {
    if (WaitForExit(std::chrono::milliseconds(0)) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Program::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (HWND window : TopLevelWindows(process_.dwProcessId, title))
            if (IsWindowVisible(window)) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

DWORD Program::WaitForExit(std::chrono::milliseconds timeout) const {
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count()));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<Child> VisibleChildren(HWND parent) {
    std::vector<Child> children;
    EnumChildWindows(parent, CollectVisibleChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindVisible(HWND parent, const std::string& className, const std::string& text) {
    for (const Child& child : VisibleChildren(parent))
        if (lstrcmpiA(child.className.c_str(), className.c_str()) == 0 && (text.empty() || child.text == text))
            return child.window;
    return nullptr;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& title) {
    TitledSearch search{processId, title, {}};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        DialogSearch search{processId, nullptr};
        EnumWindows(FindDialogBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

void ClickTreeItem(HWND tree, int index) {
    // Item handles are plain values, so they cross into the program; item texts would not.
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; i < index && item; ++i)
        item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    if (!item) throw std::runtime_error("no tree item " + std::to_string(index));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Settle();
}

void PressKey(HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 1);
    SendMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Settle();
}

void ChooseMenuItem(HWND window, char entry, char item) {
    // Posted: the menu runs its own loop, which reads the letter from the queue.
    PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(entry));
    Settle();
    PostMessageA(window, WM_CHAR, static_cast<WPARAM>(item), 1);
    Settle();
}

void DragTrackBar(HWND trackBar, int position) {
    SendMessageA(trackBar, TBM_SETPOS, TRUE, position);
    const HWND parent = GetParent(trackBar);
    const auto thumbTrack = static_cast<WPARAM>((static_cast<unsigned>(position) << 16) | TB_THUMBTRACK);
    SendMessageA(parent, WM_HSCROLL, thumbTrack, reinterpret_cast<LPARAM>(trackBar));
    SendMessageA(parent, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(trackBar));
    Settle();
}

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

void Settle() { std::this_thread::sleep_for(std::chrono::milliseconds(200)); }

COLORREF ScreenPixel(HWND window, int x, int y) {
    RECT rect{};
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, rect.left + x, rect.top + y);
    ReleaseDC(nullptr, screen);
    return color;
}

std::string SystemIniPath() {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\Orlenza.ini";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

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
    WriteFile(path, bytes);
    return true;
}


}  // namespace e2e
