#pragma once
// TsuiButton: a push button (an owner-drawn BUTTON) with a skinned face. A click sets the
// form's ModalResult to the button's, then runs OnClick. A Default button answers Enter, a
// Cancel button Esc.
#include "platform/skin/HotTracker.h"
#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/win/Form.h"

namespace vcl {

class TsuiButton : public TWinControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiButton(TComponent* owner);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }

    void Click();
    bool HandleDialogCommand(WORD command) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UIStyleChanged() override { Invalidate(); }

private:
    void Paint(const DRAWITEMSTRUCT& item);

    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
    TEvent<void(TObject*)> onClick_;
    skin::HotTracker hot_;
};

}  // namespace vcl
