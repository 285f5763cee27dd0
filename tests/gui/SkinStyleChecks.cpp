// The five styles as data: every text legible on what it is drawn on, and no two styles a
// user could mistake for each other.
#include "platform/skin/SkinStyle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using vcl::TSkinStyle;
using vcl::TsuiUIStyle;

constexpr TsuiUIStyle kAll[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                TsuiUIStyle::BlueGlass};

std::string NameOf(TsuiUIStyle style) {
    return std::string(vcl::EnumNames<TsuiUIStyle>::names[static_cast<std::size_t>(style)]);
}

double Luminance(COLORREF color) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(color)) + 0.7152 * linear(GetGValue(color)) + 0.0722 * linear(GetBValue(color));
}

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(COLORREF a, COLORREF b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double Distance(COLORREF a, COLORREF b) {
    const auto d = [](int x, int y) { return static_cast<double>(x - y) * (x - y); };
    return std::sqrt(d(GetRValue(a), GetRValue(b)) + d(GetGValue(a), GetGValue(b)) + d(GetBValue(a), GetBValue(b)));
}

using Color = COLORREF TSkinStyle::*;

TEST(SkinStyle, EveryTextIsLegibleOnWhatItIsDrawnOn) {
    struct Pair {
        const char* what;
        Color text;
        Color ground;
    };
    const Pair pairs[] = {
        {"labels on windows", &TSkinStyle::text, &TSkinStyle::background},
        {"list items", &TSkinStyle::text, &TSkinStyle::field},
        {"group captions", &TSkinStyle::heading, &TSkinStyle::background},
        {"captions on faces (top)", &TSkinStyle::faceText, &TSkinStyle::faceTop},
        {"captions on faces (bottom)", &TSkinStyle::faceText, &TSkinStyle::faceBottom},
        {"captions on hot faces", &TSkinStyle::faceText, &TSkinStyle::faceHotBottom},
        {"captions on pressed faces", &TSkinStyle::faceText, &TSkinStyle::facePressedTop},
        {"title (top)", &TSkinStyle::titleText, &TSkinStyle::titleTop},
        {"title (bottom)", &TSkinStyle::titleText, &TSkinStyle::titleBottom},
        {"menu bar (top)", &TSkinStyle::menuBarText, &TSkinStyle::menuBarTop},
        {"menu bar (bottom)", &TSkinStyle::menuBarText, &TSkinStyle::menuBarBottom},
        {"selected items", &TSkinStyle::selectionText, &TSkinStyle::selection},
        {"menu entries", &TSkinStyle::text, &TSkinStyle::field},
    };
    for (TsuiUIStyle style : kAll) {
        const TSkinStyle& skin = vcl::SkinStyleOf(style);
        for (const Pair& pair : pairs)
            EXPECT_GE(Contrast(skin.*pair.text, skin.*pair.ground), 4.5) << NameOf(style) << ": " << pair.what;
        // Dialogs may ask for a white caption whatever the style.
        EXPECT_GE(Contrast(RGB(255, 255, 255), skin.titleBottom), 4.5) << NameOf(style) << ": a white caption";
        EXPECT_GE(Contrast(skin.titleBoxGlyph, skin.titleBoxFace), 3.0) << NameOf(style) << ": title boxes";
    }
}

TEST(SkinStyle, EveryTwoStylesDifferAtAGlance) {
    // The parts that fill most of a window; two styles must differ clearly in at least two.
    const Color parts[] = {&TSkinStyle::titleBottom, &TSkinStyle::menuBarTop, &TSkinStyle::background,
                           &TSkinStyle::faceBottom, &TSkinStyle::accent};
    for (TsuiUIStyle a : kAll)
        for (TsuiUIStyle b : kAll) {
            if (a >= b) continue;
            int different = 0;
            for (Color part : parts)
                if (Distance(vcl::SkinStyleOf(a).*part, vcl::SkinStyleOf(b).*part) > 48) ++different;
            EXPECT_GE(different, 2) << NameOf(a) << " and " << NameOf(b);
        }
}

TEST(SkinStyle, MacOSKeepsTheLookTheWindowsWereDesignedIn) {
    const TSkinStyle& macOS = vcl::SkinStyleOf(TsuiUIStyle::MacOS);
    EXPECT_EQ(macOS.background, RGB(231, 231, 231));
    EXPECT_EQ(macOS.border, RGB(127, 127, 127));
    EXPECT_EQ(macOS.menuBarTop, macOS.background);
    EXPECT_EQ(macOS.menuBarBottom, macOS.background);
    EXPECT_EQ(macOS.menuBarHeight, 22);
    EXPECT_EQ(macOS.tabRadius, 0) << "square tabs";
}

}  // namespace
