#include "manager/FMain.h"

#include "common/WavePlay.h"
#include "platform/skin/SuiComboBox.h"
#include "platform/skin/SuiMainMenu.h"
#include "platform/skin/SuiMessageDialog.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/skin/SuiThemeManager.h"
#include "platform/skin/SuiTrackBar.h"
#include "platform/skin/SuiTreeView.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/PageControl.h"
#include "service/SrvCtrl.h"
#include "settings/Settings.h"

using manager::Bar;
using namespace vcl;
using manager::Choice;
using manager::Tab;

namespace {

// Controls by the names the definition gives them, in the order of the logic's enumerations.
constexpr std::array<const char*, 4> kChoiceGroups{"suiRGViewSoundData", "suiRGVoiceAssist",
                                                   "suiRGVoicePrintPlayback", "suiRGFiltration"};
constexpr std::array<const char*, 6> kBarControls{"suiTBInactivity", "suiTBVoiceAttempts", "suiTBPasswordAttempts",
                                                  "suiTBLockout",    "suiTBSensitivity",   "suiTBConfidence"};
constexpr std::array<const char*, 6> kBarLabels{"LDisplayInactivity", "LDisplayVoiceAttempts",
                                                "LDisplayPasswordAttempt", "LDisplayLockout",
                                                "LDisplaySensitivity", "LDisplayConfidence"};
constexpr std::array<const char*, 3> kServiceGroups{"suiRGStartStop", "suiRGStartupType", "suiRGEnhancedStartup"};
constexpr std::array<const char*, 4> kTabPages{"PCLogon", "PCEngine", "PCService", "PCMaster"};

TsuiUIStyle SkinStyleOf(config::ThemeStyle style) { return static_cast<TsuiUIStyle>(style); }

}  // namespace

const vcl::ClassInfo& TMainFrm::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TMainFrm>("TMainFrm", &TForm::StaticClassInfo()).Build();
    return info;
}

TMainFrm::TMainFrm(vcl::TComponent* owner) : TForm(owner) {
    PublishHandlers();
    vcl::LoadFormDefinition(*this);
}

void TMainFrm::PublishHandlers() {
    using vcl::TObject;
    PublishMethod<void(TObject*)>("FormCreate", [this](TObject*) { logic_.FormCreate(); });
    PublishMethod<vcl::TCloseEvent>("FormClose", [this](TObject*, vcl::TCloseAction&) { logic_.FormClose(); });
    PublishMethod<vcl::TKeyEvent>("FormKeyUp",
                                  [this](TObject*, std::uint16_t& key, vcl::TShiftState) { logic_.KeyUp(key); });
    PublishMethod<void(TObject*)>("MOExitClick", [this](TObject*) { Close(); });
    PublishMethod<void(TObject*)>("suiBLogonCloseClick", [this](TObject*) { Close(); });
    PublishMethod<void(TObject*)>("MOIndexClick", [this](TObject*) { logic_.MenuIndexClick(); });
    PublishMethod<void(TObject*)>("MOAboutClick",
                                  [this](TObject*) { Control<TsuiMessageDialog>("suiAbout").ShowModal(); });
    PublishMethod<void(TObject*)>("suiPCMainChange", [this](TObject*) { logic_.TabChanged(); });

    const std::array<std::pair<const char*, Tab>, 4> trees{{{"suiTVLogonChanging", Tab::Logon},
                                                            {"suiTVEngineChanging", Tab::Engine},
                                                            {"suiTVServiceChanging", Tab::Service},
                                                            {"suiTVMasterChanging", Tab::Master}}};
    for (const auto& [handler, tab] : trees)
        PublishMethod<TTVChangingEvent>(handler, [this, tab = tab](TObject*, TTreeNode* node, bool& allow) {
            logic_.TreeChanging(tab, node->SelectedIndex(), allow);
        });

    const std::array<std::pair<const char*, Bar>, 6> bars{{{"suiTBInactivityChange", Bar::Inactivity},
                                                           {"suiTBVoiceAttemptsChange", Bar::VoiceAttempts},
                                                           {"suiTBPasswordAttemptsChange", Bar::PasswordAttempts},
                                                           {"suiTBLockoutChange", Bar::Lockout},
                                                           {"suiTBSensitivityChange", Bar::Sensitivity},
                                                           {"suiTBConfidenceChange", Bar::Confidence}}};
    for (const auto& [handler, bar] : bars)
        PublishMethod<void(TObject*)>(handler, [this, bar = bar](TObject*) { logic_.BarChanged(bar); });

    // Showing a number page rewrites its value labels from the current positions.
    const auto showBars = [this](std::initializer_list<Bar> shown) {
        return [this, shown = std::vector<Bar>(shown)](TObject*) {
            for (Bar bar : shown) logic_.BarChanged(bar);
        };
    };
    PublishMethod<void(TObject*)>("TSInactivityShow", showBars({Bar::Inactivity}));
    PublishMethod<void(TObject*)>("TSAttemptsShow", showBars({Bar::VoiceAttempts, Bar::PasswordAttempts}));
    PublishMethod<void(TObject*)>("TSLockoutShow", showBars({Bar::Lockout}));
    PublishMethod<void(TObject*)>("TSSensitivityShow", showBars({Bar::Sensitivity}));
    PublishMethod<void(TObject*)>("TSConfidenceShow", showBars({Bar::Confidence}));

    PublishMethod<void(TObject*)>("suiRGStartStopClick", [this](TObject*) { logic_.Service().StartStopClick(); });
    PublishMethod<void(TObject*)>("suiRGStartupTypeClick", [this](TObject*) { logic_.Service().StartupTypeClick(); });
    PublishMethod<void(TObject*)>("suiRGEnhancedStartupClick",
                                  [this](TObject*) { logic_.Service().EnhancedStartupClick(); });
    PublishMethod<void(TObject*)>("suiCBThemeChange", [this](TObject*) { logic_.ThemeChanged(); });
    PublishMethod<void(TObject*)>("suiCBLanguageChange", [this](TObject*) { logic_.LanguageChanged(); });
}

