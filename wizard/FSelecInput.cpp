#include "wizard/FSelecInput.h"

#include "platform/skin/SuiButton.h"
#include "platform/skin/SuiForm.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/skin/SuiThemeManager.h"
#include "wizard/FMicWizard.h"
#include "wizard/WizardShared.h"

using namespace vcl;

namespace {
TSelectInputFrm* selectInputFrm = nullptr;
}

TSelectInputFrm* SelectInputFrm() { return selectInputFrm; }

const vcl::ClassInfo& TSelectInputFrm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSelectInputFrm>("TSelectInputFrm", &TForm::StaticClassInfo()).Build();
    return info;
}

TSelectInputFrm::TSelectInputFrm(vcl::TComponent* owner) : TForm(owner) {
    selectInputFrm = this;
    PublishMethod<void(TObject*)>("FormCreate", [this](TObject*) { FormCreate(); });
    PublishMethod<void(TObject*)>("RadioGroup1Click",
                                  [this](TObject*) { dynamic_cast<TsuiButton&>(*FindComponent("ContinueBtn")).SetFocus(); });
    PublishMethod<void(TObject*)>("suitempContinueBtnClick", [this](TObject*) { ContinueClick(); });
    vcl::LoadFormDefinition(*this);
}

TSelectInputFrm::~TSelectInputFrm() {
    if (selectInputFrm == this) selectInputFrm = nullptr;
}

TsuiRadioGroup& TSelectInputFrm::RadioGroup() const {
    return dynamic_cast<TsuiRadioGroup&>(*FindComponent("RadioGroup1"));
}

void TSelectInputFrm::SetQuestion(const std::string& text) {
    dynamic_cast<TsuiForm&>(*FindComponent("suiForm1")).SetCaption(text);
    RadioGroup().SetCaption(text);
}

void TSelectInputFrm::FormCreate() {
    // The main window is made first and has its configured theme by now.
    if (TMainFrm* main = MainFrm())
        dynamic_cast<TsuiThemeManager&>(*FindComponent("suiThemeManager"))
            .SetUIStyle(static_cast<TsuiUIStyle>(main->ThemeStyleIndex()));
}

void TSelectInputFrm::ContinueClick() {
    wizard::SelectedInput = RadioGroup().ItemIndex();
    Hide();
    SetModalResult(mrOk);
}
