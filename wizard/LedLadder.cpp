#include "wizard/LedLadder.h"

#include <algorithm>

#include "platform/vcl/win/WinHandles.h"

const vcl::ClassInfo& TLedLadder::StaticClassInfo() {
    using Self = TLedLadder;
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<Self>("TLedLadder", &TWinControl::StaticClassInfo())
            .Property("Orientation", &Self::Orientation, &Self::SetOrientation, vcl::TTrackBarOrientation::trVertical)
            .Property("LedCount", &Self::LedCount, &Self::SetLedCount, 10)
            .Property("BorderStyle", &Self::BorderStyle, &Self::SetBorderStyle, vcl::TBorderStyle::bsSingle)
            .Property("Ctl3D", &Self::Ctl3D, &Self::SetCtl3D, true)
            .Property("Spacing", &Self::Spacing, &Self::SetSpacing, 2)
            .Property("Min", &Self::Min, &Self::SetMin, 0)
            .Property("Max", &Self::Max, &Self::SetMax, 10)
            .Property("Position", &Self::Position, &Self::SetPosition, 0)
            .Creatable()
            .Build();
    return info;
}

TLedLadder::TLedLadder(vcl::TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 30, 200); }

void TLedLadder::SetOrientation(vcl::TTrackBarOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    Changed();
}

void TLedLadder::SetLedCount(int count) {
    count = std::max(count, 1);
    if (count == ledCount_) return;
    ledCount_ = count;
    Changed();
}

void TLedLadder::SetBorderStyle(vcl::TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Changed();
}

void TLedLadder::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    Changed();
}

void TLedLadder::SetSpacing(int spacing) {
    if (spacing == spacing_) return;
    spacing_ = spacing;
    Changed();
}

void TLedLadder::SetMin(int min) {
    if (min == min_) return;
    min_ = min;
    Changed();
}

void TLedLadder::SetMax(int max) {
    if (max == max_) return;
    max_ = max;
    Changed();
}

void TLedLadder::SetPosition(int position) {
    if (position == position_) return;
    position_ = position;
    if (!HandleAllocated()) return;
    const vcl::win::WindowDc dc(ExistingHandle());
    PaintLeds(dc.Get());
}

wizard::LedLadderState TLedLadder::LayoutState() const {
    return {Width(),
            Height(),
            orientation_ == vcl::TTrackBarOrientation::trVertical ? wizard::LedOrientation::Vertical
                                                                   : wizard::LedOrientation::Horizontal,
            ledCount_,
            ctl3D_,
            spacing_,
            max_,
            position_};
}

void TLedLadder::Changed() { Invalidate(); }

void TLedLadder::CreateParams(vcl::TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.classStyle = CS_HREDRAW | CS_VREDRAW;
}

void TLedLadder::Paint(HDC dc) {
    RECT client{0, 0, Width(), Height()};
    FillRect(dc, &client, vcl::win::SolidBrush(BackgroundRGB()));
    if (borderStyle_ == vcl::TBorderStyle::bsSingle) FrameRect(dc, &client, vcl::win::SolidBrush(RGB(0, 0, 0)));
    PaintLeds(dc);
}

void TLedLadder::PaintLeds(HDC dc) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (const wizard::LedPaint& led : wizard::LayOutLeds(LayoutState())) {
        if (ctl3D_) {
            const RECT s{led.slot.left, led.slot.top, led.slot.right, led.slot.bottom};
            const RECT top{s.left, s.top, s.right, s.top + 1};
            const RECT left{s.left, s.top, s.left + 1, s.bottom};
            const RECT bottom{s.left, s.bottom - 1, s.right, s.bottom};
            const RECT right{s.right - 1, s.top, s.right, s.bottom};
            FillRect(dc, &top, vcl::win::SolidBrush(shadow));
            FillRect(dc, &left, vcl::win::SolidBrush(shadow));
            FillRect(dc, &bottom, vcl::win::SolidBrush(highlight));
            FillRect(dc, &right, vcl::win::SolidBrush(highlight));
        }
        const RECT fill{led.fill.left, led.fill.top, led.fill.right, led.fill.bottom};
        FillRect(dc, &fill, vcl::win::SolidBrush(static_cast<COLORREF>(led.colour)));
    }
}

LRESULT TLedLadder::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const vcl::win::PaintDc paint(Handle());
        Paint(paint.Get());
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return TWinControl::WndProc(message, wParam, lParam);
}
