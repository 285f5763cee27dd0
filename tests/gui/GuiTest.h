#pragma once
// What the GUI tests share: an application object that records its error boxes instead of
// showing them, and helpers that drive windows with real messages.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/vcl/win/WinApplication.h"

namespace guitest {

struct ErrorBox {
    std::string caption;
    std::string text;
};

class RecordingApplication : public vcl::TWinApplication {
public:
    std::vector<ErrorBox> errors;

protected:
    void ShowErrorBox(const std::string& caption, const std::string& text) override {
        errors.push_back({caption, text});
    }
};

class GuiTest : public ::testing::Test {
protected:
    GuiTest();
    // Delivers everything waiting in the queue.
    void Pump() { app.ProcessMessages(); }
    // Posts a key press and release to `window` and delivers them.
    void PressKey(HWND window, WORD key);

    RecordingApplication app;
};

// The first child window of `parent` (at any depth) with this class and text.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
std::string WindowText(HWND window);

}  // namespace guitest
