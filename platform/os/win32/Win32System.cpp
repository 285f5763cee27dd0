#include "platform/os/win32/Win32System.h"

#include <windows.h>

#include <vector>

namespace os::win32 {

DWORD Win32System::SystemDirectory(std::string* text, DWORD size) {
    std::vector<char> buffer(size + 1);
    const UINT length = GetSystemDirectoryA(buffer.data(), size);
    // A result not below the buffer size is the size needed: nothing was written.
    if (length == 0 || length >= size) {
        text->clear();
    } else {
        text->assign(buffer.data(), length);
    }
    return length;
}

DWORD Win32System::TickCount() { return GetTickCount(); }

std::string Win32System::ModuleFileName() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length < size) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // cut short: try a bigger buffer
    }
}

std::string Win32System::MessageText(DWORD errorCode) {
    char buffer[4096];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, errorCode,
                                        0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

DWORD Win32System::FileAttributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

}  // namespace os::win32
