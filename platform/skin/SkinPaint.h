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
// A raised face (button, thumb, tab) with its frame.
void DrawFace(HDC dc, const RECT& rect, const TSkinStyle& style, FaceState state);
// The keyboard-focus ring just inside a face's frame.
void DrawFocusRing(HDC dc, const RECT& rect, const TSkinStyle& style);
void DrawGlyph(HDC dc, const RECT& rect, Glyph glyph, COLORREF color);
// The boxes of check boxes and radio buttons, `rect` the square they fill.
void DrawCheckBox(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state);
void DrawRadioButton(HDC dc, const RECT& rect, const TSkinStyle& style, bool checked, FaceState state);
// Text on a transparent background; '&' underlines the next letter unless DT_NOPREFIX.
void DrawLabel(HDC dc, RECT rect, const std::string& text, HFONT font, COLORREF color, UINT format);
// The size `text` takes in `font` on one line.
SIZE TextSize(HFONT font, const std::string& text);

}  // namespace vcl::skin
