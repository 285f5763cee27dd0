#include "common/PBJustOne.h"

#include <string>

#include "platform/os/Os.h"
#include "platform/vcl/Application.h"

namespace {

constexpr int kTextBuffer = 256;  // the class and title are read into 256-character buffers

// What the window search compares and finds; filled anew by each guard that is created.
os::WindowHandle ownWindow = 0;
std::string ownClass;
std::string ownTitle;
int matchCount = 0;
os::WindowHandle foundWindow = 0;

// Counts windows of our class and title, our own included; the last other one is kept.
bool CountIfSameProgram(os::WindowHandle window) {
    std::string text;
    if (os::windows().ClassName(window, &text, kTextBuffer) == 0 || text != ownClass) return true;
    if (os::windows().Text(window, &text, kTextBuffer) == 0 || text != ownTitle) return true;
    ++matchCount;
    if (window != ownWindow) foundWindow = window;
    return true;
}

void ActivateOtherCopy() {
    os::TopLevelWindows& windows = os::windows();
    const os::WindowHandle popup = windows.LastActivePopup(foundWindow);
    windows.BringToTop(foundWindow);
    if (windows.Iconic(popup)) {
        windows.Show(popup, os::sw::Restore);
    } else {
        windows.SetForeground(popup);
    }
}

}  // namespace

const vcl::ClassInfo& TPBJustOne::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TPBJustOne>("TPBJustOne", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

TPBJustOne::TPBJustOne(vcl::TComponent* owner) : TComponent(owner) {
    matchCount = 0;
    foundWindow = 0;
    ownWindow = vcl::Application().Handle();
    os::windows().ClassName(ownWindow, &ownClass, kTextBuffer);
    os::windows().Text(ownWindow, &ownTitle, kTextBuffer);
    os::windows().Enumerate(CountIfSameProgram);
    if (matchCount < 2) return;
    ActivateOtherCopy();
    os::process().Exit(0);
}
