#pragma once
// TDataModule: a container of non-visual components with no window, the other kind of owner
// (besides a form) that components stored with a definition may have.
#include "platform/vcl/Component.h"

namespace vcl {

class TDataModule : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TDataModule(TComponent* owner) : TComponent(owner) {}
};

// Whether `object` is of the named framework class or a descendant of it. Form classes live in
// the Windows half, so portable code recognises them by their class names.
bool InheritsFromClass(const TObject& object, std::string_view className);

}  // namespace vcl
