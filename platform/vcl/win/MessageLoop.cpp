#include "platform/vcl/win/MessageLoop.h"

#include "platform/vcl/win/WindowProc.h"

namespace vcl::win {

namespace {

bool quitRequested = false;

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// Tab, arrows, Enter and Esc move between the controls of the form the key was typed in.
bool HandledAsDialogKey(MSG& message) {
    if (!IsKeyboardMessage(message.message) || !message.hwnd) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && TargetOf(root) && IsDialogMessageA(root, &message);
}

// Takes one message off the queue; false when none waits.
bool TakeMessage(MSG& message) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) quitRequested = true;
    return true;
}

}  // namespace

void Deliver(MSG& message) {
    if (message.message == WM_QUIT || HandledAsDialogKey(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void ProcessPendingMessages() {
    MSG message;
    while (!quitRequested && TakeMessage(message)) Deliver(message);
}

bool HandleOneMessage() {
    MSG message;
    while (!quitRequested) {
        if (TakeMessage(message)) {
            Deliver(message);
            return !quitRequested;
        }
        WaitMessage();
    }
    return false;
}

bool ProcessMessagesUntil(Deadline deadline) {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    for (;;) {
        ProcessPendingMessages();
        if (quitRequested) return false;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return true;
        // Rounded up, so the wait never ends just before the deadline and turns into a spin.
        const auto left = duration_cast<milliseconds>(deadline - now) + milliseconds(1);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

void RequestQuit() {
    quitRequested = true;
    PostQuitMessage(0);
}

bool QuitRequested() { return quitRequested; }

void ClearQuitRequest() {
    quitRequested = false;
    // A WM_QUIT still queued from an earlier application would end the new one at once.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace vcl::win
