#pragma once
// The skin styles as data: one record of colours and sizes per style. Controls draw from the
// record of their UIStyle; no control has code of its own for a style.
#include <windows.h>

#include <array>
#include <string_view>

#include "platform/vcl/Classes.h"

namespace vcl {

enum class TsuiUIStyle { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
template <>
struct EnumNames<TsuiUIStyle> {
    static constexpr std::array<std::string_view, 5> names{"MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
};

// How the boxes of a title bar (minimise, maximise, close) are drawn.
enum class TitleBoxShape {
    Glyph,   // the glyph alone; a face shows under the mouse
    Round,   // a round face per box
    Square,  // a rounded square face per box, the close box in its own colour
};

struct TSkinStyle {
    COLORREF background;        // windows, pages, groups
    COLORREF border;            // one-pixel frames of windows and controls
    COLORREF text;
    COLORREF disabledText;
    COLORREF titleTop;          // title bar, a vertical gradient
    COLORREF titleBottom;
    COLORREF titleText;
    COLORREF faceTop;           // buttons, thumbs, tabs and caption boxes
    COLORREF faceBottom;
    COLORREF faceHotTop;        // the same under the mouse
    COLORREF faceHotBottom;
    COLORREF facePressedTop;
    COLORREF facePressedBottom;
    COLORREF accent;            // focus rings, the default button, check marks, radio dots
    COLORREF field;             // the inside of lists, boxes and the track
    COLORREF selection;         // highlighted items and menu entries
    COLORREF selectionText;
    int titleHeight;
    int menuBarHeight;

    COLORREF faceText;          // captions on faces: buttons and tabs not shown
    COLORREF faceBorder;        // the frame of faces (buttons, thumbs, boxes, tabs)
    COLORREF hotBorder;         // the frame of a face under the mouse
    COLORREF menuBarTop;        // the menu bar, a vertical gradient
    COLORREF menuBarBottom;
    COLORREF menuBarText;
    COLORREF tabMark;           // a band across the top of the shown tab
    int tabMarkHeight;          // 0: none
    COLORREF heading;           // captions of radio groups
    COLORREF trackFill;         // the part of a track bar's groove before the thumb
    COLORREF titleBoxFace;      // title-bar boxes of TitleBoxShape::Round and Square
    COLORREF titleBoxClose;     // the close box of TitleBoxShape::Square
    COLORREF titleBoxGlyph;     // glyphs on those faces
    COLORREF titleLine;         // the line under the title bar when no menu bar follows
    int faceRadius;             // corner rounding of buttons, thumbs and title boxes; 0 square
    int tabRadius;              // corner rounding of the top of tabs; 0 square
    bool gloss;                 // faces and title: a bright upper half over a deeper lower half
    bool centredTitle;          // the caption centred in the title bar rather than after the icon
    TitleBoxShape titleBoxes;
};

const TSkinStyle& SkinStyleOf(TsuiUIStyle style);

// What a skinned control has in common: its own UIStyle, restyling at once when it changes.
class TSkinned {
public:
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    const TSkinStyle& Skin() const { return SkinStyleOf(uiStyle_); }

protected:
    TSkinned() = default;
    ~TSkinned() = default;
    TSkinned(const TSkinned&) = default;
    TSkinned& operator=(const TSkinned&) = default;
    virtual void UIStyleChanged() = 0;

private:
    TsuiUIStyle uiStyle_ = TsuiUIStyle::MacOS;
};

}  // namespace vcl
