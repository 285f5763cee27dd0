#include "common/CommonClasses.h"

#include "common/PBJustOne.h"

void RegisterCommonClasses() { vcl::RegisterClass(TPBJustOne::StaticClassInfo()); }
