#pragma once
// The program's end, simulated: the request is recorded and ProgramExit is thrown, so nothing
// after it runs. ProgramExit is not a std::exception: handlers of errors do not catch it.
#include <optional>

#include "platform/os/Process.h"

namespace os::sim {

struct ProgramExit {
    DWORD exitCode;
};

class SimProcess : public Process {
public:
    // The exit code asked for, if the program was ended.
    const std::optional<DWORD>& ExitCode() const { return exitCode_; }

    [[noreturn]] void Exit(DWORD exitCode) override {
        exitCode_ = exitCode;
        throw ProgramExit{exitCode};
    }

private:
    std::optional<DWORD> exitCode_;
};

}  // namespace os::sim
