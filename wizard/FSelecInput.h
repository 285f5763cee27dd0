#pragma once
// TSelectInputFrm: the dialog in which the user picks one item of a list (the sound system, or
// the input device of the chosen mixer). Made once at start and shown modally for every
// question; the choice goes to wizard::SelectedInput.
#include <windows.h>

#include "platform/vcl/win/Form.h"

namespace vcl {
class TsuiRadioGroup;
}

class TSelectInputFrm : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TSelectInputFrm(vcl::TComponent* owner);
    ~TSelectInputFrm() override;

    // The title of the frame and the caption of the list, set together.
    void SetQuestion(const std::string& text);
    vcl::TsuiRadioGroup& RadioGroup() const;

private:
    void FormCreate();
    void ContinueClick();
};

// The dialog while it exists; null before and after.
TSelectInputFrm* SelectInputFrm();
