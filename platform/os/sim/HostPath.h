#pragma once
// The simulation keeps files on the host's file system. Product code spells file names the
// Windows way; natively a backslash is taken as a folder separator so those names still work.
#include <filesystem>
#include <string>

namespace os::sim {

std::filesystem::path HostPath(const std::string& windowsName);

}  // namespace os::sim
