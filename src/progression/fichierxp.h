// The experience file of a fighter: an empty line, then the ten fields of
// its characteristics, one signed decimal per line, LF line ends.
#ifndef ZEF_FICHIERXP_H
#define ZEF_FICHIERXP_H

#include <cstdio>

#include "xp.h"

// Reads the ten numbers in order, skipping any white space around them (CR LF
// and a missing first line are fine). A number that does not read leaves its
// field and every later one as they were. Returns how many were read.
int lire_fichier_xp(std::FILE* f, CARACTERISTIQUES& c);
// Writes the file's exact bytes; false when a write fails.
bool ecrire_fichier_xp(std::FILE* f, const CARACTERISTIQUES& c);

#endif
