#include "fichieranim.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class Lecteur {
public:
    explicit Lecteur(std::FILE* f) : f_(f) {}

    // The next run of non-blank characters.
    bool mot(std::string& out)
    {
        out.clear();
        int c;
        while ((c = std::fgetc(f_)) != EOF && std::isspace(c))
            ;
        while (c != EOF && !std::isspace(c)) {
            out += static_cast<char>(c);
            c = std::fgetc(f_);
        }
        return !out.empty();
    }

    // A decimal integer that fits 32 bits, with an optional sign.
    bool entier(int32_t& out)
    {
        if (!mot(tampon_))
            return false;
        errno = 0;
        char* fin = nullptr;
        const long v = std::strtol(tampon_.c_str(), &fin, 10);
        if (fin == tampon_.c_str() || *fin != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
            return false;
        out = static_cast<int32_t>(v);
        return true;
    }

    bool booleen(bool& out)
    {
        int32_t v = 0;
        if (!entier(v))
            return false;
        out = v != 0;
        return true;
    }

    bool point(POINT& p) { return entier(p.x) && entier(p.y); }

private:
    std::FILE* f_;
    std::string tampon_;
};

bool lire_enregistrement(Lecteur& lire, DONNEES& d)
{
    std::string chemin;
    if (!lire.mot(chemin))
        return false;
    bool ok = lire.point(d.O) && lire.entier(d.mvtx) && lire.entier(d.mvty) && lire.booleen(d.grav) &&
              lire.entier(d.nb_attaques) && lire.entier(d.nb_touches);
    for (int i = 0; ok && i < ATTAQUES_FICHIER; ++i)
        ok = lire.point(d.attaque[i]);
    // The file gives the knock-down flag before the two forces.
    ok = ok && lire.entier(d.dgt.dmg) && lire.booleen(d.dgt.tombe) && lire.entier(d.dgt.ForceVx) &&
         lire.entier(d.dgt.ForceVy);
    for (int i = 0; ok && i < MAX_TOUCHES; ++i)
        ok = lire.point(d.touche[i].SupG) && lire.point(d.touche[i].InfD);
    ok = ok && lire.entier(d.time) && lire.booleen(d.boucl) && lire.entier(d.mana) && lire.entier(d.lanceFX) &&
         lire.point(d.positionFX);
    if (!ok)
        return false;
    if (chemin.size() < sizeof d.chemin)
        std::memcpy(d.chemin, chemin.c_str(), chemin.size() + 1);
    return true;
}

}  // namespace

int lire_fichier_anim(std::FILE* f, TableAnim& table)
{
    table = TableAnim();
    Lecteur lire(f);
    for (int n = 0; n < NB_ENREGISTREMENTS; ++n) {
        DONNEES d;
        if (!lire_enregistrement(lire, d))
            return n;
        table.rec[n / NB_POSITIONS][n % NB_POSITIONS] = d;
    }
    return NB_ENREGISTREMENTS;
}
