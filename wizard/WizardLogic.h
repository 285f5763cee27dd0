#pragma once
// The wizard window's behaviour apart from its controls: start-up, the page flow with its
// sounds and titles, cancelling, help, and the one message box routine.
#include <cstdint>
#include <string>

#include "wizard/WizardView.h"

namespace wizard {

inline constexpr std::uint16_t kKeyEscape = 27;
inline constexpr std::uint16_t kKeyF1 = 112;
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

std::string StepTitle(int step);
// Help context of a page: (index + 3) x 1000.
std::int32_t HelpContextOf(int pageIndex);

// The test sound of step 3 and the stop of every sound, through the system's sound player.
void StartTestSound();
void StopAllSounds();

class WizardLogic {
public:
    explicit WizardLogic(WizardView& view) : view_(view) {}

    void FormCreate();
    void FormShow();
    void KeyUp(std::uint16_t key);
    void HelpPictureClick();
    void VolumeBarChange();

    void Next1Click();
    void Back2Click();
    void Next2Click();
    void Back3Click();
    void Next3Click();
    void Back4Click();
    void Next4Click();
    void Back6Click();
    void Finish6Click();
    void CancelClick();

    // Sets up the message dialog, shows it, clicks when it closes; the modal result.
    int ShowWizardMessage(const std::string& caption, const std::string& text, const std::string& button1,
                          const std::string& button2, MessageIcon icon, int buttonCount, int result1, int result2,
                          int result3);

private:
    void Click();
    void EnterStep(int step);
    void EnterMicrophoneStep();
    void ShowVolumeFromMixer();

    WizardView& view_;
};

}  // namespace wizard
