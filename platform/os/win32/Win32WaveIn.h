#pragma once
// The wave-in functions of winmm and the multimedia error texts.
#include "platform/os/WaveIn.h"

namespace os::win32 {

class Win32WaveIn : public WaveIn {
public:
    DWORD GetNumDevs() override;
    MMRESULT Open(WaveInHandle* handle, DWORD deviceId, const WaveFormat& format, std::uintptr_t callback,
                  std::uintptr_t instance, DWORD flags) override;
    MMRESULT PrepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT UnprepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT AddBuffer(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT Start(WaveInHandle handle) override;
    MMRESULT Reset(WaveInHandle handle) override;
    MMRESULT Close(WaveInHandle handle) override;
    MMRESULT GetErrorText(MMRESULT error, std::string* text, DWORD size) override;
    bool MciErrorString(DWORD error, std::string* text, DWORD size) override;
};

}  // namespace os::win32
