#pragma once
// TPanel: a plain container with an optional bevel and a centred caption.
#include <array>

#include "platform/vcl/win/WinControl.h"

namespace vcl {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
template <>
struct EnumNames<TBevelCut> {
    static constexpr std::array<std::string_view, 3> names{"bvNone", "bvLowered", "bvRaised"};
};

class TPanel : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    RECT ClientArea() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

}  // namespace vcl
