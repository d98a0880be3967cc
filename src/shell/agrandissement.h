// Scaling a finished 16-bit frame to the size it is shown at. Sharp keeps
// every pixel a block of whole display pixels (nearest); smooth blends the
// four nearest pixels (bilinear), softer at sizes that are not whole factors.
#ifndef ZEF_AGRANDISSEMENT_H
#define ZEF_AGRANDISSEMENT_H

#include <allegro.h>

enum class Lissage { net, lisse };

// Fills all of `dest` (a 16-bit memory bitmap of any size) with `source`
// (16-bit) scaled to it.
void agrandir(const BITMAP* source, BITMAP* dest, Lissage l);

#endif
