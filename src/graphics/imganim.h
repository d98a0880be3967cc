// One animation frame: as read from a fighter's animation file (DONNEES),
// and as used in play (ImgAnim), where every y but the anchor's grows upward.
#ifndef ZEF_IMGANIM_H
#define ZEF_IMGANIM_H

#include <allegro.h>

#include <cstdint>

#include "../shell/declar.h"
#include "point.h"

constexpr int LONGUEUR_CHEMIN = 50;   // path buffer, terminator included
constexpr int MAX_ATTAQUES = 3;       // strike points and body zones in play
constexpr int MAX_TOUCHES = 3;
constexpr int ATTAQUES_FICHIER = 5;   // a record always carries five points

struct DONNEES {
    char chemin[LONGUEUR_CHEMIN] = {};
    POINT O;                 // anchor pixel, from the picture's top-left corner
    int32_t mvtx = 0;        // imposed velocities; 0 = none; mvty downward-positive
    int32_t mvty = 0;
    bool grav = false;
    int32_t nb_attaques = 0;
    int32_t nb_touches = 0;
    POINT attaque[ATTAQUES_FICHIER];
    Degat dgt;
    ZONE touche[MAX_TOUCHES];
    int32_t time = 0;        // ticks of t the frame shows
    bool boucl = false;      // loop target of its animation
    int32_t mana = 0;
    int32_t lanceFX = -1;    // projectile slot to launch, -1 none
    POINT positionFX;
};

class ImgAnim {
public:
    BITMAP* img = nullptr;
    POINT O;
    POINT attaque[MAX_ATTAQUES];
    ZONE defense[2];
    ZONE stand[MAX_TOUCHES];
    int32_t ObjX = 0;
    int32_t ObjY = 0;
    int32_t ObjSpe = -1;
    int32_t nbdefense = 0;
    int32_t nbattaque = 0;
    int32_t nbstand = 0;
    int32_t tpimg = 0;
    int32_t mana = 0;
    bool boucl = false;
    int32_t mvtx = 0;
    int32_t mvty = 0;
    bool grav = false;
    Degat deg;
    char chem[LONGUEUR_CHEMIN] = {};

    // A blank frame: no picture, no path, anchor (-1, -1), nothing to strike
    // with or to be hit on, launches nothing.
    void Init_Img_Anim();
    // Fills the frame from a file record (y negated); the picture is not loaded.
    void SetDonnee(const DONNEES& d);
    void LoadImg();
};

#endif
