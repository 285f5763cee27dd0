#include "manager/MainLogic.h"

#include <cstdlib>

#include "common/WavePlay.h"
#include "platform/os/Os.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/FileNames.h"
#include "settings/Settings.h"

namespace manager {

namespace {

struct ChoiceItem {
    Choice choice;
    config::Item item;
};

constexpr ChoiceItem kChoices[] = {
    {Choice::ViewSoundData, config::ViewSoundData},
    {Choice::VoiceAssist, config::VoiceAssist},
    {Choice::PlayBackVoicePrint, config::PlayBackVoicePrint},
    {Choice::NoiseFiltration, config::NoiseFiltration},
};

constexpr Tab kTabs[] = {Tab::Logon, Tab::Engine, Tab::Service, Tab::Master};

TSettingItem& Item(TSettings& settings, config::Item item) { return *settings.Settings().Items(item); }

}  // namespace

void MainLogic::FormCreate() {
    guard_.Reset();
    TSettings& settings = view_.Settings();
    settings.SetIniFileName(config::FilePath());
    if (vcl::FileExists(settings.IniFileName())) {
        settings.LoadSettings();
        languageValue_ = Item(settings, config::Language).Value().AsInteger();
        FillControls();
        ThemeChanged();
    } else {
        themeValue_ = 0;
        languageValue_ = 0;
        config::SetDefaults(settings);
        settings.SaveSettings();
        FillControls();
    }
    for (Tab tab : kTabs) view_.ShowPage(tab, 0);
    service_.Startup();
    view_.SetKeyPreview(true);
}

void MainLogic::FillControls() {
    TSettings& settings = view_.Settings();
    for (const ChoiceItem& c : kChoices)
        view_.SelectChoice(c.choice, std::abs(Item(settings, c.item).Value().AsInteger()));
    for (Bar bar : kBars)
        view_.SetBarPosition(bar, PositionFor(bar, Item(settings, Definition(bar).item).Value().AsInteger()));
    view_.SelectTheme(Item(settings, config::Theme).Value().AsInteger());
    view_.SelectLanguage(Item(settings, config::Language).Value().AsInteger());
}

void MainLogic::FormClose() {
    TWavePlayer& sound = view_.SelectionSound();
    sound.SetWaitToStop(true);
    sound.Play();

    TSettings& settings = view_.Settings();
    for (const ChoiceItem& c : kChoices) Item(settings, c.item).SetValue(view_.ChoiceIndex(c.choice) != 0);
    for (Bar bar : kBars) Item(settings, Definition(bar).item).SetValue(StoredValue(bar, view_.BarPosition(bar)));
    Item(settings, config::Theme).SetValue(themeValue_);
    Item(settings, config::Language).SetValue(languageValue_);
    settings.SaveSettings();
}

void MainLogic::TreeChanging(Tab tab, int selectedImageIndex, bool& allowChange) {
    if (guard_.Click()) view_.ShowPage(tab, selectedImageIndex);
    allowChange = false;
    PlaySelectionSound();
}

void MainLogic::TabChanged() { PlaySelectionSound(); }

void MainLogic::BarChanged(Bar bar) { view_.SetValueLabel(bar, ValueLabelText(bar, view_.BarPosition(bar))); }

void MainLogic::MenuIndexClick() {
    PlaySelectionSound();
    vcl::Application().HelpContext(kHelpContext);
}

void MainLogic::KeyUp(std::uint16_t key) {
    if (key == kKeyF1) vcl::Application().HelpContext(kHelpContext);
}

void MainLogic::ThemeChanged() {
    vcl::TApplication& application = vcl::Application();
    // Out of sight while every control is restyled.
    application.Minimize();
    application.ProcessMessages();
    const int index = view_.ThemeIndex();
    view_.ApplyThemeStyle(config::ThemeFromIndex(index));
    themeValue_ = index;
    application.ProcessMessages();
    application.Restore();
}

void MainLogic::LanguageChanged() {
    // Text typed into the list selects nothing; the language stays as it was.
    if (view_.LanguageIndex() >= 0) languageValue_ = view_.LanguageIndex();
}

void MainLogic::PlaySelectionSound() { view_.SelectionSound().Play(); }

}  // namespace manager
