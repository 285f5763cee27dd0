#pragma once
// The wizard program from start to end: the application object, its windows and the message
// loop. Both builds of the program run this; the simulated-sound build first installs its
// sound system.

int RunWizard();
