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

struct TSkinStyle {
    COLORREF background;        // windows, pages, groups, the menu bar
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
