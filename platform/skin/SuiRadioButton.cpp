#include "platform/skin/SuiRadioButton.h"

namespace vcl {

const ClassInfo& TsuiRadioButton::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiRadioButton>("TsuiRadioButton", &TWinControl::StaticClassInfo())
                                      .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
                                      .Property("Checked", &TsuiRadioButton::Checked, &TsuiRadioButton::SetChecked,
                                                false)
                                      .Property("UIStyle", &TsuiRadioButton::UIStyle, &TsuiRadioButton::SetUIStyle,
                                                TsuiUIStyle::MacOS)
                                      .Property("OnClick", &TsuiRadioButton::OnClick, &TsuiRadioButton::SetOnClick)
                                      .Creatable()
                                      .Build();
    return info;
}

}  // namespace vcl
