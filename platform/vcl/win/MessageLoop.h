#pragma once
// The message loop's pieces: delivering one message (keyboard navigation of the framework's
// forms included), processing what is pending, and waiting for messages until a deadline
// without spinning.
#include <windows.h>

#include <chrono>

namespace vcl::win {

using Deadline = std::chrono::steady_clock::time_point;

// Delivers one message: the keys that move between controls (Tab, arrows, Enter, Esc) are
// handled for the framework's forms; the rest is translated and dispatched.
void Deliver(MSG& message);

// Delivers every message already waiting, never blocking.
void ProcessPendingMessages();
// Waits for the next message and delivers it. Returns false once the program is ending.
bool HandleOneMessage();
// Delivers messages as they come until `deadline`, the CPU idle in between. Returns early,
// false, once the program is ending.
bool ProcessMessagesUntil(Deadline deadline);

// The program is ending: WM_QUIT was seen or RequestQuit was called. Loops stop taking
// messages then.
void RequestQuit();
bool QuitRequested();
// A new application starts with a clean state.
void ClearQuitRequest();

}  // namespace vcl::win
