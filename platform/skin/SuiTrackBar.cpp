#include "platform/skin/SuiTrackBar.h"

#include <algorithm>

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TsuiTrackBar::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiTrackBar>("TsuiTrackBar", &TWinControl::StaticClassInfo())
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
            .Property("Max", &TsuiTrackBar::Max, &TsuiTrackBar::SetMax, 10)
            .Property("Min", &TsuiTrackBar::Min, &TsuiTrackBar::SetMin, 0)
            .Property("Orientation", &TsuiTrackBar::Orientation, &TsuiTrackBar::SetOrientation,
                      TTrackBarOrientation::trHorizontal)
            .Property("PageSize", &TsuiTrackBar::PageSize, &TsuiTrackBar::SetPageSize, 2)
            .Property("Frequency", &TsuiTrackBar::Frequency, &TsuiTrackBar::SetFrequency, 1)
            .Property("Position", &TsuiTrackBar::Position, &TsuiTrackBar::SetPosition, 0)
            .Property("UIStyle", &TsuiTrackBar::UIStyle, &TsuiTrackBar::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("OnChange", &TsuiTrackBar::OnChange, &TsuiTrackBar::SetOnChange)
            .Creatable()
            .Build();
    return info;
}

TsuiTrackBar::TsuiTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TsuiTrackBar::SetMin(int min) {
    min_ = min;
    max_ = std::max(max_, min_);
    if (HandleAllocated()) SendMessageA(Handle(), TBM_SETRANGEMIN, TRUE, min_);
    SetPosition(Position());
}

void TsuiTrackBar::SetMax(int max) {
    max_ = max;
    min_ = std::min(min_, max_);
    if (HandleAllocated()) SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
    SetPosition(Position());
}

int TsuiTrackBar::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageA(ExistingHandle(), TBM_GETPOS, 0, 0));
}

void TsuiTrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
    PositionReached(position);
}

void TsuiTrackBar::PositionReached(int position) {
    if (position == position_) return;
    position_ = position;
    if (!Loading()) onChange_(this);
}

void TsuiTrackBar::SetPageSize(int pageSize) {
    pageSize_ = pageSize;
    if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPAGESIZE, 0, pageSize_);
}

void TsuiTrackBar::SetFrequency(int frequency) {
    frequency_ = frequency;
    if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TsuiTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    RecreateWnd();
}

void TsuiTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = TRACKBAR_CLASSA;
    params.ownClass = false;
    params.style |= TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TsuiTrackBar::InitializeHandle() {
    HWND window = Handle();
    SendMessageA(window, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(window, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageA(window, TBM_SETPAGESIZE, 0, pageSize_);
    SendMessageA(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageA(window, TBM_SETPOS, TRUE, position_);
}

bool TsuiTrackBar::HandleReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            PositionReached(Position());
            result = 0;
            return true;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code != NM_CUSTOMDRAW) return false;
            result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
            return true;
        default: return false;
    }
}

LRESULT TsuiTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const TSkinStyle& style = Skin();
    HWND window = Handle();
    switch (draw.dwItemSpec) {
        case TBCD_CHANNEL: {
            RECT channel = draw.rc;
            // The groove is drawn slimmer than the system's, centred on its line.
            if (orientation_ == TTrackBarOrientation::trHorizontal) {
                const int middle = (channel.top + channel.bottom) / 2;
                channel.top = middle - 2;
                channel.bottom = middle + 2;
            } else {
                const int middle = (channel.left + channel.right) / 2;
                channel.left = middle - 2;
                channel.right = middle + 2;
            }
            skin::Fill(draw.hdc, channel, style.field);
            // The groove up to the thumb shows how far the value goes.
            RECT thumb{};
            SendMessageA(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
            RECT filled = channel;
            if (orientation_ == TTrackBarOrientation::trHorizontal)
                filled.right = std::clamp((thumb.left + thumb.right) / 2, channel.left, channel.right);
            else
                filled.bottom = std::clamp((thumb.top + thumb.bottom) / 2, channel.top, channel.bottom);
            skin::Fill(draw.hdc, filled, style.trackFill);
            skin::Frame(draw.hdc, channel, style.faceBorder);
            return CDRF_SKIPDEFAULT;
        }
        case TBCD_THUMB: {
            const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
            const bool disabled = !IsWindowEnabled(window);
            const skin::FaceState state = disabled  ? skin::FaceState::Disabled
                                          : pressed ? skin::FaceState::Pressed
                                                    : skin::FaceState::Normal;
            skin::DrawFace(draw.hdc, draw.rc, style, state);
            if (GetFocus() == window) skin::DrawFocusRing(draw.hdc, draw.rc, style);
            return CDRF_SKIPDEFAULT;
        }
        default: return CDRF_DODEFAULT;
    }
}

}  // namespace vcl
