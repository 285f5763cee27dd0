#pragma once
// The program's end: std::exit, so objects with static storage are destroyed as usual.
#include "platform/os/Process.h"

namespace os::win32 {

class Win32Process : public Process {
public:
    [[noreturn]] void Exit(DWORD exitCode) override;
};

}  // namespace os::win32
