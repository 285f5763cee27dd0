// A window with every skinned control, read from its definition like the programs' windows.
//   skin_demo.exe [--close-after <milliseconds>] [--style <style>]
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/skin/RegisterSkin.h"
#include "platform/skin/SuiForm.h"
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
        PublishMethod<void(TObject*, vcl::TTreeNode*, bool&)>(
            "TreeChanging", [](TObject*, vcl::TTreeNode*, bool& allowChange) { allowChange = false; });
        PublishMethod<void(TObject*)>("LockoutChange", [this](TObject* sender) {
            const int minutes = dynamic_cast<vcl::TsuiTrackBar*>(sender)->Position();
            dynamic_cast<vcl::TLabel&>(*FindComponent("ValueLabel"))
                .SetCaption("Lockout Duration : " + std::to_string(minutes) + " Minutes");
        });
        vcl::LoadFormDefinition(*this);
    }
};

const vcl::ClassInfo& TSkinDemoForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSkinDemoForm>("TSkinDemoForm", &TForm::StaticClassInfo()).Build();
    return info;
}

}  // namespace

int main(int argc, char** argv) {
    vcl::RegisterSkinClasses();
    vcl::TWinApplication app;
    app.SetTitle("Orlenza Skin Demo");
    app.CreateForm<TSkinDemoForm>();
    int closeAfter = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--close-after") == 0) closeAfter = std::atoi(argv[i + 1]);
    }
    if (closeAfter > 0) {
        app.MainForm()->Show();
        app.ProcessMessagesUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(closeAfter));
        return 0;
    }
    app.Run();
    return 0;
}
