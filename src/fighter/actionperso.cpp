#include "perso.h"

void Perso::avancer()
{
    Vx = Cvitdedeplacmt;
    if (!status.estdans(marche)) {
        SetAnim(SLOT_MARCHE);
        status.ajouter(marche);
    }
}

void Perso::reculer()
{
    Vx = -Cvitdedeplacmt;
    if (!status.estdans(marche)) {
        SetAnim(SLOT_MARCHE);
        status.ajouter(marche);
    }
}

void Perso::sauter()
{
    Vy = Cvitdesaut;
    SetAnim(SLOT_SAUT);
    status.ajouter(saute);
    effet(12);
}

void Perso::sauterD()
{
    Vx = Cvitdedeplacmt;
    Vy = Cvitdesaut;
    SetAnim(EstRetourne() ? SLOT_SAUT_ARRIERE : SLOT_SAUT_AVANT);
    status.ajouter(saute);
    effet(12);
}

void Perso::sauterG()
{
    Vx = -Cvitdedeplacmt;
    Vy = Cvitdesaut;
    SetAnim(EstRetourne() ? SLOT_SAUT_AVANT : SLOT_SAUT_ARRIERE);
    status.ajouter(saute);
    effet(12);
}

void Perso::PlanerAvt()
{
    if (Vx == 0)
        Vx = Cvitdeplanmt;
}

void Perso::PlanerAr()
{
    if (Vx == 0)
        Vx = -Cvitdeplanmt;
}

void Perso::baisser()
{
    if (!status.estdans(bas) && !status.estdans(baisse)) {
        SetAnim(SLOT_BAISSE);
        status.ajouter(baisse);
    }
}

void Perso::sereleve()
{
    status.enlever(bas);
    status.ajouter(releve);
    SetAnim(SLOT_RELEVE);
}

void Perso::StandBas()
{
    status.ajouter(bas);
    SetAnim(SLOT_BAS);
}

void Perso::stopGauche()
{
    if (Vx < 0)
        Vx = 0;
}

void Perso::stopDroit()
{
    if (Vx > 0)
        Vx = 0;
}

void Perso::Protection()
{
    Vx = 0;
    status.ajouter(protection);
    SetAnim(SLOT_GARDE);
}

void Perso::ProtectionBas()
{
    Vx = 0;
    status.ajouter(protection);   // bas stays: the guard is a crouching one
    SetAnim(SLOT_GARDE_BAS);
}

void Perso::Taunt()
{
    AddMana(donneesperso.ManaTaunt);
    Vx = 0;
    voix(18);
    status.ajouter(taunt);
    SetAnim(SLOT_TAUNT);
}

void Perso::DansLesPommes()
{
    status.ajouter(pommes);
    SetAnim(SLOT_POMMES);
}

void Perso::Attaque(int voix_, int effet_, bool arret, int slot)
{
    voix(voix_);
    effet(effet_);
    if (arret)
        Vx = 0;
    status.ajouter(donnecoup);
    SetAnim(slot);
    depuis_attaque = 0;
}

// Light strikes sound effect 10, strong ones 11; standing ones stop the fighter.
void Perso::PunchP() { Attaque(20, 10, true, 20); }
void Perso::PunchL() { Attaque(21, 10, true, 21); }
void Perso::PunchF() { Attaque(22, 11, true, 22); }
void Perso::Punchbas() { Attaque(21, 10, false, 23); }
void Perso::PunchbasFort() { Attaque(22, 11, false, 24); }
void Perso::Punchsaut() { Attaque(21, 10, false, 25); }
void Perso::PunchsautFort() { Attaque(22, 11, false, 26); }
void Perso::KickP() { Attaque(30, 10, true, 30); }
void Perso::KickL() { Attaque(31, 10, true, 31); }
void Perso::KickF() { Attaque(32, 11, true, 32); }
void Perso::Kickbas() { Attaque(30, 10, false, 33); }
void Perso::KickbasFort() { Attaque(32, 10, false, 34); }
void Perso::KicksautV() { Attaque(31, 10, false, 35); }
void Perso::KicksautVFort() { Attaque(32, 11, false, 36); }
void Perso::Kicksaut() { Attaque(31, 10, false, 37); }
void Perso::KicksautFort() { Attaque(32, 11, false, 38); }

bool Perso::CoutMana(int slot, int& cout) const
{
    const ItemImgAnim* premier = CONTENU[slot].premier;
    if (!premier)
        return false;
    cout = premier->cont.mana;
    return true;
}

bool Perso::Payer(int slot, int& cout)
{
    if (!CoutMana(slot, cout) || Mana <= cout)
        return false;
    RemMana(cout);
    return true;
}

void Perso::Course()
{
    int cout = 0;
    if (!Payer(SLOT_COURSE, cout))
        return;
    voix(2);
    Vx = 0;
    status.ajouter(course);
    Vx = 2 * Cvitdedeplacmt * sens();
    SetAnim(SLOT_COURSE);
}

void Perso::Charge()
{
    voix(27);
    Vx = 0;
    status.ajouter(donnecoup);
    Vx = 2 * Cvitdedeplacmt * sens();
    SetAnim(SLOT_CHARGE);
}

void Perso::Esquive()
{
    int cout = 0;
    if (!Payer(SLOT_ESQUIVE, cout))
        return;
    voix(11);
    Vx = 0;
    status.ajouter(esquive);
    SetAnim(SLOT_ESQUIVE);
}

void Perso::CoupSpecial(int slot, bool quitteBas)
{
    int cout = 0;
    if (!Payer(slot, cout))
        return;
    ajoutexp(cout);   // mana spent counts as experience
    voix(slot);
    magie(slot - SLOT_SPECIAL);
    Vx = 0;
    status.ajouter(donnecoup);
    if (quitteBas)
        status.enlever(bas);
    SpeStartCoupSpe(slot);
    SetAnim(slot);
}

void Perso::SpecialPunch1() { CoupSpecial(40, false); }
void Perso::SpecialPunch2() { CoupSpecial(41, false); }
void Perso::SpecialKick1() { CoupSpecial(42, false); }
void Perso::SpecialKick2() { CoupSpecial(43, false); }
void Perso::SuperConcentre() { CoupSpecial(44, false); }
void Perso::SuperVenere() { CoupSpecial(45, false); }
void Perso::MegaConcentre() { CoupSpecial(46, true); }
void Perso::MegaVenere() { CoupSpecial(47, true); }
