#include "perso.h"

bool Perso::retombe(ParamLvl par)
{
    if (y >= par.GetHteurSol())
        return false;
    y = par.GetHteurSol();
    return true;
}

bool Perso::touchegauche(ParamLvl par)
{
    const int gauche = x - dx;
    if (gauche > par.scrollx && gauche > 1)
        return false;
    if (x <= par.scrollx || x <= 1)
        x = par.scrollx;
    return true;
}

bool Perso::touchedroit(ParamLvl par)
{
    const int droite = x + dx;
    const int largeur = par.fond ? par.fond->w : 0;
    if (droite < par.scrollx + 640 && droite < largeur + 1)
        return false;
    if (x >= par.scrollx + 640)
        x = par.scrollx + 640;
    return true;
}

void Perso::TesteEnvir(ParamLvl par)
{
    const bool a_terre = status.estdans(touchetombe) || status.estdans(aterre);
    // Getting up after a knock-down, unless beaten.
    if (touchesol(par) && a_terre && Vy <= 5) {
        if (GetVie() > 0) {
            sereleve();
            status.enlever(aterre);
        } else {
            Vy = 0;
        }
    }
    if (enlair(par))
        appliGrav(par);
    if (retombe(par)) {
        enlevGrav(par);
        if (!status.estdans(aterre) && !status.estdans(touchetombe)) {
            if (status.estdans(saute)) {
                SetAnim(SLOT_REPOS);
                status.enlever(saute);
                status.ajouter(repos);
            }
            Vx = 0;
            Vy = 0;
        } else {
            // A knocked-down fighter bounces with a third of its speed.
            Vy = Vy / 3 < 0 ? -(Vy / 3) : Vy / 3;
        }
    }
    if (touchegauche(par))
        stopGauche();
    if (touchedroit(par))
        stopDroit();
    FinDesPommes();
    DrainVie();
}
