#include "platform/os/win32/Win32Process.h"

#include <cstdlib>

namespace os::win32 {

void Win32Process::Exit(DWORD exitCode) { std::exit(static_cast<int>(exitCode)); }

}  // namespace os::win32
