#pragma once
// The HTML Help viewer: HtmlHelpA(hwndCaller, pszFile, uCommand, dwData).
#include <cstdint>

#include "platform/os/WinTypes.h"

namespace os {

namespace hh {
inline constexpr DWORD DisplayTopic = 0x0000;
inline constexpr DWORD DisplayIndex = 0x0002;
inline constexpr DWORD HelpContext = 0x000F;
inline constexpr DWORD CloseAll = 0x0012;
}  // namespace hh

class HtmlHelpViewer {
public:
    virtual ~HtmlHelpViewer() = default;

    // The viewer's window, or 0 when none was opened (also when the viewer is missing).
    virtual WindowHandle Command(WindowHandle caller, const char* file, DWORD command, std::uintptr_t data) = 0;
};

}  // namespace os
