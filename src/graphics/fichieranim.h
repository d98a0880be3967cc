// Reading a fighter's (or a projectile's) animation file: 60 slots of 15
// frame records, slot-major, each record 40 white-space separated tokens.
#ifndef ZEF_FICHIERANIM_H
#define ZEF_FICHIERANIM_H

#include <cstdio>

#include "imganim.h"

constexpr int NB_SLOTS = 60;
constexpr int NB_POSITIONS = 15;
constexpr int NB_ENREGISTREMENTS = NB_SLOTS * NB_POSITIONS;

struct TableAnim {
    DONNEES rec[NB_SLOTS][NB_POSITIONS];
};

// Fills the table in file order and returns how many records were read in
// full. Reading stops at the first token that is missing or does not read as
// its type: that record and every later one stay blank (unused positions,
// whose empty path loads no picture). A path longer than 49 characters
// leaves its record unused too. Every number is brought within the range
// the game can use.
int lire_fichier_anim(std::FILE* f, TableAnim& table);

#endif
