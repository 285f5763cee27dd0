#pragma once
// The running program itself.
#include "platform/os/WinTypes.h"

namespace os {

class Process {
public:
    virtual ~Process() = default;

    // Ends the program at once with `exitCode`, running the normal shutdown of the C++ run
    // time (objects with static storage, exit handlers) but nothing of the caller after it.
    [[noreturn]] virtual void Exit(DWORD exitCode) = 0;
};

}  // namespace os
