#pragma once
// The machine the manager's service pages work on: the stand-in logon service registered in the
// Service Control Manager, and the workstation service's key that Enhanced Startup edits.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Registers the stand-in service (stopped, demand start) and creates the workstation key.
void PrepareServiceMachine();

DWORD ServiceState();
// Waits up to five seconds for the service to reach `state`; false when it does not.
bool WaitForServiceState(DWORD state);
DWORD ServiceStartType();
// Asks the service to stop or start and waits until it has.
void StopStandInService();
void StartStandInService();
void SetServiceStartType(DWORD startType);

// The workstation service's "DependOnService" list; empty when the value is missing.
std::vector<std::string> WorkstationDependencies();
void SetWorkstationDependencies(const std::vector<std::string>& entries);

}  // namespace e2e
