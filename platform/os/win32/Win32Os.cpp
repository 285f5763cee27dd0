#include "platform/os/win32/Win32Os.h"

#include "platform/os/win32/Win32Profile.h"
#include "platform/os/win32/Win32Registry.h"
#include "platform/os/win32/Win32System.h"

namespace os::win32 {

Backend ProcessBackend() {
    static Win32Profile profile;
    static Win32Registry registry;
    static Win32System system;
    return {&profile, &registry, &system};
}

}  // namespace os::win32
