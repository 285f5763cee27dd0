#include "platform/os/win32/Win32System.h"

#include <windows.h>

#include <memory>
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

void Win32System::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

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

namespace {

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule>;

struct FreeLocal {
    void operator()(char* text) const { LocalFree(text); }
};

}  // namespace

std::string Win32System::NetMessageText(DWORD errorCode) {
    // Missing module: the system table alone answers.
    const Module netmsg(LoadLibraryExA("netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;
    if (netmsg) flags |= FORMAT_MESSAGE_FROM_HMODULE;
    char* text = nullptr;
    const DWORD length = FormatMessageA(flags, netmsg.get(), errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<char*>(&text), 0, nullptr);
    const std::unique_ptr<char, FreeLocal> owned(text);
    return length ? std::string(text, length) : std::string();
}

DWORD Win32System::FileAttributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

}  // namespace os::win32
