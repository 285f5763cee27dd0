#include "platform/vcl/win/RegisterControls.h"

// Before <windows.h>, which renames RegisterClass to RegisterClassA.
#include "platform/vcl/Classes.h"

#include "platform/vcl/win/ImageList.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/Menus.h"
#include "platform/vcl/win/PageControl.h"
#include "platform/vcl/win/Panel.h"

// Here RegisterClass is the framework's.
#undef RegisterClass

namespace vcl {

void RegisterControlClasses() {
    for (const ClassInfo* info : {&TLabel::StaticClassInfo(), &TPanel::StaticClassInfo(),
                                  &TPageControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(),
                                  &TImageList::StaticClassInfo(), &TMainMenu::StaticClassInfo(),
                                  &TMenuItem::StaticClassInfo()})
        RegisterClass(*info);
}

}  // namespace vcl
