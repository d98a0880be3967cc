// Animation files and pictures written by the tests.
#ifndef ZEF_TEST_FICHIER_ANIM_H
#define ZEF_TEST_FICHIER_ANIM_H

#include <map>
#include <string>
#include <utility>

#include "graphics/fichieranim.h"

// One record as the 40 tokens of the file, one per line.
std::string enregistrement(const DONNEES& d);

// A whole file of 900 records: the given (slot, position) records, every
// other position unused (a path that names no picture).
std::string fichier_anim(const std::map<std::pair<int, int>, DONNEES>& images);

// A record for the picture `chemin`, shown `duree` ticks; `boucle` marks it
// as its animation's loop target.
DONNEES image(const char* chemin, int duree = 10, bool boucle = false);

// Writes a w x h 16-bit picture filled with `couleur` (r, g, b) as a BMP.
void ecrire_bmp(const std::string& chemin, int w, int h, int r, int g, int b);

#endif
