// olzconsole: the Orlenza System Manager.
#include <windows.h>

#include "common/CommonClasses.h"
#include "common/UseHTMLHelp.h"
#include "langres/SMLFormLangRes.h"
#include "manager/FMain.h"
#include "platform/skin/RegisterSkin.h"
#include "platform/vcl/win/RegisterControls.h"
#include "platform/vcl/win/WinApplication.h"
#include "settings/Settings.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vcl::TWinApplication application;
    application.SetTitle("Orlenza System Manager");
    application.SetHelpFile("olzsysman.chm");
    const UseHTMLHelpInstaller help;

    vcl::RegisterControlClasses();
    vcl::RegisterSkinClasses();
    RegisterSettingsClasses();
    RegisterCommonClasses();
    RegisterLangResClasses();
    RegisterManagerClasses();

    application.CreateForm<TMainFrm>();
    application.Run();
    return 0;
}
