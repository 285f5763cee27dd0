// olz_wizard_step4_wait: starts the wizard, takes it to step 4 and keeps it in the check's first
// wait, so that a measurement can look at the wizard meanwhile. Prints "waiting" when step 4 is
// shown, then "done" after the given seconds, and closes the wizard once a line arrives on
// standard input.
//   olz_wizard_step4_wait.exe [seconds]
// Processor time has to be read from outside: Wine's GetProcessTimes reports next to nothing
// for another process.
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "tests/e2e/WizardDriver.h"

int main(int argc, char** argv) {
    using namespace e2e::wizard;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 12;
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = StartAtStep(program, 4);
    if (!window) return 1;
    std::printf("waiting\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    std::printf("done\n");
    std::fflush(stdout);
    char line[16];
    std::fgets(line, sizeof line, stdin);
    PostMessageA(window, WM_CLOSE, 0, 0);
    program.WaitForExit(std::chrono::seconds(30));
    return 0;
}
