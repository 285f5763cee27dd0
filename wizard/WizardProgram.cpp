#include "wizard/WizardProgram.h"

#include <windows.h>

#include "common/CommonClasses.h"
#include "common/UseHTMLHelp.h"
#include "mixer/SSVolumeController.h"
#include "platform/skin/RegisterSkin.h"
#include "platform/vcl/win/RegisterControls.h"
#include "platform/vcl/win/WinApplication.h"
#include "settings/Settings.h"
#include "wizard/FMicWizard.h"
#include "wizard/FSelecInput.h"

int RunWizard() {
    vcl::TWinApplication application;
    // The window shows itself: its definition makes it visible.
    application.SetShowMainForm(false);
    application.SetTitle("Setup Sound System Wizard");
    application.SetHelpFile("olzaudio.chm");
    const UseHTMLHelpInstaller help;

    vcl::RegisterControlClasses();
    vcl::RegisterSkinClasses();
    RegisterSettingsClasses();
    RegisterCommonClasses();
    RegisterMixerClasses();
    RegisterWizardClasses();

    application.CreateForm<TMainFrm>();
    application.CreateForm<TSelectInputFrm>();
    application.Run();
    return 0;
}
