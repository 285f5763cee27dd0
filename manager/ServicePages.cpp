#include "manager/ServicePages.h"

#include "platform/vcl/Application.h"
#include "service/EnhancedOLZ.h"

namespace manager {

namespace {

constexpr int kStartService = 0;
constexpr int kStopService = 1;
constexpr const char* kStopServiceText = "Stop Service";
constexpr int kEnhancedOn = 0;
constexpr int kEnhancedOff = 1;

// The Startup Type entries, in order.
constexpr TSrvStartType kStartTypes[] = {sstAuto, sstDemand, sstDisabled};

}  // namespace

void ServicePages::OpenService() {
    TSrvCtrl& control = view_.ServiceControl();
    control.SetActive(true);
    control.OpenByDisplayName(kServiceDisplayName);
}

void ServicePages::CloseService() { view_.ServiceControl().SetActive(false); }

void ServicePages::SelectForState(TSrvState state) {
    if (state == srvStopped) view_.SelectServiceChoice(ServiceChoice::StartStop, kStopService);
    if (state == srvRunning) view_.SelectServiceChoice(ServiceChoice::StartStop, kStartService);
}

void ServicePages::OfferStopService(bool offer) {
    if (!offer && view_.StartStopCount() == 2) view_.DeleteStartStopEntry(kStopService);
    if (offer && view_.StartStopCount() == 1) view_.AppendStartStopEntry(kStopServiceText);
}

void ServicePages::Startup() {
    OpenService();
    TSrvCtrl& control = view_.ServiceControl();
    const TSrvState state = control.GetState();
    const TSrvStartType startType = control.GetStartType();
    CloseService();
    vcl::Application().ProcessMessages();

    SelectForState(state);
    for (int i = 0; i < static_cast<int>(std::size(kStartTypes)); ++i)
        if (kStartTypes[i] == startType) view_.SelectServiceChoice(ServiceChoice::StartupType, i);
    view_.SelectServiceChoice(ServiceChoice::EnhancedStartup, IsEnhancedStartupEnabled() ? kEnhancedOn : kEnhancedOff);
}

void ServicePages::StartStopClick() {
    OpenService();
    TSrvCtrl& control = view_.ServiceControl();
    const TSrvState state = control.GetState();
    const int choice = view_.ServiceChoiceIndex(ServiceChoice::StartStop);
    if (choice == kStartService && state != srvRunning) control.Start();
    if (choice == kStopService && state != srvStopped) control.Stop();
    CloseService();
}

void ServicePages::StartupTypeClick() {
    const int choice = view_.ServiceChoiceIndex(ServiceChoice::StartupType);
    if (choice < 0 || choice >= static_cast<int>(std::size(kStartTypes))) return;
    OpenService();
    view_.ServiceControl().SetStartType(kStartTypes[choice]);
    CloseService();
}

void ServicePages::EnhancedStartupClick() {
    const int choice = view_.ServiceChoiceIndex(ServiceChoice::EnhancedStartup);
    if (choice != kEnhancedOn && choice != kEnhancedOff) return;
    const bool enable = choice == kEnhancedOn;
    if (enable)
        EnableEnhancedStartup();
    else
        DisableEnhancedStartup();

    // A refused change must not look like a done one.
    const bool enabled = IsEnhancedStartupEnabled();
    if (enabled != enable) {
        view_.SelectServiceChoice(ServiceChoice::EnhancedStartup, enabled ? kEnhancedOn : kEnhancedOff);
        OfferStopService(!enabled);
        throw vcl::Exception(std::string("Enhanced Startup could not be ") + (enable ? "enabled" : "disabled") +
                             ": the settings of the Workstation service could not be changed. Run the System "
                             "Manager as an administrator");
    }

    if (enable) {
        OfferStopService(false);
        return;
    }
    OfferStopService(true);
    OpenService();
    const TSrvState state = view_.ServiceControl().GetState();
    CloseService();
    vcl::Application().ProcessMessages();
    SelectForState(state);
}

}  // namespace manager
