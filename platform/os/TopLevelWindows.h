#pragma once
// The top-level windows of the desktop, as a program finds and activates another one:
// EnumWindows, GetClassNameA, GetWindowTextA, GetLastActivePopup, BringWindowToTop, IsIconic,
// ShowWindow and SetForegroundWindow.
#include <functional>
#include <string>

#include "platform/os/WinTypes.h"

namespace os {

namespace sw {
inline constexpr int ShowNormal = 1;
inline constexpr int Minimize = 6;
inline constexpr int Restore = 9;
}  // namespace sw

class TopLevelWindows {
public:
    virtual ~TopLevelWindows() = default;

    // Calls `visit` for each top-level window, topmost first, until it returns false; false
    // then. Windows created or destroyed meanwhile may or may not be visited.
    using Visitor = std::function<bool(WindowHandle)>;
    virtual bool Enumerate(const Visitor& visit) = 0;

    // The class name and the window text into a buffer of `size` characters: the text cut to
    // size - 1 characters, and its length; 0 and an empty text for a window that is gone.
    virtual int ClassName(WindowHandle window, std::string* text, int size) = 0;
    virtual int Text(WindowHandle window, std::string* text, int size) = 0;

    // The owned window that was active last, or `window` itself when it has none.
    virtual WindowHandle LastActivePopup(WindowHandle window) = 0;
    virtual bool BringToTop(WindowHandle window) = 0;
    virtual bool Iconic(WindowHandle window) = 0;
    // ShowWindow: whether the window was visible before.
    virtual bool Show(WindowHandle window, int command) = 0;
    virtual bool SetForeground(WindowHandle window) = 0;
};

}  // namespace os
