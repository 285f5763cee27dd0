#pragma once
// TMicMsgFrm: the long explanation shown when the wizard cannot select the microphone itself.
// Made for one message, shown modally, then released.
#include <windows.h>

#include <string>

#include "platform/vcl/win/Form.h"

class TMicMsgFrm : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TMicMsgFrm(vcl::TComponent* owner);

    void SetMessageText(const std::string& text);
    void SetThemeStyle(int style);

private:
    void FormShow();
};

// Shows `text` in a problem dialog in the main window's theme, and waits for OK.
void ShowMicrophoneProblem(const std::string& text);
