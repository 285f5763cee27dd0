// olz_startup_time: how long a program takes from its start to a visible window, the median
// of several runs, in milliseconds.
//   olz_startup_time.exe <program> <window title> <runs>
#include "tests/e2e/ProgramDriver.h"
#include "tests/e2e/ServiceMachine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: olz_startup_time <program> <window title> <runs>\n");
        return 2;
    }
    e2e::PrepareServiceMachine();  // the manager reads its service at start
    std::vector<double> times;
    for (int run = 0; run < std::atoi(argv[3]); ++run) {
        const auto start = std::chrono::steady_clock::now();
        e2e::Program program(argv[1]);
        const HWND window = program.WaitForWindow(argv[2]);
        if (!window) return 1;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        PostMessageA(window, WM_CLOSE, 0, 0);
        program.WaitForExit(std::chrono::seconds(10));
    }
    std::sort(times.begin(), times.end());
    std::printf("%.0f\n", times[times.size() / 2]);
    return 0;
}
