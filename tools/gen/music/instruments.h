#pragma once
// The studio synth: lead, bass, pad, pluck and bell, the patches the menu
// theme is written for. Played through play_instrument (patches.h).

#include "music/patches.h"

const PatchTable& studio_patches();
