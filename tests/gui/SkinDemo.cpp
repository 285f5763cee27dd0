// A window with every skinned control, read from its definition like the programs' windows.
//   skin_demo.exe [--close-after <milliseconds>] [--style <style>] [--about]
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/skin/RegisterSkin.h"
#include "platform/skin/SuiComboBox.h"
#include "platform/skin/SuiForm.h"
#include "platform/skin/SuiMessageDialog.h"
#include "platform/skin/SuiThemeManager.h"
#include "platform/skin/SuiTrackBar.h"
#include "platform/skin/SuiTreeView.h"
#include "platform/vcl/win/Form.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/WinApplication.h"

namespace {

using vcl::TObject;

class TSkinDemoForm : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TSkinDemoForm(TComponent* owner) : TForm(owner) {
        PublishMethod<void(TObject*)>("CloseClick", [this](TObject*) { Close(); });
        PublishMethod<void(TObject*)>("PagesChange", [](TObject*) {});
        PublishMethod<void(TObject*)>("AboutClick", [this](TObject*) { About().ShowModal(); });
        PublishMethod<void(TObject*)>("ThemeChange", [this](TObject* sender) {
            const int index = dynamic_cast<vcl::TsuiComboBox*>(sender)->ItemIndex();
            if (index >= 0) Themes().Apply(static_cast<vcl::TsuiUIStyle>(index));
        });
        PublishMethod<void(TObject*, vcl::TTreeNode*, bool&)>(
            "TreeChanging", [](TObject*, vcl::TTreeNode*, bool& allowChange) { allowChange = false; });
        PublishMethod<void(TObject*)>("LockoutChange", [this](TObject* sender) {
            const int minutes = dynamic_cast<vcl::TsuiTrackBar*>(sender)->Position();
            dynamic_cast<vcl::TLabel&>(*FindComponent("ValueLabel"))
                .SetCaption("Lockout Duration : " + std::to_string(minutes) + " Minutes");
        });
        vcl::LoadFormDefinition(*this);
    }
    vcl::TsuiMessageDialog& About() { return dynamic_cast<vcl::TsuiMessageDialog&>(*FindComponent("AboutBox")); }
    vcl::TsuiThemeManager& Themes() { return dynamic_cast<vcl::TsuiThemeManager&>(*FindComponent("Themes")); }
    vcl::TsuiComboBox& ThemeList() { return dynamic_cast<vcl::TsuiComboBox&>(*FindComponent("Theme")); }
};

const vcl::ClassInfo& TSkinDemoForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSkinDemoForm>("TSkinDemoForm", &TForm::StaticClassInfo()).Build();
    return info;
}

void CALLBACK EndDemo(HWND, UINT, UINT_PTR, DWORD) { vcl::WinApplication()->Terminate(); }

}  // namespace

int main(int argc, char** argv) {
    vcl::RegisterSkinClasses();
    vcl::TWinApplication app;
    app.SetTitle("Orlenza Skin Demo");
    app.CreateForm<TSkinDemoForm>();
    auto& form = dynamic_cast<TSkinDemoForm&>(*app.MainForm());
    int closeAfter = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--close-after") closeAfter = std::atoi(value.c_str());
        if (option == "--style") {
            form.ThemeList().SetText(value);
            form.Themes().Apply(static_cast<vcl::TsuiUIStyle>(std::max(form.ThemeList().ItemIndex(), 0)));
        }
        if (option == "--about") app.Post([&form] { form.About().ShowModal(); });
    }
    // A timer, not a wait: the program also ends from inside a modal dialog.
    if (closeAfter > 0) SetTimer(nullptr, 0, static_cast<UINT>(closeAfter), &EndDemo);
    app.Run();
    return 0;
}
