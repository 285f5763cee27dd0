#pragma once
// Enhanced Startup: the logon service is listed in the workstation service's dependencies, so
// Windows starts it first during boot. None of these raises or shows anything: a failure ends
// in false (the writers: in the result reached before it).
namespace enhanced {
inline constexpr const char* kWorkstationKey = "SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation";
inline constexpr const char* kDependencies = "DependOnService";
inline constexpr const char* kOurService = "OrlenzaService";
}  // namespace enhanced

// Appends the service to the list unless it is there; true once it is listed.
bool EnableEnhancedStartup();
// Removes the first entry of the service; true when one was found.
bool DisableEnhancedStartup();
// Whether the service is listed; the key is only read.
bool IsEnhancedStartupEnabled();
