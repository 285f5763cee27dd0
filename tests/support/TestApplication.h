#pragma once
// An application object for tests: its window handle is what the test says, and error boxes
// are recorded instead of shown.
#include <string>
#include <vector>

#include "platform/vcl/Application.h"

namespace testing_support {

class TestApplication : public vcl::TApplication {
public:
    explicit TestApplication(os::WindowHandle handle = 0) : handle_(handle) {}

    os::WindowHandle Handle() const override { return handle_; }

    struct ErrorBox {
        std::string caption;
        std::string text;
    };
    std::vector<ErrorBox> errorBoxes;

protected:
    void ShowErrorBox(const std::string& caption, const std::string& text) override {
        errorBoxes.push_back({caption, text});
    }

private:
    os::WindowHandle handle_;
};

}  // namespace testing_support
