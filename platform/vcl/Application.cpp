#include "platform/vcl/Application.h"

#include "platform/os/Os.h"
#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {
TApplication* current = nullptr;
}

TApplication::TApplication() : previous_(current) { current = this; }

TApplication::~TApplication() { current = previous_; }

bool TApplication::HelpCommand(std::uint16_t command, std::intptr_t data) {
    bool callHelp = true;
    if (!onHelp_) return false;
    return onHelp_(command, data, callHelp);
}

void TApplication::HandleException(const std::exception& error) { ShowErrorBox(title_, ErrorBoxText(error.what())); }

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}

TApplication& Application() {
    if (!current) throw Exception("No application object exists");
    return *current;
}

bool HasApplication() { return current != nullptr; }

void TApplication::ProcessMessagesFor(os::DWORD milliseconds) { os::system().Sleep(milliseconds); }

}  // namespace vcl
