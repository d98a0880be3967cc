#include "cadrage.h"

#include <algorithm>

namespace {

// What a window manager adds above a window, at most, on today's desktops.
constexpr int BARRE_DE_TITRE = 40;

}  // namespace

Cadrage cadre_fenetre(int facteur)
{
    facteur = std::clamp(facteur, 1, FACTEUR_MAX);
    Cadrage c;
    c.largeur = LARGEUR_JEU * facteur;
    c.hauteur = HAUTEUR_JEU * facteur;
    return c;
}

Cadrage cadre_plein_ecran(int largeur_ecran, int hauteur_ecran)
{
    Cadrage c;
    if (largeur_ecran <= 0 || hauteur_ecran <= 0)
        return c;
    // 4:3 kept: the narrower of the two constraints wins.
    if (static_cast<long>(largeur_ecran) * HAUTEUR_JEU >= static_cast<long>(hauteur_ecran) * LARGEUR_JEU) {
        c.hauteur = hauteur_ecran;
        c.largeur = hauteur_ecran * LARGEUR_JEU / HAUTEUR_JEU;
    } else {
        c.largeur = largeur_ecran;
        c.hauteur = largeur_ecran * HAUTEUR_JEU / LARGEUR_JEU;
    }
    c.x = (largeur_ecran - c.largeur) / 2;
    c.y = (hauteur_ecran - c.hauteur) / 2;
    return c;
}

int facteur_qui_tient(int largeur_libre, int hauteur_libre)
{
    for (int f = FACTEUR_MAX; f > 1; --f)
        if (LARGEUR_JEU * f <= largeur_libre && HAUTEUR_JEU * f + BARRE_DE_TITRE <= hauteur_libre)
            return f;
    return 1;
}

void vers_le_jeu(const Cadrage& c, int& x, int& y)
{
    if (c.largeur <= 0 || c.hauteur <= 0)
        return;
    // The game's pixel under the display pixel's centre: the one the sharp
    // scaling draws there.
    auto sur = [](int point, int debut, int taille, int taille_jeu) {
        const long centre = 2L * (point - debut) + 1;
        return std::clamp(static_cast<int>(centre * taille_jeu / (2L * taille)), 0, taille_jeu - 1);
    };
    x = sur(x, c.x, c.largeur, LARGEUR_JEU);
    y = sur(y, c.y, c.hauteur, HAUTEUR_JEU);
}
