#include "compteursec.h"

#include <string>

void COMPTEUR_SEC::init()
{
    for (int chiffre = 0; chiffre < 10; ++chiffre) {
        // Each object keeps a pointer to its path: the strings must outlive it.
        static const std::string chemins[10] = {
            "graphics/s0.bmp", "graphics/s1.bmp", "graphics/s2.bmp", "graphics/s3.bmp", "graphics/s4.bmp",
            "graphics/s5.bmp", "graphics/s6.bmp", "graphics/s7.bmp", "graphics/s8.bmp", "graphics/s9.bmp"};
        dizaines[chiffre].SetObjet(chemins[chiffre].c_str(), 294, 471, false);
        unites[chiffre].SetObjet(chemins[chiffre].c_str(), 320, 471, false);
    }
}

void COMPTEUR_SEC::afficher(BITMAP* b, int c) const
{
    const int d = c / 10;
    const int u = c % 10;
    if (d >= 0 && d <= 9)
        dizaines[d].AfficheEcran(b);
    if (u >= 0 && u <= 9)
        unites[u].AfficheEcran(b);
}

void COMPTEUR_SEC::destroy()
{
    for (int chiffre = 0; chiffre < 10; ++chiffre) {
        dizaines[chiffre].DestroyBitmap();
        unites[chiffre].DestroyBitmap();
    }
}
