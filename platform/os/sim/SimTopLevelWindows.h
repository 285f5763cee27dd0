#pragma once
// The desktop's top-level windows as a test describes them, topmost first, recording every
// activation asked of them. Bringing a window to the top or to the foreground moves it first
// in the list; showing it minimised or restored changes its iconic state.
#include <string>
#include <vector>

#include "platform/os/TopLevelWindows.h"

namespace os::sim {

struct SimWindow {
    std::string className;
    std::string text;
    bool iconic = false;
    bool visible = true;
    // What GetLastActivePopup answers: an owned window active last; 0 for the window itself.
    WindowHandle lastActivePopup = 0;
};

struct WindowActivation {
    enum class Call { BringToTop, Show, SetForeground };
    Call call;
    WindowHandle window;
    int showCommand = 0;  // for Show
    friend bool operator==(const WindowActivation&, const WindowActivation&) = default;
};

class SimTopLevelWindows : public TopLevelWindows {
public:
    // Adds a window below the ones there are; returns its handle.
    WindowHandle Add(SimWindow window);
    // The window's state; raises std::out_of_range for an unknown handle.
    const SimWindow& Window(WindowHandle handle) const;
    const std::vector<WindowActivation>& Activations() const { return activations_; }

    bool Enumerate(const Visitor& visit) override;
    int ClassName(WindowHandle window, std::string* text, int size) override;
    int Text(WindowHandle window, std::string* text, int size) override;
    WindowHandle LastActivePopup(WindowHandle window) override;
    bool BringToTop(WindowHandle window) override;
    bool Iconic(WindowHandle window) override;
    bool Show(WindowHandle window, int command) override;
    bool SetForeground(WindowHandle window) override;

private:
    struct Entry {
        WindowHandle handle;
        SimWindow window;
    };

    Entry* Find(WindowHandle handle);
    bool MoveToTop(WindowHandle handle);

    std::vector<Entry> windows_;  // topmost first
    std::vector<WindowActivation> activations_;
    WindowHandle nextHandle_ = 0x10010;
};

}  // namespace os::sim
