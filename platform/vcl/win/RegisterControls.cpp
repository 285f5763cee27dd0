#include "platform/vcl/win/RegisterControls.h"

#include "platform/vcl/Classes.h"

#include "platform/vcl/win/Image.h"
#include "platform/vcl/win/ImageList.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/Menus.h"
#include "platform/vcl/win/PageControl.h"
#include "platform/vcl/win/Panel.h"

namespace vcl {

void RegisterControlClasses() {
    for (const ClassInfo* info : {&TLabel::StaticClassInfo(), &TPanel::StaticClassInfo(),
                                  &TPageControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(),
                                  &TImageList::StaticClassInfo(), &TImage::StaticClassInfo(), &TMainMenu::StaticClassInfo(),
                                  &TMenuItem::StaticClassInfo()})
        RegisterComponentClass(*info);
}

}  // namespace vcl
