#include "manager/SettingBars.h"

namespace manager {

namespace {

constexpr int kSensitivityTop = 60;  // "Accuracy" 60 is the laxest, at the bar's left end

constexpr std::array<BarDefinition, 6> kDefinitions{{
    {config::InactivityTime, 90, 120, "Inactivity Timeout :", " Seconds", false},
    {config::VoiceTries, 1, 10, "Voice Attempts :", "", false},
    {config::PasswordTries, 0, 10, "Password Attempts :", "", false},
    {config::LockOutTime, 5, 60, "Lockout Duration :", " Minutes", false},
    {config::Accuracy, 0, kSensitivityTop, "Matching Sensitivity :", " Units", true},
    {config::Confidence, 75, 100, "Percent Confidence :", "%", false},
}};

}  // namespace

const BarDefinition& Definition(Bar bar) { return kDefinitions[static_cast<std::size_t>(bar)]; }

int StoredValue(Bar bar, int position) { return Definition(bar).reversed ? kSensitivityTop - position : position; }

int PositionFor(Bar bar, int storedValue) { return StoredValue(bar, storedValue); }

std::string ValueLabelText(Bar bar, int position) {
    const BarDefinition& definition = Definition(bar);
    return std::string(definition.prefix) + " " + std::to_string(StoredValue(bar, position)) +
           std::string(definition.suffix);
}

}  // namespace manager
