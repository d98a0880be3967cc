// What the frame code needs from the library and the game's globals, for a
// fuzzer that never draws nor loads a picture.
#include <allegro.h>

#include "graphics/fichierbmp.h"
#include "shell/declar.h"

PALETTE palp1;
std::atomic<int32_t> t{0};

BITMAP* charger_bmp(const char*, RGB*) { return nullptr; }
