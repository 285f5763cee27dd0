#pragma once
// EnumWindows, GetClassNameA, GetWindowTextA, GetLastActivePopup, BringWindowToTop, IsIconic,
// ShowWindow, SetForegroundWindow.
#include "platform/os/TopLevelWindows.h"

namespace os::win32 {

class Win32TopLevelWindows : public TopLevelWindows {
public:
    bool Enumerate(const Visitor& visit) override;
    int ClassName(WindowHandle window, std::string* text, int size) override;
    int Text(WindowHandle window, std::string* text, int size) override;
    WindowHandle LastActivePopup(WindowHandle window) override;
    bool BringToTop(WindowHandle window) override;
    bool Iconic(WindowHandle window) override;
    bool Show(WindowHandle window, int command) override;
    bool SetForeground(WindowHandle window) override;
};

}  // namespace os::win32
