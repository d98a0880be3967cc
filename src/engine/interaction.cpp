
#include "moteur.h"

#include <algorithm>

bool Moteur::PointDansRect(int Px, int Py, int Sgx, int Sgy, int Idx, int Idy)
{
    return Sgx <= Px && Px <= Idx && Idy <= Py && Py <= Sgy;
}

namespace {

// The vertical spans of two rectangles (upper y, lower y) overlap.
bool chevauche_v(int Sgy1, int Idy1, int Sgy2, int Idy2)
{
    return (Idy1 <= Sgy2 && Sgy2 <= Sgy1) || (Idy1 <= Idy2 && Sgy2 <= Sgy1) || (Idy1 <= Idy2 && Idy2 <= Sgy1) ||
           (Sgy1 <= Sgy2 && Idy2 <= Idy1);
}

}  // namespace

int Moteur::RectDansRect(int Sgx1, int Sgy1, int Idx1, int Idy1, int Sgx2, int Sgy2, int Idx2, int Idy2)
{
    if (Sgx1 <= Sgx2 && Sgx2 <= Idx1 && chevauche_v(Sgy1, Idy1, Sgy2, Idy2))
        return 1;    // 2 overlaps 1 from the right
    if (Sgx2 <= Sgx1 && Sgx1 <= Idx2 && chevauche_v(Sgy2, Idy2, Sgy1, Idy1))
        return -1;   // 1 overlaps 2 from the right
    return 0;
}

void Moteur::TestInteraction()
{
    TestFlip();
    TestCollision();
    TestAttaqueP1();
    TestAttaqueP2();
}

void Moteur::TestCollision()
{
    if (regles.corps_solides)
        return;   // the tick keeps the bodies apart itself (SeparerCorps)
    const ImgAnim i1 = p1.ExtrAnim();
    const ImgAnim i2 = p2.ExtrAnim();
    for (int i = 0; i < i1.nbstand; ++i)
        for (int j = 0; j < i2.nbstand; ++j) {
            const ZONE& a = i1.stand[i];
            const ZONE& b = i2.stand[j];
            const int x1 = p1.GetX(), y1 = p1.GetY(), x2 = p2.GetX(), y2 = p2.GetY();
            const int cote = RectDansRect(a.SupG.x + x1, a.SupG.y + y1, a.InfD.x + x1, a.InfD.y + y1,
                                          b.SupG.x + x2, b.SupG.y + y2, b.InfD.x + x2, b.InfD.y + y2);
            if (cote == 1) {
                p1.stopDroit();
                p2.stopGauche();
                p1.SetX(x1 - 2);
                p2.SetX(x2 + 2);
                return;
            }
            if (cote == -1) {
                p2.stopDroit();
                p1.stopGauche();
                p1.SetX(x1 + 2);
                p2.SetX(x2 - 2);
                return;
            }
        }
}

void Moteur::TestAttaqueP1() { TestAttaque(p1, p2, p2touche, 0); }

void Moteur::TestAttaqueP2() { TestAttaque(p2, p1, p1touche, 1); }

