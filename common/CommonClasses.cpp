#include "common/CommonClasses.h"

#include "common/PBJustOne.h"
#include "common/WavePlay.h"

void RegisterCommonClasses() {
    vcl::RegisterClass(TPBJustOne::StaticClassInfo());
    vcl::RegisterClass(TWavePlayer::StaticClassInfo());
}
