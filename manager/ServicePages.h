#pragma once
// The Service Settings pages: start and stop the logon service, set its startup type, switch
// Enhanced Startup. Every action opens the service for itself and takes effect at once; errors
// are raised to the application's error box.
#include "manager/ServiceView.h"
#include "service/SrvCtrl.h"

namespace manager {

inline constexpr const char* kServiceDisplayName = "Orlenza Service";

class ServicePages {
public:
    explicit ServicePages(ServiceView& view) : view_(view) {}

    // Fills the three choices from the service and the Enhanced Startup setting, running no
    // handler: nothing is started, stopped or changed.
    void Startup();
    void StartStopClick();
    void StartupTypeClick();
    // Raises when the setting did not take (no rights to change it), after the choice and the
    // Start/Stop entries are made to match what is really set.
    void EnhancedStartupClick();

private:
    void OpenService();
    void CloseService();
    void SelectForState(TSrvState state);
    // With Enhanced Startup on, the service may not be stopped: "Stop Service" is not offered.
    void OfferStopService(bool offer);

    ServiceView& view_;
};

}  // namespace manager
