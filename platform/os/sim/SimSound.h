#pragma once
// A simulated sound system: mixer devices and a recording device, described by the test.
//
// Mixer devices have destinations, each with source lines; every line has controls whose values
// really change when written. Line IDs, control IDs and the list texts of selectors are made by
// the simulation; a selector (MUX or MIXER control) offers the destination's sources in order
// unless the test names the sources it offers. Opens and queries can be told to fail.
// Writes post the control-change notification to every handle opened with CALLBACK_WINDOW.
//
// The recording device plays a script of passes: each Start takes the next pass (the last one
// repeats) and fills the queued buffer with the pass's pattern, repeated, once the buffer's
// recording time has passed on the clock. The simulation has no thread: Deliver() does what the
// device's own thread would, and every call into it delivers first.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/os/Mixer.h"
#include "platform/os/WaveIn.h"

namespace os::sim {

struct SimControl {
    DWORD type = mx::CtlVolume;
    DWORD flags = 0;  // fdwControl; a selector gets ControlMultiple by itself
    std::string name;
    LONG minimum = 0;
    LONG maximum = 65535;
    DWORD steps = 0;
    // Selectors: the sources of the destination they offer, by position in its source list
    // (empty: all of them, in order). An item out of range offers a line ID no source has.
    std::vector<int> items;
    // Initial values, channel entries of item 0 first; missing entries are 0.
    std::vector<LONG> values;

    static SimControl Make(DWORD type, std::string name, DWORD flags = 0) {
        SimControl control;
        control.type = type;
        control.name = std::move(name);
        control.flags = flags;
        return control;
    }
};

struct SimLine {
    DWORD componentType = mx::SrcMicrophone;
    std::string name;
    std::string shortName;
    DWORD channels = 2;
    std::vector<SimControl> controls;
    bool lineQueryFails = false;      // mixerGetLineInfoA of this line answers an error
    bool controlsQueryFails = false;  // mixerGetLineControlsA of this line answers an error

    static SimLine Make(DWORD type, std::string name, std::vector<SimControl> controls = {}, DWORD channels = 2) {
        SimLine line;
        line.componentType = type;
        line.name = std::move(name);
        line.controls = std::move(controls);
        line.channels = channels;
        return line;
    }
};

struct SimDestination : SimLine {
    SimDestination() { componentType = mx::DstSpeakers; }
    std::vector<SimLine> sources;
};

struct SimMixerDevice {
    std::string productName = "Sim Audio";
    std::uint16_t manufacturerId = 1;
    std::uint16_t productId = 0;
    DWORD driverVersion = 0x0100;
    std::vector<SimDestination> destinations;
    // The next opens fail with openError: `failingOpens` of them, or all when negative.
    int failingOpens = 0;
    // Opens with CALLBACK_WINDOW fail with openError; opens without a callback work.
    bool refuseWindowCallback = false;
    MMRESULT openError = mm::Error;
};

// One pass of the recording device: `pattern` repeated over the buffer.
struct SimPass {
    std::vector<std::uint8_t> pattern;
    // Samples alternating DC+A and DC-A (clamped to 0..255), DC+A first.
    static SimPass Tone(int dc, int amplitude);
};

struct SimRecorder {
    bool present = true;
    std::vector<SimPass> passes{SimPass::Tone(128, 0)};
    MMRESULT openError = 0;    // every open answers this when not 0
    MMRESULT startError = 0;   // every start answers this when not 0
    MMRESULT prepareError = 0;
    MMRESULT addError = 0;
};

// A request the simulation saw, for tests that check what was asked of it.
struct SimSoundCall {
    std::string function;  // "mixerOpen", "mixerSetControlDetails", "waveInStart", ...
    std::uintptr_t target = 0;
    DWORD id = 0;          // device, control or line ID by the function
    std::vector<LONG> values;  // what a write passed
    MMRESULT result = 0;
};

class SimMixer : public Mixer {
public:
    // Replaces every device; open handles become invalid.
    void SetDevices(std::vector<SimMixerDevice> devices);
    std::vector<SimMixerDevice>& Devices() { return devices_; }

    // The current values of the control named `name` on a line (source -1: the destination),
    // channel entries of item 0 first; empty when there is no such control.
    std::vector<LONG> Values(DWORD device, int destination, int source, const std::string& name) const;
    DWORD ControlId(DWORD device, int destination, int source, const std::string& name) const;  // 0: none
    DWORD LineId(DWORD device, int destination, int source) const;

