#include "platform/vcl/win/Graphics.h"

#include <map>
#include <utility>

namespace vcl {

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor kColorNames[] = {
    {"clBlack", clBlack},         {"clMaroon", clMaroon},       {"clGreen", clGreen},
    {"clNavy", clNavy},           {"clGray", clGray},           {"clSilver", clSilver},
    {"clRed", clRed},             {"clBlue", clBlue},           {"clWhite", clWhite},
    {"clBtnFace", clBtnFace},     {"clBtnText", clBtnText},     {"clWindow", clWindow},
    {"clWindowText", clWindowText}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clGrayText", clGrayText},   {"clDefault", clDefault},
};

}  // namespace

COLORREF ColorToRGB(TColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(value & 0xFFu));
    return value & 0x00FFFFFFu;
}

PropValue PropertyCodec<TColor>::Encode(TColor color) {
    for (const NamedColor& named : kColorNames)
        if (named.color == color) return Ident{named.name};
    return static_cast<std::int64_t>(static_cast<std::int32_t>(color));
}

TColor PropertyCodec<TColor>::Decode(const PropValue& value) {
    if (value.Is<Ident>()) {
        for (const NamedColor& named : kColorNames)
            if (SameText(named.name, value.As<Ident>().name)) return named.color;
        ThrowInvalidPropertyValue();
    }
    return static_cast<TColor>(PropertyCodec<std::int32_t>::Decode(value));
}

const ClassInfo& TFont::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TFont>("TFont", &TPersistent::StaticClassInfo())
                                      .Property("Color", &TFont::Color, &TFont::SetColor, clWindowText)
                                      .Property("Height", &TFont::Height, &TFont::SetHeight, -11)
                                      .Property("Name", &TFont::Name, &TFont::SetName, "Tahoma")
                                      .Property("Size", &TFont::Size, &TFont::SetSize)
                                      .Transient()
                                      .Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles{})
                                      .Property("Charset", &TFont::Charset, &TFont::SetCharset,
                                                std::uint8_t{DEFAULT_CHARSET})
                                      .Build();
    return info;
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, 96, 72)); }

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(std::uint8_t charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (&other == this) return;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    style_ = other.style_;
    charset_ = other.charset_;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        handle_.Reset(CreateFontA(height_, 0, 0, 0, style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL,
                                  style_.Contains(TFontStyle::fsItalic), style_.Contains(TFontStyle::fsUnderline),
                                  style_.Contains(TFontStyle::fsStrikeOut), charset_, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name_.c_str()));
    }
    return handle_.Get();
}

void TFont::Changed() {
    handle_.Reset();
    if (OnChange) OnChange();
}

namespace win {

HBRUSH SolidBrush(COLORREF color) {
    static std::map<COLORREF, UniqueBrush> brushes;
    UniqueBrush& brush = brushes[color];
    if (!brush) brush.Reset(CreateSolidBrush(color));
    return brush.Get();
}

}  // namespace win

}  // namespace vcl
