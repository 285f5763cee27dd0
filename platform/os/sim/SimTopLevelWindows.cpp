#include "platform/os/sim/SimTopLevelWindows.h"

#include <algorithm>
#include <stdexcept>

namespace os::sim {

namespace {

template <class Entries>
auto Position(Entries& entries, WindowHandle handle) {
    return std::find_if(entries.begin(), entries.end(), [handle](const auto& entry) { return entry.handle == handle; });
}

int CopyCut(const std::string& source, std::string* text, int size) {
    text->assign(source, 0, size > 0 ? static_cast<std::size_t>(size - 1) : 0);
    return static_cast<int>(text->size());
}

}  // namespace

WindowHandle SimTopLevelWindows::Add(SimWindow window) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += 0x10;
    windows_.push_back({handle, std::move(window)});
    return handle;
}

const SimWindow& SimTopLevelWindows::Window(WindowHandle handle) const {
    const auto found = Position(windows_, handle);
    if (found == windows_.end()) throw std::out_of_range("no such simulated window");
    return found->window;
}

SimTopLevelWindows::Entry* SimTopLevelWindows::Find(WindowHandle handle) {
    const auto found = Position(windows_, handle);
    return found == windows_.end() ? nullptr : &*found;
}

bool SimTopLevelWindows::Enumerate(const Visitor& visit) {
    // A copy: the visitor may rearrange the windows.
    std::vector<WindowHandle> handles;
    for (const Entry& entry : windows_) handles.push_back(entry.handle);
    return std::all_of(handles.begin(), handles.end(), visit);
}

int SimTopLevelWindows::ClassName(WindowHandle window, std::string* text, int size) {
    const Entry* entry = Find(window);
    return CopyCut(entry ? entry->window.className : std::string(), text, size);
}

int SimTopLevelWindows::Text(WindowHandle window, std::string* text, int size) {
    const Entry* entry = Find(window);
    return CopyCut(entry ? entry->window.text : std::string(), text, size);
}

WindowHandle SimTopLevelWindows::LastActivePopup(WindowHandle window) {
    const Entry* entry = Find(window);
    if (!entry) return 0;
    return entry->window.lastActivePopup ? entry->window.lastActivePopup : window;
}

bool SimTopLevelWindows::MoveToTop(WindowHandle handle) {
    const auto found = Position(windows_, handle);
    if (found == windows_.end()) return false;
    std::rotate(windows_.begin(), found, found + 1);
    return true;
}

bool SimTopLevelWindows::BringToTop(WindowHandle window) {
    activations_.push_back({WindowActivation::Call::BringToTop, window});
    return MoveToTop(window);
}

bool SimTopLevelWindows::Iconic(WindowHandle window) {
    const Entry* entry = Find(window);
    return entry && entry->window.iconic;
}

bool SimTopLevelWindows::Show(WindowHandle window, int command) {
    activations_.push_back({WindowActivation::Call::Show, window, command});
    Entry* entry = Find(window);
    if (!entry) return false;
    const bool wasVisible = entry->window.visible;
    entry->window.visible = true;
    if (command == sw::Minimize) entry->window.iconic = true;
    if (command == sw::Restore || command == sw::ShowNormal) entry->window.iconic = false;
    return wasVisible;
}

bool SimTopLevelWindows::SetForeground(WindowHandle window) {
    activations_.push_back({WindowActivation::Call::SetForeground, window});
    return MoveToTop(window);
}

}  // namespace os::sim
