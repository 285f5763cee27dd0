#include "tests/e2e/WizardDriver.h"

#include <thread>

namespace e2e::wizard {

std::string StepTitle(int step) { return std::string(kTitle) + " - Step " + std::to_string(step) + " of 5"; }

HWND FindText(HWND parent, const std::string& text) {
    for (const Child& child : VisibleChildren(parent))
        if (child.text == text) return child.window;
    return nullptr;
}

bool WaitForStep(HWND window, int step, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!FindText(window, StepTitle(step))) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool Press(HWND window, const std::string& caption) {
    const HWND button = FindVisible(window, "Button", caption);
    if (!button) return false;
    // Posted: the handler may show a modal dialog, which a sent message would wait for.
    PostMessageA(button, BM_CLICK, 0, 0);
    Settle();
    return true;
}

void PostKey(HWND window, WPARAM key) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : window;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Settle();
}

HWND StartAtStep(const Program& program, int step) {
    const HWND window = program.WaitForWindow(kTitle);
    if (!window) return nullptr;
    Settle();
    for (int next = 2; next <= step; ++next)
        if (!Press(window, "Next >") || !WaitForStep(window, next)) return nullptr;
    return window;
}

std::string SimSoundPath() { return ExecutableFolder() + "simsound.ini"; }

std::string SimSoundDescription(const std::string& passes, int mixers) {
    return "[Mixers]\r\nCount=" + std::to_string(mixers) +
           "\r\nName0=Sim Audio A\r\nName1=Sim Audio B\r\n"
           "[Recording]\r\nDestination=Recording Control\r\nSources=Microphone,Line In\r\n"
           "[Microphone]\r\nPasses=" + passes + "\r\n";
}

void StoreTheme(int theme) {
    const std::string ini = SystemIniPath();
    if (theme < 0) {
        DeleteFileA(ini.c_str());
        return;
    }
    WriteFile(ini, std::string(kConfigSection) + "Theme=" + std::to_string(theme) + "\r\n");
}

}  // namespace e2e::wizard
