// The stage datafile is ours, written by the content generator: bitmaps
// stored without compression, each with its properties, and the tool's
// info record. Its structure is
// walked whole (every object's size against the file's length, every
// bitmap's size against its dimensions) before the library's datafile
// loader reads it, so that a damaged file is reported instead of crashing.
#ifndef ZEF_FICHIERPAK_H
#define ZEF_FICHIERPAK_H

#include <cstddef>
#include <cstdint>

// Why these bytes are not a stage datafile the game can load, or nullptr.
const char* defaut_pak(const uint8_t* octets, size_t taille);

// The same for a file on disk; a missing one is left to the loader.
const char* defaut_fichier_pak(const char* chemin);

#endif
