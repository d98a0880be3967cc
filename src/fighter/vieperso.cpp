#include "perso.h"

void Perso::EstTouche(Degat d, int bonus, int Proteger)
{
    const int recul = EstRetourne() ? 1 : -1;   // pushed backwards
    if (Proteger == 0) {
        status.enlever(pommes);   // a hit wakes a dizzy fighter
        // Hits landing while the displayed life still drains form a series;
        // enough of them knock down and leave the fighter dizzy.
        if (dVie <= Vie) {
            nbcoup = 0;
        } else if (++nbcoup >= donneesperso.nbcoupspommes) {
            status.ajouter(pommes);
            d.tombe = true;
            nbcoup = 0;
        }
        Vie -= d.dmg + bonus;
        Vx = recul * d.ForceVx;
        Vy = d.ForceVy;
        if (d.tombe) {
            SetAnim(status.estdans(bas) ? SLOT_TOMBE_BAS : SLOT_TOMBE);
            voix(53);
            status.ajouter(touchetombe);
        } else {
            // A special move in progress is not interrupted by a light hit.
            if (!Speencour) {
                SetAnim(status.estdans(bas) ? SLOT_TOUCHE_BAS : SLOT_TOUCHE);
                status.ajouter(touche);
            }
            voix(50);
        }
    } else if (Proteger == 1) {
        // Special moves and projectiles chip through a guard.
        const int coef = donneesperso.coefprotect > 0 ? donneesperso.coefprotect : 1;
        Vie = Vie - 1 - (d.dmg + bonus) / coef;
        voix(50);
    } else {
        voix(50);
    }
}

void Perso::RemMana(int a)
{
    Mana -= a;
    if (Mana < 0)
        Mana = 0;
}

void Perso::AddMana(int a)
{
    Mana += a;
    if (Mana > donneesperso.ManaMax)
        Mana = donneesperso.ManaMax;
}

void Perso::FinDesPommes()
{
    if (status.estdans(pommes) && dVie <= Vie) {
        status.enlever(pommes);
        SetAnim(SLOT_REPOS);
        status.ajouter(repos);
    }
}

void Perso::DrainVie()
{
    if (dVie > Vie && t > tdVie + 60) {
        tdVie = t;
        dVie -= Vie > 0 ? 5.0 : 20.0;
    }
}
