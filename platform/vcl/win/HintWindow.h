#pragma once
// The tooltip that shows the Hint of the controls of one form.
#include <windows.h>

#include <string>

#include "platform/vcl/win/WinHandles.h"

namespace vcl::win {

class HintWindow {
public:
    // Shows `hint` over `control`; an empty hint removes it. The tooltip is made on first use,
    // owned by `form`.
    void Set(HWND form, HWND control, const std::string& hint);
    void Close() { tip_.Reset(); }

private:
    UniqueWindow tip_;
};

}  // namespace vcl::win
