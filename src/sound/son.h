// Samples and the three kinds of sound channel: the menus', the match's and
// one per fighter. Within a group of a channel only one sample sounds at a
// time: starting one stops the one the group started before.
#ifndef ZEF_SON_H
#define ZEF_SON_H

#include <allegro.h>

#include "../shell/declar.h"

class SON {
public:
    // While set, no sound starts or stops: the ticks being played again were
    // heard when first played (online play's corrections).
    static bool retenus;
    // Sounds started since the game began, for the tests that listen.
    static long departs;

    SAMPLE* sound = nullptr;
    bool ouvert = false;

    bool ouvrir(const char* chemin);
    void fermer();
    void lire();
    void lire(int volume);
    void lire(int volume, int pan);
    void lire_boucle(int volume, int repeter);
    // A new volume for the loop already playing.
    void regler_boucle(int volume);
    // Whether a voice of the sound card is playing it.
    bool joue() const;
    void stop();
    bool EstOuvert() const { return ouvert; }
};

class CANALJEU {
public:
    static constexpr int NB_SFX = 10;

    SON musique;
    SON sfx[NB_SFX];
    int sfx_precedant = -1;

    void initialiser(STAGE stage);
    void jouer(int groupe, int entree);
    void stop(int groupe, int entree);
    void Destroy();
};

class CANALMENU {
public:
    static constexpr int NB_SFX = 3;

    SON musique;
    SON sfx[NB_SFX];
    int sfx_precedant = -1;

    void initialiser();
    void jouer(int groupe, int entree);
    void stop(int groupe, int entree);
    // The music follows volume_musique at once: silenced at 0, started
    // again from its beginning when it comes back up.
    void regler_musique();
    void Destroy();
};

class CANALPERSO {
public:
    static constexpr int NB_VOIX = 60;
    static constexpr int NB_MVT = 15;
    static constexpr int NB_MAGIE = 15;

    SON voix[NB_VOIX];        // group 0
    SON sfx_mvt[NB_MVT];      // group 1
    SON sfx_magie[NB_MAGIE];  // group 2
    int voix_precedant = -1;
    int sfx_precedant = -1;
    int sfx2_precedant = -1;

    void initialiser(PERSO perso);
    // x is the fighter's screen column 0..640; it sets the pan.
    void jouer(int groupe, int entree, int x);
    void Destroy();
};

#endif
