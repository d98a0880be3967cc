// One player's parameters, carried from the menus into a match, and the
// "+" buttons that spend bonus points.
#ifndef ZEF_PARAMJOUEUR_H
#define ZEF_PARAMJOUEUR_H

#include "../graphics/objetgraph.h"
#include "../shell/declar.h"
#include "xp.h"

// Who drives a fighter.
enum { CONTROLE_CPU = 0, CONTROLE_CLAVIER = 1, CONTROLE_JOYSTICK = 2 };

// Index of each action in pkeys.
enum {
    TOUCHE_SPECIAL = 0, TOUCHE_KICK_FORT, TOUCHE_KICK_LEGER, TOUCHE_PUNCH_FORT, TOUCHE_PUNCH_LEGER,
    TOUCHE_BAS, TOUCHE_HAUT, TOUCHE_DROITE, TOUCHE_GAUCHE, NB_TOUCHES
};

class ParamJoueur : public GESTION_XP {
public:
    int control = CONTROLE_CPU;
    int pkeys[NB_TOUCHES] = {};
    CARACTERISTIQUES carac;
    int joueur = 1;   // side, 1 or 2
    PERSO perso = shiz;
    const char* xp_pathfile = nullptr;
    const char* p_pathfile = nullptr;

    // Chooses the fighter and reads its experience file. An unknown fighter
    // ends the game with status 1.
    void SetPerso(PERSO p);
    // The same without reading the experience file (a replay brings its own
    // characteristics).
    void SetPersoSansXp(PERSO p);
    void SetJoueur(int b) { joueur = b; }
    // The default keys of the side; other sides keep theirs.
    void SetKey();
    void set_xp_path(const char* txt) { xp_pathfile = txt; }
    void set_p_path(const char* txt) { p_pathfile = txt; }
    // A file that cannot be opened or closed ends the game with a message.
    void load_xp_file();
    // Stores the level matching the experience, then writes the file. The
    // new content goes to a temporary file that then replaces the old one,
    // so an interrupted save never costs the player their progress.
    void save_xp_file();
};

// The experience file of a fighter, relative to the data folder.
const char* fichier_xp(PERSO p);

// The four "+" buttons: strength, dexterity, constitution, arcana.
class MENU_XP {
public:
    ObjetGraph FORp;
    ObjetGraph DEXp;
    ObjetGraph CONp;
    ObjetGraph INTp;

    void init_MENU_XP(int joueur);
    void Destroy();
};

#endif