template <class T>
T& TMainFrm::Control(const char* name) const {
    if (auto* control = dynamic_cast<T*>(FindComponent(name))) return *control;
    throw vcl::EComponentError(std::string("The window definition lacks ") + name);
}

TsuiRadioGroup& TMainFrm::ChoiceGroup(Choice choice) const {
    return Control<TsuiRadioGroup>(kChoiceGroups[static_cast<std::size_t>(choice)]);
}

TsuiRadioGroup& TMainFrm::ServiceGroup(manager::ServiceChoice choice) const {
    return Control<TsuiRadioGroup>(kServiceGroups[static_cast<std::size_t>(choice)]);
}

TsuiTrackBar& TMainFrm::BarControl(Bar bar) const {
    return Control<TsuiTrackBar>(kBarControls[static_cast<std::size_t>(bar)]);
}

vcl::TLabel& TMainFrm::BarLabel(Bar bar) const {
    return Control<vcl::TLabel>(kBarLabels[static_cast<std::size_t>(bar)]);
}

TSettings& TMainFrm::Settings() { return Control<TSettings>("Settings"); }

TWavePlayer& TMainFrm::SelectionSound() { return Control<TWavePlayer>("selsound"); }

int TMainFrm::ChoiceIndex(Choice choice) const { return ChoiceGroup(choice).ItemIndex(); }

void TMainFrm::SelectChoice(Choice choice, int index) { ChoiceGroup(choice).SetItemIndex(index); }

int TMainFrm::BarPosition(Bar bar) const { return BarControl(bar).Position(); }

void TMainFrm::SetBarPosition(Bar bar, int position) { BarControl(bar).SetPosition(position); }

void TMainFrm::SetValueLabel(Bar bar, const std::string& text) { BarLabel(bar).SetCaption(text); }

int TMainFrm::ThemeIndex() const { return Control<TsuiComboBox>("suiCBTheme").ItemIndex(); }

void TMainFrm::SelectTheme(int index) { Control<TsuiComboBox>("suiCBTheme").SetItemIndex(index); }

int TMainFrm::LanguageIndex() const { return Control<TsuiComboBox>("suiCBLanguage").ItemIndex(); }

void TMainFrm::SelectLanguage(int index) { Control<TsuiComboBox>("suiCBLanguage").SetItemIndex(index); }

void TMainFrm::ShowPage(Tab tab, int pageIndex) {
    Control<vcl::TPageControl>(kTabPages[static_cast<std::size_t>(tab)]).SetActivePageIndex(pageIndex);
}

void TMainFrm::ApplyThemeStyle(std::optional<config::ThemeStyle> style) {
    TsuiThemeManager& themes = Control<TsuiThemeManager>("suiThemeManager");
    if (style) themes.SetUIStyle(SkinStyleOf(*style));
    Control<TsuiMessageDialog>("suiAbout").SetUIStyle(themes.UIStyle());
    Control<TsuiMainMenu>("suiMainMenu").SetUIStyle(themes.UIStyle());
}

TSrvCtrl& TMainFrm::ServiceControl() { return Control<TSrvCtrl>("SrvCtrl"); }

int TMainFrm::ServiceChoiceIndex(manager::ServiceChoice choice) const { return ServiceGroup(choice).ItemIndex(); }

void TMainFrm::SelectServiceChoice(manager::ServiceChoice choice, int index) {
    ServiceGroup(choice).SetItemIndex(index);
}

int TMainFrm::StartStopCount() const { return ServiceGroup(manager::ServiceChoice::StartStop).Items().Count(); }

void TMainFrm::DeleteStartStopEntry(int index) { ServiceGroup(manager::ServiceChoice::StartStop).Items().Delete(index); }

void TMainFrm::AppendStartStopEntry(const std::string& text) {
    ServiceGroup(manager::ServiceChoice::StartStop).Items().Add(text);
}

void RegisterManagerClasses() {
    vcl::RegisterComponentClass(TMainFrm::StaticClassInfo());
    vcl::RegisterComponentClass(TSrvCtrl::StaticClassInfo());
}
