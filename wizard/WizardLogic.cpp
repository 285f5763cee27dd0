#include "wizard/WizardLogic.h"

#include "common/WavePlay.h"
#include "platform/os/Os.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/FileNames.h"
#include "settings/Settings.h"
#include "wizard/WizardShared.h"

namespace wizard {

std::string ProgramFolder;
std::int32_t SelectedInput = -1;

namespace {

constexpr int kStep3Page = 2;
constexpr int kVolumeBarMax = 100;

}  // namespace

std::string StepTitle(int step) {
    return "Setup Sound System Wizard - Step " + std::to_string(step) + " of " + std::to_string(kPageCount);
}

std::int32_t HelpContextOf(int pageIndex) { return (pageIndex + 3) * 1000; }

void StartTestSound() { os::sound().PlayByName("MICSOUND", 0, os::snd::Resource | os::snd::Loop | os::snd::Async); }

void StopAllSounds() { os::sound().PlayByName(nullptr, 0, os::snd::Purge); }

void WizardLogic::FormCreate() {
    ProgramFolder = vcl::ExtractFilePath(os::system().ModuleFileName());
    TSettings& settings = view_.Settings();
    settings.SetIniFileName(config::FilePath());
    // Only read: the manager owns the file.
    if (vcl::FileExists(settings.IniFileName())) {
        settings.LoadSettings();
        view_.ApplyThemeStyle(config::ThemeFromIndex(settings.Settings().Items(config::Theme)->Value().AsInteger()));
    } else {
        view_.ApplyThemeStyle(config::ThemeStyle::MacOS);
    }
    view_.SetKeyPreview(true);
}

void WizardLogic::FormShow() {
    SelectedInput = -1;
    view_.ShowPage(0);
    view_.Focus(WizardButton::Next1);
    view_.SetTitle(StepTitle(1));
}

void WizardLogic::KeyUp(std::uint16_t key) {
    if (key == kKeyEscape && !view_.InputSelectionShowing()) CancelClick();
    if (key == kKeyF1) vcl::Application().HelpContext(HelpContextOf(view_.ActivePageIndex()));
}

void WizardLogic::HelpPictureClick() {
    // On step 3 a click would stop the test sound.
    if (view_.ActivePageIndex() != kStep3Page) Click();
    vcl::Application().HelpContext(HelpContextOf(view_.ActivePageIndex()));
}

void WizardLogic::VolumeBarChange() { view_.SetMasterVolume(kVolumeBarMax - view_.VolumeBarPosition()); }

void WizardLogic::Next1Click() {
    Click();
    EnterStep(2);
}

void WizardLogic::Back2Click() {
    Click();
    EnterStep(1);
}

void WizardLogic::Next2Click() {
    Click();
    ShowVolumeFromMixer();
    view_.ShowPage(2);
    view_.Focus(WizardButton::Next3);
    view_.SetTitle(StepTitle(3));
    StopAllSounds();
    StartTestSound();
}

void WizardLogic::Back3Click() {
    StopAllSounds();
    Click();
    EnterStep(2);
}

void WizardLogic::Next3Click() {
    StopAllSounds();
    Click();
    EnterMicrophoneStep();
}

void WizardLogic::Back4Click() {
    Click();
    view_.SetCancelRequested(true);
    ShowVolumeFromMixer();
    view_.ShowPage(2);
    view_.SetTitle(StepTitle(3));
    StopAllSounds();
    StartTestSound();
    view_.Focus(WizardButton::Next3);
}

void WizardLogic::Next4Click() {
    Click();
    view_.SetMeterPosition(0);
    view_.SetCancelRequested(false);
    view_.ShowPage(4);
    view_.Focus(WizardButton::Finish6);
    view_.SetTitle(StepTitle(5));
}

void WizardLogic::Back6Click() {
    Click();
    EnterMicrophoneStep();
}

void WizardLogic::Finish6Click() {
    Click();
    view_.CloseWindow();
}

void WizardLogic::CancelClick() {
    StopAllSounds();
    Click();
    view_.SetCancelRequested(true);
    const int answer = ShowWizardMessage(
        "Warning",
        "You are about to cancel the Setup Sound System Wizard! By doing so, you may experience problems recording "
        "voice commands. Are you sure you want to cancel?",
        "Yes", "No", MessageIcon::Warning, 2, kResultYes, kResultNo, 0);
    if (answer == kResultYes) {
        view_.CloseWindow();
        return;
    }
    view_.SetCancelRequested(false);
    if (view_.ActivePageIndex() == kStep3Page) StartTestSound();
}

int WizardLogic::ShowWizardMessage(const std::string& caption, const std::string& text, const std::string& button1,
                                   const std::string& button2, MessageIcon icon, int buttonCount, int result1,
                                   int result2, int result3) {
    MessageDialogRequest request{caption, text, icon, buttonCount, "&" + button1, "&" + button2,
                                 result1, result2, result3};
    const int result = view_.ShowMessageDialog(request);
    Click();
    return result;
}

void WizardLogic::Click() { view_.ClickSound().Play(); }

void WizardLogic::EnterStep(int step) {
    view_.ShowPage(step - 1);
    view_.Focus(step == 1 ? WizardButton::Next1 : WizardButton::Next2);
    view_.SetTitle(StepTitle(step));
}

void WizardLogic::EnterMicrophoneStep() {
    view_.ShowPage(3);
    view_.SetTitle(StepTitle(4));
    view_.SetMeterPosition(0);
    view_.SetCancelRequested(false);
    view_.SetButtonEnabled(WizardButton::Next4, false);
    view_.SetPhraseVisible(false);
    view_.RunMicrophoneCheck();
}

void WizardLogic::ShowVolumeFromMixer() { view_.SetVolumeBarPosition(kVolumeBarMax - view_.MasterVolume()); }

}  // namespace wizard
