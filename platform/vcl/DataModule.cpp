#include "platform/vcl/DataModule.h"

namespace vcl {

const ClassInfo& TDataModule::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TDataModule>("TDataModule", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

}  // namespace vcl
