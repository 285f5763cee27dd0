#include "platform/os/win32/Win32ScratchWindows.h"

#include <windows.h>

#include <stdexcept>

namespace os::win32 {

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + " failed, error " + std::to_string(GetLastError()));
}

}  // namespace

ScratchWindows::ScratchWindows(std::string className) : className_(std::move(className)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className_.c_str();
    if (!RegisterClassA(&windowClass)) Fail("RegisterClassA");
}

ScratchWindows::~ScratchWindows() {
    for (const WindowHandle window : windows_) DestroyWindow(reinterpret_cast<HWND>(window));
    UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
}

WindowHandle ScratchWindows::Create(const std::string& text) {
    const HWND window = CreateWindowExA(0, className_.c_str(), text.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                        200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) Fail("CreateWindowExA");
    windows_.push_back(reinterpret_cast<WindowHandle>(window));
    return windows_.back();
}

}  // namespace os::win32
