#pragma once
// TsuiMainMenu: a main menu with a UIStyle of its own; a skinned frame draws its bar and its
// popups in that style.
#include "platform/skin/SkinStyle.h"
#include "platform/vcl/win/Menus.h"

namespace vcl {

class TsuiMainMenu : public TMainMenu, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiMainMenu(TComponent* owner) : TMainMenu(owner) {}

protected:
    void UIStyleChanged() override {
        if (OnChange) OnChange();
    }
};

}  // namespace vcl
