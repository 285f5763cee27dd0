// olz_wizard_shots: starts the Setup Sound System Wizard once for each theme, walks its steps
// as a user would and saves a picture of each one, and of the cancel question, as
// <folder>\wizard-<theme>-<what>.bmp. The build over the simulated sound system then shows
// the selection dialog, step 5 after a good check, and the microphone problem dialog.
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

// Step 4 of the simulated build until its first question; null when it does not come.
HWND QuestionAfterTheWait(e2e::Program& program, HWND& window, const std::string& title) {
    window = StartAtStep(program, 4);
    return window ? program.WaitForWindow(title, 25s) : nullptr;
}

bool ShootSimulated(const std::string& folder, int theme) {
    const std::string prefix = folder + "\\wizard-" + kThemes[theme] + "-";
    const std::string ini = SimSoundPath();
    e2e::WriteFile(ini, SimSoundDescription("128/7"));
    bool shot = false;
    {
        e2e::Program program("olzsoundwiz_sim.exe");
        HWND window = nullptr;
        if (const HWND dialog = QuestionAfterTheWait(program, window, "Select Input Device")) {
            e2e::Settle();
            e2e::SaveWindowPicture(dialog, prefix + "select.bmp");
            Press(dialog, "Sim Audio A");
            Press(dialog, "&Continue");
            if (program.WaitForWindow("Select Input Device", 10s)) {
                e2e::Settle();
                Press(dialog, "Microphone");
                Press(dialog, "&Continue");
            }
            const HWND next = e2e::FindVisible(window, "Button", "Next >");
            for (int i = 0; next && !IsWindowEnabled(next) && i < 400; ++i) Sleep(100);
            e2e::Settle();
            e2e::SaveWindowPicture(window, prefix + "step4-done.bmp");
            Press(window, "Next >");
            shot = WaitForStep(window, 5);
            e2e::Settle();
            e2e::SaveWindowPicture(window, prefix + "step5.bmp");
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        program.WaitForExit(30s);
    }
    // A sound system without a recording destination: the wizard cannot select the microphone.
    e2e::WriteFile(ini, "[Mixers]\r\nCount=1\r\n[Microphone]\r\nPasses=128/7\r\n");
    {
        e2e::Program program("olzsoundwiz_sim.exe");
        HWND window = nullptr;
        const std::string title = std::string(kTitle) + " - Microphone Selection Problems";
        if (const HWND dialog = QuestionAfterTheWait(program, window, title)) {
            e2e::Settle();
            e2e::SaveWindowPicture(dialog, prefix + "problem.bmp");
            Press(dialog, "OK");
        } else {
            shot = false;
        }
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        program.WaitForExit(30s);
    }
    DeleteFileA(ini.c_str());
    return shot;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olz_wizard_shots <folder>\n");
        return 2;
    }
    int failures = 0;
    for (int theme = 0; theme < 5; ++theme)
        if (!ShootTheme(argv[1], theme) || !ShootSimulated(argv[1], theme)) {
            std::fprintf(stderr, "olz_wizard_shots: theme %s failed\n", kThemes[theme]);
            ++failures;
        }
    StoreTheme(-1);
    return failures == 0 ? 0 : 1;
}
