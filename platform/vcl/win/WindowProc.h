#pragma once
// The one window procedure of the framework and its exception barrier. Every window the
// framework makes or subclasses is served by FrameworkWindowProc, which hands the message to
// the window's MessageTarget; an exception a handler raises ends there and goes to the
// application's error box. Callbacks that are not window procedures run through Guarded.
#include <windows.h>

#include <functional>
#include <string>

namespace vcl::win {

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The window is gone (after WM_NCDESTROY); the target no longer serves it.
    virtual void WindowDestroyed() = 0;

    // What the window would do without the framework: its class's own procedure for a
    // subclassed standard control, DefWindowProc for the framework's own classes.
    LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    friend void Subclass(HWND, MessageTarget&);
    friend void Detach(HWND, MessageTarget&);
    WNDPROC original_ = nullptr;
};

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts a window of a standard class under the framework's procedure.
void Subclass(HWND window, MessageTarget& target);
// Gives the window back to its own procedure; later messages no longer reach the target.
void Detach(HWND window, MessageTarget& target);
// The target serving a window, or null.
MessageTarget* TargetOf(HWND window);
// Registers, once, a window class of the framework's own, served by FrameworkWindowProc.
void RegisterFrameworkClass(const std::string& name, UINT classStyle);

// Runs `action`; an exception it raises goes to the application's error box, never further.
void Guarded(const std::function<void()>& action) noexcept;

}  // namespace vcl::win
