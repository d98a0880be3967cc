
#include "moteur.h"

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