    // Sends a line or control change of `device` to the windows that asked for them.
    void NotifyLineChange(DWORD device, DWORD lineId);
    void NotifyControlChange(DWORD device, DWORD controlId);

    // Every mixerOpen, mixerClose and mixerSetControlDetails, in order.
    const std::vector<SimSoundCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    int OpenHandles() const { return static_cast<int>(open_.size()); }
    int NotifyWindows() const { return static_cast<int>(windows_.size()); }

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

private:
    struct OpenMixer {
        DWORD device = 0;
        WindowHandle window = 0;  // 0: no notifications
    };
    struct LineRef {
        int destination = -1;
        int source = -1;  // -1: the destination itself
    };
    struct ControlRef {
        LineRef line;
        int index = -1;
    };

    MMRESULT Record(const char* function, std::uintptr_t target, DWORD id, MMRESULT result,
                    std::vector<LONG> values = {});
    int ResolveDevice(std::uintptr_t mixer, DWORD flags) const;  // -1 when none
    const SimLine* FindLine(DWORD device, LineRef ref) const;
    LineRef FindLineById(DWORD device, DWORD lineId) const;
    void FillLine(DWORD device, LineRef ref, MixerLine* line) const;
    ControlRef FindControl(DWORD device, DWORD controlId) const;
    const SimControl& ControlAt(DWORD device, const ControlRef& ref) const;
    DWORD ItemCount(DWORD device, const ControlRef& ref) const;
    DWORD ChannelCount(DWORD device, const ControlRef& ref) const;
    void FillControl(DWORD device, const ControlRef& ref, MixerControl* control) const;
    std::vector<LONG>& Stored(DWORD device, const ControlRef& ref);
    void Notify(DWORD device, std::uint32_t message, DWORD id);

    std::vector<SimMixerDevice> devices_;
    std::map<MixerHandle, OpenMixer> open_;
    std::map<WindowHandle, NotifyProc> windows_;
    std::map<DWORD, std::map<DWORD, std::vector<LONG>>> values_;  // device -> control ID -> values
    std::uintptr_t nextHandle_ = 0x1000;
    std::vector<SimSoundCall> calls_;
};

class SimWaveIn : public WaveIn {
public:
    using Clock = std::function<DWORD()>;  // milliseconds, as GetTickCount
    explicit SimWaveIn(Clock clock) : clock_(std::move(clock)) {}

    void SetRecorder(SimRecorder recorder);
    SimRecorder& Recorder() { return recorder_; }
    bool IsOpen() const { return open_; }
    int PassesStarted() const { return passesStarted_; }
    // Every call, in order.
    const std::vector<SimSoundCall>& Calls() const { return calls_; }

    // Does what the device's own thread would have done by now.
    void Deliver();

    DWORD GetNumDevs() override;
    MMRESULT Open(WaveInHandle* handle, DWORD deviceId, const os::WaveFormat& format, std::uintptr_t callback,
                  std::uintptr_t instance, DWORD flags) override;
    MMRESULT PrepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT UnprepareHeader(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT AddBuffer(WaveInHandle handle, WaveHeader* header, DWORD size) override;
    MMRESULT Start(WaveInHandle handle) override;
    MMRESULT Reset(WaveInHandle handle) override;
    MMRESULT Close(WaveInHandle handle) override;
    MMRESULT GetErrorText(MMRESULT error, std::string* text, DWORD size) override;
    bool MciErrorString(DWORD error, std::string* text, DWORD size) override;

private:
    MMRESULT Record(const char* function, MMRESULT result);
    bool Valid(WaveInHandle handle) const { return open_ && handle == handle_; }
    // Moves what has been recorded by the clock's time into the queued buffers.
    void Fill();

    Clock clock_;
    SimRecorder recorder_;
    std::vector<SimSoundCall> calls_;
    bool open_ = false;
    WaveInHandle handle_ = 0;
    std::uintptr_t nextHandle_ = 0x2000;
    os::WaveFormat format_;
    std::vector<WaveHeader*> queue_;
    bool recording_ = false;
    DWORD since_ = 0;             // tick of the start
    std::uint64_t delivered_ = 0; // bytes moved into buffers since the start
    std::size_t passIndex_ = 0;   // the next pass to start
    const SimPass* pass_ = nullptr;
    std::size_t patternPos_ = 0;
    int passesStarted_ = 0;
};

// Both halves on one clock.
struct SimSound {
    explicit SimSound(SimWaveIn::Clock clock) : waveIn(std::move(clock)) {}
    SimMixer mixer;
    SimWaveIn waveIn;
};

}  // namespace os::sim
