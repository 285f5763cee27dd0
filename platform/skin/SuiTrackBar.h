#pragma once
// TsuiTrackBar: a skinned track bar (msctls_trackbar32). OnChange runs whenever the position
// really changes: by the user (drag, click, keys, a scroll notification) or by SetPosition;
// never for an unchanged one. Positions outside Min..Max go to the nearer end.
#include <array>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

enum class TTrackBarOrientation { trHorizontal, trVertical };
template <>
struct EnumNames<TTrackBarOrientation> {
    static constexpr std::array<std::string_view, 2> names{"trHorizontal", "trVertical"};
};

class TsuiTrackBar : public TWinControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiTrackBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int pageSize);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);
    const TEvent<void(TObject*)>& OnChange() const { return onChange_; }
    void SetOnChange(TEvent<void(TObject*)> handler) { onChange_ = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void UIStyleChanged() override { Invalidate(); }

private:
    // Takes the position the control reached, and runs OnChange when it differs.
    void PositionReached(int position);
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int pageSize_ = 2;
    int frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TEvent<void(TObject*)> onChange_;
};

}  // namespace vcl
