#pragma once
// TSrvCtrl: one service at a time through the Service Control Manager of a machine. Connects,
// opens a service by key or display name, reads its state and start type, starts, stops and
// reconfigures it, and turns every refusal of the system into an ESrvCtrlException.
#include <cstdint>
#include <string>

#include "platform/os/ServiceControl.h"
#include "platform/vcl/Component.h"
#include "platform/vcl/Events.h"

enum class TSrvAccessType {
    satGetConfig,
    satChangeConfig,
    satGetStatus,
    satEnumDependents,
    satStart,
    satStop,
    satPauseContinue,
    satInterrogate,
    satUserDefCtrl,
};

// A set of access types; its mask is the OR of their service access rights (bit n = 1 << n).
class TSrvAccessTypes {
public:
    static constexpr int kCount = 9;
    static TSrvAccessTypes All() { return TSrvAccessTypes((1u << kCount) - 1); }

    TSrvAccessTypes() = default;
    bool Contains(TSrvAccessType type) const { return (bits_ & Bit(type)) != 0; }
    TSrvAccessTypes& Include(TSrvAccessType type) {
        bits_ = static_cast<std::uint16_t>(bits_ | Bit(type));
        return *this;
    }
    os::DWORD Mask() const { return bits_; }
    friend bool operator==(TSrvAccessTypes, TSrvAccessTypes) = default;

private:
    explicit TSrvAccessTypes(unsigned bits) : bits_(static_cast<std::uint16_t>(bits)) {}
    static unsigned Bit(TSrvAccessType type) { return 1u << static_cast<unsigned>(type); }
    std::uint16_t bits_ = 0;
};

// The Windows state code minus 1.
enum TSrvState : std::uint8_t {
    srvStopped,
    srvStartPending,
    srvStopPending,
    srvRunning,
    srvContinuePending,
    srvPausePending,
    srvPaused,
};

// The Windows start-type code.
enum TSrvStartType : std::uint8_t { sstBoot, sstSystem, sstAuto, sstDemand, sstDisabled };

using TSrvNotifyEvent = vcl::TEvent<void(vcl::TObject* sender)>;
// Called while a state change is verified; setting `waitFor` false abandons the wait.
using TOnProgressEvent = vcl::TEvent<void(vcl::TObject* sender, std::uint32_t progress, bool& waitFor)>;

class ESrvCtrlException : public vcl::Exception {
public:
    // The system's text for a Windows error code.
    static ESrvCtrlException FromErrorCode(os::DWORD code);
    // A message of the component's own; its code is 0.
    explicit ESrvCtrlException(const std::string& message, std::int32_t errorCode = 0)
        : Exception(message), errorCode_(errorCode) {}
    std::int32_t ErrorCode() const { return errorCode_; }

private:
    std::int32_t errorCode_;
};

class TSrvCtrl : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TSrvCtrl(vcl::TComponent* owner);
    ~TSrvCtrl() override;

    TSrvAccessTypes Access() const { return access_; }
    void SetAccess(TSrvAccessTypes access);
    bool Active() const { return manager_ != 0; }
    // Always disconnects first; true then connects again.
    void SetActive(bool active);
    // "localhost" when none is stored; writing "localhost" stores none.
    std::string Machine() const;
    void SetMachine(const std::string& machine);
    const std::string& KeyName() const { return keyName_; }
    // Opens the service when connected; otherwise only stores the name.
    void SetKeyName(const std::string& keyName);

    bool VerifyAction = false;
    TSrvNotifyEvent AfterClose, AfterConnect, AfterDisconnect, AfterOpen, AfterStateChange;
    TSrvNotifyEvent BeforeClose, BeforeConnect, BeforeDisconnect, BeforeOpen, BeforeStateChange;
    TOnProgressEvent OnProgress;

    void Connect();
    void Disconnect();
    void CloseService();
    std::string LookupKeyName(const std::string& displayName);
    void OpenByDisplayName(const std::string& displayName);
    os::ServiceStatus QueryStatus();
    TSrvState GetState();
    // The configuration, its strings owned by the record.
    os::ServiceConfig QueryConfig();
    TSrvStartType GetStartType();
    void SetStartType(TSrvStartType startType);
    void Start();
    // Stop, pause, continue or interrogate; any other code does nothing.
    void SendControl(std::uint32_t control);
    void Stop();
    // Only with VerifyAction: returns once the service is in the Windows state `target`.
    void WaitForState(os::DWORD target);

private:
    enum class HandleKind { Service, Manager };
    bool CheckHandle(HandleKind kind, bool raise) const;
    // False when an OnProgress handler abandons the wait.
    bool Progress(std::uint32_t checkPoint);

    TSrvAccessTypes access_ = TSrvAccessTypes::All();
    std::string machine_;
    std::string keyName_;
    os::ScHandle manager_ = 0;
    os::ScHandle service_ = 0;
};

template <>
struct vcl::PropertyCodec<TSrvAccessTypes> {
    static PropValue Encode(TSrvAccessTypes access);
    static TSrvAccessTypes Decode(const PropValue& value);
};
