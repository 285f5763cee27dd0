#pragma once
// The track bars of the logon and engine pages: which configuration item each one edits, how
// its position maps to the stored value, and the text of its value label.
#include <array>
#include <string>
#include <string_view>

#include "settings/ConfigFile.h"

namespace manager {

enum class Bar { Inactivity, VoiceAttempts, PasswordAttempts, Lockout, Sensitivity, Confidence };

inline constexpr std::array<Bar, 6> kBars{Bar::Inactivity, Bar::VoiceAttempts, Bar::PasswordAttempts,
                                          Bar::Lockout,     Bar::Sensitivity,   Bar::Confidence};

struct BarDefinition {
    config::Item item;
    int min;
    int max;
    std::string_view prefix;  // also the label's text before it is first rewritten
    std::string_view suffix;
    bool reversed;  // the bar runs the other way from its stored value
};

const BarDefinition& Definition(Bar bar);

// The stored value a position stands for, and the position a stored value asks for (not yet
// clamped: the bar does that).
int StoredValue(Bar bar, int position);
int PositionFor(Bar bar, int storedValue);

// "Lockout Duration : 20 Minutes", "Matching Sensitivity : 0 Units", "Voice Attempts : 3".
std::string ValueLabelText(Bar bar, int position);

}  // namespace manager
