#pragma once
// HtmlHelpA, found in hhctrl.ocx when first needed: a system without the viewer still runs.
#include <memory>

#include "platform/os/HtmlHelp.h"

namespace os::win32 {

class Win32HtmlHelp : public HtmlHelpViewer {
public:
    Win32HtmlHelp();
    ~Win32HtmlHelp() override;
    Win32HtmlHelp(const Win32HtmlHelp&) = delete;
    Win32HtmlHelp& operator=(const Win32HtmlHelp&) = delete;

    WindowHandle Command(WindowHandle caller, const char* file, DWORD command, std::uintptr_t data) override;

private:
    struct Viewer;
    std::unique_ptr<Viewer> viewer_;  // null until first asked for; its function null when missing
};

}  // namespace os::win32
