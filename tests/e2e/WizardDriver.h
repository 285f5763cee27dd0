#pragma once
// What the wizard's end-to-end tests and its picture tool share: finding its pages by their
// titles and pressing its buttons as a user would.
#include <windows.h>

#include <string>

#include "tests/e2e/ProgramDriver.h"

namespace e2e::wizard {

inline const char* const kTitle = "Setup Sound System Wizard";

std::string StepTitle(int step);
// The visible descendant showing this text; null if none.
HWND FindText(HWND parent, const std::string& text);
// Waits until the window shows step `step`'s title; false after the timeout.
bool WaitForStep(HWND window, int step, std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Presses the visible button with this caption; false when there is none.
bool Press(HWND window, const std::string& caption);
// A key pressed and released where the keyboard focus is, through the program's message queue.
void PostKey(HWND window, WPARAM key);
// Writes the configuration file with this theme; a negative theme removes the file.
void StoreTheme(int theme);
// Waits for the wizard's window and takes it to `step` with "Next >"; null when it cannot.
HWND StartAtStep(const Program& program, int step);

// simsound.ini beside the programs, which olzsoundwiz_sim.exe reads, and the sound system the
// tests and pictures use: `mixers` devices "Sim Audio A", "Sim Audio B", each with a
// "Recording Control" destination over "Microphone" and "Line In", and microphone passes `passes`.
std::string SimSoundPath();
std::string SimSoundDescription(const std::string& passes, int mixers = 2);

}  // namespace e2e::wizard
