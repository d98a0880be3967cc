// Online play from the EN LIGNE button to the title screen again: the
// online screen connects the two games, then they meet, choose, fight, and
// choose again for a rematch until one leaves or the link fails.
#ifndef ZEF_PARTIE_EN_LIGNE_H
#define ZEF_PARTIE_EN_LIGNE_H

#include "../engine/parammoteur.h"
#include "../menus/enligne.h"
#include "../menus/menuPerso.h"
#include "../reseau/match_en_ligne.h"
#include "../reseau/salon.h"

// `reglages`: the game's own settings (this player's keys, progression,
// edition); only this player's own fighter's record is ever written.
void jouer_en_ligne(const ParamMoteur& reglages, MenuSP& selection, CANALMENU& son, const DepartEcranEnLigne& depart);

// How a match played online ended, as this game saw it.
struct FinMatchEnLigne {
    Issue issue = Issue::en_cours;
    int64_t tick = 0;         // the desynchronised tick
    bool quitte_ici = false;  // this player left with Escape
    std::string rejeu;        // where the replay was kept, "" if nowhere
};

// One match to its end: the rollback session over the link, the frames, the
// F3 indicator (round trip, corrections per second) and the "attente" mark.
FinMatchEnLigne jouer_match_en_ligne(const Depart& d, int local, TransportLiaison& transport, Liaison& liaison,
                                     const ParamMoteur& reglages);

// With progression on in both games, this player's own fighter's record
// takes the experience it ended the match with; nothing else is written.
void garder_experience_en_ligne(const ParamMoteur& reglages, const MatchEnLigne& match, int local, const Rejeu& entete);

#endif
