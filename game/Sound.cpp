#include "Sound.h"
#include <mmsystem.h>

GamePlaySoundFn GamePlaySound = &::PlaySoundA;
