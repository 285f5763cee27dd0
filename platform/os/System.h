#pragma once
// Facts the system reports (names differ from the Windows ones, which <windows.h> turns into
// macros): GetSystemDirectoryA, GetTickCount, GetModuleFileNameA,
// Sleep, FormatMessageA (system message table, and netmsg.dll's) and GetFileAttributesA.
#include <string>

#include "platform/os/WinTypes.h"

namespace os {

class System {
public:
    virtual ~System() = default;

    // GetSystemDirectoryA into a buffer of `size` characters: on success the text and its length;
    // when the buffer is too small, an empty text and the size needed (terminator included).
    virtual DWORD SystemDirectory(std::string* text, DWORD size) = 0;
    virtual DWORD TickCount() = 0;
    // The calling thread waits, idle.
    virtual void Sleep(DWORD milliseconds) = 0;
    // GetModuleFileNameA(NULL): full path of the running program.
    virtual std::string ModuleFileName() = 0;
    // FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS) with the default
    // language: the system's text for an error number, line end included; empty when unknown.
    virtual std::string MessageText(DWORD errorCode) = 0;
    // The same with netmsg.dll (loaded as data) searched before the system table, language
    // 0x0400: the text of a network or system error number; empty when unknown.
    virtual std::string NetMessageText(DWORD errorCode) = 0;
    // GetFileAttributesA: InvalidFileAttributes when the path does not exist.
    virtual DWORD FileAttributes(const std::string& path) = 0;
};

}  // namespace os
