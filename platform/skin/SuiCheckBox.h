#pragma once
// TsuiCheckBox: a skinned check box.
#include "platform/skin/SuiStateButton.h"

namespace vcl {

class TsuiCheckBox : public TsuiStateButton {
public:
    OLZ_CLASS_INFO
    explicit TsuiCheckBox(TComponent* owner) : TsuiStateButton(owner, Kind::CheckBox) {}
};

}  // namespace vcl
