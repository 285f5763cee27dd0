#pragma once
// What the manager's start-up, close and navigation logic needs of its window. The window
// (FMain) implements it over its controls; tests implement it with plain values.
#include <optional>
#include <string>

#include "manager/ServiceView.h"
#include "manager/SettingBars.h"
#include "settings/ConfigFile.h"

class TSettings;
class TWavePlayer;

namespace manager {

enum class Tab { Logon, Engine, Service, Master };

// The enable/disable radio groups: entry 0 disables, entry 1 enables.
enum class Choice { ViewSoundData, VoiceAssist, PlayBackVoicePrint, NoiseFiltration };

class MainView : public ServiceView {
public:
    virtual TSettings& Settings() = 0;
    virtual TWavePlayer& SelectionSound() = 0;

    // Selections made from code run no click or change handler.
    virtual int ChoiceIndex(Choice choice) const = 0;
    virtual void SelectChoice(Choice choice, int index) = 0;
    virtual int BarPosition(Bar bar) const = 0;
    // The bar clamps the position to its range; an actual change runs its change handler.
    virtual void SetBarPosition(Bar bar, int position) = 0;
    virtual void SetValueLabel(Bar bar, const std::string& text) = 0;
    // -1 when nothing is selected; an index outside the list selects nothing.
    virtual int ThemeIndex() const = 0;
    virtual void SelectTheme(int index) = 0;
    virtual int LanguageIndex() const = 0;
    virtual void SelectLanguage(int index) = 0;

    // Shows a page of a tab's inner page control.
    virtual void ShowPage(Tab tab, int pageIndex) = 0;
    // Gives the theme manager a style (none: keeps its style), then the menu and the About box
    // the theme manager's style.
    virtual void ApplyThemeStyle(std::optional<config::ThemeStyle> style) = 0;
    virtual void SetKeyPreview(bool on) = 0;
};

}  // namespace manager
