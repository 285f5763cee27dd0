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

}  // namespace vcl
