// A fighter ready for a match, built from a small animation file written by
// the test: slot s shows pictures 20 + s pixels wide, frame k of a slot is
// 100 + k pixels high, so what is on show tells which slot and frame it is.
#ifndef ZEF_TEST_PERSO_TEST_H
#define ZEF_TEST_PERSO_TEST_H

#include <map>

#include "fighter/perso.h"
#include "support/dossier_temp.h"

// Opens the protected parts of a fighter to the tests.
class PersoOuvert : public Perso {
public:
    using Perso::Cvitdedeplacmt;
    using Perso::Cvitdesaut;
    using Perso::info;
    using Perso::joueur;
    using Perso::nbcoup;
    using Perso::tdVie;
    using Perso::to;
    using Perso::BarreFond;
    using Perso::BarreMana;
    using Perso::BarreVie;
    using Perso::BarreVie2;

    int slot() const { return ObjBmp ? ObjBmp->w - 20 : -1; }
    int image() const { return ObjBmp ? ObjBmp->h - 100 : -1; }
    void poser(int x_, int y_)
    {
        x = x_;
        y = y_;
    }
    void vitesse(int vx, int vy)
    {
        Vx = vx;
        Vy = vy;
    }
};

struct SlotTest {
    int images = 1;
    int duree = 10;          // tpimg of every frame
    bool boucle = false;     // loops from its first frame
    int mana = 0;            // on the first frame
    int lance = -1;          // projectile slot launched by the second frame
    int mvtx = 0;            // imposed on every frame
};

class Combat {
public:
    // Every slot of `slots` is filled; the others stay empty.
    explicit Combat(const std::map<int, SlotTest>& slots = SlotsDeBase(), PERSO perso = shiz);
    ~Combat();

    // Slots of an ordinary fighter: rest, walk, run, crouch, the jumps,
    // guards, dodge, taunt, crouched rest, a punch, a kick, two specials,
    // hits, knock-downs, dizzy and lying.
    static std::map<int, SlotTest> SlotsDeBase();

    // A fighter of side 1 or 2, statistics from characteristics all 10,
    // progression off (effective 12), standing at (x, ground), slot 0.
    void preparer(Perso& p, int cote, int x);
    // The stage datafile holding one background of w x h for the stage.
    void ecrire_decor(STAGE stage, int w, int h);
    // Moves the clock on by n ticks.
    static void attendre(int n);

    DossierTemp dossier;
    ParamJoueur par1;
    ParamJoueur par2;
    ParamLvl lvl;
};

#endif
