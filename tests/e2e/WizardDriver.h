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

}  // namespace e2e::wizard
