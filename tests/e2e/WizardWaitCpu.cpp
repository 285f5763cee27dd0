// olz_wizard_wait_cpu: the wizard's processor time while step 4 waits before listening,
// divided by the wall time of that wait. A wait that sleeps between messages gives about 0; a
// wait that spins gives about 1.
//   olz_wizard_wait_cpu.exe [seconds]
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "tests/e2e/WizardDriver.h"

namespace {

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    const auto value = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
               1e7;
    };
    return value(kernel) + value(user);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace e2e::wizard;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 12;
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = program.WaitForWindow(kTitle);
    if (!window) return 1;
    for (int step = 2; step <= 4; ++step) {
        Press(window, "Next >");
        if (!WaitForStep(window, step)) return 1;
    }
    const double cpuBefore = CpuSeconds(program.ProcessHandle());
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double cpu = CpuSeconds(program.ProcessHandle()) - cpuBefore;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.3f %.3f %.4f\n", cpu, wall, cpu / wall);
    PostMessageA(window, WM_CLOSE, 0, 0);
    program.WaitForExit(std::chrono::seconds(30));
    return 0;
}
