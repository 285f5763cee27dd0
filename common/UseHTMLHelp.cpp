#include "common/UseHTMLHelp.h"

#include "platform/os/Os.h"

bool TUseHTMLHelp::HandleHelp(std::uint16_t command, std::intptr_t data, bool& callHelp) {
    callHelp = false;
    if (command == vcl::help::Quit) {
        os::htmlHelp().Command(0, nullptr, os::hh::CloseAll, 0);
        return true;
    }
    const char* file = vcl::Application().HelpFile().c_str();
    const auto value = static_cast<std::uintptr_t>(data);
    switch (command) {
        case vcl::help::Context:
        case vcl::help::ContextPopup: os::htmlHelp().Command(0, file, os::hh::HelpContext, value); break;
        case vcl::help::Key: os::htmlHelp().Command(0, file, os::hh::DisplayIndex, value); break;
        default: os::htmlHelp().Command(0, file, os::hh::DisplayTopic, 0); break;
    }
    return true;
}

UseHTMLHelpInstaller::UseHTMLHelpInstaller() : application_(vcl::Application()) {
    application_.SetOnHelp([this](std::uint16_t command, std::intptr_t data, bool& callHelp) {
        return helper_.HandleHelp(command, data, callHelp);
    });
}

UseHTMLHelpInstaller::~UseHTMLHelpInstaller() { application_.SetOnHelp(nullptr); }
