#include "platform/vcl/win/WinApplication.h"

#include <algorithm>

#include "platform/vcl/win/Form.h"

namespace vcl {

namespace {

constexpr UINT kRunPosted = WM_APP + 1;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    auto& windows = *reinterpret_cast<std::vector<HWND>*>(list);
    win::Guarded([&] { windows.push_back(window); });
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

TWinApplication* WinApplication() { return HasApplication() ? dynamic_cast<TWinApplication*>(&Application()) : nullptr; }

TWinApplication::TWinApplication() {
    win::ClearQuitRequest();
    win::RegisterFrameworkClass(kWindowClass, 0);
    window_.Reset(CreateWindowExA(0, kWindowClass, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                                  0, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  static_cast<win::MessageTarget*>(this)));
    if (!window_) throw Exception("Cannot create the application window");
}

TWinApplication::~TWinApplication() {
    while (!forms_.empty()) forms_.pop_back();  // last made first
    win::Detach(window_.Get(), *this);
}

void TWinApplication::SetTitle(const std::string& title) {
    TApplication::SetTitle(title);
    SetWindowTextA(window_.Get(), title.c_str());
}

os::WindowHandle TWinApplication::Handle() const { return reinterpret_cast<os::WindowHandle>(window_.Get()); }

void TWinApplication::AdoptForm(std::unique_ptr<TForm> form) {
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TWinApplication::Run() {
    if (mainForm_ && showMainForm_) mainForm_->Show();
    while (win::HandleOneMessage()) {
    }
}

void TWinApplication::ProcessMessages() { win::ProcessPendingMessages(); }

void TWinApplication::ProcessMessagesFor(os::DWORD milliseconds) {
    win::ProcessMessagesUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
}

void TWinApplication::Post(std::function<void()> call) {
    posted_.push_back(std::move(call));
    PostMessageA(window_.Get(), kRunPosted, 0, 0);
}

void TWinApplication::Minimize() {
    for (HWND window : ThreadWindows()) {
        if (window == window_.Get() || !IsWindowVisible(window)) continue;
        const TWinControl* control = TWinControl::FromHandle(window);
        if (mainForm_ && control == mainForm_) {
            ShowWindow(window, SW_MINIMIZE);
        } else {
            ShowWindow(window, SW_HIDE);
            hiddenByMinimize_.push_back(window);
        }
    }
}

void TWinApplication::Restore() {
    for (HWND window : hiddenByMinimize_)
        if (IsWindow(window)) ShowWindow(window, SW_SHOWNA);
    hiddenByMinimize_.clear();
    if (mainForm_ && mainForm_->HandleAllocated() && IsIconic(mainForm_->Handle()))
        ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void TWinApplication::ReleaseForm(TForm& form) {
    TForm* released = &form;
    Post([this, released] {
        if (!TForm::Exists(released)) return;
        const auto owned = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == released; });
        if (owned != forms_.end())
            forms_.erase(owned);
        else
            delete released;
    });
}

void TWinApplication::FormDestroyed(const TForm& form) {
    if (mainForm_ == &form) mainForm_ = nullptr;
}

void TWinApplication::ShowErrorBox(const std::string& caption, const std::string& text) {
    HWND owner = GetActiveWindow();
    MessageBoxA(owner ? owner : window_.Get(), text.c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
}

LRESULT TWinApplication::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunPosted && !posted_.empty()) {
        const std::function<void()> call = std::move(posted_.front());
        posted_.pop_front();
        call();
        return 0;
    }
    return CallOriginal(window, message, wParam, lParam);
}

}  // namespace vcl
