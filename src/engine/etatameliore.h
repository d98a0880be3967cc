// What the enhanced edition adds to a fight's state: the round's
// announcement, hit-stop, the shake of strong hits, hit sparks, the chained
// hits counter and the clock of its round-end sequence. All of it changes in
// the logic tick only, is saved with the match and summed into its checksum;
// in the classic edition it stays as constructed.
#ifndef ZEF_ETATAMELIORE_H
#define ZEF_ETATAMELIORE_H

#include <cstdint>

#include "../shell/somme.h"

enum GenreEtincelle { ETINCELLE_COUP = 0, ETINCELLE_GARDE = 1, ETINCELLE_PROJECTILE = 2, NB_GENRES_ETINCELLE };

struct Etincelle {
    int32_t x = 0, y = 0;   // stage coordinates of the contact
    int32_t genre = ETINCELLE_COUP;
    int32_t age = -1;       // ticks since the contact; -1: none
};

// Clean hits one side chains while the other is still reeling.
struct SerieCoups {
    int32_t coups = 0;
    int32_t degats = 0;
    int32_t affiche = 0;    // ticks the counter stays on screen
};

struct EtatAmeliore {
    // The round's announcement: "ROUND n" for the first ticks, "FIGHT" at
    // the end; controls are locked while it lasts.
    static constexpr int32_t TICKS_ANNONCE = 90;
    static constexpr int32_t TICKS_FIGHT = 40;   // "FIGHT" stays this long
    int32_t annonce = 0;          // ticks of it left
    int32_t fight = 0;            // ticks "FIGHT" still shows
    int32_t numero_round = 0;     // rounds begun in the match
    int32_t arret = 0;            // hit-stop ticks left: the fight stands still
    int32_t secousse = 0;         // shake ticks left
    static constexpr int NB_ETINCELLES = 4;
    static constexpr int32_t TICKS_PAR_IMAGE_ETINCELLE = 3;
    static constexpr int32_t IMAGES_ETINCELLE = 4;
    Etincelle etincelles[NB_ETINCELLES];
    SerieCoups series[2];         // by the side that strikes
    int32_t tick_fin = 0;         // ticks into the round-end sequence

    void Resumer(Somme& h) const
    {
        h.ajouter({annonce, fight, numero_round, arret, secousse, tick_fin});
        for (const Etincelle& e : etincelles)
            h.ajouter({e.x, e.y, e.genre, e.age});
        for (const SerieCoups& s : series)
            h.ajouter({s.coups, s.degats, s.affiche});
    }
};

#endif
