#include "rejeu.h"


#include <cstring>
#include <utility>

namespace {

const uint8_t MAGIE[4] = {'Z', 'R', 'P', 0x1A};

uint32_t crc32(const uint8_t* o, size_t n)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= o[i];
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    }
    return ~c;
}

class Ecrivain {
public:
    void octets(const void* p, size_t n) { s.append(static_cast<const char*>(p), n); }
    void entier(uint64_t v, int taille)
    {
        for (int i = 0; i < taille; ++i)
            s.push_back(static_cast<char>(v >> (8 * i)));
    }
    void varint(uint64_t v)
    {
        do {
            const uint8_t b = v & 0x7F;
            v >>= 7;
            s.push_back(static_cast<char>(v ? b | 0x80 : b));
        } while (v);
    }
    std::string s;
};

class Lecteur {
public:
    Lecteur(const uint8_t* o, size_t n) : o_(o), n_(n) {}
    bool entier(uint64_t& v, int taille)
    {
        if (n_ - pos_ < static_cast<size_t>(taille))
            return false;
        v = 0;
        for (int i = 0; i < taille; ++i)
            v |= static_cast<uint64_t>(o_[pos_++]) << (8 * i);
        return true;
    }
    bool varint(uint64_t& v)
    {
        v = 0;
        for (int decalage = 0; decalage < 64; decalage += 7) {
            if (pos_ >= n_)
                return false;
            const uint8_t b = o_[pos_++];
            v |= static_cast<uint64_t>(b & 0x7F) << decalage;
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    size_t pos() const { return pos_; }

private:
    const uint8_t* o_;
    size_t n_;
    size_t pos_ = 0;
};

constexpr int CHAMPS_CARAC = 10;

int32_t* champs(CARACTERISTIQUES& c, int i)
{
    int32_t* const tous[CHAMPS_CARAC - 2] = {&c.force,      &c.dexterite,      &c.constitution,      &c.arcanes,
                                             &c.bonusforce, &c.bonusdexterite, &c.bonusconstitution, &c.bonusarcanes};
    return i < CHAMPS_CARAC - 2 ? tous[i] : nullptr;
}

}  // namespace

void Rejeu::commencer(const ParamMoteur& pm, uint64_t graine_match)
{
    for (int i = 0; i < 2; ++i) {
        const ParamJoueur& j = i == 0 ? pm.parP1 : pm.parP2;
        cotes[i] = {j.perso, j.control, j.carac};
    }
    stage = pm.Parlvl.stage;
    mode = pm.ModeDeJeu;
    evolution = pm.ModeEvolution;
    edition = pm.edition;
    graine = graine_match;
    entrees.clear();
    sommes.clear();
    somme_finale = 0;
    winner = 0;
}

std::string ecrire_rejeu(const Rejeu& r)
{
    Ecrivain e;
    e.octets(MAGIE, 4);
    e.entier(VERSION_REJEU, 2);
    for (const CoteRejeu& c : r.cotes) {
        e.entier(static_cast<uint64_t>(c.perso), 1);
        e.entier(static_cast<uint64_t>(c.control), 1);
        CARACTERISTIQUES carac = c.carac;
        for (int i = 0; i < CHAMPS_CARAC - 2; ++i)
            e.entier(static_cast<uint32_t>(*champs(carac, i)), 4);
        e.entier(carac.experience, 4);
        e.entier(static_cast<uint32_t>(carac.niveau), 4);
    }
    e.entier(static_cast<uint64_t>(r.stage), 1);
    e.entier(static_cast<uint64_t>(r.mode), 1);
    e.entier(r.evolution ? 1 : 0, 1);
    e.entier(static_cast<uint64_t>(r.edition), 1);
    e.entier(r.graine, 8);
    const size_t n = r.entrees.size();
    e.entier(n, 4);
    for (size_t i = 0; i < n;) {
        size_t fin = i + 1;
        while (fin < n && r.entrees[fin] == r.entrees[i])
            ++fin;
        e.varint(fin - i);
        e.varint(r.entrees[i]);
        i = fin;
    }
    for (size_t i = 0; i < n; ++i)
        e.entier(i < r.sommes.size() ? r.sommes[i] : 0, 4);
    e.entier(r.somme_finale, 8);
    e.entier(static_cast<uint64_t>(r.winner), 1);
    e.entier(crc32(reinterpret_cast<const uint8_t*>(e.s.data()), e.s.size()), 4);
    return e.s;
}

const char* lire_rejeu(const uint8_t* o, size_t taille, Rejeu& r)
{
    if (taille < 4 || std::memcmp(o, MAGIE, 4) != 0)
        return "not a replay file";
    Lecteur l(o + 4, taille - 4);
    uint64_t v = 0;
    if (!l.entier(v, 2))
        return "cut short";
    if (v == 0 || v > VERSION_REJEU)
        return "made by a newer version of the game";
    const uint64_t version = v;
    if (taille < 8 || crc32(o, taille - 4) != (o[taille - 4] | o[taille - 3] << 8 | o[taille - 2] << 16 |
                                                static_cast<uint32_t>(o[taille - 1]) << 24))
        return "damaged (its checksum does not match)";
    Rejeu lu;
    for (CoteRejeu& c : lu.cotes) {
        uint64_t perso, control;
        if (!l.entier(perso, 1) || !l.entier(control, 1))
            return "cut short";
        if (perso > panda || control > CONTROLE_JOYSTICK)
            return "an unknown fighter or control";
        c.perso = static_cast<PERSO>(perso);
        c.control = static_cast<int>(control);
        for (int i = 0; i < CHAMPS_CARAC - 2; ++i) {
            if (!l.entier(v, 4))
                return "cut short";
            *champs(c.carac, i) = static_cast<int32_t>(v);
            // Characteristics far beyond what play can give are a forgery.
            if (*champs(c.carac, i) < -100 || *champs(c.carac, i) > 100)
                return "characteristics out of range";
        }
        if (!l.entier(v, 4))
            return "cut short";
        c.carac.experience = static_cast<uint32_t>(v);
        if (!l.entier(v, 4))
            return "cut short";
        c.carac.niveau = static_cast<int32_t>(v);
        if (c.carac.experience > GESTION_XP::EXPERIENCE_MAX || c.carac.niveau < 0 ||
            c.carac.niveau > GESTION_XP::NIVEAU_MAX)
            return "characteristics out of range";
    }
    uint64_t stage, mode, evolution, edition = 0, n;
    if (!l.entier(stage, 1) || !l.entier(mode, 1) || !l.entier(evolution, 1) ||
        (version >= 2 && !l.entier(edition, 1)) || !l.entier(lu.graine, 8) || !l.entier(n, 4))
        return "cut short";
    if (stage > inde || mode > mode_tournoi || evolution > 1 || edition > 1)
        return "an unknown stage, mode or edition";
    if (n > TICKS_REJEU_MAX)
        return "longer than any match";
    lu.stage = static_cast<STAGE>(stage);
    lu.mode = static_cast<ModeDeJeux>(mode);
    lu.evolution = evolution != 0;
    lu.edition = static_cast<Edition>(edition);
    lu.entrees.reserve(n);
    while (lu.entrees.size() < n) {
        uint64_t suite, valeur;
        if (!l.varint(suite) || !l.varint(valeur))
            return "cut short";
        if (suite == 0 || suite > n - lu.entrees.size() || valeur > 0xFFFFFFFFu)
            return "its keys do not add up";
        lu.entrees.insert(lu.entrees.end(), suite, static_cast<uint32_t>(valeur));
    }
    lu.sommes.resize(n);
    for (uint32_t& somme : lu.sommes) {
        if (!l.entier(v, 4))
            return "cut short";
        somme = static_cast<uint32_t>(v);
    }
    uint64_t winner;
    if (!l.entier(lu.somme_finale, 8) || !l.entier(winner, 1))
        return "cut short";
    if (winner > 2)
        return "an unknown winner";
    lu.winner = static_cast<int>(winner);
    if (l.pos() + 4 + 4 != taille)
        return "bytes left after the record";
    r = std::move(lu);
    return nullptr;
}

