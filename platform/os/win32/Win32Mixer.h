#pragma once
// The mixer functions of winmm, and hidden notification windows.
#include "platform/os/Mixer.h"

namespace os::win32 {

class Win32Mixer : public Mixer {
public:
    DWORD GetNumDevs() override;
    MMRESULT Open(MixerHandle* handle, DWORD deviceId, std::uintptr_t callback, std::uintptr_t instance,
                  DWORD flags) override;
    MMRESULT Close(MixerHandle handle) override;
    MMRESULT GetDevCaps(std::uintptr_t deviceId, MixerCaps* caps, DWORD size) override;
    MMRESULT GetLineInfo(std::uintptr_t mixer, MixerLine* line, DWORD flags) override;
    MMRESULT GetLineControls(std::uintptr_t mixer, MixerLineControls* controls, DWORD flags) override;
    MMRESULT GetControlDetails(std::uintptr_t mixer, MixerControlDetails* details, DWORD flags) override;
    MMRESULT SetControlDetails(std::uintptr_t mixer, const MixerControlDetails* details, DWORD flags) override;
    WindowHandle AllocateNotifyWindow(NotifyProc proc) override;
    void DeallocateNotifyWindow(WindowHandle window) override;
};

}  // namespace os::win32
