#include "perso.h"

namespace {

void annuler_demandes(Perso& p)
{
    p.faitTrembler = false;
    p.faitScrollerX = p.faitScrollerY = p.faitRalentir = 0;
}

}  // namespace

void Perso::SpeInit(ParamJoueur p)
{
    Speencour = false;
    nObj = 0;
    annuler_demandes(*this);
    Obj.ProjInit(p);
}

void Perso::SpeStartCoupSpe(int n)
{
    NCoupSpe = n;
    Speencour = true;
    tps = t;
    annuler_demandes(*this);
    nObj = 0;   // a projectile still flying from an earlier move vanishes
    // Shiz's two Mega moves slow the whole game down while they last.
    if ((n == 46 || n == 47) && pers == shiz)
        faitRalentir = 1;
}

void Perso::SpeEvenSuiv(ParamLvl par)
{
    const ImgAnim img = ExtrAnim();
    // (A burst projectile is not thrown again from the frame that threw it.)
    if (img.ObjSpe != -1 && nObj == 0 && !(regles.projectile_eclate && projectile_lance)) {
        projectile_lance = true;
        Obj.SetAnim(img.ObjSpe);
        Obj.SetY(y + img.ObjY);
        Obj.hflip = EstRetourne();
        Obj.SetX(EstRetourne() ? x - img.ObjX : x + img.ObjX);
        nObj = 1;
        Obj.SynchroTime();
        Obj.SynchroTimeAnim();
    }
    if (nObj != 0) {
        const int largeur = par.fond ? par.fond->w : 0;
        if (Obj.GetX() > 0 && Obj.GetX() < largeur) {
            Obj.NewPos();
            Obj.NewAnim();
        } else {
            nObj = 0;   // it has left the stage
        }
    }
    // Shiz's first special punch shakes the screen once it lands.
    if (pers == shiz && NCoupSpe == 40 && !faitTrembler &&
        (info.adv.status.estdans(touche) || info.adv.status.estdans(touchetombe)))
        faitTrembler = true;
    if (!ChAnim.EstVide() && ChAnim.estfindeliste()) {
        annuler_demandes(*this);
        Speencour = false;
    }
}
