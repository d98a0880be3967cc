// The fighter selection: player 1 then player 2 pick a fighter with the
// mouse; with progression on, bonus points can be spent on the spot; a key
// starts the match, Escape steps back.
#ifndef ZEF_MENUPERSO_H
#define ZEF_MENUPERSO_H

#include <string>

#include "../engine/parammoteur.h"
#include "../story/texte.h"
#include "lien.h"

// The six lines of a fighter's statistics block: level, the four
// characteristics with their bonuses, experience.
struct LignesStats {
    std::string lignes[6];
};
LignesStats lignes_stats(const CARACTERISTIQUES& c);

// Prints a statistics block from (x, y) down, one line per text height;
// right-aligned on x when `droite`.
void afficher_stats(BITMAP* b, ALFONT_FONT* f, const CARACTERISTIQUES& c, int x, int y, int couleur, bool droite);

// Spends one bonus point through a side's "+" buttons when one is clicked:
// only on a characteristic below 12, saved at once. True when spent.
bool depenser_bonus(MENU_XP& boutons, ParamJoueur& joueur, CANALMENU& son, bool& mouse_over, bool sonore);
// Draws the "+" buttons whose characteristic can still rise.
void afficher_bonus(BITMAP* b, const MENU_XP& boutons, const CARACTERISTIQUES& c);

// What Escape does on the selection screen.
enum EtapeEchap { ANNULE_J2, ANNULE_J1, RETOUR_MENU };
EtapeEchap etape_echap(int p1choix, int p2choix);

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
    FontClass font1;
    FontClass font2;
    FontClass fontload;

    void InitMenu();
    void DestroyMenu();
    // True when the match is to start, false when the player backed out.
    bool ChoixSP(ParamMoteur* p, CANALMENU son);
    // The fighter clicked (after the click sound), or -1.
    int LeMenu(CANALMENU& son);
    void test_interaction(CANALMENU& son);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& son) { return survol_sonore(obj, son, mouse_over); }
    bool mouse_over_bmp(const ObjetGraph& obj);

private:
    void afficher_choix(ParamMoteur* p, int cote);
};

// Stage of a versus match from player 1's fighter.
STAGE decor_du_perso(int perso);

#endif
