#include "platform/skin/SkinPaint.h"

#include <algorithm>

#include "platform/vcl/win/Graphics.h"
#include "platform/vcl/win/WinHandles.h"

namespace vcl::skin {

namespace {

int Channel(COLORREF color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

COLORREF Mix(COLORREF from, COLORREF to, int step, int steps) {
    const auto mix = [&](int shift) {
        return Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * step / std::max(steps, 1);
    };
    return static_cast<COLORREF>(mix(0) | (mix(8) << 8) | (mix(16) << 16));
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

int ClampRadius(const RECT& rect, int radius) {
    const int width = static_cast<int>(rect.right - rect.left);
    const int height = static_cast<int>(rect.bottom - rect.top);
    return std::max(0, std::min({radius, width / 2, height / 2}));
}

// Drawing limited to a region for as long as it lives.
class Clipped {
public:
    Clipped(HDC dc, HRGN region) : dc_(dc), saved_(SaveDC(dc)) { ExtSelectClipRgn(dc, region, RGN_AND); }
    ~Clipped() { RestoreDC(dc_, saved_); }
    Clipped(const Clipped&) = delete;
    Clipped& operator=(const Clipped&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A gradient, or with `gloss` a bright upper half over the gradient in the lower half.
void FillSurface(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom, bool gloss) {
    if (!gloss) {
        FillGradient(dc, rect, top, bottom);
        return;
    }
    const int middle = rect.top + (rect.bottom - rect.top) / 2;
    FillGradient(dc, RECT{rect.left, rect.top, rect.right, middle}, Mix(top, kWhite, 62, 100), Mix(top, kWhite, 30, 100));
    FillGradient(dc, RECT{rect.left, middle, rect.right, rect.bottom}, top, bottom);
}

// A rectangle with corners rounded by `radius`, at most half the shorter side.
win::UniqueRegion RoundedRegion(const RECT& rect, int radius) {
    radius = ClampRadius(rect, radius);
    if (radius == 0) return win::UniqueRegion(CreateRectRgnIndirect(&rect));
    // The corners' ellipses are 2 * radius across; the region's right and bottom are exclusive.
    return win::UniqueRegion(
        CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, 2 * radius, 2 * radius));
}

// The same with only its top corners rounded.
win::UniqueRegion TopRoundedRegion(const RECT& rect, int radius) {
    const RECT taller{rect.left, rect.top, rect.right, rect.bottom + radius};
    win::UniqueRegion rounded = RoundedRegion(taller, radius);
    const win::UniqueRegion box(CreateRectRgnIndirect(&rect));
    CombineRgn(rounded.Get(), rounded.Get(), box.Get(), RGN_AND);
    return rounded;
}

// Fills the region with what `fill` draws, clipped to it, then frames it.
template <class Fill>
void FillFramed(HDC dc, HRGN region, Fill fill, COLORREF frame) {
    {
        const Clipped clip(dc, region);
        fill();
    }
    FrameRgn(dc, region, win::SolidBrush(frame), 1, 1);
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

COLORREF Mix(COLORREF from, COLORREF to, int percent) { return Mix(from, to, percent, 100); }

void FrameRounded(HDC dc, const RECT& rect, int radius, COLORREF color) {
    if (ClampRadius(rect, radius) == 0) {
        Frame(dc, rect, color);
        return;
    }
    const win::UniqueRegion region = RoundedRegion(rect, radius);
    FrameRgn(dc, region.Get(), win::SolidBrush(color), 1, 1);
}

void DrawFace(HDC dc, const RECT& rect, const TSkinStyle& style, FaceState state, int radius) {
    if (radius < 0) radius = style.faceRadius;
    COLORREF top = style.faceTop;
    COLORREF bottom = style.faceBottom;
    COLORREF frame = style.faceBorder;
    switch (state) {
        case FaceState::Hot:
            top = style.faceHotTop;
            bottom = style.faceHotBottom;
            frame = style.hotBorder;
            break;
        case FaceState::Pressed:
            top = style.facePressedTop;
            bottom = style.facePressedBottom;
            break;
        case FaceState::Disabled:
            top = Mix(style.faceTop, style.background, 60);
            bottom = Mix(style.faceBottom, style.background, 60);
            frame = style.disabledText;
            break;
        default: break;
    }
    const win::UniqueRegion region = RoundedRegion(rect, radius);
    FillFramed(dc, region.Get(), [&] { FillSurface(dc, rect, top, bottom, style.gloss); }, frame);
}

void DrawTab(HDC dc, const RECT& rect, const TSkinStyle& style, bool current) {
    const win::UniqueRegion region = TopRoundedRegion(rect, style.tabRadius);
    FillFramed(
        dc, region.Get(),
        [&] {
            if (!current) {
                FillSurface(dc, rect, style.faceTop, style.faceBottom, style.gloss);
                return;
            }
            Fill(dc, rect, style.background);
            if (style.tabMarkHeight > 0)
                Fill(dc, RECT{rect.left, rect.top, rect.right, rect.top + style.tabMarkHeight + 1}, style.tabMark);
        },
        current ? style.border : style.faceBorder);
}

void DrawTitleBar(HDC dc, const RECT& rect, const TSkinStyle& style) {
    FillSurface(dc, rect, style.titleTop, style.titleBottom, style.gloss);
}

void DrawTitleBox(HDC dc, const RECT& rect, const TSkinStyle& style, Glyph glyph, FaceState state) {
    const auto shade = [state](COLORREF color) {
        return state == FaceState::Hot ? Mix(color, kWhite, 30) : state == FaceState::Pressed ? Mix(color, kBlack, 25) : color;
    };
    switch (style.titleBoxes) {
        case TitleBoxShape::Glyph:
            if (state == FaceState::Hot || state == FaceState::Pressed)
                FillSurface(dc, rect, shade(Mix(style.titleBoxFace, kWhite, 15)), shade(style.titleBoxFace), style.gloss);
            DrawGlyph(dc, rect, glyph, style.titleText);
            return;
        case TitleBoxShape::Round: {
            RECT circle = rect;
            InflateRect(&circle, -2, -2);
            const COLORREF face = shade(style.titleBoxFace);
            {
                const Outline outline(dc, Mix(face, kBlack, 30), 1, win::SolidBrush(face));
                Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
            }
            RECT inner = circle;
            InflateRect(&inner, -2, -2);
            // Smaller glyphs suit the round boxes.
            const int cx = (inner.left + inner.right) / 2;
            const int cy = (inner.top + inner.bottom) / 2;
            const RECT glyphRect{cx - 7, cy - 7, cx + 7, cy + 7};
            DrawGlyph(dc, glyphRect, glyph, style.titleBoxGlyph, true);
            return;
        }
        case TitleBoxShape::Square: {
            const COLORREF face = shade(glyph == Glyph::Close ? style.titleBoxClose : style.titleBoxFace);
            const win::UniqueRegion region = RoundedRegion(rect, 3);
            FillFramed(dc, region.Get(), [&] { FillSurface(dc, rect, Mix(face, kWhite, 35), face, style.gloss); },
                       Mix(face, kWhite, 65));
            DrawGlyph(dc, rect, glyph, style.titleBoxGlyph);
            return;
        }
    }
}

void DrawFocusRing(HDC dc, const RECT& rect, const TSkinStyle& style) {
    RECT ring = rect;
    InflateRect(&ring, -1, -1);
    FrameRounded(dc, ring, style.faceRadius - 1, style.accent);
}

void DrawGlyph(HDC dc, const RECT& rect, Glyph glyph, COLORREF color, bool small) {
    const int h = small ? 3 : 4;
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const Outline outline(dc, color, glyph == Glyph::ArrowDown ? 1 : 2, win::SolidBrush(color));
    switch (glyph) {
        case Glyph::ArrowDown: {
            const POINT points[] = {{cx - h, cy - 2}, {cx + h, cy - 2}, {cx, cy + 2}};
            Polygon(dc, points, 3);
            break;
        }
        case Glyph::Close: {
            const POINT a[] = {{cx - h, cy - h}, {cx + h, cy + h}};
            const POINT b[] = {{cx + h, cy - h}, {cx - h, cy + h}};
            Polyline(dc, a, 2);
            Polyline(dc, b, 2);
            break;
        }
        case Glyph::Minimize: {
            const POINT line[] = {{cx - h, cy + 3}, {cx + h, cy + 3}};
            Polyline(dc, line, 2);
            break;
        }
        case Glyph::Maximize: {
            const RECT box{cx - h, cy - h, cx + h + 1, cy + h + 1};
            Frame(dc, box, color);
            const RECT top{cx - h, cy - h, cx + h + 1, cy - 2};
            Fill(dc, top, color);
            break;
        }
        case Glyph::Check: {
            const POINT tick[] = {{cx - h, cy}, {cx - 1, cy + 3}, {cx + h, cy - 3}};
            Polyline(dc, tick, 3);
            break;
        }
    }
}

void DrawCheckBox(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state) {
    Fill(dc, rect, state == FaceState::Pressed ? style.facePressedBottom : style.field);
    Frame(dc, rect, state == FaceState::Hot ? style.hotBorder : style.faceBorder);
    if (checked) DrawGlyph(dc, rect, Glyph::Check, state == FaceState::Disabled ? style.disabledText : style.accent);
}

void DrawRadioButton(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state) {
    {
        const Outline ring(dc, state == FaceState::Hot ? style.hotBorder : style.faceBorder, 1,
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
