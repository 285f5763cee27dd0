#pragma once
// TLedLadder: a row or column of coloured LEDs showing a value, like a mixer's level meter.
// It draws everything itself, from the layout LedLadderLayout computes.
#include <windows.h>

#include <array>

#include "platform/skin/SuiTrackBar.h"
#include "platform/vcl/win/WinControl.h"
#include "wizard/LedLadderLayout.h"

namespace vcl {
enum class TBorderStyle { bsNone, bsSingle };
template <>
struct EnumNames<TBorderStyle> {
    static constexpr std::array<std::string_view, 2> names{"bsNone", "bsSingle"};
};
}  // namespace vcl

class TLedLadder : public vcl::TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TLedLadder(vcl::TComponent* owner);

    vcl::TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(vcl::TTrackBarOrientation orientation);
    int LedCount() const { return ledCount_; }
    // Below 1 is stored as 1.
    void SetLedCount(int count);
    vcl::TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(vcl::TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // Kept and repainted, but not part of the drawing.
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    // Repaints the LEDs only.
    void SetPosition(int position);

    wizard::LedLadderState LayoutState() const;

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Changed();
    void Paint(HDC dc);
    void PaintLeds(HDC dc);

    vcl::TTrackBarOrientation orientation_ = vcl::TTrackBarOrientation::trVertical;
    int ledCount_ = 10;
    vcl::TBorderStyle borderStyle_ = vcl::TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    int spacing_ = 2;
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
};
