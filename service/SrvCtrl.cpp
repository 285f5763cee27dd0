#include "service/SrvCtrl.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/os/Os.h"
#include "platform/vcl/Application.h"

namespace {

constexpr const char* kNoService = "No service opened!";
constexpr const char* kNotConnected = "Not connected to Service Manager!";
constexpr const char* kStateChangeFailed = "Error while changing service state!";
constexpr std::size_t kMaxMessage = 255;
// How often a verified state change looks at the service between messages.
constexpr os::DWORD kPollMs = 50;

constexpr std::array<std::string_view, TSrvAccessTypes::kCount> kAccessNames = {
    "satGetConfig", "satChangeConfig", "satGetStatus",   "satEnumDependents", "satStart",
    "satStop",      "satPauseContinue", "satInterrogate", "satUserDefCtrl"};

void Raise(os::DWORD result) {
    if (result != os::error::Success) throw ESrvCtrlException::FromErrorCode(result);
}

// The state a control leads to; 0 when it is not verified.
struct ControlTarget {
    std::uint32_t control;
    os::DWORD target;
};
constexpr ControlTarget kControlTargets[] = {
    {os::svc::ControlStop, os::svc::Stopped},
    {os::svc::ControlPause, os::svc::Paused},
    {os::svc::ControlContinue, os::svc::Running},
    {os::svc::ControlInterrogate, 0},
};

}  // namespace

ESrvCtrlException ESrvCtrlException::FromErrorCode(os::DWORD code) {
    std::string text = os::system().MessageText(code).substr(0, kMaxMessage);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) text.pop_back();
    return ESrvCtrlException(text, static_cast<std::int32_t>(code));
}

vcl::PropValue vcl::PropertyCodec<TSrvAccessTypes>::Encode(TSrvAccessTypes access) {
    SetValue set;
    for (int i = 0; i < TSrvAccessTypes::kCount; ++i)
        if (access.Contains(static_cast<TSrvAccessType>(i))) set.members.emplace_back(kAccessNames[static_cast<std::size_t>(i)]);
    return set;
}

TSrvAccessTypes vcl::PropertyCodec<TSrvAccessTypes>::Decode(const PropValue& value) {
    TSrvAccessTypes access;
    for (const std::string& member : value.As<SetValue>().members) {
        const auto found = std::ranges::find(kAccessNames, member);
        if (found == kAccessNames.end()) ThrowInvalidPropertyValue();
        access.Include(static_cast<TSrvAccessType>(found - kAccessNames.begin()));
    }
    return access;
}

const vcl::ClassInfo& TSrvCtrl::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSrvCtrl>("TSrvCtrl", &TComponent::StaticClassInfo())
            .Property("Access", &TSrvCtrl::Access, &TSrvCtrl::SetAccess)
            .Property("Active", &TSrvCtrl::Active, &TSrvCtrl::SetActive)
            .Property("Machine", &TSrvCtrl::Machine, &TSrvCtrl::SetMachine)
            .NoDefault()
            .Property("KeyName", &TSrvCtrl::KeyName, &TSrvCtrl::SetKeyName)
            .NoDefault()
            .Field("VerifyAction", &TSrvCtrl::VerifyAction)
            .Field("AfterClose", &TSrvCtrl::AfterClose)
            .Field("AfterConnect", &TSrvCtrl::AfterConnect)
            .Field("AfterDisconnect", &TSrvCtrl::AfterDisconnect)
            .Field("AfterOpen", &TSrvCtrl::AfterOpen)
            .Field("AfterStateChange", &TSrvCtrl::AfterStateChange)
            .Field("BeforeClose", &TSrvCtrl::BeforeClose)
            .Field("BeforeConnect", &TSrvCtrl::BeforeConnect)
            .Field("BeforeDisconnect", &TSrvCtrl::BeforeDisconnect)
            .Field("BeforeOpen", &TSrvCtrl::BeforeOpen)
            .Field("BeforeStateChange", &TSrvCtrl::BeforeStateChange)
            .Field("OnProgress", &TSrvCtrl::OnProgress)
            .Creatable()
            .Build();
    return info;
}

TSrvCtrl::TSrvCtrl(vcl::TComponent* owner) : TComponent(owner) {}

TSrvCtrl::~TSrvCtrl() {
    try {
        Disconnect();
    } catch (const std::exception&) {
        // A handle the system refused to close is forgotten all the same.
    }
}

void TSrvCtrl::SetAccess(TSrvAccessTypes access) {
    access_ = access;
    if (Active()) {
        Disconnect();
        Connect();
    }
}

void TSrvCtrl::SetActive(bool active) {
    Disconnect();
    if (active) Connect();
}

std::string TSrvCtrl::Machine() const { return machine_.empty() ? "localhost" : machine_; }

void TSrvCtrl::SetMachine(const std::string& machine) {
    if (machine == machine_) return;
    Disconnect();
    machine_ = machine == "localhost" ? std::string() : machine;
}

void TSrvCtrl::SetKeyName(const std::string& keyName) {
    if (CheckHandle(HandleKind::Service, false)) CloseService();
    const std::string previous = keyName_;
    keyName_ = keyName;
    if (!CheckHandle(HandleKind::Manager, false)) return;
    BeforeOpen(this);
    const os::DWORD result = os::services().OpenServiceKey(manager_, keyName, access_.Mask(), &service_);
    if (result != os::error::Success) {
        service_ = 0;
        keyName_ = previous;
        Raise(result);
    }
    AfterOpen(this);
}

