#include "platform/os/win32/Win32Mixer.h"

#include <windows.h>
// after windows.h
#include <mmsystem.h>

#include <cstring>
#include <memory>
#include <vector>

namespace os::win32 {

namespace {

HMIXEROBJ Object(std::uintptr_t mixer) { return reinterpret_cast<HMIXEROBJ>(mixer); }

// The callers' sizes are those of the 32-bit records; the system's may differ.
DWORD SystemSize(DWORD given, DWORD ours, std::size_t system) {
    return given == ours ? static_cast<DWORD>(system) : given;
}

template <std::size_t N, std::size_t M>
void CopyText(char (&target)[N], const char (&source)[M]) {
    static_assert(N == M);
    std::memcpy(target, source, N);
    target[N - 1] = '\0';
}

void FromSystem(const MIXERLINEA& system, MixerLine* line) {
    line->dwDestination = system.dwDestination;
    line->dwSource = system.dwSource;
    line->dwLineID = system.dwLineID;
    line->fdwLine = system.fdwLine;
    line->dwUser = system.dwUser;
    line->dwComponentType = system.dwComponentType;
    line->cChannels = system.cChannels;
    line->cConnections = system.cConnections;
    line->cControls = system.cControls;
    CopyText(line->szShortName, system.szShortName);
    CopyText(line->szName, system.szName);
    line->Target.dwType = system.Target.dwType;
    line->Target.dwDeviceID = system.Target.dwDeviceID;
    line->Target.wMid = system.Target.wMid;
    line->Target.wPid = system.Target.wPid;
    line->Target.vDriverVersion = system.Target.vDriverVersion;
    CopyText(line->Target.szPname, system.Target.szPname);
}

void FromSystem(const MIXERCONTROLA& system, MixerControl* control) {
    control->dwControlID = system.dwControlID;
    control->dwControlType = system.dwControlType;
    control->fdwControl = system.fdwControl;
    control->cMultipleItems = system.cMultipleItems;
    CopyText(control->szShortName, system.szShortName);
    CopyText(control->szName, system.szName);
    control->Bounds.lMinimum = system.Bounds.lMinimum;
    control->Bounds.lMaximum = system.Bounds.lMaximum;
    for (int i = 0; i < 4; ++i) control->Bounds.dwReserved[i] = system.Bounds.dwReserved[i];
    control->Metrics.cSteps = system.Metrics.cSteps;
    for (int i = 0; i < 5; ++i) control->Metrics.dwReserved[i] = system.Metrics.dwReserved[i];
}

MIXERCONTROLDETAILS ToSystem(const MixerControlDetails& details) {
    MIXERCONTROLDETAILS system{};
    system.cbStruct = SystemSize(details.cbStruct, mx::size::Details, sizeof(MIXERCONTROLDETAILS));
    system.dwControlID = details.dwControlID;
    system.cChannels = details.cChannels;
    system.cMultipleItems = details.cMultipleItems;
    system.cbDetails = details.cbDetails;
    system.paDetails = details.paDetails;
    return system;
}

// The hidden windows: each holds its handler in the window's user data.
constexpr const char* kNotifyClass = "OlzMixerNotifyWindow";

LRESULT CALLBACK NotifyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* proc = reinterpret_cast<Mixer::NotifyProc*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (proc && *proc) {
        if (const auto answer = (*proc)(message, wParam, lParam)) return *answer;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterNotifyClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = NotifyWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kNotifyClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

}  // namespace

DWORD Win32Mixer::GetNumDevs() { return mixerGetNumDevs(); }

MMRESULT Win32Mixer::Open(MixerHandle* handle, DWORD deviceId, std::uintptr_t callback, std::uintptr_t instance,
                          DWORD flags) {
    HMIXER opened = nullptr;
    const MMRESULT result = mixerOpen(handle ? &opened : nullptr, deviceId, callback, instance, flags);
    if (handle) *handle = reinterpret_cast<MixerHandle>(opened);
    return result;
}

MMRESULT Win32Mixer::Close(MixerHandle handle) { return mixerClose(reinterpret_cast<HMIXER>(handle)); }

MMRESULT Win32Mixer::GetDevCaps(std::uintptr_t deviceId, MixerCaps* caps, DWORD size) {
    if (!caps) return mixerGetDevCapsA(deviceId, nullptr, size);
    MIXERCAPSA system{};
    const MMRESULT result =
        mixerGetDevCapsA(deviceId, &system, SystemSize(size, mx::size::Caps, sizeof(MIXERCAPSA)));
    if (result != MMSYSERR_NOERROR) return result;
    caps->wMid = system.wMid;
    caps->wPid = system.wPid;
    caps->vDriverVersion = system.vDriverVersion;
    CopyText(caps->szPname, system.szPname);
    caps->fdwSupport = system.fdwSupport;
    caps->cDestinations = system.cDestinations;
    return result;
}

MMRESULT Win32Mixer::GetLineInfo(std::uintptr_t mixer, MixerLine* line, DWORD flags) {
    if (!line) return mixerGetLineInfoA(Object(mixer), nullptr, flags);
    MIXERLINEA system{};
    system.cbStruct = SystemSize(line->cbStruct, mx::size::Line, sizeof(MIXERLINEA));
    system.dwDestination = line->dwDestination;
    system.dwSource = line->dwSource;
    system.dwLineID = line->dwLineID;
    system.dwComponentType = line->dwComponentType;
    system.Target.dwType = line->Target.dwType;
    system.Target.wMid = line->Target.wMid;
    system.Target.wPid = line->Target.wPid;
    system.Target.vDriverVersion = line->Target.vDriverVersion;
    CopyText(system.Target.szPname, line->Target.szPname);
    const MMRESULT result = mixerGetLineInfoA(Object(mixer), &system, flags);
    if (result == MMSYSERR_NOERROR) FromSystem(system, line);
    return result;
}

MMRESULT Win32Mixer::GetLineControls(std::uintptr_t mixer, MixerLineControls* controls, DWORD flags) {
    if (!controls) return mixerGetLineControlsA(Object(mixer), nullptr, flags);
    std::vector<MIXERCONTROLA> records(controls->pamxctrl ? controls->cControls : 0);
    for (MIXERCONTROLA& record : records) record.cbStruct = sizeof(MIXERCONTROLA);
    MIXERLINECONTROLSA system{};
    system.cbStruct = SystemSize(controls->cbStruct, mx::size::LineControls, sizeof(MIXERLINECONTROLSA));
    system.dwLineID = controls->dwLineID;
    system.dwControlID = controls->dwControl;  // the same field as dwControlType
    system.cControls = controls->cControls;
    system.cbmxctrl = SystemSize(controls->cbmxctrl, mx::size::Control, sizeof(MIXERCONTROLA));
    system.pamxctrl = controls->pamxctrl ? records.data() : nullptr;
    const MMRESULT result = mixerGetLineControlsA(Object(mixer), &system, flags);
    if (result != MMSYSERR_NOERROR) return result;
    controls->dwLineID = system.dwLineID;
    for (std::size_t i = 0; i < records.size(); ++i) FromSystem(records[i], &controls->pamxctrl[i]);
    return result;
}

MMRESULT Win32Mixer::GetControlDetails(std::uintptr_t mixer, MixerControlDetails* details, DWORD flags) {
    if (!details) return mixerGetControlDetailsA(Object(mixer), nullptr, flags);
    MIXERCONTROLDETAILS system = ToSystem(*details);
    return mixerGetControlDetailsA(Object(mixer), &system, flags);
}

MMRESULT Win32Mixer::SetControlDetails(std::uintptr_t mixer, const MixerControlDetails* details, DWORD flags) {
    if (!details) return mixerSetControlDetails(Object(mixer), nullptr, flags);
    MIXERCONTROLDETAILS system = ToSystem(*details);
    return mixerSetControlDetails(Object(mixer), &system, flags);
}

WindowHandle Win32Mixer::AllocateNotifyWindow(NotifyProc proc) {
    if (!RegisterNotifyClass()) return 0;
    auto owned = std::make_unique<NotifyProc>(std::move(proc));
    const HWND window = CreateWindowExA(0, kNotifyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), owned.get());
    if (!window) return 0;
    owned.release();  // freed with the window
    return reinterpret_cast<WindowHandle>(window);
}

void Win32Mixer::DeallocateNotifyWindow(WindowHandle window) {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    if (!IsWindow(hwnd)) return;
    auto* proc = reinterpret_cast<NotifyProc*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    delete proc;
}

}  // namespace os::win32
