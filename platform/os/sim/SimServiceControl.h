#pragma once
// A Service Control Manager in memory. Services move through the pending states on the
// simulated clock: a start or stop takes the service's transition time, its check point
// advancing as it goes, and its answers (error numbers included) are the ones Wine's SCM gives.
#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "platform/os/ServiceControl.h"
#include "platform/os/sim/SimSystem.h"

namespace os::sim {

class SimServiceControl : public ServiceControl {
public:
    struct Service {
        std::string keyName;
        std::string displayName;
        DWORD startType = svc::DemandStart;
        DWORD state = svc::Stopped;
        DWORD controlsAccepted = svc::AcceptStop | svc::AcceptPauseContinue;  // while running
        std::string binaryPathName = "C:\\windows\\system32\\service.exe";
        // How long a start or stop stays pending, and the wait hint reported meanwhile.
        DWORD transitionMs = 0;
        DWORD waitHint = 2000;
        // The check point advances once per this many milliseconds while pending; 0 leaves it
        // standing, as a service that hangs.
        DWORD checkPointStepMs = 100;
        // Rights a caller may be granted on this service (the rest is denied).
        DWORD grantableAccess = 0xF01FF;
    };

    explicit SimServiceControl(SimSystem& clock) : clock_(clock) {}

    DWORD OpenManager(const std::string& machine, DWORD access, ScHandle* manager) override;
    DWORD OpenServiceKey(ScHandle manager, const std::string& keyName, DWORD access, ScHandle* service) override;
    DWORD CloseServiceHandle(ScHandle handle) override;
    DWORD ServiceKeyName(ScHandle manager, const std::string& displayName, std::string* keyName,
                         DWORD* size) override;
    DWORD QueryServiceStatus(ScHandle service, ServiceStatus* status) override;
    DWORD QueryServiceConfiguration(ScHandle service, DWORD bufferSize, ServiceConfig* config,
                                    DWORD* bytesNeeded) override;
    DWORD StartServiceNoArgs(ScHandle service) override;
    DWORD ControlService(ScHandle service, DWORD control, ServiceStatus* status) override;
    DWORD ChangeServiceConfiguration(ScHandle service, DWORD serviceType, DWORD startType,
                                     DWORD errorControl) override;

    // For tests.
    void Install(Service service);
    // The service as it stands now (pending transitions brought up to the clock).
    std::optional<Service> Find(const std::string& keyName);
    // The manager refuses to open: the caller lacks the rights (ERROR_ACCESS_DENIED).
    void DenyManagerAccess(bool deny) { denyManager_ = deny; }
    // Opened and not yet closed: a caller that leaks handles shows up here.
    std::size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Pending {
        DWORD target = 0;
        DWORD since = 0;
    };
    struct Entry {
        Service service;
        std::optional<Pending> pending;
    };
    struct Handle {
        bool manager = false;
        std::string key;  // the service's key, upper case
        DWORD access = 0;
    };

    Entry* ServiceOf(ScHandle handle, DWORD right, DWORD* error);
    void Settle(Entry& entry);
    void BeginTransition(Entry& entry, DWORD pendingState, DWORD target);
    ServiceStatus StatusOf(Entry& entry);
    ScHandle NewHandle(Handle handle);

    SimSystem& clock_;
    std::map<std::string, Entry> services_;  // by upper-case key name
    std::map<ScHandle, Handle> handles_;
    ScHandle nextHandle_ = 0x1000;
    bool denyManager_ = false;
};

}  // namespace os::sim
