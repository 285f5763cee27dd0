#pragma once
// Starts a program of ours and works its windows as a user would, with window messages.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

struct Child {
    HWND window;
    std::string className;
    std::string text;
};

class Program {
public:
    // Starts `exe` from the folder of the test executable, or from where a full path says.
    explicit Program(const std::string& exe, const std::string& arguments = {});
    ~Program();  // ends the program if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits for the program's visible top-level window with this title; null after the timeout.
    HWND WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    // Waits for the program to end; its exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(std::chrono::milliseconds timeout) const;
    DWORD Id() const { return process_.dwProcessId; }
    HANDLE ProcessHandle() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
};

// The visible descendants of a window, in Z order.
std::vector<Child> VisibleChildren(HWND parent);
// The first visible descendant of this class (and text, when given); null if none.
HWND FindVisible(HWND parent, const std::string& className, const std::string& text = {});
// Waits for a visible dialog box (a message box) of the process; null after the timeout.
HWND WaitForDialog(DWORD processId, std::chrono::milliseconds timeout);
// Every top-level window of a process with this title.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& title);

// Selects a tree's top-level item by position, as a click would (the tree asks first).
void ClickTreeItem(HWND tree, int index);
// A key pressed and released in a window.
void PressKey(HWND window, WPARAM key);
// Opens a menu bar entry with Alt and its letter, then picks the item of that letter, as the
// keyboard does.
void ChooseMenuItem(HWND window, char entry, char item);
// Moves a track bar as a drag ending at `position` does.
void DragTrackBar(HWND trackBar, int position);
// Lets the program handle what was sent.
void Settle();
// The colour on the screen at a point of a window (window coordinates). Read from the screen:
// another process's window gives no pixels of its own.
COLORREF ScreenPixel(HWND window, int x, int y);

// The window as it is on the screen, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path);

// The folder of the running test executable, where the programs are, with its trailing '\'.
std::string ExecutableFolder();
// The shared configuration file, and the line its values follow.
std::string SystemIniPath();
inline const char* const kConfigSection = "[\\Software\\Brenmoor Industries\\Orlenza]\r\n";
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace e2e
