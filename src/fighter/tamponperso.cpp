// The enhanced edition's input buffer: what a human asks for a little too
// early is not lost.
#include "perso.h"

namespace {

bool est_coup(actionperso code) { return code >= punL && code <= pieF; }
bool est_combo(actionperso code) { return code >= PREMIER_COMBO; }

}  // namespace

actionperso Perso::CommandeTamponnee(actionperso code)
{
    if (depuis_attaque < TICKS_TAMPON + 1)
        ++depuis_attaque;
    int cout = 0;
    const bool payable = est_combo(code) && CoutMana(SLOT_SPECIAL + (code - PREMIER_COMBO), cout) && Mana > cout;
    if (payable && Occupe() && status.estdans(donnecoup) && !Speencour && !status.estdans(saute) &&
        !status.estdans(bas) && depuis_attaque <= INPUT::GRACE + 1) {
        // The attack key came a moment before the sequence's last key and
        // started a normal attack: the special move takes its place.
        status.ajouter(repos);
        status.enlever(donnecoup);
        tampon_ticks = 0;
        return code;
    }
    if (est_coup(code) || est_combo(code)) {
        if (Occupe()) {
            tampon = code;
            tampon_ticks = TICKS_TAMPON;
        }
        return code;
    }
    if (tampon_ticks > 0) {
        --tampon_ticks;
        if (!Occupe()) {
            tampon_ticks = 0;
            return tampon;
        }
    }
    return code;
}

void Perso::LireSansAgir(const ParamJoueur& pl)
{
    const actionperso code = LireCommande(pl);
    if (regles.touches_appuyees && pl.control != CONTROLE_CPU && (est_coup(code) || est_combo(code))) {
        tampon = code;
        tampon_ticks = TICKS_TAMPON;
    }
}
