#pragma once
// TsuiURLLabel: a link: blue and underlined, red under the mouse, with the hand cursor; a
// click opens URL with ShellExecuteA.
#include <functional>
#include <string>

#include "platform/skin/HotTracker.h"
#include "platform/vcl/win/Label.h"

namespace vcl {

class TsuiURLLabel : public TLabel {
public:
    OLZ_CLASS_INFO
    explicit TsuiURLLabel(TComponent* owner);

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }

    // What opens an address; tests put a recorder here.
    using Opener = std::function<void(const std::string& url)>;
    static Opener& UrlOpener();

protected:
    HBRUSH CtlColor(HDC dc) override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FontChanged() override;
    void InitializeHandle() override;

private:
    HFONT UnderlinedFont();

    std::string url_;
    skin::HotTracker hot_;
    win::UniqueFont underlined_;
};

}  // namespace vcl
