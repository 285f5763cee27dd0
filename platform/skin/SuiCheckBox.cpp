#include "platform/skin/SuiCheckBox.h"

namespace vcl {

const ClassInfo& TsuiCheckBox::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiCheckBox>("TsuiCheckBox", &TWinControl::StaticClassInfo())
                                      .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
                                      .Property("Checked", &TsuiCheckBox::Checked, &TsuiCheckBox::SetChecked, false)
                                      .Property("UIStyle", &TsuiCheckBox::UIStyle, &TsuiCheckBox::SetUIStyle,
                                                TsuiUIStyle::MacOS)
                                      .Property("OnClick", &TsuiCheckBox::OnClick, &TsuiCheckBox::SetOnClick)
                                      .Creatable()
                                      .Build();
    return info;
}

}  // namespace vcl
