#pragma once
// Plain top-level windows of this process under a window class of their own, for tests that
// need real windows to find: destroyed, and the class unregistered, with the object.
#include <string>
#include <vector>

#include "platform/os/WinTypes.h"

namespace os::win32 {

class ScratchWindows {
public:
    explicit ScratchWindows(std::string className);
    ~ScratchWindows();
    ScratchWindows(const ScratchWindows&) = delete;
    ScratchWindows& operator=(const ScratchWindows&) = delete;

    // A new hidden window with this class and `text`; raises std::runtime_error when the
    // system cannot make one.
    WindowHandle Create(const std::string& text);

private:
    std::string className_;
    std::vector<WindowHandle> windows_;
};

}  // namespace os::win32
