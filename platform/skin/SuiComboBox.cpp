#include "platform/skin/SuiComboBox.h"

#include <algorithm>

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TsuiComboBox::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiComboBox>("TsuiComboBox", &TWinControl::StaticClassInfo())
            .Property("Caption", &TControl::Caption, &TControl::SetCaption)
            .Transient()
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
            .Property("Style", &TsuiComboBox::Style, &TsuiComboBox::SetStyle, TComboBoxStyle::csDropDown)
            .Property("DropDownCount", &TsuiComboBox::DropDownCount, &TsuiComboBox::SetDropDownCount, 8)
            .Property("ItemHeight", &TsuiComboBox::ItemHeight, &TsuiComboBox::SetItemHeight, 16)
            .Object("Items", &TsuiComboBox::Items)
            .Property("ItemIndex", &TsuiComboBox::ItemIndex, &TsuiComboBox::SetItemIndex, -1)
            .Property("Text", &TsuiComboBox::Text, &TsuiComboBox::SetText)
            .Property("UIStyle", &TsuiComboBox::UIStyle, &TsuiComboBox::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("OnChange", &TsuiComboBox::OnChange, &TsuiComboBox::SetOnChange)
            .Creatable()
            .Build();
    return info;
}

TsuiComboBox::TsuiComboBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 145, 24);
    SetTabStop(true);
    items_.OnChange = [this](TObject*) { FillItems(); };
}

TsuiComboBox::~TsuiComboBox() { items_.OnChange = nullptr; }

void TsuiComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    RecreateWnd();
}

void TsuiComboBox::SetDropDownCount(int count) {
    dropDownCount_ = std::max(count, 1);
    BoundsChanged();
}

void TsuiComboBox::SetItemHeight(int height) {
    itemHeight_ = std::max(height, 1);
    if (HandleAllocated()) SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
    BoundsChanged();
}

int TsuiComboBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageA(ExistingHandle(), CB_GETCURSEL, 0, 0));
}

void TsuiComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TsuiComboBox::Text() const {
    if (HandleAllocated()) return TWinControl::Caption();
    if (style_ == TComboBoxStyle::csDropDownList) return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
    return text_;
}

void TsuiComboBox::SetText(const std::string& text) {
    if (style_ == TComboBoxStyle::csDropDownList) {
        SetItemIndex(items_.IndexOf(text));
        return;
    }
    text_ = text;
    if (HandleAllocated()) SetWindowTextA(Handle(), text.c_str());
}

void TsuiComboBox::FillItems() {
    if (!HandleAllocated()) {
        SetItemIndex(itemIndex_);
        return;
    }
    HWND window = Handle();
    const std::string text = Text();
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < items_.Count(); ++i)
        SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_[i].c_str()));
    SetItemIndex(itemIndex_);
    if (itemIndex_ < 0 && style_ == TComboBoxStyle::csDropDown) SetWindowTextA(window, text.c_str());
}

void TsuiComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = WC_COMBOBOXA;
    params.ownClass = false;
    params.style |= WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_AUTOHSCROLL |
                    (style_ == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    params.height = WindowHeight();
    params.caption.clear();
}

void TsuiComboBox::InitializeHandle() {
    HWND window = Handle();
    SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(Height() - 6, 1));
    SendMessageA(window, CB_SETITEMHEIGHT, 0, itemHeight_);
    FillItems();
    if (style_ == TComboBoxStyle::csDropDown && itemIndex_ < 0) SetWindowTextA(window, text_.c_str());
}

void TsuiComboBox::BoundsChanged() {
    // The window's height includes the list; the control's Height is the closed box.
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TsuiComboBox::WindowMoved(const RECT& bounds) {
    SetAlignedBounds(bounds.left, bounds.top, bounds.right - bounds.left, Height());
}

bool TsuiComboBox::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            const WORD code = win::HighWord(wParam);
            if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE) return false;
            itemIndex_ = ItemIndex();
            onChange_(this);
            result = 0;
            return true;
        }
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            item.itemHeight = static_cast<UINT>(item.itemID == static_cast<UINT>(-1) ? std::max(Height() - 6, 1)
                                                                                       : itemHeight_);
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        default: return false;
    }
}

void TsuiComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const TSkinStyle& style = Skin();
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    skin::Fill(item.hDC, item.rcItem, selected && !disabled ? style.selection : style.field);
    if (item.itemID == static_cast<UINT>(-1)) return;
    const auto length = SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
    std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    RECT textRect = item.rcItem;
    textRect.left += 3;
    skin::DrawLabel(item.hDC, textRect, text, Font().Handle(),
                    disabled ? style.disabledText : selected ? style.selectionText : ColorToRGB(Font().Color()),
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TsuiComboBox::DrawFrame() {
    const TSkinStyle& style = Skin();
    HWND window = Handle();
    const win::WindowDc dc(window);
    RECT client;
    GetClientRect(window, &client);
    RECT inner = client;
    InflateRect(&inner, -1, -1);
    skin::Frame(dc.Get(), client, style.border);
    skin::Frame(dc.Get(), inner, style.field);

    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(window, &info);
    RECT button = info.rcButton;
    button.top = client.top;
    button.bottom = client.bottom;
    button.right = client.right;
    const bool pressed = info.stateButton == STATE_SYSTEM_PRESSED;
    skin::Fill(dc.Get(), button, style.field);
    skin::DrawFace(dc.Get(), button, style,
                   !IsWindowEnabled(window) ? skin::FaceState::Disabled
                   : pressed                ? skin::FaceState::Pressed
                                            : skin::FaceState::Normal,
                   std::min(style.faceRadius, 2));
    skin::DrawGlyph(dc.Get(), button, skin::Glyph::ArrowDown,
                    IsWindowEnabled(window) ? style.faceText : style.disabledText);
}

LRESULT TsuiComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    // The system paints the box its way; the skin's frame and button go over it.
    if (message == WM_PAINT && HandleAllocated()) DrawFrame();
    return result;
}

}  // namespace vcl
