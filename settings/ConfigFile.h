#pragma once
// The configuration file shared by both programs and the logon service: "Orlenza.ini" in the
// system directory, one section, twelve keys in a fixed order. This is the one place that
// defines it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace config {

// Positions of the items in the settings collection; programs address items by these.
enum Item : int {
    ViewSoundData,
    VoiceAssist,
    Confidence,
    Accuracy,
    VoiceTries,
    LockOutTime,
    InactivityTime,
    PlayBackVoicePrint,
    NoiseFiltration,
    Theme,
    Language,
    PasswordTries,
};

struct ItemDefinition {
    std::string_view name;
    TSettingType type;
    int defaultValue;  // booleans: 1 or 0
};

inline constexpr std::array<ItemDefinition, 12> kItems{{
    {"ViewSoundData", stBoolean, 1},
    {"VoiceAssist", stBoolean, 1},
    {"Confidence", stInteger, 90},
    {"Accuracy", stInteger, 30},
    {"VoiceTries", stInteger, 3},
    {"LockOutTime", stInteger, 10},
    {"InactivityTime", stInteger, 90},
    {"PlayBackVoicePrint", stBoolean, 1},
    {"NoiseFiltration", stBoolean, 1},
    {"Theme", stInteger, 0},
    {"Language", stInteger, 0},
    {"PasswordTries", stInteger, 3},
}};

inline constexpr std::string_view kBaseKey = "\\Software\\Brenmoor Industries";
inline constexpr std::string_view kKey = "Orlenza";
inline constexpr std::string_view kFileName = "\\Orlenza.ini";
inline constexpr TRootKeys kRootKey = rkHKEY_LOCAL_MACHINE;

// Gives a settings component the configuration both programs declare on their main window.
void Configure(TSettings& settings);

// Sets every item to the value written when the file is absent.
void SetDefaults(TSettings& settings);

// The system directory (as the system reports it into 512 characters) + "\Orlenza.ini".
// Raises vcl::Exception when the system cannot report its directory.
std::string FilePath();

// The skin styles the "Theme" value selects.
enum class ThemeStyle { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
inline constexpr std::array<std::string_view, 5> kThemeNames{"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
// The style a stored "Theme" selects; none for a value outside 0 to 4.
std::optional<ThemeStyle> ThemeFromIndex(int index);

}  // namespace config
