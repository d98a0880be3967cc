#include "support/fichier_anim_test.h"

#include <allegro.h>

#include <cstring>
#include <filesystem>
#include <sstream>

std::string enregistrement(const DONNEES& d)
{
    std::ostringstream o;
    o << (d.chemin[0] ? d.chemin : "none") << '\n'
      << d.O.x << '\n' << d.O.y << '\n' << d.mvtx << '\n' << d.mvty << '\n' << int(d.grav) << '\n'
      << d.nb_attaques << '\n' << d.nb_touches << '\n';
    for (const POINT& p : d.attaque)
        o << p.x << '\n' << p.y << '\n';
    o << d.dgt.dmg << '\n' << int(d.dgt.tombe) << '\n' << d.dgt.ForceVx << '\n' << d.dgt.ForceVy << '\n';
    for (const ZONE& z : d.touche)
        o << z.SupG.x << '\n' << z.SupG.y << '\n' << z.InfD.x << '\n' << z.InfD.y << '\n';
    o << d.time << '\n' << int(d.boucl) << '\n' << d.mana << '\n' << d.lanceFX << '\n'
      << d.positionFX.x << '\n' << d.positionFX.y << '\n';
    return o.str();
}

std::string fichier_anim(const std::map<std::pair<int, int>, DONNEES>& images)
{
    std::string s;
    for (int i = 0; i < NB_SLOTS; ++i)
        for (int j = 0; j < NB_POSITIONS; ++j) {
            auto it = images.find({i, j});
            s += enregistrement(it != images.end() ? it->second : DONNEES());
        }
    return s;
}

DONNEES image(const char* chemin, int duree, bool boucle)
{
    DONNEES d;
    std::strncpy(d.chemin, chemin, sizeof d.chemin - 1);
    d.O = {10, 20};
    d.time = duree;
    d.boucl = boucle;
    return d;
}

void ecrire_bmp(const std::string& chemin, int w, int h, int r, int g, int b)
{
    const std::filesystem::path p(chemin);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    BITMAP* bmp = create_bitmap_ex(16, w, h);
    clear_to_color(bmp, makecol16(r, g, b));
    save_bitmap(chemin.c_str(), bmp, nullptr);
    destroy_bitmap(bmp);
}
