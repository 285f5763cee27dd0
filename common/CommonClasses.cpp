#include "common/CommonClasses.h"

#include "common/PBJustOne.h"
#include "common/WavePlay.h"

void RegisterCommonClasses() {
    vcl::RegisterComponentClass(TPBJustOne::StaticClassInfo());
    vcl::RegisterComponentClass(TWavePlayer::StaticClassInfo());
}
