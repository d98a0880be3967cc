// The story: shiz against talon, vishvakarman and the panda in turn, each
// fight preceded by a dialogue screen, ending in a game-over or the ending.
#ifndef ZEF_HISTOIRE_H
#define ZEF_HISTOIRE_H

#include "../engine/parammoteur.h"
#include "../sound/son.h"
#include "recit.h"

class HISTOIRE {
public:
    bool mouse_over = false;   // set by the first hover over a "+": the hover sound plays once per run
    int ytextL = 0;

    // The opponent gets a level around `niveau` and as many random points.
    void generer_carac(ParamJoueur& PJ, int niveau);
    // The screen before a fight; returns on a key.
    void histoire_dialogue(ParamMoteur* parMoteur, CANALMENU son);
    void game_over();
    void game_winned(CARACTERISTIQUES carac);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& son);

    // -- The enhanced story --
    // The opponent of a chapter: its own record with as many points as the
    // hero has spent, plus `ecart` (never fewer than none); the hero's own
    // points to begin with when it is the hero's double. Its level is the
    // hero's, `ecart` above or below.
    static void generer_adversaire(ParamJoueur& adversaire, const ParamJoueur& heros, int ecart, bool double_du_heros);
    // The chapter's dialogue screen, until a key; false for Escape (the
    // story is left).
    bool recit_dialogue(ParamMoteur* parMoteur, const Chapitre& chapitre, CANALMENU& son);
    // After a lost fight: true for CONTINUER (fight it again), false for
    // ABANDONNER or Escape.
    bool defaite(PERSO vainqueur, CANALMENU& son);
    // The hero's illustrated ending, with the level reached.
    void fin_illustree(const Recit& recit, int niveau);

    // The opponent's level as the dialogue screen shows it.
    static int niveau_adversaire(const CARACTERISTIQUES& c)
    {
        return 1 + c.bonusforce + c.bonusdexterite + c.bonusconstitution + c.bonusarcanes;
    }

private:
    // A black screen with a large message and the prompt, until a key.
    void ecran_final(const char* message);
};

#endif
