#include "wizard/FMicWizard.h"

#include <array>

#include "common/WavePlay.h"
#include "mixer/SSVolumeController.h"
#include "platform/skin/SuiButton.h"
#include "platform/skin/SuiCheckBox.h"
#include "platform/skin/SuiForm.h"
#include "platform/skin/SuiMessageDialog.h"
#include "platform/skin/SuiPageControl.h"
#include "platform/skin/SuiThemeManager.h"
#include "platform/skin/SuiTrackBar.h"
#include "platform/os/Os.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/WinApplication.h"
#include "mixer/AMixer.h"
#include "wizard/WizardShared.h"
#include "wizard/check/MicCheck.h"
#include "settings/Settings.h"
#include "wizard/FMicMsg.h"
#include "wizard/FSelecInput.h"
#include "wizard/LedLadder.h"

using namespace vcl;
using wizard::WizardButton;

namespace {

TMainFrm* mainFrm = nullptr;
std::function<void()> idleWork;

const char* ButtonName(WizardButton button) {
    constexpr std::array<const char*, 6> names{"Next1", "Next2", "Next3", "Next4", "Back4", "Finish6"};
    return names.at(static_cast<std::size_t>(button));
}

}  // namespace

TMainFrm* MainFrm() { return mainFrm; }

const vcl::ClassInfo& TMainFrm::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TMainFrm>("TMainFrm", &TForm::StaticClassInfo()).Build();
    return info;
}

TMainFrm::TMainFrm(vcl::TComponent* owner) : TForm(owner) {
    mainFrm = this;
    PublishHandlers();
    vcl::LoadFormDefinition(*this);
}

TMainFrm::~TMainFrm() {
    if (mainFrm == this) mainFrm = nullptr;
}

void TMainFrm::SetIdleWork(std::function<void()> work) { idleWork = std::move(work); }

void TMainFrm::PublishHandlers() {
    using vcl::TObject;
    using L = wizard::WizardLogic;
    const auto bind = [this](const char* name, void (L::*handler)()) {
        PublishMethod<void(TObject*)>(name, [this, handler](TObject*) { (logic_.*handler)(); });
    };
    bind("FormCreate", &L::FormCreate);
    bind("FormShow", &L::FormShow);
    PublishMethod<vcl::TKeyEvent>("FormKeyUp",
                                  [this](TObject*, std::uint16_t& key, vcl::TShiftState) { logic_.KeyUp(key); });
    bind("IMHelp1Click", &L::HelpPictureClick);
    bind("suitempTrackBar1Change", &L::VolumeBarChange);
    bind("suitempNext1Click", &L::Next1Click);
    bind("suitempNext2Click", &L::Next2Click);
    bind("suitempNext3Click", &L::Next3Click);
    bind("suitempNext4Click", &L::Next4Click);
    bind("suitempBack2Click", &L::Back2Click);
    bind("suitempBack3Click", &L::Back3Click);
    bind("suitempBack4Click", &L::Back4Click);
    bind("suitempBack6Click", &L::Back6Click);
    bind("suitempFinish6Click", &L::Finish6Click);
    bind("suitempCancel1Click", &L::CancelClick);
}

template <class T>
T& TMainFrm::Control(const char* name) const {
    if (auto* control = dynamic_cast<T*>(FindComponent(name))) return *control;
    throw vcl::EComponentError(std::string("The window definition lacks ") + name);
}

int TMainFrm::ThemeStyleIndex() const {
    return static_cast<int>(Control<TsuiThemeManager>("suiThemeManager").UIStyle());
}

TSettings& TMainFrm::Settings() { return Control<TSettings>("Settings"); }

TWavePlayer& TMainFrm::ClickSound() { return Control<TWavePlayer>("btnwave"); }

int TMainFrm::ActivePageIndex() const { return Control<TsuiPageControl>("PageControl1").ActivePageIndex(); }

void TMainFrm::ShowPage(int index) { Control<TsuiPageControl>("PageControl1").SetActivePageIndex(index); }

void TMainFrm::Focus(WizardButton button) {
    TsuiButton& target = Control<TsuiButton>(ButtonName(button));
    if (target.Showing() && target.Enabled()) target.SetFocus();
}

void TMainFrm::SetButtonEnabled(WizardButton button, bool enabled) {
    Control<TsuiButton>(ButtonName(button)).SetEnabled(enabled);
}

void TMainFrm::SetTitle(const std::string& title) { Control<TsuiForm>("suiForm").SetCaption(title); }

int TMainFrm::VolumeBarPosition() const { return Control<TsuiTrackBar>("TrackBar1").Position(); }

