#include "objetanim.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "fichieranim.h"
#include "../shell/erreur_fatale.h"

namespace {

const char* const FICHIERS[] = {"shiz/shiz.p", "talon/talon.p", "vishvakarman/vishvakarman.p", "panda/panda.p"};

}  // namespace

void ObjetAnim::SetPath(const ParamJoueur& par)
{
    if (par.perso >= shiz && par.perso <= panda)
        std::snprintf(pathfile, sizeof pathfile, "%s", FICHIERS[par.perso]);
}

void ObjetAnim::LoadAllAnime(const ParamJoueur&) { RemplirDepuis(pathfile); }

void ObjetAnim::RemplirDepuis(const char* chemin)
{
    std::FILE* f = std::fopen(chemin, "r");
    if (!f)
        erreur_fatale("probleme d'ouverture du fichier perso.");
    auto table = std::make_unique<TableAnim>();
    lire_fichier_anim(f, *table);
    if (std::fclose(f) != 0)
        erreur_fatale("probleme de fermeture du fichier perso.");

    for (int i = 0; i < NB_SLOTS; ++i) {
        ListeAnim& slot = CONTENU[i];
        ItemImgAnim* cible = nullptr;
        for (int j = 0; j < NB_POSITIONS; ++j) {
            ImgAnim img;
            img.Init_Img_Anim();
            img.SetDonnee(table->rec[i][j]);
            img.LoadImg();
            if (!img.img)
                continue;   // a position without a picture is left out
            slot.ajouter(img);
            if (img.boucl)
                cible = slot.cour;
            slot.suivant();
        }
        slot.Premier();
        if (cible)
            slot.boucler(cible);
        slot.Premier();
    }
}

int ObjetAnim::SlotDeRepli(int slot)
{
    switch (slot) {
    case 0:
        return -1;
    case 4:
        return 3;
    case 6: case 7:
        return 5;
    case 9: case 10:
        return 8;
    case 21: case 22: case 25: case 30:
        return 20;
    case 24:
        return 23;
    case 26:
        return 25;
    case 31: case 32:
        return 30;
    case 34:
        return 33;
    case 36: case 37: case 38:
        return 35;
    case 41: case 42: case 43: case 44: case 45: case 46: case 47:
        return 40;
    case 51: case 52:
        return 50;
    case 54: case 55:
        return 53;
    case 59:
        return 4;
    default:
        return 0;
    }
}

void ObjetAnim::SetAnim(int a)
{
    // Every chain of fallbacks ends at slot 0, which has none.
    while (a >= 0 && a < NB_SLOTS && CONTENU[a].EstVide())
        a = SlotDeRepli(a);
    if (a < 0 || a >= NB_SLOTS)
        return;
    if (!ChAnim.EstVide()) {
        OldChAnim = ChAnim;
        old_slot_ = slot_;
    }
    ChAnim = CONTENU[a];
    slot_ = a;
    ChAnim.Premier();
    to = t;
    MontrerImage();
}

void ObjetAnim::NewAnim()
{
    if (ChAnim.EstVide())
        return;
    if (!ChAnim.EstTimeImgFini(to))
        return;
    if (!ChAnim.estfindeliste())
        ChAnim.suivant();
    else
        FinAnim();
    MontrerImage();
    to = t;
}

void ObjetAnim::MontrerImage()
{
    const ImgAnim img = ChAnim.extraire();
    SetBitmap(img.img);
    dx = img.O.x;
    dy = img.O.y;
}

void ObjetAnim::PasSelonImage()
{
    const int32_t maintenant = t;
    const int32_t dt = maintenant - time;
    const ImgAnim img = ExtrAnim();
    if (img.mvtx != 0)
        Vx = hflip ? -img.mvtx : img.mvtx;
    else
        Vx += (dt * Ax) / 10;
    if (img.mvty != 0)
        Vy = img.mvty;
    else
        Vy += (dt * Ay) / 10;
    integrer(dt);
    time = maintenant;
}

void ObjetAnim::Destroy()
{
    for (ListeAnim& slot : CONTENU)
        if (!slot.EstVide()) {
            slot.Premier();
            slot.toutsupprimer();
        }
    ChAnim = ListeAnim();
    OldChAnim = ListeAnim();
    slot_ = old_slot_ = 0;
    SetBitmap(nullptr);
}

namespace {

// Which stored animation a playing one is: its slot, or -1.
int64_t slot_de(const ListeAnim& l, const ListeAnim (&contenu)[60])
{
    for (int i = 0; i < 60; ++i)
        if (contenu[i].premier == l.premier)
            return i;
    return -1;
}

}  // namespace

void ObjetAnim::Resumer(Somme& h) const
{
    ObjetMvt::Resumer(h);
    const int64_t image = !ObjBmp ? -1 : ChAnim.cour && ObjBmp == ChAnim.cour->cont.img ? 1 : 2;
    h.ajouter({slot_de(ChAnim, CONTENU), ChAnim.position(), ChAnim.nbelem, slot_de(OldChAnim, CONTENU),
               OldChAnim.position(), to, slot_, old_slot_, image});
}
