#include "platform/os/sim/SimServiceControl.h"

#include <algorithm>
#include <cctype>

namespace os::sim {

namespace {

std::string Upper(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The fixed part of QUERY_SERVICE_CONFIGA in a 32-bit program; the strings follow it.
constexpr DWORD kConfigRecordSize = 36;

DWORD ControlRight(DWORD control) {
    switch (control) {
    case svc::ControlStop: return svc::Stop;
    case svc::ControlPause:
    case svc::ControlContinue: return svc::PauseContinue;
    case svc::ControlInterrogate: return svc::Interrogate;
    default: return 0;
    }
}

}  // namespace

ScHandle SimServiceControl::NewHandle(Handle handle) {
    const ScHandle id = nextHandle_;
    nextHandle_ += 8;
    handles_.emplace(id, std::move(handle));
    return id;
}

DWORD SimServiceControl::OpenManager(const std::string&, DWORD, ScHandle* manager) {
    *manager = 0;
    if (denyManager_) return error::AccessDenied;
    *manager = NewHandle({.manager = true, .key = {}, .access = 0});
    return error::Success;
}

DWORD SimServiceControl::OpenServiceKey(ScHandle manager, const std::string& keyName, DWORD access,
                                        ScHandle* service) {
    *service = 0;
    const auto m = handles_.find(manager);
    if (m == handles_.end() || !m->second.manager) return error::InvalidHandle;
    const auto s = services_.find(Upper(keyName));
    if (s == services_.end()) return error::ServiceDoesNotExist;
    if ((access & ~s->second.service.grantableAccess) != 0) return error::AccessDenied;
    *service = NewHandle({.manager = false, .key = s->first, .access = access});
    return error::Success;
}

DWORD SimServiceControl::CloseServiceHandle(ScHandle handle) {
    return handles_.erase(handle) ? error::Success : error::InvalidHandle;
}

DWORD SimServiceControl::ServiceKeyName(ScHandle manager, const std::string& displayName, std::string* keyName,
                                        DWORD* size) {
    const auto m = handles_.find(manager);
    if (m == handles_.end() || !m->second.manager) return error::InvalidHandle;
    const std::string wanted = Upper(displayName);
    for (const auto& [key, entry] : services_) {
        if (Upper(entry.service.displayName) != wanted) continue;
        const auto length = static_cast<DWORD>(entry.service.keyName.size());
        if (*size <= length) {
            // Wine reports the size the name takes as wide characters.
            *size = 2 * length;
            return error::InsufficientBuffer;
        }
        *keyName = entry.service.keyName;
        *size = length;
        return error::Success;
    }
    return error::ServiceDoesNotExist;
}

SimServiceControl::Entry* SimServiceControl::ServiceOf(ScHandle handle, DWORD right, DWORD* error) {
    const auto h = handles_.find(handle);
    if (h == handles_.end() || h->second.manager) {
        *error = error::InvalidHandle;
        return nullptr;
    }
    if ((h->second.access & right) != right) {
        *error = error::AccessDenied;
        return nullptr;
    }
    const auto s = services_.find(h->second.key);
    if (s == services_.end()) {
        *error = error::ServiceMarkedForDelete;
        return nullptr;
    }
    Settle(s->second);
    *error = error::Success;
    return &s->second;
}

void SimServiceControl::Settle(Entry& entry) {
    if (!entry.pending) return;
    if (clock_.TickCount() - entry.pending->since < entry.service.transitionMs) return;
    entry.service.state = entry.pending->target;
    entry.pending.reset();
}

void SimServiceControl::BeginTransition(Entry& entry, DWORD pendingState, DWORD target) {
    entry.service.state = pendingState;
    entry.pending = Pending{target, clock_.TickCount()};
    Settle(entry);
}

ServiceStatus SimServiceControl::StatusOf(Entry& entry) {
    ServiceStatus status;
    status.serviceType = svc::Win32OwnProcess;
    status.currentState = entry.service.state;
    const bool active = entry.service.state == svc::Running || entry.service.state == svc::Paused;
    status.controlsAccepted = active ? entry.service.controlsAccepted : 0;
    if (entry.pending) {
        const DWORD elapsed = clock_.TickCount() - entry.pending->since;
        const DWORD step = entry.service.checkPointStepMs;
        status.checkPoint = 1 + (step ? elapsed / step : 0);
        status.waitHint = entry.service.waitHint;
    }
    return status;
}

DWORD SimServiceControl::QueryServiceStatus(ScHandle service, ServiceStatus* status) {
    DWORD result;
    Entry* entry = ServiceOf(service, svc::QueryStatus, &result);
    if (entry) *status = StatusOf(*entry);
    return result;
}

DWORD SimServiceControl::QueryServiceConfiguration(ScHandle service, DWORD bufferSize, ServiceConfig* config,
                                                   DWORD* bytesNeeded) {
    DWORD result;
    Entry* entry = ServiceOf(service, svc::QueryConfig, &result);
    if (!entry) return result;
    const Service& s = entry->service;
    ServiceConfig full;
    full.serviceType = svc::Win32OwnProcess;
    full.startType = s.startType;
    full.errorControl = svc::ErrorNormal;
    full.binaryPathName = s.binaryPathName;
    full.serviceStartName = "LocalSystem";
    full.displayName = s.displayName;
    const auto needed = static_cast<DWORD>(kConfigRecordSize + full.binaryPathName.size() + 1 + 1 + 2 +
                                           full.serviceStartName.size() + 1 + full.displayName.size() + 1);
    *bytesNeeded = needed;
    if (bufferSize < needed) return error::InsufficientBuffer;
    *config = full;
    return error::Success;
}

DWORD SimServiceControl::StartServiceNoArgs(ScHandle service) {
    DWORD result;
    Entry* entry = ServiceOf(service, svc::Start, &result);
    if (!entry) return result;
    if (entry->service.startType == svc::Disabled) return error::ServiceDisabled;
    if (entry->service.state != svc::Stopped) return error::ServiceAlreadyRunning;
    BeginTransition(*entry, svc::StartPending, svc::Running);
    return error::Success;
}

DWORD SimServiceControl::ControlService(ScHandle service, DWORD control, ServiceStatus* status) {
    const DWORD right = ControlRight(control);
    if (right == 0) return error::InvalidParameter;
    DWORD result;
    Entry* entry = ServiceOf(service, right, &result);
    if (!entry) return result;
    Service& s = entry->service;
    if (s.state == svc::Stopped) return error::ServiceNotActive;
    if (entry->pending) return error::ServiceCannotAcceptControl;
    const DWORD needed = control == svc::ControlStop ? svc::AcceptStop
                         : control == svc::ControlInterrogate ? 0
                                                              : svc::AcceptPauseContinue;
    if ((s.controlsAccepted & needed) != needed) return error::InvalidServiceControl;
    if (control == svc::ControlStop) BeginTransition(*entry, svc::StopPending, svc::Stopped);
    if (control == svc::ControlPause) s.state = svc::Paused;
    if (control == svc::ControlContinue) s.state = svc::Running;
    *status = StatusOf(*entry);
    return error::Success;
}

DWORD SimServiceControl::ChangeServiceConfiguration(ScHandle service, DWORD, DWORD startType, DWORD) {
    DWORD result;
    Entry* entry = ServiceOf(service, svc::ChangeConfig, &result);
    if (!entry) return result;
    if (startType != svc::NoChange) {
        if (startType > svc::Disabled) return error::InvalidParameter;
        entry->service.startType = startType;
    }
    return error::Success;
}

void SimServiceControl::Install(Service service) {
    const std::string key = Upper(service.keyName);
    services_[key] = Entry{std::move(service), std::nullopt};
}

std::optional<SimServiceControl::Service> SimServiceControl::Find(const std::string& keyName) {
    const auto s = services_.find(Upper(keyName));
    if (s == services_.end()) return std::nullopt;
    Settle(s->second);
    return s->second.service;
}

}  // namespace os::sim