void TMainFrm::SetVolumeBarPosition(int position) { Control<TsuiTrackBar>("TrackBar1").SetPosition(position); }

int TMainFrm::MasterVolume() { return Control<TssVolumeController>("VolumeController").Volume(); }

void TMainFrm::SetMasterVolume(int volume) { Control<TssVolumeController>("VolumeController").SetVolume(volume); }

void TMainFrm::SetMeterPosition(int position) { Control<TLedLadder>("LedLadder2").SetPosition(position); }

bool TMainFrm::CancelRequested() const { return Control<TsuiCheckBox>("CancelBox4").Checked(); }

void TMainFrm::SetCancelRequested(bool requested) { Control<TsuiCheckBox>("CancelBox4").SetChecked(requested); }

void TMainFrm::SetPhraseVisible(bool visible) { Control<vcl::TLabel>("Label42").SetVisible(visible); }

void TMainFrm::RunMicrophoneCheck() {
    // Made once: its variables carry over from one check to the next.
    if (!check_)
        check_ = std::make_unique<TMicrophoneCheck>(*this, Control<TAudioMixer>("Mixer"), wizard::ProgramFolder);
    check_->RunMicrophoneCheck();
}

void TMainFrm::SetMeterMax(int max) { Control<TLedLadder>("LedLadder2").SetMax(max); }

int TMainFrm::ShowMessage(const std::string& caption, const std::string& text, Icon icon) {
    return logic_.ShowWizardMessage(caption, text, "Ok", "",
                                    icon == Icon::Warning ? wizard::MessageIcon::Warning
                                                          : wizard::MessageIcon::Information,
                                    1, wizard::kResultOk, 0, 0);
}

std::optional<int> TMainFrm::SelectFromList(const std::string& title, const std::vector<std::string>& items) {
    TSelectInputFrm* dialog = SelectInputFrm();
    if (!dialog) return std::nullopt;
    dialog->SetQuestion(title);
    TStringList& names = dialog->RadioGroup().Items();
    names.Clear();
    for (const std::string& item : items) names.Add(item);
    if (dialog->ShowModal() != mrOk) return std::nullopt;
    return wizard::SelectedInput;
}

void TMainFrm::ClearListSelection() {
    if (TSelectInputFrm* dialog = SelectInputFrm()) dialog->RadioGroup().SetItemIndex(-1);
}

void TMainFrm::ShowProblemDialog(const std::string& text) { ShowMicrophoneProblem(text); }

void TMainFrm::PlayBeep() { os::sound().PlayByName("BEEP", 0, os::snd::Resource); }

void TMainFrm::ProcessMessages() {
    if (idleWork) idleWork();
    vcl::Application().ProcessMessages();
}

void TMainFrm::WaitForMessages(os::DWORD milliseconds) {
    if (idleWork) idleWork();
    win::ProcessMessagesUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
    if (idleWork) idleWork();
}

bool TMainFrm::InputSelectionShowing() const { return SelectInputFrm() && SelectInputFrm()->Visible(); }

int TMainFrm::ShowMessageDialog(const wizard::MessageDialogRequest& request) {
    TsuiMessageDialog& dialog = Control<TsuiMessageDialog>("suiMsgDlg");
    dialog.SetCaption(request.caption);
    dialog.SetText(request.text);
    dialog.SetIconType(static_cast<TsuiIconType>(request.icon));
    dialog.SetButtonCount(request.buttonCount);
    dialog.SetButtonCaption(1, request.button1Caption);
    dialog.SetButtonCaption(2, request.button2Caption);
    dialog.SetButtonModalResult(1, static_cast<TModalResult>(request.button1Result));
    dialog.SetButtonModalResult(2, static_cast<TModalResult>(request.button2Result));
    dialog.SetButtonModalResult(3, static_cast<TModalResult>(request.button3Result));
    return dialog.ShowModal();
}

void TMainFrm::ApplyThemeStyle(std::optional<config::ThemeStyle> style) {
    TsuiThemeManager& themes = Control<TsuiThemeManager>("suiThemeManager");
    if (style) themes.SetUIStyle(static_cast<TsuiUIStyle>(*style));
    Control<TsuiMessageDialog>("suiMsgDlg").SetUIStyle(themes.UIStyle());
}

void RegisterWizardClasses() {
    vcl::RegisterComponentClass(TMainFrm::StaticClassInfo());
    vcl::RegisterComponentClass(TLedLadder::StaticClassInfo());
    vcl::RegisterComponentClass(TSelectInputFrm::StaticClassInfo());
    vcl::RegisterComponentClass(TMicMsgFrm::StaticClassInfo());
}
