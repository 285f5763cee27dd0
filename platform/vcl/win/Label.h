#pragma once
// TLabel: a line or paragraph of text on a STATIC window, its caption the window text.
#include <array>

#include "platform/vcl/win/WinControl.h"

namespace vcl {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
template <>
struct EnumNames<TAlignment> {
    static constexpr std::array<std::string_view, 3> names{"taLeftJustify", "taRightJustify", "taCenter"};
};

class TLabel : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // The label takes the size of its text: with WordWrap only its height follows.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Drawn on the parent's background whatever the label's Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

protected:
    void CreateParams(TCreateParams& params) override;
    HBRUSH CtlColor(HDC dc) override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;

private:
    DWORD TextStyle() const;
    void StyleChanged();
    void AdjustSize();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

}  // namespace vcl
