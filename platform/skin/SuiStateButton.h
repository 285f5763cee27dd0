#pragma once
// The common part of skinned check boxes and radio buttons: an automatic BUTTON (so the check
// state, keyboard and BM_CLICK are the system's) painted in the skin. Checking from code runs
// no OnClick; a click (by the user or BM_CLICK) does.
#include "platform/skin/HotTracker.h"
#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

class TsuiStateButton : public TWinControl, public TSkinned {
public:
    bool Checked() const;
    void SetChecked(bool checked);
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }

protected:
    enum class Kind { CheckBox, RadioButton };
    TsuiStateButton(TComponent* owner, Kind kind);

    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UIStyleChanged() override { Invalidate(); }
    // After a click: the state is the new one.
    virtual void Clicked() { onClick_(this); }

private:
    void Paint(HDC dc);

    Kind kind_;
    bool checked_ = false;
    TEvent<void(TObject*)> onClick_;
    skin::HotTracker hot_;
};

}  // namespace vcl
