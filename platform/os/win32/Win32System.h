#pragma once
// GetSystemDirectoryA, GetTickCount, Sleep, GetModuleFileNameA, FormatMessageA, GetFileAttributesA.
#include "platform/os/System.h"

namespace os::win32 {

class Win32System : public System {
public:
    DWORD SystemDirectory(std::string* text, DWORD size) override;
    DWORD TickCount() override;
    void Sleep(DWORD milliseconds) override;
    std::string ModuleFileName() override;
    std::string MessageText(DWORD errorCode) override;
    std::string NetMessageText(DWORD errorCode) override;
    DWORD FileAttributes(const std::string& path) override;
};

}  // namespace os::win32
