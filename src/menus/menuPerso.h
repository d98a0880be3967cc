// The fighter selection: player 1 then player 2 pick a fighter with the
// mouse; with progression on, bonus points can be spent on the spot; a key
// starts the match, Escape steps back.
#ifndef ZEF_MENUPERSO_H
#define ZEF_MENUPERSO_H

#include <functional>
#include <string>

#include "../engine/parammoteur.h"
#include "../story/texte.h"
#include "lien.h"

// The six lines of a fighter's statistics block: level, the four
// characteristics with their bonuses, experience.
struct LignesStats {
    std::string lignes[6];
};
// `corriges`: the characteristics under their own names (the classic block
// calls the constitution "VIG" and the arcana "CON").
LignesStats lignes_stats(const CARACTERISTIQUES& c, bool corriges = false);

// Prints a statistics block from (x, y) down, one line per text height;
// right-aligned on x when `droite`.
void afficher_stats(BITMAP* b, ALFONT_FONT* f, const CARACTERISTIQUES& c, int x, int y, int couleur, bool droite,
                    bool corriges = false);
// "1 point à répartir", "3 points à répartir" (Latin-1).
std::string points_a_repartir(int n);

// Spends one bonus point through a side's "+" buttons when one is clicked:
// only on a characteristic below 12, saved at once. True when spent.
bool depenser_bonus(MENU_XP& boutons, ParamJoueur& joueur, CANALMENU& son, bool& mouse_over, bool sonore);
// Draws the "+" buttons whose characteristic can still rise.
void afficher_bonus(BITMAP* b, const MENU_XP& boutons, const CARACTERISTIQUES& c);

// The stage buttons shown once both fighters are chosen: the three stages
// in their order, then the draw.
constexpr int DECOR_HASARD = 3;
constexpr int NB_CHOIX_DECOR = 4;
// The next choice to the right (sens 1) or the left (-1), round the strip.
int decor_voisin(int choix, int sens);
// The stage fought on for a choice; the draw picks one with `tirage`.
STAGE decor_de_choix(int choix, int tirage);
// Whether a screen point is on the VS badge.
bool sur_le_badge_vs(int x, int y);

// What Escape does on the selection screen.
enum EtapeEchap { ANNULE_J2, ANNULE_J1, RETOUR_MENU };
EtapeEchap etape_echap(int p1choix, int p2choix);

class Salon;
// How the online selection ended.
enum IssueSelectionEnLigne { SELECTION_LANCEE, SELECTION_QUITTEE, SELECTION_ROMPUE };

class MenuSP {
public:
    LIEN LienPerso[4];
    ObjetGraph ImgPerso[4];
    ObjetGraph P1Choix;
    ObjetGraph P2Choix;
    ObjetGraph fond;
    ObjetGraph logo;
    BITMAP* curseur = nullptr;
    BITMAP* b = nullptr;
    bool mouse_over = false;
    int p1choix = -1;
    int p2choix = -1;
    MENU_XP p1xp;
    MENU_XP p2xp;
    LIEN LienDecor[NB_CHOIX_DECOR];
    ObjetGraph titre_decor;
    int decor = -1;   // the stage button chosen, once both fighters are
    FontClass font1;
    FontClass font2;
    FontClass fontload;

    void InitMenu();
    void DestroyMenu();
    // True when the match is to start, false when the player backed out.
    // `seul`: only player 1 chooses (the enhanced story).
    bool ChoixSP(ParamMoteur* p, CANALMENU son, bool seul = false);
    // Online: this game's player picks its side's fighter (the host side 1,
    // the guest side 2) with its own mouse, and sees the other's as it is
    // chosen. `servir` keeps the link and the meeting going each pass (false:
    // it ended); `etat` is the line that says how the link is. Escape takes
    // the choice back, then leaves. LANCEE: the host has both sides ready, or
    // the guest has the host's start waiting in the meeting.
    IssueSelectionEnLigne ChoixEnLigne(ParamMoteur* p, CANALMENU& son, Salon& salon, const std::function<bool()>& servir,
                                       const std::function<std::string()>& etat);
    // The fighter clicked (after the click sound), or -1.
    int LeMenu(CANALMENU& son);
    void test_interaction(CANALMENU& son);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& son) { return survol_sonore(obj, son, mouse_over); }
    bool mouse_over_bmp(const ObjetGraph& obj);

private:
    void afficher_choix(ParamMoteur* p, int cote, const Regles& regles);
    // Spends the sides' bonus points through their "+" buttons.
    void bonus(ParamMoteur* p, CANALMENU& son);
    // The stage strip: hovered or chosen buttons lit; a click chooses.
    void choisir_decor(CANALMENU& son);
    bool souris_relachee_ = true;
};

// Stage of a versus match from player 1's fighter.
STAGE decor_du_perso(int perso);

#endif
