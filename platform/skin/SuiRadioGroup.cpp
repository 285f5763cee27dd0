#include "platform/skin/SuiRadioGroup.h"

#include <algorithm>

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TsuiRadioGroup::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiRadioGroup>("TsuiRadioGroup", &TWinControl::StaticClassInfo())
            .Property("Columns", &TsuiRadioGroup::Columns, &TsuiRadioGroup::SetColumns, 1)
            .Object("Items", &TsuiRadioGroup::Items)
            .Property("ItemIndex", &TsuiRadioGroup::ItemIndex, &TsuiRadioGroup::SetItemIndex, -1)
            .Property("TopMargin", &TsuiRadioGroup::TopMargin, &TsuiRadioGroup::SetTopMargin, 0)
            .Property("UIStyle", &TsuiRadioGroup::UIStyle, &TsuiRadioGroup::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("OnClick", &TsuiRadioGroup::OnClick, &TsuiRadioGroup::SetOnClick)
            .Creatable()
            .Build();
    return info;
}

TsuiRadioGroup::TsuiRadioGroup(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
    items_.OnChange = [this](TObject*) { ItemsChanged(); };
}

TsuiRadioGroup::~TsuiRadioGroup() { items_.OnChange = nullptr; }

void TsuiRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == index);
}

void TsuiRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void TsuiRadioGroup::SetTopMargin(int margin) {
    topMargin_ = margin;
    ArrangeButtons();
}

void TsuiRadioGroup::ItemsChanged() {
    const auto count = static_cast<std::size_t>(items_.Count());
    while (buttons_.size() > count) buttons_.pop_back();
    while (buttons_.size() < count) {
        auto button = std::make_unique<TsuiRadioButton>(nullptr);
        button->SetUIStyle(UIStyle());
        button->SetEnabled(Enabled());
        button->SetGroupStart(buttons_.empty());
        button->SetTabStop(buttons_.empty());
        button->OnClicked = [this](TsuiRadioButton& clicked) {
            for (std::size_t i = 0; i < buttons_.size(); ++i)
                if (buttons_[i].get() == &clicked) itemIndex_ = static_cast<int>(i);
            onClick_(this);
        };
        button->SetParent(this);
        buttons_.push_back(std::move(button));
    }
    for (std::size_t i = 0; i < count; ++i) buttons_[i]->SetCaption(items_[static_cast<int>(i)]);
    SetItemIndex(itemIndex_);
    ArrangeButtons();
}

void TsuiRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int textHeight = skin::TextSize(Font().Handle(), "Wg").cy;
    const int perColumn = (count + columns_ - 1) / columns_;
    const int available = std::max(Height() - textHeight - 5 - topMargin_, perColumn);
    const int buttonHeight = available / perColumn;
    const int top = textHeight + 1 + topMargin_ + (available % perColumn) / 2;
    const int buttonWidth = (Width() - 10) / columns_;
    for (int i = 0; i < count; ++i)
        buttons_[static_cast<std::size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                         (i % perColumn) * buttonHeight + top, buttonWidth,
                                                         buttonHeight);
}

void TsuiRadioGroup::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.ownClass = false;
    params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

LRESULT TsuiRadioGroup::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: return HTCLIENT;  // a group box lets clicks through; this one holds them
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const win::PaintDc paint(Handle());
            Paint(paint.Get());
            return 0;
        }
        default: return TWinControl::WndProc(message, wParam, lParam);
    }
}

void TsuiRadioGroup::Paint(HDC dc) {
    const TSkinStyle& style = Skin();
    RECT client;
    GetClientRect(Handle(), &client);
    skin::Fill(dc, client, BackgroundRGB());
    const std::string caption = Caption();
    const SIZE text = skin::TextSize(Font().Handle(), caption.empty() ? "W" : caption);
    RECT frame = client;
    frame.top = text.cy / 2;
    skin::Frame(dc, frame, style.border);
    if (caption.empty()) return;
    RECT label{8, 0, 8 + text.cx + 4, text.cy};
    skin::Fill(dc, label, BackgroundRGB());
    OffsetRect(&label, 2, 0);
    // A caption in the default text colour takes the style's heading colour.
    const COLORREF heading = Font().Color() == clWindowText ? style.heading : ColorToRGB(Font().Color());
    skin::DrawLabel(dc, label, caption, Font().Handle(), Enabled() ? heading : style.disabledText,
                    DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void TsuiRadioGroup::BoundsChanged() {
    TWinControl::BoundsChanged();
    ArrangeButtons();
}

void TsuiRadioGroup::FontChanged() {
    TWinControl::FontChanged();
    ArrangeButtons();
}

void TsuiRadioGroup::EnabledChanged() {
    TWinControl::EnabledChanged();
    for (auto& button : buttons_) button->SetEnabled(Enabled());
}

void TsuiRadioGroup::UIStyleChanged() {
    for (auto& button : buttons_) button->SetUIStyle(UIStyle());
    Invalidate();
}

}  // namespace vcl
