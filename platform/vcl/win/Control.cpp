#include "platform/vcl/win/Control.h"

#include "platform/vcl/win/WinControl.h"

namespace vcl {

const ClassInfo& TControl::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TControl>("TControl", &TComponent::StaticClassInfo())
            .Property("Left", &TControl::Left, &TControl::SetLeft, 0)
            .Property("Top", &TControl::Top, &TControl::SetTop, 0)
            .Property("Width", &TControl::Width, &TControl::SetWidth, 0)
            .Property("Height", &TControl::Height, &TControl::SetHeight, 0)
            .Property("Align", &TControl::Align, &TControl::SetAlign, TAlign::alNone)
            .Property("Caption", &TControl::Caption, &TControl::SetCaption)
            .Property("Color", &TControl::Color, &TControl::SetColor, clBtnFace)
            .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
            .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
            .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
            .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
            .Property("Hint", &TControl::Hint, &TControl::SetHint)
            .Property("Visible", &TControl::Visible, &TControl::SetVisible, true)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] {
        if (!followingParentFont_) parentFont_ = false;
        FontChanged();
    };
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* control = dynamic_cast<TWinControl*>(parent)) SetParent(control);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    SetAlignedBounds(left, top, width, height);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::SetAlignedBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    AlignChanged();
    if (parent_) parent_->Realign();
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    caption_ = caption;
    TextChanged();
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    parentColor_ = parentColor;
    ColorChanged();
}

COLORREF TControl::BackgroundRGB() const {
    if (parentColor_ && parent_) return parent_->BackgroundRGB();
    return ColorToRGB(color_);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    FollowParentFont();
}

void TControl::FollowParentFont() {
    if (!parentFont_ || !parent_) return;
    followingParentFont_ = true;
    font_.Assign(parent_->Font());
    followingParentFont_ = false;
}

void TControl::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    HintChanged();
}

}  // namespace vcl
