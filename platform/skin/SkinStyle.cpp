#include "platform/skin/SkinStyle.h"

namespace vcl {

namespace {

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r | (g << 8) | (b << 16));
}

// In the order of TsuiUIStyle.
constexpr std::array<TSkinStyle, 5> kStyles{{
    // MacOS: light grey, square corners, a one-pixel grey frame, a graphite title.
    {Rgb(231, 231, 231), Rgb(127, 127, 127), Rgb(0, 0, 0), Rgb(150, 150, 150), Rgb(172, 172, 172),
     Rgb(122, 122, 122), Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(218, 218, 218), Rgb(255, 255, 255),
     Rgb(232, 238, 247), Rgb(196, 196, 196), Rgb(226, 226, 226), Rgb(56, 117, 215), Rgb(255, 255, 255),
     Rgb(56, 117, 215), Rgb(255, 255, 255), 24, 22},
    // WinXP: beige faces under a blue title.
    {Rgb(236, 233, 216), Rgb(0, 60, 116), Rgb(0, 0, 0), Rgb(161, 161, 146), Rgb(0, 88, 238), Rgb(0, 64, 196),
     Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(226, 223, 208), Rgb(255, 250, 230), Rgb(248, 214, 150),
     Rgb(206, 203, 188), Rgb(236, 233, 216), Rgb(49, 106, 197), Rgb(255, 255, 255), Rgb(49, 106, 197),
     Rgb(255, 255, 255), 24, 22},
    // DeepBlue: pale blue window, navy frame and title.
    {Rgb(214, 223, 239), Rgb(24, 48, 104), Rgb(0, 0, 0), Rgb(130, 140, 160), Rgb(58, 86, 152), Rgb(24, 48, 104),
     Rgb(255, 255, 255), Rgb(245, 248, 255), Rgb(190, 205, 232), Rgb(255, 255, 255), Rgb(208, 222, 248),
     Rgb(160, 180, 220), Rgb(200, 214, 240), Rgb(24, 48, 104), Rgb(255, 255, 255), Rgb(58, 86, 152),
     Rgb(255, 255, 255), 24, 22},
    // Protein: warm grey with green accents.
    {Rgb(228, 226, 220), Rgb(96, 110, 90), Rgb(20, 20, 20), Rgb(150, 150, 140), Rgb(176, 196, 150),
     Rgb(120, 148, 96), Rgb(20, 30, 10), Rgb(252, 252, 246), Rgb(214, 220, 200), Rgb(255, 255, 248),
     Rgb(226, 238, 208), Rgb(190, 200, 176), Rgb(220, 226, 210), Rgb(96, 136, 64), Rgb(255, 255, 250),
     Rgb(96, 136, 64), Rgb(255, 255, 255), 24, 22},
    // BlueGlass: airy blue-white with a glassy title.
    {Rgb(226, 236, 248), Rgb(92, 132, 184), Rgb(0, 0, 0), Rgb(140, 156, 176), Rgb(214, 232, 255),
     Rgb(142, 186, 240), Rgb(16, 40, 80), Rgb(255, 255, 255), Rgb(200, 222, 250), Rgb(255, 255, 255),
     Rgb(222, 238, 255), Rgb(168, 200, 240), Rgb(210, 228, 252), Rgb(40, 110, 200), Rgb(255, 255, 255),
     Rgb(40, 110, 200), Rgb(255, 255, 255), 24, 22},
}};

}  // namespace

const TSkinStyle& SkinStyleOf(TsuiUIStyle style) { return kStyles.at(static_cast<std::size_t>(style)); }

void TSkinned::SetUIStyle(TsuiUIStyle style) {
    if (style == uiStyle_) return;
    uiStyle_ = style;
    UIStyleChanged();
}

}  // namespace vcl
