// What the enhanced edition adds around the fight's rules: the round's
// announcement, hit-stop, shake, sparks and the chained hits counter. Each
// piece is switched by its rule; in the classic edition none of it runs.
#include "moteur.h"

namespace {

// Hits that feel strong: a knock-down, or damage of a strong attack.
constexpr int DEGATS_FORTS = 20;

bool fort(const Degat& deg, bool special) { return deg.tombe || special || deg.dmg >= DEGATS_FORTS; }

}  // namespace

int Moteur::EntreeAnnonce() const
{
    if (nbwinp1 == nbround - 1 && nbwinp2 == nbround - 1)
        return 2;
    return plus.numero_round <= 1 ? 0 : 1;
}

void Moteur::Impact(int cote, int px, int py, const Degat& deg, int degats, bool garde, bool projectile,
                    bool reeling)
{
    const Perso& A = cote == 0 ? p1 : p2;
    const bool coup_fort = fort(deg, A.Speencour || projectile);
    if (regles.arret_sur_coup)
        plus.arret = garde ? 3 : coup_fort ? 8 : 5;
    if (regles.secousse_coups_forts && !garde && coup_fort)
        plus.secousse = 8;
    if (regles.etincelles) {
        // The oldest spark gives its place.
        Etincelle* place = &plus.etincelles[0];
        for (Etincelle& e : plus.etincelles) {
            if (e.age < 0) {
                place = &e;
                break;
            }
            if (e.age > place->age)
                place = &e;
        }
        *place = {px, py, projectile ? ETINCELLE_PROJECTILE : garde ? ETINCELLE_GARDE : ETINCELLE_COUP, 0};
    }
    if (regles.compteur_combo && !garde) {
        SerieCoups& serie = plus.series[cote];
        if (reeling && serie.coups > 0) {
            ++serie.coups;
            serie.degats += degats;
        } else {
            serie = {1, degats, 0};
        }
        if (serie.coups >= 2)
            serie.affiche = 60;
    }
}

void Moteur::VieillirEffets()
{
    const int32_t fin_etincelle = EtatAmeliore::TICKS_PAR_IMAGE_ETINCELLE * EtatAmeliore::IMAGES_ETINCELLE;
    for (Etincelle& e : plus.etincelles)
        if (e.age >= 0 && ++e.age >= fin_etincelle)
            e.age = -1;
    for (SerieCoups& s : plus.series)
        if (s.affiche > 0)
            --s.affiche;
    if (plus.fight > 0)
        --plus.fight;
}
