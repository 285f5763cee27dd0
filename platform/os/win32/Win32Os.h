#pragma once
// The real Windows functions behind the seam (Windows builds only).
#include "platform/os/Os.h"

namespace os::win32 {

// The process-wide pass-through backend; its members never change.
Backend ProcessBackend();

}  // namespace os::win32