bool TSrvCtrl::CheckHandle(HandleKind kind, bool raise) const {
    const bool present = (kind == HandleKind::Service ? service_ : manager_) != 0;
    if (!present && raise) throw ESrvCtrlException(kind == HandleKind::Service ? kNoService : kNotConnected);
    return present;
}

void TSrvCtrl::Connect() {
    if (Active()) Disconnect();
    BeforeConnect(this);
    os::ScHandle manager = 0;
    Raise(os::services().OpenManager(machine_, os::svc::ManagerAllAccess, &manager));
    manager_ = manager;
    AfterConnect(this);
    if (!keyName_.empty()) SetKeyName(keyName_);
}

void TSrvCtrl::Disconnect() {
    if (CheckHandle(HandleKind::Service, false)) CloseService();
    if (!CheckHandle(HandleKind::Manager, false)) return;
    BeforeDisconnect(this);
    os::services().CloseServiceHandle(manager_);
    manager_ = 0;
    AfterDisconnect(this);
}

void TSrvCtrl::CloseService() {
    CheckHandle(HandleKind::Service, true);
    BeforeClose(this);
    // Forgotten even when the system refuses it: the handle is of no further use.
    const os::DWORD result = os::services().CloseServiceHandle(service_);
    service_ = 0;
    Raise(result);
    AfterClose(this);
}

std::string TSrvCtrl::LookupKeyName(const std::string& displayName) {
    CheckHandle(HandleKind::Manager, true);
    std::string keyName;
    os::DWORD size = 2;
    os::DWORD result = os::services().ServiceKeyName(manager_, displayName, &keyName, &size);
    if (result == os::error::InsufficientBuffer) {
        size += 1;
        result = os::services().ServiceKeyName(manager_, displayName, &keyName, &size);
    }
    Raise(result);
    return keyName;
}

void TSrvCtrl::OpenByDisplayName(const std::string& displayName) { SetKeyName(LookupKeyName(displayName)); }

os::ServiceStatus TSrvCtrl::QueryStatus() {
    CheckHandle(HandleKind::Service, true);
    os::ServiceStatus status;
    Raise(os::services().QueryServiceStatus(service_, &status));
    return status;
}

TSrvState TSrvCtrl::GetState() { return static_cast<TSrvState>(QueryStatus().currentState - 1); }

os::ServiceConfig TSrvCtrl::QueryConfig() {
    CheckHandle(HandleKind::Service, true);
    os::ServiceConfig config;
    os::DWORD needed = 0;
    const os::DWORD probe = os::services().QueryServiceConfiguration(service_, 0, &config, &needed);
    if (probe != os::error::InsufficientBuffer) Raise(probe);
    Raise(os::services().QueryServiceConfiguration(service_, needed + 1, &config, &needed));
    return config;
}

TSrvStartType TSrvCtrl::GetStartType() { return static_cast<TSrvStartType>(QueryConfig().startType & 0xFF); }

void TSrvCtrl::SetStartType(TSrvStartType startType) {
    CheckHandle(HandleKind::Service, true);
    Raise(os::services().ChangeServiceConfiguration(service_, os::svc::NoChange, startType, os::svc::NoChange));
}

void TSrvCtrl::Start() {
    BeforeStateChange(this);
    Raise(os::services().StartServiceNoArgs(service_));
    WaitForState(os::svc::Running);
    AfterStateChange(this);
}

void TSrvCtrl::SendControl(std::uint32_t control) {
    const auto entry = std::ranges::find(kControlTargets, control, &ControlTarget::control);
    if (entry == std::end(kControlTargets)) return;
    BeforeStateChange(this);
    os::ServiceStatus ignored;
    Raise(os::services().ControlService(service_, control, &ignored));
    if (entry->target != 0) WaitForState(entry->target);
    AfterStateChange(this);
}

void TSrvCtrl::Stop() { SendControl(os::svc::ControlStop); }

bool TSrvCtrl::Progress(std::uint32_t checkPoint) {
    bool waitFor = true;
    OnProgress(this, checkPoint, waitFor);
    return waitFor;
}

void TSrvCtrl::WaitForState(os::DWORD target) {
    if (!VerifyAction) return;
    os::ServiceStatus status = QueryStatus();
    while (status.currentState != target) {
        const std::uint32_t checkPoint = status.checkPoint;
        if (!Progress(checkPoint)) return;
        vcl::Application().ProcessMessages();
        os::System& system = os::system();
        const os::DWORD passStart = system.TickCount();
        // Within the wait hint, look at the service every poll interval, handling messages in
        // between instead of spinning.
        for (os::DWORD elapsed = 0; elapsed <= status.waitHint; elapsed = system.TickCount() - passStart) {
            vcl::Application().ProcessMessagesFor(std::min(kPollMs, status.waitHint - elapsed + 1));
            status = QueryStatus();
            if (!Progress(checkPoint)) return;
        }
        status = QueryStatus();
        if (status.checkPoint == checkPoint && status.currentState != target)
            throw ESrvCtrlException(kStateChangeFailed);
    }
}
