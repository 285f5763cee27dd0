#include "platform/skin/SuiButton.h"

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TsuiButton::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiButton>("TsuiButton", &TWinControl::StaticClassInfo())
                                      .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
                                      .Property("Cancel", &TsuiButton::Cancel, &TsuiButton::SetCancel, false)
                                      .Property("Default", &TsuiButton::Default, &TsuiButton::SetDefault, false)
                                      .Property("ModalResult", &TsuiButton::ModalResult, &TsuiButton::SetModalResult, 0)
                                      .Property("UIStyle", &TsuiButton::UIStyle, &TsuiButton::SetUIStyle,
                                                TsuiUIStyle::MacOS)
                                      .Property("OnClick", &TsuiButton::OnClick, &TsuiButton::SetOnClick)
                                      .Creatable()
                                      .Build();
    return info;
}

TsuiButton::TsuiButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TsuiButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    Invalidate();
}

void TsuiButton::Click() {
    if (modalResult_ != mrNone)
        if (auto* form = dynamic_cast<TForm*>(Root())) form->SetModalResult(modalResult_);
    onClick_(this);
}

bool TsuiButton::HandleDialogCommand(WORD command) {
    if ((command == IDOK && default_) || (command == IDCANCEL && cancel_)) {
        Click();
        return true;
    }
    return false;
}

void TsuiButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.ownClass = false;
    params.style |= BS_OWNERDRAW;
}

bool TsuiButton::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && win::HighWord(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        Paint(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

LRESULT TsuiButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hot_.Update(Handle(), message)) InvalidateRect(Handle(), nullptr, FALSE);
    return TWinControl::WndProc(message, wParam, lParam);
}

void TsuiButton::Paint(const DRAWITEMSTRUCT& item) {
    const TSkinStyle& style = Skin();
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const skin::FaceState state = disabled  ? skin::FaceState::Disabled
                                  : pressed ? skin::FaceState::Pressed
                                  : hot_.Hot() ? skin::FaceState::Hot
                                               : skin::FaceState::Normal;
    skin::Fill(item.hDC, item.rcItem, BackgroundRGB());
    skin::DrawFace(item.hDC, item.rcItem, style, state);
    if (default_ && !disabled) skin::FrameRounded(item.hDC, item.rcItem, style.faceRadius, style.accent);
    if ((item.itemState & ODS_FOCUS) != 0) skin::DrawFocusRing(item.hDC, item.rcItem, style);
    RECT text = item.rcItem;
    if (pressed) OffsetRect(&text, 1, 1);
    skin::DrawLabel(item.hDC, text, Caption(), Font().Handle(), disabled ? style.disabledText : style.faceText,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u));
}

}  // namespace vcl
