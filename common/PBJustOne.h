#pragma once
// TPBJustOne: dropped on the main form, it keeps the program to one copy. When it is created
// and another top-level window has the class and title of our application window, that other
// copy is brought forward (restored if minimised) and this one ends at once, with exit code 0.
#include "platform/vcl/Component.h"

class TPBJustOne : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TPBJustOne(vcl::TComponent* owner);
};
