#pragma once
// TControl: what every visual component has: a place in its parent, bounds, alignment,
// caption, colour, font, enabled and visible states, and a hint. The window behind it is
// TWinControl's business; TControl tells it about changes through the *Changed hooks.
#include <array>
#include <string>

#include "platform/vcl/Component.h"
#include "platform/vcl/win/Graphics.h"

namespace vcl {

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
template <>
struct EnumNames<TAlign> {
    static constexpr std::array<std::string_view, 6> names{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
};

class TControl : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TControl(TComponent* owner);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent) = 0;
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    int Top() const { return top_; }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    int Width() const { return width_; }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    int Height() const { return height_; }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // The visible text: the window text of the control's window.
    virtual std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // A control with ParentColor shows its parent's background.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    // The background the control is painted on.
    virtual COLORREF BackgroundRGB() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // A control with ParentFont takes its parent's font and follows its changes; changing the
    // control's own font ends that.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

protected:
    // Bounds set by alignment, which must not start another alignment.
    void SetAlignedBounds(int left, int top, int width, int height);
    // Takes the parent's font when ParentFont says so.
    void FollowParentFont();

    virtual void BoundsChanged() {}
    virtual void AlignChanged() {}
    virtual void TextChanged() {}
    virtual void ColorChanged() {}
    virtual void EnabledChanged() {}
    virtual void VisibleChanged() {}
    virtual void FontChanged() {}
    virtual void HintChanged() {}

    TWinControl* parent_ = nullptr;

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    std::string caption_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool followingParentFont_ = false;
    std::string hint_;
};

}  // namespace vcl
