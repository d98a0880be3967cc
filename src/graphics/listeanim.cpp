#include "listeanim.h"

void ListeAnim::ajouter(ImgAnim img)
{
    auto* noeud = new ItemImgAnim{img, cour};
    if (cour == premier)
        premier = noeud;
    else
        pcour->suivant = noeud;
    cour = noeud;
    ++nbelem;
}

int32_t ListeAnim::position() const
{
    const ItemImgAnim* n = premier;
    for (int32_t i = 0; n && i < nbelem; ++i, n = n->suivant)
        if (n == cour)
            return i;
    return -1;
}

ImgAnim ListeAnim::extraire() const
{
    if (cour)
        return cour->cont;
    ImgAnim vide;
    vide.Init_Img_Anim();
    return vide;
}

ItemImgAnim* ListeAnim::dernier() const
{
    // Counted, not followed to a null: the list may already loop.
    ItemImgAnim* n = premier;
    for (int32_t i = 1; n && i < nbelem; ++i)
        n = n->suivant;
    return n;
}

void ListeAnim::boucler(ItemImgAnim* cible)
{
    if (ItemImgAnim* fin = dernier())
        fin->suivant = cible;
    Premier();
}

void ListeAnim::bouclerfin() { boucler(dernier()); }

void ListeAnim::toutsupprimer()
{
    ItemImgAnim* n = premier;
    for (int32_t i = 0; n && i < nbelem; ++i) {
        ItemImgAnim* suite = n->suivant;
        if (n->cont.img)
            destroy_bitmap(n->cont.img);
        delete n;
        n = suite;
    }
    *this = ListeAnim();
}

bool ListeAnim::EstTimeImgFini(int32_t a, int32_t bonus) const
{
    int32_t duree = cour->cont.tpimg - bonus;
    if (duree <= 9)
        duree = cour->cont.tpimg;
    return t - a > duree;
}
