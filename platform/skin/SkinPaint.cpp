#include "platform/skin/SkinPaint.h"

#include <algorithm>

#include "platform/vcl/win/Graphics.h"

namespace vcl::skin {

namespace {

int Channel(COLORREF color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

COLORREF Mix(COLORREF from, COLORREF to, int step, int steps) {
    const auto mix = [&](int shift) {
        return Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * step / std::max(steps, 1);
    };
    return static_cast<COLORREF>(mix(0) | (mix(8) << 8) | (mix(16) << 16));
}

// A pen and a brush selected for one shape.
class Outline {
public:
    Outline(HDC dc, COLORREF line, int width, HBRUSH fill)
        : pen_(CreatePen(PS_SOLID, width, line)), penSelected_(dc, pen_.Get()), brushSelected_(dc, fill) {}

private:
    win::UniquePen pen_;
    win::Selected penSelected_;
    win::Selected brushSelected_;
};

}  // namespace

void Fill(HDC dc, const RECT& rect, COLORREF color) { FillRect(dc, &rect, win::SolidBrush(color)); }

void Frame(HDC dc, const RECT& rect, COLORREF color) { FrameRect(dc, &rect, win::SolidBrush(color)); }

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    const int height = rect.bottom - rect.top;
    for (int y = 0; y < height; ++y) {
        const RECT line{rect.left, rect.top + y, rect.right, rect.top + y + 1};
        Fill(dc, line, Mix(top, bottom, y, height - 1));
    }
}

void DrawFace(HDC dc, const RECT& rect, const TSkinStyle& style, FaceState state) {
    switch (state) {
        case FaceState::Hot: FillGradient(dc, rect, style.faceHotTop, style.faceHotBottom); break;
        case FaceState::Pressed: FillGradient(dc, rect, style.facePressedTop, style.facePressedBottom); break;
        default: FillGradient(dc, rect, style.faceTop, style.faceBottom); break;
    }
    Frame(dc, rect, state == FaceState::Disabled ? style.disabledText : style.border);
}

void DrawFocusRing(HDC dc, const RECT& rect, const TSkinStyle& style) {
    RECT ring = rect;
    InflateRect(&ring, -1, -1);
    Frame(dc, ring, style.accent);
}

void DrawGlyph(HDC dc, const RECT& rect, Glyph glyph, COLORREF color) {
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const Outline outline(dc, color, glyph == Glyph::ArrowDown ? 1 : 2, win::SolidBrush(color));
    switch (glyph) {
        case Glyph::ArrowDown: {
            const POINT points[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
            Polygon(dc, points, 3);
            break;
        }
        case Glyph::Close: {
            const POINT a[] = {{cx - 4, cy - 4}, {cx + 4, cy + 4}};
            const POINT b[] = {{cx + 4, cy - 4}, {cx - 4, cy + 4}};
            Polyline(dc, a, 2);
            Polyline(dc, b, 2);
            break;
        }
        case Glyph::Minimize: {
            const POINT line[] = {{cx - 4, cy + 3}, {cx + 4, cy + 3}};
            Polyline(dc, line, 2);
            break;
        }
        case Glyph::Maximize: {
            const RECT box{cx - 4, cy - 4, cx + 5, cy + 5};
            Frame(dc, box, color);
            const RECT top{cx - 4, cy - 4, cx + 5, cy - 2};
            Fill(dc, top, color);
            break;
        }
        case Glyph::Check: {
            const POINT tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
            Polyline(dc, tick, 3);
            break;
        }
    }
}

void DrawCheckBox(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state) {
    Fill(dc, rect, state == FaceState::Pressed ? style.facePressedBottom : style.field);
    Frame(dc, rect, state == FaceState::Hot ? style.accent : style.border);
    if (checked) DrawGlyph(dc, rect, Glyph::Check, state == FaceState::Disabled ? style.disabledText : style.accent);
}

void DrawRadioButton(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state) {
    {
        const Outline ring(dc, state == FaceState::Hot ? style.accent : style.border, 1,
                           win::SolidBrush(state == FaceState::Pressed ? style.facePressedBottom : style.field));
        Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    if (!checked) return;
    const COLORREF dot = state == FaceState::Disabled ? style.disabledText : style.accent;
    const Outline inner(dc, dot, 1, win::SolidBrush(dot));
    const int inset = (rect.right - rect.left) / 4 + 1;
    Ellipse(dc, rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset);
}

void DrawLabel(HDC dc, RECT rect, const std::string& text, HFONT font, COLORREF color, UINT format) {
    const win::Selected selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

SIZE TextSize(HFONT font, const std::string& text) {
    const win::WindowDc screen(nullptr);
    const win::Selected selected(screen.Get(), font);
    RECT bounds{0, 0, 0, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
    return SIZE{bounds.right, bounds.bottom};
}

}  // namespace vcl::skin
