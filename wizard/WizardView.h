#pragma once
// What the wizard's page flow needs of its window. The window (FMicWizard) implements it over
// its controls and components; tests implement it with plain values.
#include <optional>
#include <string>

#include "settings/ConfigFile.h"

class TSettings;
class TWavePlayer;

namespace wizard {

// Pages by index: step N is page N - 1.
inline constexpr int kPageCount = 5;

enum class WizardButton { Next1, Next2, Next3, Next4, Back4, Finish6 };

enum class MessageIcon { None, Warning, Stop, Information, Help };

// What the skinned message dialog is given before it is shown.
struct MessageDialogRequest {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    int buttonCount = 1;
    std::string button1Caption;
    std::string button2Caption;
    int button1Result = 0;
    int button2Result = 0;
    int button3Result = 0;
};

class WizardView {
public:
    virtual ~WizardView() = default;

    virtual TSettings& Settings() = 0;
    virtual TWavePlayer& ClickSound() = 0;

    virtual int ActivePageIndex() const = 0;
    virtual void ShowPage(int index) = 0;
    virtual void Focus(WizardButton button) = 0;
    virtual void SetButtonEnabled(WizardButton button, bool enabled) = 0;
    // The caption of the skinned frame; the window's own caption stays.
    virtual void SetTitle(const std::string& title) = 0;

    // The playback bar: setting a different position runs its change handler.
    virtual int VolumeBarPosition() const = 0;
    virtual void SetVolumeBarPosition(int position) = 0;
    // The master volume, read back from the mixer, in percent.
    virtual int MasterVolume() = 0;
    virtual void SetMasterVolume(int volume) = 0;

    virtual void SetMeterPosition(int position) = 0;
    virtual bool CancelRequested() const = 0;
    virtual void SetCancelRequested(bool requested) = 0;
    virtual void SetPhraseVisible(bool visible) = 0;
    // Runs the microphone check of step 4; returns when it has ended.
    virtual void RunMicrophoneCheck() = 0;
    virtual bool InputSelectionShowing() const = 0;

    // Shows the message dialog modally; its modal result.
    virtual int ShowMessageDialog(const MessageDialogRequest& request) = 0;
    virtual void CloseWindow() = 0;
    // Gives the theme manager a style (none: keeps its style), then the message dialog the
    // theme manager's style.
    virtual void ApplyThemeStyle(std::optional<config::ThemeStyle> style) = 0;
    virtual void SetKeyPreview(bool on) = 0;
};

}  // namespace wizard
