#pragma once
// TMainFrm: the Setup Sound System Wizard's window. Its controls come from its stored
// definition (FMicWizard.olzform); it forwards their events to WizardLogic and gives the logic
// its controls.
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/vcl/win/Form.h"
#include "wizard/WizardLogic.h"
#include "wizard/check/MicCheckView.h"
#include "wizard/WizardView.h"

class TMicrophoneCheck;

class TMainFrm : public vcl::TForm, public wizard::WizardView, public MicCheckView {
public:
    OLZ_CLASS_INFO
    explicit TMainFrm(vcl::TComponent* owner);
    ~TMainFrm() override;

    wizard::WizardLogic& Logic() { return logic_; }
    // The theme manager's style, which the dialogs take.
    int ThemeStyleIndex() const;

    // wizard::WizardView
    TSettings& Settings() override;
    TWavePlayer& ClickSound() override;
    int ActivePageIndex() const override;
    void ShowPage(int index) override;
    void Focus(wizard::WizardButton button) override;
    void SetButtonEnabled(wizard::WizardButton button, bool enabled) override;
    void SetTitle(const std::string& title) override;
    int VolumeBarPosition() const override;
    void SetVolumeBarPosition(int position) override;
    int MasterVolume() override;
    void SetMasterVolume(int volume) override;
    void SetMeterPosition(int position) override;
    bool CancelRequested() const override;
    void SetCancelRequested(bool requested) override;
    void SetPhraseVisible(bool visible) override;
    void RunMicrophoneCheck() override;
    bool InputSelectionShowing() const override;
    int ShowMessageDialog(const wizard::MessageDialogRequest& request) override;
    void CloseWindow() override { Close(); }
    void ApplyThemeStyle(std::optional<config::ThemeStyle> style) override;
    void SetKeyPreview(bool on) override { TForm::SetKeyPreview(on); }

    // MicCheckView (SetMeterPosition is shared with WizardView)
    void SetMeterMax(int max) override;
    void EnableNext(bool enabled) override { SetButtonEnabled(wizard::WizardButton::Next4, enabled); }
    void EnableBack(bool enabled) override { SetButtonEnabled(wizard::WizardButton::Back4, enabled); }
    void FocusNext() override { Focus(wizard::WizardButton::Next4); }
    void ShowPhrase() override { SetPhraseVisible(true); }
    bool CancelChecked() override { return CancelRequested(); }
    int ShowMessage(const std::string& caption, const std::string& text, Icon icon) override;
    std::optional<int> SelectFromList(const std::string& title, const std::vector<std::string>& items) override;
    void ClearListSelection() override;
    void ShowProblemDialog(const std::string& text) override;
    void PlayBeep() override;
    bool MainWindowVisible() override { return Visible(); }
    void CloseMainWindow() override { Close(); }
    void ProcessMessages() override;
    void WaitForMessages(os::DWORD milliseconds) override;

    // Runs whenever the window waits for messages (the simulated sound system's device work).
    static void SetIdleWork(std::function<void()> work);

private:
    void PublishHandlers();
    // A component of the stored definition, by name and class; raises when the definition lacks it.
    template <class T>
    T& Control(const char* name) const;

    wizard::WizardLogic logic_{*this};
    std::unique_ptr<TMicrophoneCheck> check_;
};

// The wizard's window while it exists; null before and after.
TMainFrm* MainFrm();

// Makes the wizard's own classes known to form definitions.
void RegisterWizardClasses();
