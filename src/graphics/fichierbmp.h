// Pictures are read from disk, where anything can happen to them: a BMP is
// checked whole (header, sizes, depth, compression, every offset and run
// against the file's length) before the library's loader sees a byte of it,
// and the loader then reads the very bytes that were checked.
#ifndef ZEF_FICHIERBMP_H
#define ZEF_FICHIERBMP_H

#include <allegro.h>

#include <cstddef>
#include <cstdint>

// The largest picture the game accepts: wider than any stage, and few
// enough pixels that a picture never takes more than 64 MiB.
constexpr int BMP_COTE_MAX = 8192;
constexpr int64_t BMP_PIXELS_MAX = 16 * 1024 * 1024;

// Why these bytes are not a BMP the game can load, or nullptr when they are.
const char* defaut_bmp(const uint8_t* octets, size_t taille);

// load_bitmap for a checked file: nullptr when the file is missing or
// unfit; an unfit one is reported on stderr with its name, once per load.
BITMAP* charger_bmp(const char* chemin, RGB* palette);
// The same for a file already in memory; `nom` names it in the report.
BITMAP* lire_bmp(const uint8_t* octets, size_t taille, RGB* palette, const char* nom);

#endif
