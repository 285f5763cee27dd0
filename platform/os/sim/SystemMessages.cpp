// The system message table for the error numbers the programs and their components meet, in the
// words FormatMessageA gives under Wine (English, default language).
#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/os/sim/SimSystem.h"

namespace os::sim {

namespace {

struct Message {
    DWORD code;
    std::string_view text;
};

constexpr Message kMessages[] = {
    {0, "Success."},
    {1, "Invalid function."},
    {2, "File not found."},
    {3, "Path not found."},
    {4, "Too many open files."},
    {5, "Access denied."},
    {6, "Invalid handle."},
    {8, "Not enough memory."},
    {13, "Invalid data."},
    {14, "Out of memory."},
    {19, "Write protected."},
    {32, "Sharing violation."},
    {80, "File exists."},
    {87, "Invalid parameter."},
    {112, "Disk full."},
    {122, "Insufficient buffer."},
    {123, "Invalid name."},
    {161, "Path is invalid."},
    {183, "File already exists."},
    {206, "File name is too long."},
    {234, "More data available."},
    {259, "No more data available."},
    {1009, "Registry corrupt."},
    {1010, "Invalid key."},
    {1011, "Can't open registry key."},
    {1012, "Can't read registry key."},
    {1013, "Can't write registry key."},
    {1018, "Key deleted."},
    {1020, "Registry key has subkeys."},
    {1051, "Dependent services are running."},
    {1052, "Invalid service control."},
    {1053, "Service request timeout."},
    {1054, "Cannot create service thread."},
    {1055, "Service database locked."},
    {1056, "Service already running."},
    {1057, "Invalid service account."},
    {1058, "Service is disabled."},
    {1059, "Circular dependency."},
    {1060, "Service does not exist."},
    {1061, "Service cannot accept control message."},
    {1062, "Service not active."},
    {1063, "Service controller connect failed."},
    {1064, "Exception in service."},
    {1065, "Database does not exist."},
    {1066, "Service-specific error."},
    {1067, "Process aborted."},
    {1068, "Service dependency failed."},
    {1069, "Service login failed."},
    {1070, "Service start-hang."},
    {1071, "Invalid service lock."},
    {1072, "Service marked for delete."},
    {1073, "Service exists."},
    {1075, "Service dependency deleted."},
    {1077, "Service not started since last boot."},
    {1078, "Duplicate service name."},
    {1079, "Different service account."},
    {1314, "Privilege not held."},
    {1326, "Logon failure."},
    {1460, "Timeout."},
};

}  // namespace

std::string SystemMessageText(DWORD errorCode) {
    const auto found = std::find_if(std::begin(kMessages), std::end(kMessages),
                                    [&](const Message& message) { return message.code == errorCode; });
    if (found == std::end(kMessages)) return {};
    return std::string(found->text) + "\r\n";
}

}  // namespace os::sim
