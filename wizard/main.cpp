// olzsoundwiz: the Setup Sound System Wizard.
#include <windows.h>

#include "common/CommonClasses.h"
#include "common/UseHTMLHelp.h"
#include "platform/skin/RegisterSkin.h"
#include "platform/vcl/win/RegisterControls.h"
#include "platform/vcl/win/WinApplication.h"
#include "settings/Settings.h"
#include "wizard/FMicWizard.h"
#include "wizard/FSelecInput.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vcl::TWinApplication application;
    application.SetShowMainForm(false);
    application.SetTitle("Setup Sound System Wizard");
    application.SetHelpFile("olzaudio.chm");
    const UseHTMLHelpInstaller help;

    vcl::RegisterControlClasses();
    vcl::RegisterSkinClasses();
    RegisterSettingsClasses();
    RegisterCommonClasses();
    RegisterWizardClasses();

    // The window shows itself: its definition makes it visible.
    application.CreateForm<TMainFrm>();
    application.CreateForm<TSelectInputFrm>();
    application.Run();
    return 0;
}
