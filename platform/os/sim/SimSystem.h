#pragma once
// System facts that a test sets: the system directory (a real folder on the host), a tick count
// that moves only when told, the running program's path. Message texts are the system's own,
// as Wine gives them, so code that shows them reads the same under both backends.
#include <string>

#include "platform/os/System.h"

namespace os::sim {

// The system's text for an error number (line end included), or empty when it has none.
std::string SystemMessageText(DWORD errorCode);

class SimSystem : public System {
public:
    // The system directory and the program's folder start as the current directory.
    SimSystem();

    void SetSystemDirectory(std::string directory) { systemDirectory_ = std::move(directory); }
    void SetTickCount(DWORD ticks) { ticks_ = ticks; }
    void Advance(DWORD milliseconds) { ticks_ += milliseconds; }  // wraps after 49.7 days, as it does
    void SetModuleFileName(std::string path) { moduleFileName_ = std::move(path); }

    DWORD SystemDirectory(std::string* text, DWORD size) override;
    DWORD TickCount() override { return ticks_; }
    std::string ModuleFileName() override { return moduleFileName_; }
    std::string MessageText(DWORD errorCode) override { return SystemMessageText(errorCode); }
    DWORD FileAttributes(const std::string& path) override;

private:
    std::string systemDirectory_;
    std::string moduleFileName_;
    DWORD ticks_ = 0;
};

}  // namespace os::sim
