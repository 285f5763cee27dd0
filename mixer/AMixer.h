#pragma once
// TAudioMixer: one audio mixer device, opened through the mixer functions, with a snapshot of
// its destination lines, their source lines (connections) and every line's controls, taken
// when the device is opened (writing MixerId). Change notifications of the device arrive at a
// hidden window and go to OnLineChange / OnControlChange. SetLineVolume writes a line's volume
// and mute, or selects a source in its destination's selector.
//
// Values are the mixer's raw units (volume usually 0..65535); nothing is scaled.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/Mixer.h"
#include "platform/vcl/Component.h"
#include "platform/vcl/Events.h"

class TAudioMixer;

// Sender, the mixer handle and the line or control ID the notification carries.
using TMixerChange = vcl::TEvent<void(vcl::TObject* Sender, std::int32_t MixerH, std::int32_t ID)>;

// A list of untyped pointers; OnFreeItem, when set, disposes of each entry on Clear.
class TPointerList {
public:
    TPointerList() = default;
    ~TPointerList() { Clear(); }
    TPointerList(const TPointerList&) = delete;
    TPointerList& operator=(const TPointerList&) = delete;

    std::function<void(void* Item)> OnFreeItem;

    int Count() const { return static_cast<int>(list_.size()); }
    void* Items(int Index) const;  // null outside 0 .. Count - 1
    int Add(void* Item);
    void Clear();

private:
    std::vector<void*> list_;
};

// The controls of one line: one block of records as the mixer returned them.
class TMixerControls {
public:
    TMixerControls(TAudioMixer* mixer, const os::MixerLine& line);

    int Count() const { return list_.Count(); }
    const os::MixerControl* Items(int Index) const { return static_cast<const os::MixerControl*>(list_.Items(Index)); }

private:
    std::vector<os::MixerControl> ControlBlock;
    TPointerList list_;  // points into ControlBlock
};

class TMixerConnection {
public:
    TMixerConnection(TAudioMixer* mixer, const os::MixerLine& line);

    TAudioMixer* Mixer() const { return mixer_; }
    const os::MixerLine& LineInfo() const { return LineInfo_; }
    const TMixerControls& Controls() const { return *Controls_; }

private:
    TAudioMixer* mixer_;
    os::MixerLine LineInfo_;
    std::unique_ptr<TMixerControls> Controls_;
};

class TMixerConnections {
public:
    TMixerConnections(TAudioMixer* mixer, const os::MixerLine& destination);

    TAudioMixer* Mixer() const { return mixer_; }
    int Count() const { return list_.Count(); }
    TMixerConnection* Items(int Index) const { return static_cast<TMixerConnection*>(list_.Items(Index)); }

private:
    TAudioMixer* mixer_;
    TPointerList list_;  // owns its connections
};

class TMixerDestination {
public:
    TMixerDestination(TAudioMixer* mixer, const os::MixerLine& line);
    ~TMixerDestination();

    TAudioMixer* Mixer() const { return mixer_; }
    const os::MixerLine& LineInfo() const { return LineInfo_; }
    const TMixerControls& Controls() const { return *Controls_; }
    const TMixerConnections& Connections() const { return *Connections_; }

private:
    TAudioMixer* mixer_;
    os::MixerLine LineInfo_;
    std::unique_ptr<TMixerConnections> Connections_;
    std::unique_ptr<TMixerControls> Controls_;
};

class TMixerDestinations {
public:
    // Null `mixer`: an empty tree.
    explicit TMixerDestinations(TAudioMixer* mixer);

    int Count() const { return list_.Count(); }
    TMixerDestination* Items(int Index) const { return static_cast<TMixerDestination*>(list_.Items(Index)); }

private:
    TPointerList list_;  // owns its destinations
};

class TAudioMixer : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TAudioMixer(vcl::TComponent* owner);
    ~TAudioMixer() override;

    // Value entries SetLineVolume can write into one control; a control that needs more is
    // left alone.
    static constexpr int kMaxValueEntries = 101;
    // Selector items the search looks at.
    static constexpr int kMaxSelectorPositions = 1000;

    std::uint32_t DriverVersion() const { return DriverVersion_; }
    std::uint16_t ProductId() const { return ProductId_; }
    std::int32_t NumberOfLine() const { return NumberOfLine_; }
    const std::string& Manufacturer() const { return Manufacturer_; }
    const std::string& ProductName() const { return ProductName_; }
    std::int32_t MixerId() const { return MixerId_; }
    // Opens device `value` (and rebuilds the tree, also for the device already open); a
    // number that names no device is ignored.
    void SetMixerId(std::int32_t value);
    const TMixerChange& OnLineChange() const { return OnLineChange_; }
    void SetOnLineChange(TMixerChange handler) { OnLineChange_ = std::move(handler); }
    const TMixerChange& OnControlChange() const { return OnControlChange_; }
    void SetOnControlChange(TMixerChange handler) { OnControlChange_ = std::move(handler); }

    std::int32_t NumberOfMixers() const { return NumberOfMixers_; }
    // Never null after construction.
    TMixerDestinations* Destinations() const { return Destinations_.get(); }
    os::MixerHandle MixerHandle() const { return MixerHandle_; }
    const os::MixerCaps& MixerCaps() const { return MixerCaps_; }
    os::WindowHandle WindowHandle() const { return WindowHandle_; }

    // ConnIndex -1: the destination line itself. -1 in Left: volume untouched; in Right: as
    // Left; in Switch: mute and selection untouched. False when the line does not exist.
    bool SetLineVolume(std::int32_t DestIndex, std::int32_t ConnIndex, std::int32_t Left, std::int32_t Right,
                       std::int32_t Switch);

    // The hidden window's procedure: the two notifications, nothing else.
    std::optional<std::intptr_t> MixerWndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

private:
    void CloseMixer();
    void SetNothing(std::uint32_t) {}
    void SetNothing16(std::uint16_t) {}
    void SetNothingInt(std::int32_t) {}
    void SetNothingText(std::string) {}

    os::WindowHandle WindowHandle_ = 0;
    std::unique_ptr<TMixerDestinations> Destinations_;
    std::int32_t NumberOfMixers_ = 0;
    os::MixerHandle MixerHandle_ = 0;
    std::int32_t MixerId_ = -1;
    os::MixerCaps MixerCaps_;
    std::uint32_t DriverVersion_ = 0;
    std::string Manufacturer_;
    std::uint16_t ProductId_ = 0;
    std::int32_t NumberOfLine_ = 0;
    std::string ProductName_;
    TMixerChange OnLineChange_;
    TMixerChange OnControlChange_;
};
