#pragma once
// An HTML Help viewer that records what it was asked to show. It opens no window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/HtmlHelp.h"

namespace os::sim {

struct HelpCall {
    WindowHandle caller = 0;
    std::optional<std::string> file;  // none for a null file
    DWORD command = 0;
    std::uintptr_t data = 0;
};

class SimHtmlHelp : public HtmlHelpViewer {
public:
    const std::vector<HelpCall>& Calls() const { return calls_; }

    WindowHandle Command(WindowHandle caller, const char* file, DWORD command, std::uintptr_t data) override {
        calls_.push_back({caller, file ? std::optional<std::string>(file) : std::nullopt, command, data});
        return 0;
    }

private:
    std::vector<HelpCall> calls_;
};

}  // namespace os::sim
