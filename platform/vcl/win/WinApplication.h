#pragma once
// The Windows application object: a hidden top-level window of its own class standing for the
// program (its text is the title, so another copy can find it), the forms it creates, the
// message loop, and the error box.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/vcl/Application.h"
#include "platform/vcl/win/MessageLoop.h"
#include "platform/vcl/win/WinHandles.h"
#include "platform/vcl/win/WindowProc.h"

namespace vcl {

class TForm;

class TWinApplication : public TApplication, private win::MessageTarget {
public:
    static constexpr const char* kWindowClass = "TOlzApplication";

    TWinApplication();
    ~TWinApplication() override;

    void SetTitle(const std::string& title) override;
    os::WindowHandle Handle() const override;
    HWND Window() const { return window_.Get(); }

    // Makes a form of class T owned by the application; the first one is the main form.
    template <class T>
    T& CreateForm() {
        auto form = std::make_unique<T>(nullptr);
        T& made = *form;
        AdoptForm(std::move(form));
        return made;
    }
    TForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Shows the main form (unless ShowMainForm is off) and delivers messages until the
    // program ends: the main form closed or Terminate was called.
    void Run();
    void Terminate() { win::RequestQuit(); }
    bool Terminated() const { return win::QuitRequested(); }

    void ProcessMessages() override;
    void ProcessMessagesFor(os::DWORD milliseconds) override;
    // Delivers messages until `deadline`, idle in between; false when the program is ending.
    bool ProcessMessagesUntil(win::Deadline deadline) { return win::ProcessMessagesUntil(deadline); }
    // Runs `call` from the message loop once the current message is done.
    void Post(std::function<void()> call);

    // Every visible window of the program out of sight: the main form minimised, the others
    // hidden; Restore brings them back.
    void Minimize() override;
    void Restore() override;

    // Frees the form from the message loop (TForm::Release).
    void ReleaseForm(TForm& form);
    // A form tells the application it is gone.
    void FormDestroyed(const TForm& form);

protected:
    void ShowErrorBox(const std::string& caption, const std::string& text) override;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override {}
    void AdoptForm(std::unique_ptr<TForm> form);

    win::UniqueWindow window_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    std::deque<std::function<void()>> posted_;
    std::vector<HWND> hiddenByMinimize_;
};

// The application object when it is a Windows one; null otherwise.
TWinApplication* WinApplication();

}  // namespace vcl
