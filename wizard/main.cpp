// olzsoundwiz: the Setup Sound System Wizard.
#include <windows.h>

#include "wizard/WizardProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunWizard(); }
