#include "platform/skin/SuiURLLabel.h"

#include <shellapi.h>

namespace vcl {

namespace {
constexpr COLORREF kLinkColor = 0xFF0000;  // blue, as 0x00BBGGRR
constexpr COLORREF kHotColor = 0x0000FF;   // red
}  // namespace

const ClassInfo& TsuiURLLabel::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiURLLabel>("TsuiURLLabel", &TLabel::StaticClassInfo())
                                      .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, true)
                                      .Property("URL", &TsuiURLLabel::URL, &TsuiURLLabel::SetURL)
                                      .Creatable()
                                      .Build();
    return info;
}

TsuiURLLabel::TsuiURLLabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }

TsuiURLLabel::Opener& TsuiURLLabel::UrlOpener() {
    static Opener opener = [](const std::string& url) {
        ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    return opener;
}

HFONT TsuiURLLabel::UnderlinedFont() {
    if (!underlined_) {
        LOGFONTA font{};
        GetObjectA(Font().Handle(), sizeof font, &font);
        font.lfUnderline = TRUE;
        underlined_.Reset(CreateFontIndirectA(&font));
    }
    return underlined_.Get();
}

void TsuiURLLabel::InitializeHandle() {
    TLabel::InitializeHandle();
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(UnderlinedFont()), FALSE);
}

void TsuiURLLabel::FontChanged() {
    TLabel::FontChanged();
    underlined_.Reset();
    if (HandleAllocated()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(UnderlinedFont()), TRUE);
}

HBRUSH TsuiURLLabel::CtlColor(HDC dc) {
    const HBRUSH background = TLabel::CtlColor(dc);
    SetTextColor(dc, hot_.Hot() ? kHotColor : kLinkColor);
    return background;
}

bool TsuiURLLabel::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || win::HighWord(wParam) != STN_CLICKED) return false;
    if (!url_.empty()) UrlOpener()(url_);
    result = 0;
    return true;
}

LRESULT TsuiURLLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hot_.Update(Handle(), message)) InvalidateRect(Handle(), nullptr, TRUE);
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
    }
    return TLabel::WndProc(message, wParam, lParam);
}

}  // namespace vcl
