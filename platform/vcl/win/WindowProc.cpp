#include "platform/vcl/win/WindowProc.h"

#include <exception>
#include <set>

#include "platform/vcl/Application.h"
#include "platform/vcl/Exceptions.h"

namespace vcl::win {

namespace {

constexpr const char* kTargetProperty = "OlzMessageTarget";

void Attach(HWND window, MessageTarget& target) { SetPropA(window, kTargetProperty, &target); }

// Hands an error to the application; nothing may leave here.
void Report(const std::exception& error) noexcept {
    try {
        Application().HandleException(error);
    } catch (...) {
        // No application object, or its error box failed: there is no one left to tell.
    }
}

// Runs `action`, reporting what it raises.
template <class Action>
void Barrier(Action&& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        Report(error);
    } catch (...) {
        Report(Exception("Unknown error"));
    }
}

}  // namespace

LRESULT MessageTarget::CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (original_) return CallWindowProcA(original_, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

MessageTarget* TargetOf(HWND window) { return static_cast<MessageTarget*>(GetPropA(window, kTargetProperty)); }

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageTarget* target = TargetOf(window);
    if (!target && message == WM_NCCREATE) {
        // The framework's own classes name their target in CreateWindowEx's last argument.
        target = static_cast<MessageTarget*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (target) Attach(window, *target);
    }
    if (!target) return DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    Barrier([&] { result = target->HandleMessage(window, message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kTargetProperty);
        target->WindowDestroyed();
    }
    return result;
}

void Subclass(HWND window, MessageTarget& target) {
    Attach(window, target);
    target.original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
}

void Detach(HWND window, MessageTarget& target) {
    RemovePropA(window, kTargetProperty);
    if (target.original_) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(target.original_));
}

void RegisterFrameworkClass(const std::string& name, UINT classStyle) {
    static std::set<std::string> registered;
    if (registered.contains(name)) return;
    WNDCLASSA windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &FrameworkWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register the window class " + name);
    registered.insert(name);
}

void Guarded(const std::function<void()>& action) noexcept { Barrier(action); }

}  // namespace vcl::win
