// What the enhanced edition draws over a fight: sparks, the round's
// announcement and the chained hits counters. Drawing only reads the fight.
#include "../graphics/fichierbmp.h"
#include "moteur.h"

namespace {

const char* const ETINCELLES[NB_GENRES_ETINCELLE] = {"graphics/etincelle_coup.bmp", "graphics/etincelle_garde.bmp",
                                                     "graphics/etincelle_projectile.bmp"};
const char* const MARQUES[2] = {"graphics/marque_round.bmp", "graphics/marque_round_vide.bmp"};

// A picture centred on the screen at row `y`, if it was loaded.
void centrer(BITMAP* dest, const ObjetGraph& o, int y)
{
    if (o.ObjBmp)
        draw_sprite(dest, o.ObjBmp, 320 - o.ObjBmp->w / 2, y - o.ObjBmp->h / 2);
}

}  // namespace

void Moteur::ChargerEffets()
{
    if (regles.etincelles)
        for (int g = 0; g < NB_GENRES_ETINCELLE; ++g)
            images_etincelles[g] = charger_bmp(ETINCELLES[g], nullptr);
    if (regles.marques_icones)
        for (int i = 0; i < 2; ++i)
            marques[i] = charger_bmp(MARQUES[i], nullptr);
}

void Moteur::LibererEffets()
{
    for (BITMAP*& b : images_etincelles) {
        if (b)
            destroy_bitmap(b);
        b = nullptr;
    }
    for (BITMAP*& b : marques) {
        if (b)
            destroy_bitmap(b);
        b = nullptr;
    }
}

void Moteur::AfficheEtincelles(const ParamLvl& lvl)
{
    for (const Etincelle& e : plus.etincelles) {
        BITMAP* bande = e.age >= 0 ? images_etincelles[e.genre] : nullptr;
        if (!bande)
            continue;
        // The strip holds square frames side by side.
        const int cote = bande->h;
        const int image = std::min(e.age / EtatAmeliore::TICKS_PAR_IMAGE_ETINCELLE, bande->w / cote - 1);
        const int x = e.x - lvl.scrollx - cote / 2;
        const int y = 480 - (e.y - lvl.scrolly) - cote / 2;
        masked_blit(bande, buffer, image * cote, 0, x, y, cote, cote);
    }
}

void Moteur::AfficheAnnonces()
{
    if (plus.annonce > 0) {
        const ObjetGraph* const rounds[] = {&Roundone, &Roundtwo, &FinalRound};
        centrer(buffer, *rounds[EntreeAnnonce()], 200);
    } else if (plus.fight > 0) {
        centrer(buffer, Fight, 200);
    }
    const int noir = makecol16(0, 0, 0);
    const int or_ = makecol16(239, 233, 83);
    for (int cote = 0; cote < 2; ++cote) {
        const SerieCoups& s = plus.series[cote];
        if (s.affiche <= 0 || s.coups < 2)
            continue;
        char coups[24], degats[24];
        std::snprintf(coups, sizeof coups, "%d COUPS", s.coups);
        std::snprintf(degats, sizeof degats, "%d PV", s.degats);
        const auto ecrire = cote == 0 ? alfont_textprintf_aa : alfont_textprintf_right_aa;
        const int x = cote == 0 ? 30 : 610;
        ecrire(buffer, font3.font, x + 1, 111, noir, "%s", coups);
        ecrire(buffer, font3.font, x, 110, or_, "%s", coups);
        ecrire(buffer, font3.font, x + 1, 135, noir, "%s", degats);
        ecrire(buffer, font3.font, x, 134, makecol16(255, 255, 255), "%s", degats);
    }
}
