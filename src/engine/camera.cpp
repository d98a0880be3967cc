#include "moteur.h"

#include <algorithm>

void Moteur::TesteScrollX(ParamLvl& par)
{
    // Fighters pinned at opposite edges of the view hold the camera.
    if (!regles.camera_deux_persos &&
        ((p1.touchegauche(par) && p2.touchedroit(par)) || (p2.touchegauche(par) && p1.touchedroit(par))))
        return;
    par.scrollx = (p1.GetX() + p2.GetX()) / 2 - 320;
    const int largeur = par.fond ? par.fond->w : 640;
    if (par.scrollx < 0)
        par.scrollx = 0;
    else if (par.scrollx > largeur - 640)
        par.scrollx = largeur - 640;
}

namespace {

// The reference top of a fighter: its y plus the anchor height of the frame
// its forward-jump animation stands at.
int haut_reference(const Perso& p)
{
    const ListeAnim& saut = p.CONTENU[SLOT_SAUT_AVANT];
    return p.GetY() + (saut.cour ? saut.cour->cont.O.y : 0);
}

}  // namespace

void Moteur::TesteScrollY(ParamLvl& par)
{
    if (regles.camera_deux_persos) {
        CameraVerticale(par);
        return;
    }
    const int h1 = haut_reference(p1);
    const int h2 = haut_reference(p2);
    if (h1 - par.scrolly > 480 && h1 >= h2)
        par.scrolly = h1 - 479;
    if (h2 - par.scrolly > 480 && h1 < h2)
        par.scrolly = h2 - 479;
    if (par.scrolly > 0) {
        if (p1.enlair(par) && p1.GetY() + p1.dy - par.scrolly <= 479 && h1 >= h2)
            par.scrolly = h1 - 478;
        if (p2.enlair(par) && p2.GetY() + p2.dy - par.scrolly <= 479 && h1 < h2)
            par.scrolly = h2 - 478;
    }
    const int hauteur = par.fond ? par.fond->h : 480;
    if (par.scrolly <= 0)
        par.scrolly = 0;
    if (par.scrolly >= hauteur - 480)
        par.scrolly = hauteur - 480;
}

bool Moteur::TestTremble()
{
    if ((p1.faitTrembler || p2.faitTrembler) && !tremble) {
        tremble = true;
        ttremble = s;
        return true;
    }
    // A shake lasts until the seconds counter next moves.
    if (s - ttremble > 0) {
        tremble = false;
        p1.faitTrembler = p2.faitTrembler = false;
    }
    return false;
}

void Moteur::Tremble(ParamLvl& par)
{
    ftremb = -ftremb;
    par.scrollx += ftremb;
}

void Moteur::TestFlip()
{
    // A fighter turns only at the first frame of an animation, never running.
    const auto peut_tourner = [](const Perso& p) { return !p.status.estdans(course) && p.ChAnim.cour && p.ChAnim.estpremier(); };
    if (p1.GetX() > p2.GetX()) {
        if (!p1.EstRetourne() && peut_tourner(p1))
            p1.seretourne();
        if (p2.EstRetourne() && peut_tourner(p2))
            p2.seretourne();
    } else if (p1.GetX() < p2.GetX()) {
        if (p1.EstRetourne() && peut_tourner(p1))
            p1.seretourne();
        if (!p2.EstRetourne() && peut_tourner(p2))
            p2.seretourne();
    }
}

void Moteur::CameraVerticale(ParamLvl& par)
{
    // The view rises to keep the higher fighter's picture below the bars,
    // but never so far that the lower one's head leaves the screen.
    constexpr int MARGE_HAUT = 100;   // room for the bars above the jumper
    constexpr int MARGE_TETE = 40;    // the lower fighter's head stays this far inside
    const bool p1_haut = p1.GetY() >= p2.GetY();
    const Perso& haut = p1_haut ? p1 : p2;
    const Perso& bas = p1_haut ? p2 : p1;
    const int sommet = haut.GetY() + haut.dy;
    const int tete = bas.GetY() + bas.dy;
    int cible = sommet - (480 - MARGE_HAUT);
    cible = std::min(cible, tete - MARGE_TETE);
    const int hauteur = par.fond ? par.fond->h : 480;
    par.scrolly = std::max(0, std::min(cible, hauteur - 480));
}
