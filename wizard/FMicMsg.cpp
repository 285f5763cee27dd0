#include "wizard/FMicMsg.h"

#include <memory>

#include "platform/skin/SuiThemeManager.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/win/Label.h"
#include "wizard/FMicWizard.h"

using namespace vcl;

const vcl::ClassInfo& TMicMsgFrm::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TMicMsgFrm>("TMicMsgFrm", &TForm::StaticClassInfo()).Build();
    return info;
}

TMicMsgFrm::TMicMsgFrm(vcl::TComponent* owner) : TForm(owner) {
    PublishMethod<void(TObject*)>("FormShow", [this](TObject*) { FormShow(); });
    PublishMethod<void(TObject*)>("suitempButton1Click", [this](TObject*) {
        Hide();
        SetModalResult(mrOk);
    });
    vcl::LoadFormDefinition(*this);
}

void TMicMsgFrm::SetMessageText(const std::string& text) {
    dynamic_cast<TLabel&>(*FindComponent("Label1")).SetCaption(text);
}

void TMicMsgFrm::SetThemeStyle(int style) {
    dynamic_cast<TsuiThemeManager&>(*FindComponent("suiThemeManager")).SetUIStyle(static_cast<TsuiUIStyle>(style));
}

void TMicMsgFrm::FormShow() { SetCaption(vcl::Application().Title() + " - Microphone Selection Problems"); }

void ShowMicrophoneProblem(const std::string& text) {
    const std::unique_ptr<TMicMsgFrm> dialog = std::make_unique<TMicMsgFrm>(nullptr);
    dialog->SetMessageText(text);
    if (TMainFrm* main = MainFrm()) dialog->SetThemeStyle(main->ThemeStyleIndex());
    dialog->ShowModal();
}
