#pragma once
// The audio mixer: mixerGetNumDevs, mixerOpen, mixerClose, mixerGetDevCapsA,
// mixerGetLineInfoA, mixerGetLineControlsA, mixerGetControlDetailsA, mixerSetControlDetails,
// and the hidden window that receives the change notifications (MM_MIXM_LINE_CHANGE,
// MM_MIXM_CONTROL_CHANGE) of a mixer opened with CALLBACK_WINDOW.
//
// The records carry the ANSI records' field names. Callers put the sizes of the 32-bit ANSI
// records into the cbStruct / cbmxctrl / cbDetails fields (the mx::size constants); the real
// backend puts in its own.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/os/WinTypes.h"

namespace os {

using MMRESULT = std::uint32_t;
using MixerHandle = std::uintptr_t;  // an HMIXER; 0 is none

namespace mm {
inline constexpr MMRESULT NoError = 0;
inline constexpr MMRESULT Error = 1;
inline constexpr MMRESULT BadDeviceId = 2;
inline constexpr MMRESULT NotEnabled = 3;
inline constexpr MMRESULT Allocated = 4;
inline constexpr MMRESULT InvalidHandle = 5;
inline constexpr MMRESULT NoDriver = 6;
inline constexpr MMRESULT NoMem = 7;
inline constexpr MMRESULT NotSupported = 8;
inline constexpr MMRESULT InvalidFlag = 10;
inline constexpr MMRESULT InvalidParam = 11;
inline constexpr MMRESULT MixerInvalidLine = 1024;     // MIXERR_INVALLINE
inline constexpr MMRESULT MixerInvalidControl = 1025;  // MIXERR_INVALCONTROL
inline constexpr MMRESULT MixerInvalidValue = 1026;    // MIXERR_INVALVALUE
}  // namespace mm

// Constants of the mixer functions.
namespace mx {

namespace size {
inline constexpr DWORD Caps = 48;
inline constexpr DWORD Line = 168;
inline constexpr DWORD LineControls = 24;
inline constexpr DWORD Control = 148;
inline constexpr DWORD Details = 24;
inline constexpr DWORD ListText = 72;
inline constexpr DWORD Value = 4;
}  // namespace size

inline constexpr DWORD CallbackWindow = 0x00010000;  // CALLBACK_WINDOW
inline constexpr DWORD ObjectHandle = 0x80000000;    // MIXER_OBJECTF_HMIXER

inline constexpr std::uint32_t MsgLineChange = 0x3D0;     // MM_MIXM_LINE_CHANGE
inline constexpr std::uint32_t MsgControlChange = 0x3D1;  // MM_MIXM_CONTROL_CHANGE

// mixerGetLineInfoA
inline constexpr DWORD LineByDestination = 0;
inline constexpr DWORD LineBySource = 1;
inline constexpr DWORD LineById = 2;
inline constexpr DWORD LineByComponentType = 3;
// mixerGetLineControlsA
inline constexpr DWORD ControlsAll = 0;
inline constexpr DWORD ControlsOneById = 1;
inline constexpr DWORD ControlsOneByType = 2;
// mixerGetControlDetailsA / mixerSetControlDetails
inline constexpr DWORD DetailsValue = 0;
inline constexpr DWORD DetailsListText = 1;

// fdwLine
inline constexpr DWORD LineActive = 0x00000001;
inline constexpr DWORD LineSource = 0x80000000;

// dwComponentType
inline constexpr DWORD DstUndefined = 0;
inline constexpr DWORD DstDigital = 1;
inline constexpr DWORD DstLine = 2;
inline constexpr DWORD DstMonitor = 3;
inline constexpr DWORD DstSpeakers = 4;
inline constexpr DWORD DstHeadphones = 5;
inline constexpr DWORD DstTelephone = 6;
inline constexpr DWORD DstWaveIn = 7;
inline constexpr DWORD DstVoiceIn = 8;
inline constexpr DWORD SrcUndefined = 0x1000;
inline constexpr DWORD SrcDigital = 0x1001;
inline constexpr DWORD SrcLine = 0x1002;
inline constexpr DWORD SrcMicrophone = 0x1003;
inline constexpr DWORD SrcSynthesizer = 0x1004;
inline constexpr DWORD SrcCompactDisc = 0x1005;
inline constexpr DWORD SrcWaveOut = 0x1008;
inline constexpr DWORD SrcAuxiliary = 0x1009;

// dwControlType
inline constexpr DWORD CtlOnOff = 0x20010001;
inline constexpr DWORD CtlMute = 0x20010002;
inline constexpr DWORD CtlVolume = 0x50030001;
inline constexpr DWORD CtlMux = 0x70010001;
inline constexpr DWORD CtlMixer = 0x71010001;
inline constexpr DWORD CtlSingleSelect = 0x70010000;  // MUX and the other single-select kinds
// fdwControl
inline constexpr DWORD ControlUniform = 0x1;
inline constexpr DWORD ControlMultiple = 0x2;
inline constexpr DWORD ControlDisabled = 0x80000000;

inline constexpr int ShortNameChars = 16;
inline constexpr int LongNameChars = 64;
inline constexpr int ProductNameChars = 32;

}  // namespace mx

struct MixerCaps {
    std::uint16_t wMid = 0;
    std::uint16_t wPid = 0;
    DWORD vDriverVersion = 0;
    char szPname[mx::ProductNameChars] = {};
    DWORD fdwSupport = 0;
    DWORD cDestinations = 0;
};

struct MixerLineTarget {
    DWORD dwType = 0;
    DWORD dwDeviceID = 0;
    std::uint16_t wMid = 0;
    std::uint16_t wPid = 0;
    DWORD vDriverVersion = 0;
    char szPname[mx::ProductNameChars] = {};
};

struct MixerLine {
    DWORD cbStruct = 0;
    DWORD dwDestination = 0;
    DWORD dwSource = 0;
    DWORD dwLineID = 0;
    DWORD fdwLine = 0;
    std::uintptr_t dwUser = 0;
    DWORD dwComponentType = 0;
    DWORD cChannels = 0;
    DWORD cConnections = 0;
    DWORD cControls = 0;
    char szShortName[mx::ShortNameChars] = {};
    char szName[mx::LongNameChars] = {};
    MixerLineTarget Target;
};

struct MixerControl {
    DWORD cbStruct = 0;
    DWORD dwControlID = 0;
    DWORD dwControlType = 0;
    DWORD fdwControl = 0;
    DWORD cMultipleItems = 0;
    char szShortName[mx::ShortNameChars] = {};
    char szName[mx::LongNameChars] = {};
    struct {
        LONG lMinimum = 0;
        LONG lMaximum = 0;
        DWORD dwReserved[4] = {};
    } Bounds;
    struct {
        DWORD cSteps = 0;
        DWORD dwReserved[5] = {};
    } Metrics;
};

struct MixerLineControls {
    DWORD cbStruct = 0;
    DWORD dwLineID = 0;
    DWORD dwControl = 0;  // dwControlID or dwControlType, by the query
    DWORD cControls = 0;
    DWORD cbmxctrl = 0;
    MixerControl* pamxctrl = nullptr;
};

struct MixerControlDetails {
    DWORD cbStruct = 0;
    DWORD dwControlID = 0;
    DWORD cChannels = 0;
    DWORD cMultipleItems = 0;
    DWORD cbDetails = 0;
    void* paDetails = nullptr;  // cChannels x max(1, cMultipleItems) entries of cbDetails bytes
};

// One entry of a list-text query (MIXERCONTROLDETAILS_LISTTEXTA, 72 bytes).
struct MixerListText {
    DWORD dwParam1 = 0;  // the line ID of the item's source line
    DWORD dwParam2 = 0;
    char szName[mx::LongNameChars] = {};
};
static_assert(sizeof(MixerListText) == mx::size::ListText);

class Mixer {
public:
    virtual ~Mixer() = default;

