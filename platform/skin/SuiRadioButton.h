#pragma once
// TsuiRadioButton: a skinned radio button; a radio group makes one per item.
#include <functional>

#include "platform/skin/SuiStateButton.h"

namespace vcl {

class TsuiRadioButton : public TsuiStateButton {
public:
    OLZ_CLASS_INFO
    explicit TsuiRadioButton(TComponent* owner) : TsuiStateButton(owner, Kind::RadioButton) {}
    // Told before OnClick; the radio group listens here.
    std::function<void(TsuiRadioButton&)> OnClicked;
    // The first button of a group of radio buttons (WS_GROUP).
    void SetGroupStart(bool start) { groupStart_ = start; }

protected:
    void CreateParams(TCreateParams& params) override {
        TsuiStateButton::CreateParams(params);
        if (groupStart_) params.style |= WS_GROUP;
    }
    void Clicked() override {
        if (OnClicked) OnClicked(*this);
        TsuiStateButton::Clicked();
    }

private:
    bool groupStart_ = false;
};

}  // namespace vcl
