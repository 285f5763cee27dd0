#pragma once
// Tree clicks closer together than half a second do not change the page: a double click on a
// tree node would otherwise show its page twice, flickering.
#include "platform/os/WinTypes.h"

namespace manager {

class TreeClickGuard {
public:
    static constexpr os::DWORD kInterval = 500;  // milliseconds

    void Reset() { lastClick_ = 0; }
    // Notes a click now; true when the last one was more than the interval ago.
    bool Click();

private:
    os::DWORD lastClick_ = 0;
};

}  // namespace manager
