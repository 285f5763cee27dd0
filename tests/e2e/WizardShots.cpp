// olz_wizard_shots: starts the Setup Sound System Wizard once for each theme, walks its steps
// as a user would and saves a picture of each one, and of the cancel question, as
// <folder>\wizard-<theme>-<what>.bmp.
//   olz_wizard_shots.exe <folder>
#include <cstdio>

#include "tests/e2e/WizardDriver.h"

namespace {

using namespace std::chrono_literals;
using namespace e2e::wizard;

const char* const kThemes[] = {"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};

bool ShootTheme(const std::string& folder, int theme) {
    StoreTheme(theme);
    e2e::Program program("olzsoundwiz.exe");
    const HWND window = program.WaitForWindow(kTitle);
    if (!window) return false;
    const std::string prefix = folder + "\\wizard-" + kThemes[theme] + "-";
    for (int step = 1; step <= 4; ++step) {
        if (step > 1) Press(window, "Next >");
        if (!WaitForStep(window, step)) return false;
        e2e::Settle();
        e2e::SaveWindowPicture(window, prefix + "step" + std::to_string(step) + ".bmp");
    }
    Press(window, "Cancel");
    const HWND question = program.WaitForWindow("Warning", 5s);
    if (!question) return false;
    e2e::Settle();
    e2e::SaveWindowPicture(question, prefix + "cancel.bmp");
    Press(question, "&Yes");
    return program.WaitForExit(10s) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olz_wizard_shots <folder>\n");
        return 2;
    }
    int failures = 0;
    for (int theme = 0; theme < 5; ++theme)
        if (!ShootTheme(argv[1], theme)) {
            std::fprintf(stderr, "olz_wizard_shots: theme %s failed\n", kThemes[theme]);
            ++failures;
        }
    StoreTheme(-1);
    return failures == 0 ? 0 : 1;
}
