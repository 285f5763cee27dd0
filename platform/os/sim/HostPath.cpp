#include "platform/os/sim/HostPath.h"

#include <algorithm>

namespace os::sim {

std::filesystem::path HostPath(const std::string& windowsName) {
#ifdef _WIN32
    return std::filesystem::path(windowsName);
#else
    std::string name = windowsName;
    std::replace(name.begin(), name.end(), '\\', '/');
    return std::filesystem::path(name);
#endif
}

}  // namespace os::sim
