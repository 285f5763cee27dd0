#pragma once
// TUseHTMLHelp: answers the application's classic help requests (WinHelp commands) with the
// HTML Help viewer, on the application's current help file.
#include <cstdint>

#include "platform/vcl/Application.h"

class TUseHTMLHelp {
public:
    // A THelpEvent: context and popup-context requests show the topic of that context number,
    // a keyword request opens the index at the keyword (the text `data` points to), a quit
    // request closes every help window, anything else shows the file's default topic. The
    // classic engine is never called; the viewer's answer is not examined.
    bool HandleHelp(std::uint16_t command, std::intptr_t data, bool& callHelp);
};

// Makes a TUseHTMLHelp the help handler of the application object in use, for as long as it
// lives. It must not outlive that application object.
class UseHTMLHelpInstaller {
public:
    UseHTMLHelpInstaller();
    ~UseHTMLHelpInstaller();
    UseHTMLHelpInstaller(const UseHTMLHelpInstaller&) = delete;
    UseHTMLHelpInstaller& operator=(const UseHTMLHelpInstaller&) = delete;

private:
    vcl::TApplication& application_;
    TUseHTMLHelp helper_;
};
