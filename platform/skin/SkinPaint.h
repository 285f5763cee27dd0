#pragma once
// The drawing every skinned control shares: fills, frames, faces, glyphs and text in the
// colours of a style.
#include <windows.h>

#include <string>

#include "platform/skin/SkinStyle.h"

namespace vcl::skin {

enum class FaceState { Normal, Hot, Pressed, Disabled };

enum class Glyph { ArrowDown, Close, Minimize, Maximize, Check };

void Fill(HDC dc, const RECT& rect, COLORREF color);
// A one-pixel frame just inside `rect`.
void Frame(HDC dc, const RECT& rect, COLORREF color);
void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);
// `from` moved towards `to` by percent (0 to 100).
COLORREF Mix(COLORREF from, COLORREF to, int percent);
// A one-pixel frame just inside a rectangle with corners rounded by `radius` (at most half the
// shorter side).
void FrameRounded(HDC dc, const RECT& rect, int radius, COLORREF color);
// A raised face (button, thumb, caption box) with its frame, rounded by the style's radius
// unless `radius` says otherwise.
void DrawFace(HDC dc, const RECT& rect, const TSkinStyle& style, FaceState state, int radius = -1);
// A tab of a tab control; `current` is the tab whose page shows, joined to the page below.
void DrawTab(HDC dc, const RECT& rect, const TSkinStyle& style, bool current);
// A title bar's background.
void DrawTitleBar(HDC dc, const RECT& rect, const TSkinStyle& style);
// A title-bar box (minimise, maximise, close) with its glyph.
void DrawTitleBox(HDC dc, const RECT& rect, const TSkinStyle& style, Glyph glyph, FaceState state);
// The keyboard-focus ring just inside a face's frame, rounded like the face.
void DrawFocusRing(HDC dc, const RECT& rect, const TSkinStyle& style);
// Centred in `rect`; `small` draws it a size smaller.
void DrawGlyph(HDC dc, const RECT& rect, Glyph glyph, COLORREF color, bool small = false);
// The boxes of check boxes and radio buttons, `rect` the square they fill.
void DrawCheckBox(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state);
void DrawRadioButton(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state);
// Text on a transparent background; '&' underlines the next letter unless DT_NOPREFIX.
void DrawLabel(HDC dc, RECT rect, const std::string& text, HFONT font, COLORREF color, UINT format);
// The size `text` takes in `font` on one line.
SIZE TextSize(HFONT font, const std::string& text);

}  // namespace vcl::skin