    virtual DWORD GetNumDevs() = 0;
    // `callback` is a window handle when flags hold CALLBACK_WINDOW.
    virtual MMRESULT Open(MixerHandle* handle, DWORD deviceId, std::uintptr_t callback, std::uintptr_t instance,
                          DWORD flags) = 0;
    virtual MMRESULT Close(MixerHandle handle) = 0;
    virtual MMRESULT GetDevCaps(std::uintptr_t deviceId, MixerCaps* caps, DWORD size) = 0;
    // `mixer` is an open handle or a device number (both are accepted, as Windows does).
    virtual MMRESULT GetLineInfo(std::uintptr_t mixer, MixerLine* line, DWORD flags) = 0;
    virtual MMRESULT GetLineControls(std::uintptr_t mixer, MixerLineControls* controls, DWORD flags) = 0;
    virtual MMRESULT GetControlDetails(std::uintptr_t mixer, MixerControlDetails* details, DWORD flags) = 0;
    virtual MMRESULT SetControlDetails(std::uintptr_t mixer, const MixerControlDetails* details, DWORD flags) = 0;

    // A hidden window whose messages go to `proc` (AllocateHWnd). A message `proc` leaves
    // unanswered (nullopt) goes to the default window procedure. Null when none can be made.
    using NotifyProc = std::function<std::optional<std::intptr_t>(std::uint32_t message, std::uintptr_t wParam,
                                                                  std::intptr_t lParam)>;
    virtual WindowHandle AllocateNotifyWindow(NotifyProc proc) = 0;
    virtual void DeallocateNotifyWindow(WindowHandle window) = 0;
};

}  // namespace os