void Moteur::TestAttaque(Perso& A, Perso& D, bool& dtouche, int cote)
{
    const int bonus = A.donneesperso.bonusdegats + (A.Speencour ? A.donneesperso.bonusdegatsmagiques : 0);
    const int a = A.EstRetourne() ? -1 : 1;
    if (dtouche)
        return;
    const ImgAnim img = A.ExtrAnim();
    const ImgAnim proj = A.nObj != 0 ? A.Obj.ExtrAnim() : ImgAnim();
    const int nbat = img.nbattaque + (A.nObj != 0 ? proj.nbattaque : 0);
    const ImgAnim cible = D.ExtrAnim();
    for (int i = 0; i < nbat; ++i) {
        const bool projectile = i >= img.nbattaque;
        // A projectile's strike is its first point, whichever point is counted.
        const int px = projectile ? A.Obj.GetX() + a * proj.attaque[0].x : A.GetX() + a * img.attaque[i].x;
        const int py = projectile ? A.Obj.GetY() + proj.attaque[0].y : A.GetY() + img.attaque[i].y;
        for (int j = 0; j < cible.nbstand; ++j) {
            const ZONE& z = cible.stand[j];
            if (!PointDansRect(px, py, z.SupG.x + D.GetX(), z.SupG.y + D.GetY(), z.InfD.x + D.GetX(),
                               z.InfD.y + D.GetY()))
                continue;
            const Degat deg = projectile ? proj.deg : img.deg;
            // A jumping attack beats a crouching guard; a low one a standing guard.
            const bool saute_sur_bas = A.status.estdans(saute) && D.status.estdans(bas);
            const bool bas_sur_debout = A.status.estdans(bas) && !D.status.estdans(bas);
            const bool garde = D.status.estdans(protection) && !saute_sur_bas && !bas_sur_debout;
            ++coups[cote];
            const int vie_avant = D.Vie;
            const bool reeling = D.status.estdans(touche) || D.status.estdans(touchetombe) || D.status.estdans(pommes);
            if (garde) {
                D.EstTouche(deg, bonus, A.Speencour || projectile ? 1 : 2);
                dtouche = true;
                A.sonperso.jouer(1, 2, A.x_scr);
            } else {
                D.EstTouche(deg, bonus, 0);
                A.ajoutexp(deg.dmg + bonus);
                // Hits chained while one's own life bar still drains earn more.
                if (A.dVie > A.Vie) {
                    A.ajoutexp(10 * A.nbcoupsdonnes);
                    ++A.nbcoupsdonnes;
                } else {
                    A.nbcoupsdonnes = 0;
                }
                SetVitesse(12);
                dtouche = true;
                A.sonperso.jouer(1, alea.tirer() % 2 == 1 ? 0 : 1, A.x_scr);
            }
            if (sur_coup)
                sur_coup(cote, projectile ? 60 + A.Obj.Slot() : A.Slot(), vie_avant - D.Vie, garde);
            Impact(cote, px, py, deg, vie_avant - D.Vie, garde, projectile, reeling);
            if (projectile && regles.projectile_eclate)
                A.nObj = 0;   // it bursts on what it hit
            return;
        }
    }
}

void Moteur::FinAttaque(int a)
{
    if (a == 1)
        p1touche = false;
    if (a == 2)
        p2touche = false;
    SetVitesse(6);
    priorP = 1 - priorP;
}

void Moteur::SeparerCorps(const ParamLvl& lvl)
{
    // The deepest overlap of two body zones that share some height is
    // undone at once, half by each fighter: walking into the other pushes it.
    const ImgAnim i1 = p1.ExtrAnim();
    const ImgAnim i2 = p2.ExtrAnim();
    const bool p1_a_gauche = p1.GetX() <= p2.GetX();
    Perso& gauche = p1_a_gauche ? p1 : p2;
    Perso& droite = p1_a_gauche ? p2 : p1;
    const ImgAnim& ig = p1_a_gauche ? i1 : i2;
    const ImgAnim& id = p1_a_gauche ? i2 : i1;
    int recouvrement = 0;
    for (int i = 0; i < ig.nbstand; ++i)
        for (int j = 0; j < id.nbstand; ++j) {
            const ZONE& a = ig.stand[i];
            const ZONE& b = id.stand[j];
            const int haut_a = a.SupG.y + gauche.GetY(), bas_a = a.InfD.y + gauche.GetY();
            const int haut_b = b.SupG.y + droite.GetY(), bas_b = b.InfD.y + droite.GetY();
            if (haut_a < bas_b || haut_b < bas_a)
                continue;
            const int fin_a = a.InfD.x + gauche.GetX();
            const int debut_b = b.SupG.x + droite.GetX();
            const int debut_a = a.SupG.x + gauche.GetX();
            const int fin_b = b.InfD.x + droite.GetX();
            if (fin_b < debut_a)
                continue;   // no horizontal overlap at all
            recouvrement = std::max(recouvrement, fin_a - debut_b + 1);
        }
    if (recouvrement <= 0)
        return;
    // A body landing deep inside the other slides out over a few ticks.
    recouvrement = std::min(recouvrement, 32);
    // Nobody is pushed past the edge of the view or of the stage: a fighter
    // with its back to it stays, and the other takes the whole push.
    const int largeur = lvl.fond ? lvl.fond->w : 640;
    const int place_g = std::max(0, gauche.GetX() - gauche.dx - std::max(lvl.scrollx, 0));
    const int place_d = std::max(0, std::min(lvl.scrollx + 640, largeur) - (droite.GetX() + droite.dx));
    int vers_gauche = std::min((recouvrement + 1) / 2, place_g);
    int vers_droite = std::min(recouvrement - vers_gauche, place_d);
    vers_gauche = std::min(recouvrement - vers_droite, place_g);
    gauche.SetX(gauche.GetX() - vers_gauche);
    droite.SetX(droite.GetX() + vers_droite);
}
