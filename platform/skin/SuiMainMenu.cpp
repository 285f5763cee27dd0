#include "platform/skin/SuiMainMenu.h"

namespace vcl {

const ClassInfo& TsuiMainMenu::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiMainMenu>("TsuiMainMenu", &TMainMenu::StaticClassInfo())
                                      .Property("UIStyle", &TsuiMainMenu::UIStyle, &TsuiMainMenu::SetUIStyle,
                                                TsuiUIStyle::MacOS)
                                      .Creatable()
                                      .Build();
    return info;
}

}  // namespace vcl
