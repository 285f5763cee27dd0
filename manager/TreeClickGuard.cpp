#include "manager/TreeClickGuard.h"

#include "platform/os/Os.h"

namespace manager {

bool TreeClickGuard::Click() {
    const os::DWORD now = os::system().TickCount();
    // Unsigned difference: right across the tick count's wrap after 49.7 days.
    const bool longEnough = now - lastClick_ > kInterval;
    lastClick_ = now;
    return longEnough;
}

}  // namespace manager
