#pragma once
// What the Service Settings pages need of their window: the service control component and the
// three choices. Selections made from code run no click handler.
#include <string>

class TSrvCtrl;

namespace manager {

enum class ServiceChoice { StartStop, StartupType, EnhancedStartup };

class ServiceView {
public:
    virtual ~ServiceView() = default;

    virtual TSrvCtrl& ServiceControl() = 0;
    // -1 when nothing is selected.
    virtual int ServiceChoiceIndex(ServiceChoice choice) const = 0;
    virtual void SelectServiceChoice(ServiceChoice choice, int index) = 0;
    // The Start/Stop entries; deleting the selected one leaves no selection.
    virtual int StartStopCount() const = 0;
    virtual void DeleteStartStopEntry(int index) = 0;
    virtual void AppendStartStopEntry(const std::string& text) = 0;
};

}  // namespace manager
