// The play and stop rules shared by the match and menu channels: a music
// sample (group 0) and a row of effects (group 1) of which only the last
// started one sounds.
#ifndef ZEF_CANAL_EFFETS_H
#define ZEF_CANAL_EFFETS_H

#include "son.h"

namespace canal {

// Starts effect `entree` if it loaded, stopping the effect started before.
void jouer_effet(SON* sfx, int nb, int& precedant, int entree, int pan = 128);
// Stops effect `entree` if it loaded, and remembers it as the last started.
void stop_effet(SON* sfx, int nb, int& precedant, int entree);
void stop_musique(SON& musique);
void liberer(SON* sons, int nb);

}  // namespace canal

#endif
