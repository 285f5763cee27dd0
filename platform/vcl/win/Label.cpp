#include "platform/vcl/win/Label.h"

namespace vcl {

const ClassInfo& TLabel::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TLabel>("TLabel", &TWinControl::StaticClassInfo())
                                      .Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                                                TAlignment::taLeftJustify)
                                      .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
                                      .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
                                      .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
                                      .Creatable()
                                      .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 13); }

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    StyleChanged();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    StyleChanged();
}

DWORD TLabel::TextStyle() const {
    switch (alignment_) {
        case TAlignment::taRightJustify: return SS_RIGHT;
        case TAlignment::taCenter: return SS_CENTER;
        default: return wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    }
}

void TLabel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "STATIC";
    params.ownClass = false;
    params.style |= TextStyle() | SS_NOTIFY;
}

void TLabel::StyleChanged() {
    if (HandleAllocated()) {
        HWND window = Handle();
        const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE) & ~LONG_PTR{SS_TYPEMASK};
        SetWindowLongPtrA(window, GWL_STYLE, style | static_cast<LONG_PTR>(TextStyle()));
        Invalidate();
    }
    AdjustSize();
}

HBRUSH TLabel::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    const COLORREF background = transparent_ && Parent() ? Parent()->BackgroundRGB() : BackgroundRGB();
    SetBkColor(dc, background);
    return win::SolidBrush(background);
}

void TLabel::TextChanged() {
    TWinControl::TextChanged();
    AdjustSize();
}

void TLabel::FontChanged() {
    TWinControl::FontChanged();
    AdjustSize();
}

void TLabel::Loaded() {
    TWinControl::Loaded();
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_ || Loading()) return;
    const win::WindowDc screen(nullptr);
    const win::Selected font(screen.Get(), Font().Handle());
    const std::string text = TControl::Caption().empty() ? std::string(" ") : TControl::Caption();
    RECT bounds{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0u));
    SetBounds(Left(), Top(), wordWrap_ ? Width() : bounds.right, bounds.bottom);
}

}  // namespace vcl
