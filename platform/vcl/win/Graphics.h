#pragma once
// Colours and fonts of controls: TColor (an RGB value or a system colour), TFont (a nested
// object of a control, stored as "Font.Name" ...), and the shared solid brushes.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/win/EnumSet.h"
#include "platform/vcl/win/WinHandles.h"

namespace vcl {

// 0x00BBGGRR, or 0xFF0000nn for the system colour nn (negative as a signed number).
enum class TColor : std::int32_t {};

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
constexpr TColor SystemColor(int index) { return static_cast<TColor>(static_cast<std::int32_t>(0xFF000000u | static_cast<unsigned>(index))); }

inline constexpr TColor clBlack = RGBColor(0, 0, 0);
inline constexpr TColor clMaroon = RGBColor(128, 0, 0);
inline constexpr TColor clGreen = RGBColor(0, 128, 0);
inline constexpr TColor clNavy = RGBColor(0, 0, 128);
inline constexpr TColor clGray = RGBColor(128, 128, 128);
inline constexpr TColor clSilver = RGBColor(192, 192, 192);
inline constexpr TColor clRed = RGBColor(255, 0, 0);
inline constexpr TColor clBlue = RGBColor(0, 0, 255);
inline constexpr TColor clWhite = RGBColor(255, 255, 255);
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
// Not a colour: "whatever the control's look gives".
inline constexpr TColor clDefault = static_cast<TColor>(0x20000000);

COLORREF ColorToRGB(TColor color);

template <>
struct PropertyCodec<TColor> {
    static PropValue Encode(TColor color);
    static TColor Decode(const PropValue& value);  // a colour name or a number
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
template <>
struct EnumNames<TFontStyle> {
    static constexpr std::array<std::string_view, 4> names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
};
using TFontStyles = TSet<TFontStyle>;

class TFont : public TPersistent {
public:
    OLZ_CLASS_INFO
    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Negative: the character height in pixels; positive: the cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // In points at 96 pixels per inch; another way of writing Height.
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    // The character set the font is made for (DEFAULT_CHARSET, ANSI_CHARSET, ...).
    std::uint8_t Charset() const { return charset_; }
    void SetCharset(std::uint8_t charset);

    // Takes all of another font's values, as one change.
    void Assign(const TFont& other);
    HFONT Handle() const;

    // Called after every change.
    std::function<void()> OnChange;

private:
    void Changed();

    TColor color_ = clWindowText;
    int height_ = -11;
    std::string name_ = "Tahoma";
    TFontStyles style_;
    std::uint8_t charset_ = DEFAULT_CHARSET;
    mutable win::UniqueFont handle_;
};

namespace win {
// A solid brush of the colour, kept for the program's life; the same colour gives the same brush.
HBRUSH SolidBrush(COLORREF color);
}  // namespace win

}  // namespace vcl
