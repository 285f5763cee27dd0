#include "platform/os/win32/Win32TopLevelWindows.h"

#include <windows.h>

#include <exception>
#include <vector>

namespace os::win32 {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

struct Enumeration {
    const TopLevelWindows::Visitor& visit;
    std::exception_ptr error;
};

// An exception must not unwind through the system's frames: it is carried past them.
BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(context);
    try {
        return enumeration.visit(reinterpret_cast<WindowHandle>(window)) ? TRUE : FALSE;
    } catch (...) {
        enumeration.error = std::current_exception();
        return FALSE;
    }
}

template <class Reader>
int ReadText(Reader reader, WindowHandle window, std::string* text, int size) {
    text->clear();
    if (size <= 0) return 0;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int length = reader(ToHwnd(window), buffer.data(), size);
    if (length > 0) text->assign(buffer.data(), static_cast<std::size_t>(length));
    return length > 0 ? length : 0;
}

}  // namespace

bool Win32TopLevelWindows::Enumerate(const Visitor& visit) {
    Enumeration enumeration{visit, nullptr};
    const BOOL completed = EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.error) std::rethrow_exception(enumeration.error);
    return completed != FALSE;
}

int Win32TopLevelWindows::ClassName(WindowHandle window, std::string* text, int size) {
    return ReadText(GetClassNameA, window, text, size);
}

int Win32TopLevelWindows::Text(WindowHandle window, std::string* text, int size) {
    return ReadText(GetWindowTextA, window, text, size);
}

WindowHandle Win32TopLevelWindows::LastActivePopup(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetLastActivePopup(ToHwnd(window)));
}

bool Win32TopLevelWindows::BringToTop(WindowHandle window) { return BringWindowToTop(ToHwnd(window)) != FALSE; }

bool Win32TopLevelWindows::Iconic(WindowHandle window) { return IsIconic(ToHwnd(window)) != FALSE; }

bool Win32TopLevelWindows::Show(WindowHandle window, int command) {
    return ShowWindow(ToHwnd(window), command) != FALSE;
}

bool Win32TopLevelWindows::SetForeground(WindowHandle window) {
    return SetForegroundWindow(ToHwnd(window)) != FALSE;
}

}  // namespace os::win32
