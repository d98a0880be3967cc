#include "fichieranim.h"

#include <algorithm>
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

// What the game can use of each number, far beyond what any fighter needs
// (frames of a few hundred pixels, speeds and forces of a few hundred): an
// extreme value would overflow the motion and drawing arithmetic.
constexpr int32_t COORDONNEE_MAX = 2048;
constexpr int32_t VITESSE_MAX = 2000;
constexpr int32_t QUANTITE_MAX = 10000;

int32_t borne(int32_t v, int32_t limite) { return std::clamp(v, -limite, limite); }
void borner(POINT& p)
{
    p.x = borne(p.x, COORDONNEE_MAX);
    p.y = borne(p.y, COORDONNEE_MAX);
}

void borner(DONNEES& d)
{
    borner(d.O);
    d.mvtx = borne(d.mvtx, VITESSE_MAX);
    d.mvty = borne(d.mvty, VITESSE_MAX);
    d.nb_attaques = std::clamp(d.nb_attaques, 0, ATTAQUES_FICHIER);
    d.nb_touches = std::clamp(d.nb_touches, 0, MAX_TOUCHES);
    for (POINT& p : d.attaque)
        borner(p);
    d.dgt.dmg = borne(d.dgt.dmg, QUANTITE_MAX);
    d.dgt.ForceVx = borne(d.dgt.ForceVx, VITESSE_MAX);
    d.dgt.ForceVy = borne(d.dgt.ForceVy, VITESSE_MAX);
    for (ZONE& z : d.touche) {
        borner(z.SupG);
        borner(z.InfD);
    }
    d.time = std::clamp(d.time, 0, QUANTITE_MAX);
    d.mana = borne(d.mana, QUANTITE_MAX);
    if (d.lanceFX < 0 || d.lanceFX >= NB_SLOTS)
        d.lanceFX = -1;
    borner(d.positionFX);
}

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
    borner(d);
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
