#pragma once
// What the microphone check needs of the wizard window (step 4). The window implements it on
// its controls; tests implement it with a recording stand-in. Every call comes from the GUI
// thread, inside the handler that runs the check.
#include <optional>
#include <string>
#include <vector>

#include "platform/os/WinTypes.h"

class MicCheckView {
public:
    enum class Icon { Warning, Information };

    virtual ~MicCheckView() = default;

    // The intensity meter (LedLadder2).
    virtual void SetMeterMax(int max) = 0;
    virtual void SetMeterPosition(int position) = 0;
    // The buttons of step 4 (Next4, Back4).
    virtual void EnableNext(bool enabled) = 0;
    virtual void EnableBack(bool enabled) = 0;
    virtual void FocusNext() = 0;
    // Shows the phrase the user repeats (Label42).
    virtual void ShowPhrase() = 0;
    // The cancel flag (CancelBox4): set by cancel and by Back4, cleared on entering step 4.
    virtual bool CancelChecked() = 0;

    // ShowWizardMessage with one button "Ok" (modal result 1); returns the modal result.
    virtual int ShowMessage(const std::string& caption, const std::string& text, Icon icon) = 0;
    // The selection dialog (TSelectInputFrm) with `title` as its title and the radio group's
    // caption, offering `items`. The index chosen with Continue (-1 when none is selected), or
    // nullopt when the dialog was closed without Continue.
    virtual std::optional<int> SelectFromList(const std::string& title, const std::vector<std::string>& items) = 0;
    // Sets the radio group's item index to -1 (it keeps it between showings otherwise).
    virtual void ClearListSelection() = 0;
    // The microphone-selection problem dialog (TMicMsgFrm) with `text`, modal.
    virtual void ShowProblemDialog(const std::string& text) = 0;
    // Plays the "BEEP" resource synchronously.
    virtual void PlayBeep() = 0;

    virtual bool MainWindowVisible() = 0;
    // Closes the main window, which ends the program.
    virtual void CloseMainWindow() = 0;

    // Delivers the window messages already waiting.
    virtual void ProcessMessages() = 0;
    // Waits, idle, until a message arrives or `milliseconds` have passed, and delivers what came.
    virtual void WaitForMessages(os::DWORD milliseconds) = 0;
};
