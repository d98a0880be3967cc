#include "perso.h"


namespace {

bool un_de(const CETAT& c, std::initializer_list<ETAT> etats)
{
    for (ETAT e : etats)
        if (c.estdans(e))
            return true;
    return false;
}

}  // namespace

bool Perso::Occupe() const
{
    return un_de(status, {pommes, donnecoup, releve, taunt, touche, touchetombe, baisse, esquive, aterre});
}

actionperso Perso::LireCommande(const ParamJoueur& pl)
{
    if (pl.control == CONTROLE_CPU)
        return ai.QuelleAction(info);
    const Touches tenues = touches_imposees >= 0 ? static_cast<Touches>(touches_imposees) : lire_touches(pl);
    return regles.touches_appuyees ? clav.GetToucheAppuis(pl, EstRetourne(), tenues)
                                   : clav.GetTouche(pl, EstRetourne(), tenues);
}

void Perso::PlayerInput(ParamJoueur pl, ParamLvl plvl)
{
    const bool attaque = info.adv.status.estdans(donnecoup);
    // Read even when ignored below, so that a human's key history goes on.
    actionperso code = LireCommande(pl);
    if (regles.touches_appuyees && pl.control != CONTROLE_CPU)
        code = CommandeTamponnee(code);
    if (Occupe())
        return;

    const bool droite = !EstRetourne();   // facing right: left is back
    const auto est = [this](ETAT e) { return status.estdans(e); };
    const bool debout = est(repos) || est(marche);
    const bool attaque_aerienne = Vy > 0 || BienEnLAir(plvl);

    switch (code) {
    case rien:
        if (est(bas))
            sereleve();
        else if (!est(saute) && !est(repos)) {
            SetAnim(SLOT_REPOS);
            status.ajouter(repos);
            stop();
        }
        break;
    case G:
    case D: {
        // Holding back while the opponent attacks guards.
        const bool arriere = (code == G) == droite;
        if (attaque && !est(protection) && arriere)
            Protection();
        else if (est(saute))
            code == G ? PlanerAr() : PlanerAvt();
        else if (est(bas))
            sereleve();
        else if (!(est(protection) && attaque))
            code == G ? reculer() : avancer();
        break;
    }
    case H:
        if (debout)
            sauter();
        break;
    case HG:
        if (debout || (est(protection) && !est(saute)))
            sauterG();
        break;
    case HD:
        if (debout || (est(protection) && !est(saute)))
            sauterD();
        break;
    case B:
        if (debout) {
            stop();
            baisser();
        } else if (est(protection)) {
            StandBas();
        }
        break;
    case BG:
    case BD: {
        const bool face_arriere = code == BG ? droite : !droite;
        if (est(bas) && attaque && face_arriere && !est(protection))
            ProtectionBas();
        else if (!attaque && est(protection) && est(bas))
            StandBas();
        else if (!est(protection) && debout) {
            stop();
            baisser();
        }
        break;
    }
    case spe:
        if (debout)
            Taunt();
        break;
    case speG:
        if (debout)
            droite ? Esquive() : Course();
        break;
    case speD:
        if (debout)
            droite ? Course() : Esquive();
        break;
    case punL:
        if (est(course))
            Charge();
        else if (debout)
            (alea->tirer() % 2 == 1) ? PunchP() : PunchL();
        else if (est(bas))
            Punchbas();
        else if (est(saute) && attaque_aerienne)
            Punchsaut();
        break;
    case punF:
        if (est(course))
            Charge();
        else if (debout)
            PunchF();
        else if (est(bas))
            PunchbasFort();
        else if (est(saute) && attaque_aerienne)
            PunchsautFort();
        break;
    case pieL:
        if (est(course))
            Charge();
        else if (debout)
            (alea->tirer() % 2 == 1) ? KickP() : KickL();
        else if (est(bas))
            Kickbas();
        else if (est(saute) && attaque_aerienne)
            Vx == 0 ? KicksautV() : Kicksaut();
        break;
    case pieF:
        if (est(course))
            Charge();
        else if (debout)
            KickF();
        else if (est(bas))
            KickbasFort();
        else if (est(saute) && attaque_aerienne)
            Vx == 0 ? KicksautVFort() : KicksautFort();
        break;
    default:   // the eight combos
        if (debout || (est(saute) && clav.peutEnSaut(code))) {
            static void (Perso::*const speciaux[])() = {&Perso::SpecialPunch1, &Perso::SpecialPunch2,
                                                         &Perso::SpecialKick1,  &Perso::SpecialKick2,
                                                         &Perso::SuperConcentre, &Perso::SuperVenere,
                                                         &Perso::MegaConcentre, &Perso::MegaVenere};
            const int n = code - PREMIER_COMBO;
            if (n >= 0 && n < static_cast<int>(sizeof speciaux / sizeof *speciaux))
                (this->*speciaux[n])();
        }
        break;
    }
}
