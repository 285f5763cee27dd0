#include "platform/vcl/DataModule.h"

namespace vcl {

const ClassInfo& TDataModule::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TDataModule>("TDataModule", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

bool InheritsFromClass(const TObject& object, std::string_view className) {
    for (const ClassInfo* info = &object.ClassType(); info; info = info->Parent())
        if (SameText(info->Name(), className)) return true;
    return false;
}

}  // namespace vcl
