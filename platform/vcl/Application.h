#pragma once
// The application object: title, help file and help routing, the hidden application window,
// minimise and restore, processing of pending messages, and the default error box. The
// Windows program installs the real one; tests install a recording one. Product code reaches
// it through Application().
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "platform/os/WinTypes.h"

namespace vcl {

namespace help {
inline constexpr std::uint16_t Context = 0x0001;
inline constexpr std::uint16_t Quit = 0x0002;
inline constexpr std::uint16_t Index = 0x0003;
inline constexpr std::uint16_t ContextPopup = 0x0008;
inline constexpr std::uint16_t Key = 0x0101;
}  // namespace help

// Handles a help request. Setting `callHelp` false keeps the classic help engine out.
using THelpEvent = std::function<bool(std::uint16_t command, std::intptr_t data, bool& callHelp)>;

class TApplication {
public:
    TApplication();
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return title_; }
    virtual void SetTitle(const std::string& title) { title_ = title; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }
    const THelpEvent& OnHelp() const { return onHelp_; }
    void SetOnHelp(THelpEvent handler) { onHelp_ = std::move(handler); }

    // Offers a help request to OnHelp; true when it was handled.
    bool HelpCommand(std::uint16_t command, std::intptr_t data);
    bool HelpContext(std::int32_t context) { return HelpCommand(help::Context, context); }

    // The hidden top-level window that stands for the program; 0 when there is none.
    virtual os::WindowHandle Handle() const { return 0; }
    virtual void ProcessMessages() {}
    // Handles the messages that arrive within `milliseconds`, the CPU idle in between. Without
    // a window system it only lets the time pass.
    virtual void ProcessMessagesFor(os::DWORD milliseconds);
    virtual void Minimize() {}
    virtual void Restore() {}
    // The default error box: the error's text, with a full stop when it has none, captioned
    // with the title.
    void HandleException(const std::exception& error);

protected:
    virtual void ShowErrorBox(const std::string& caption, const std::string& text) = 0;

private:
    std::string title_;
    std::string helpFile_;
    THelpEvent onHelp_;
    TApplication* previous_;
};

// The error box text of a message: a full stop appended unless it ends with one.
std::string ErrorBoxText(const std::string& message);

// The application object in use; raises when none exists.
TApplication& Application();
bool HasApplication();

}  // namespace vcl
