#include "platform/skin/SuiStateButton.h"

#include "platform/skin/SkinPaint.h"

namespace vcl {

namespace {

constexpr int kBoxSize = 13;

// Messages after which the system's own procedure may have painted the button its way.
bool MayHavePainted(UINT message) {
    switch (message) {
        case BM_SETCHECK:
        case BM_SETSTATE:
        case BM_CLICK:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case WM_UPDATEUISTATE: return true;
        default: return false;
    }
}

}  // namespace

TsuiStateButton::TsuiStateButton(TComponent* owner, Kind kind) : TWinControl(owner), kind_(kind) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

bool TsuiStateButton::Checked() const {
    if (!HandleAllocated()) return checked_;
    return SendMessageA(ExistingHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TsuiStateButton::SetChecked(bool checked) {
    checked_ = checked;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TsuiStateButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.ownClass = false;
    params.style |= kind_ == Kind::CheckBox ? BS_AUTOCHECKBOX : BS_AUTORADIOBUTTON;
}

void TsuiStateButton::InitializeHandle() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

bool TsuiStateButton::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || win::HighWord(wParam) != BN_CLICKED) return false;
    checked_ = Checked();
    Clicked();
    result = 0;
    return true;
}

LRESULT TsuiStateButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = Handle();
    if (hot_.Update(window, message)) InvalidateRect(window, nullptr, FALSE);
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            if (message == WM_PRINTCLIENT) {
                Paint(reinterpret_cast<HDC>(wParam));
                return 0;
            }
            const win::PaintDc paint(window);
            Paint(paint.Get());
            return 0;
        }
        default: break;
    }
    const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    if (MayHavePainted(message) && HandleAllocated()) InvalidateRect(window, nullptr, FALSE);
    return result;
}

void TsuiStateButton::Paint(HDC dc) {
    const TSkinStyle& style = Skin();
    HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    skin::Fill(dc, client, BackgroundRGB());

    const auto state = static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));
    const skin::FaceState face = !IsWindowEnabled(window)  ? skin::FaceState::Disabled
                                 : (state & BST_PUSHED) != 0 ? skin::FaceState::Pressed
                                 : hot_.Hot()               ? skin::FaceState::Hot
                                                            : skin::FaceState::Normal;
    const int top = (client.bottom - kBoxSize) / 2;
    const RECT box{client.left, top, client.left + kBoxSize, top + kBoxSize};
    const bool checked = (state & BST_CHECKED) != 0;
    if (kind_ == Kind::CheckBox)
        skin::DrawCheckBox(dc, box, style, checked, face);
    else
        skin::DrawRadioButton(dc, box, style, checked, face);

    const std::string text = Caption();
    RECT textRect{box.right + 5, client.top, client.right, client.bottom};
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    skin::DrawLabel(dc, textRect, text, Font().Handle(),
                    face == skin::FaceState::Disabled ? style.disabledText : ColorToRGB(Font().Color()), format);
    if ((state & BST_FOCUS) != 0 && !text.empty()) {
        const SIZE size = skin::TextSize(Font().Handle(), text);
        const int textTop = (client.bottom - size.cy) / 2;
        RECT focus{textRect.left - 2, textTop - 1, textRect.left + size.cx + 2, textTop + size.cy + 1};
        SetTextColor(dc, style.text);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace vcl
