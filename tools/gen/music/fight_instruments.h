#pragma once
// The patches written for the stages' music, beside the studio synth of
// instruments.h: a driven guitar and a riser for the airport, funk bass,
// clavinet, brass and electric piano for the town, and the temple's sitar,
// tanpura and bansuri flute. Played through play_instrument (patches.h).

#include "music/patches.h"

const PatchTable& stage_patches();
