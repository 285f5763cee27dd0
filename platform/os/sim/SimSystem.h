#pragma once
// System facts that a test sets: the system directory (a real folder on the host), a tick count
// that moves only when told (or, for measurements, the host's clock), the running program's
// path. Message texts are the system's own, as Wine gives them, so code that shows them reads
// the same under both backends.
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
    // The tick count follows the host's clock and Sleep really waits.
    void UseHostClock() { hostClock_ = true; }
    void SetModuleFileName(std::string path) { moduleFileName_ = std::move(path); }

    DWORD SystemDirectory(std::string* text, DWORD size) override;
    DWORD TickCount() override;
    // On the simulated clock a sleep takes no time: the clock just moves on.
    void Sleep(DWORD milliseconds) override;
    std::string ModuleFileName() override { return moduleFileName_; }
    std::string MessageText(DWORD errorCode) override { return SystemMessageText(errorCode); }
    // Wine has no network message module: the system table answers.
    std::string NetMessageText(DWORD errorCode) override { return SystemMessageText(errorCode); }
    DWORD FileAttributes(const std::string& path) override;

private:
    std::string systemDirectory_;
    std::string moduleFileName_;
    DWORD ticks_ = 0;
    bool hostClock_ = false;
};

}  // namespace os::sim
