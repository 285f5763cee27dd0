#pragma once
// The manager window's behaviour apart from its controls: start-up and close sequences, tree
// navigation, value labels, help, the theme change and the service pages.
#include <cstdint>

#include "manager/MainView.h"
#include "manager/ServicePages.h"
#include "manager/TreeClickGuard.h"

namespace manager {

inline constexpr std::int32_t kHelpContext = 1000;
inline constexpr std::uint16_t kKeyF1 = 112;

class MainLogic {
public:
    explicit MainLogic(MainView& view) : view_(view) {}

    // The window was created: read the configuration file, or create it with the defaults, and
    // fill the controls. An error ends the sequence where it happens.
    void FormCreate();
    // The window is closing: the click to its end, then all twelve keys saved. An error (the
    // file cannot be written) leaves the window open.
    void FormClose();

    // A tree is about to change its selected node; the selection never changes.
    void TreeChanging(Tab tab, int selectedImageIndex, bool& allowChange);
    void TabChanged();
    void BarChanged(Bar bar);
    void MenuIndexClick();
    void KeyUp(std::uint16_t key);
    void ThemeChanged();
    void LanguageChanged();

    ServicePages& Service() { return service_; }

    int ThemeValue() const { return themeValue_; }
    int LanguageValue() const { return languageValue_; }

private:
    void FillControls();
    void PlaySelectionSound();

    MainView& view_;
    ServicePages service_{view_};
    TreeClickGuard guard_;
    int themeValue_ = 0;
    int languageValue_ = 0;
};

}  // namespace manager
