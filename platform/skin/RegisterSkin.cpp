#include "platform/skin/RegisterSkin.h"

#include "platform/vcl/win/RegisterControls.h"

namespace vcl {

void RegisterSkinClasses() {
    RegisterControlClasses();
}

}  // namespace vcl
