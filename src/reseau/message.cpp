#include "message.h"

#include <tuple>
#include <type_traits>

namespace {

class Ecrivain {
public:
    std::vector<uint8_t> octets;
    void u8(uint8_t v) { octets.push_back(v); }
    void u16(uint16_t v) { entier(v, 2); }
    void u32(uint32_t v) { entier(v, 4); }
    void u64(uint64_t v) { entier(v, 8); }

private:
    void entier(uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            octets.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
};

// Reads fields in order; once anything is missing every later read fails.
class Lecteur {
public:
    Lecteur(const uint8_t* o, size_t n) : o_(o), n_(n) {}
    bool ok() const { return ok_; }
    bool fini() const { return ok_ && pos_ == n_; }
    uint8_t u8() { return static_cast<uint8_t>(entier(1)); }
    uint16_t u16() { return static_cast<uint16_t>(entier(2)); }
    uint32_t u32() { return static_cast<uint32_t>(entier(4)); }
    uint64_t u64() { return entier(8); }
    bool booleen()
    {
        const uint8_t b = u8();
        if (b > 1)
            ok_ = false;
        return b == 1;
    }
    void exiger(bool condition)
    {
        if (!condition)
            ok_ = false;
    }

private:
    uint64_t entier(int n)
    {
        if (!ok_ || n_ - pos_ < static_cast<size_t>(n)) {
            ok_ = false;
            return 0;
        }
        uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(o_[pos_ + static_cast<size_t>(i)]) << (8 * i);
        pos_ += static_cast<size_t>(n);
        return v;
    }
    const uint8_t* o_;
    size_t n_;
    size_t pos_ = 0;
    bool ok_ = true;
};


void ecrire_choix(Ecrivain& e, const Choix& c)
{
    e.u32(c.match);
    e.u8(c.perso);
    e.u8(c.pret);
    e.u8(c.progression);
    for (int32_t v : {c.carac.force, c.carac.dexterite, c.carac.constitution, c.carac.arcanes, c.carac.bonusforce,
                      c.carac.bonusdexterite, c.carac.bonusconstitution, c.carac.bonusarcanes})
        e.u8(static_cast<uint8_t>(v));
    e.u32(c.carac.experience);
    e.u8(static_cast<uint8_t>(c.carac.niveau));
}

Choix lire_choix(Lecteur& l)
{
    Choix c;
    c.match = l.u32();
    c.perso = l.u8();
    l.exiger(c.perso <= 3 || c.perso == 0xFF);
    c.pret = l.booleen();
    l.exiger(!c.pret || c.perso <= 3);
    c.progression = l.booleen();
    for (int32_t* v : {&c.carac.force, &c.carac.dexterite, &c.carac.constitution, &c.carac.arcanes, &c.carac.bonusforce,
                       &c.carac.bonusdexterite, &c.carac.bonusconstitution, &c.carac.bonusarcanes})
        *v = l.u8();
    c.carac.experience = l.u32();
    l.exiger(c.carac.experience <= GESTION_XP::EXPERIENCE_MAX);
    c.carac.niveau = l.u8();
    l.exiger(c.carac.niveau <= GESTION_XP::NIVEAU_MAX);
    return c;
}

}  // namespace

bool Choix::operator==(const Choix& o) const
{
    const auto champs = [](const Choix& c) {
        const CARACTERISTIQUES& k = c.carac;
        return std::vector<int64_t>{c.match, c.perso, c.pret, c.progression, k.force, k.dexterite, k.constitution, k.arcanes,
                                    k.bonusforce, k.bonusdexterite, k.bonusconstitution, k.bonusarcanes, k.experience,
                                    k.niveau};
    };
    return champs(*this) == champs(o);
}

bool Bonjour::operator==(const Bonjour& o) const
{
    return std::tie(protocole, jeu, contenu, edition, progression) ==
           std::tie(o.protocole, o.jeu, o.contenu, o.edition, o.progression);
}

bool Depart::operator==(const Depart& o) const
{
    return std::tie(match, graine, stage, edition, delai) == std::tie(o.match, o.graine, o.stage, o.edition, o.delai) &&
           cotes[0] == o.cotes[0] && cotes[1] == o.cotes[1];
}

bool Entrees::operator==(const Entrees& o) const
{
    return std::tie(match, premier, touches, recu, tick, ping, pong, tick_somme, somme) ==
           std::tie(o.match, o.premier, o.touches, o.recu, o.tick, o.ping, o.pong, o.tick_somme, o.somme);
}

bool AuRevoir::operator==(const AuRevoir& o) const { return raison == o.raison && tick == o.tick; }

std::vector<uint8_t> ecrire_message(const Message& m)
{
    Ecrivain e;
    std::visit(
        [&e](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Bonjour>) {
                e.u8(static_cast<uint8_t>(Genre::bonjour));
                e.u16(v.protocole);
                e.u32(v.jeu);
                e.u64(v.contenu);
                e.u8(v.edition);
                e.u8(v.progression);
            } else if constexpr (std::is_same_v<T, Choix>) {
                e.u8(static_cast<uint8_t>(Genre::choix));
                ecrire_choix(e, v);
            } else if constexpr (std::is_same_v<T, Depart>) {
                e.u8(static_cast<uint8_t>(Genre::depart));
                e.u32(v.match);
                e.u64(v.graine);
                e.u8(v.stage);
                e.u8(v.edition);
                e.u8(v.delai);
                ecrire_choix(e, v.cotes[0]);
                ecrire_choix(e, v.cotes[1]);
            } else if constexpr (std::is_same_v<T, Entrees>) {
                e.u8(static_cast<uint8_t>(Genre::entrees));
                e.u32(v.match);
                e.u32(v.premier);
                e.u8(static_cast<uint8_t>(v.touches.size()));
                for (Touches t : v.touches)
                    e.u16(t);
                e.u32(v.recu);
                e.u32(v.tick);
                e.u32(v.ping);
                e.u32(v.pong);
                e.u32(v.tick_somme);
                e.u32(v.somme);
            } else {
                e.u8(static_cast<uint8_t>(Genre::au_revoir));
                e.u8(static_cast<uint8_t>(v.raison));
                e.u32(v.tick);
            }
        },
        m);
    return e.octets;
}

std::optional<Message> lire_message(const uint8_t* octets, size_t taille)
{
    if (!octets || taille == 0)
        return std::nullopt;
    Lecteur l(octets + 1, taille - 1);
    Message m;
    switch (static_cast<Genre>(octets[0])) {
    case Genre::bonjour: {
        Bonjour b;
        b.protocole = l.u16();
        b.jeu = l.u32();
        b.contenu = l.u64();
        b.edition = l.u8();
        l.exiger(b.edition <= 1);
        b.progression = l.booleen();
        m = b;
        break;
    }
    case Genre::choix:
        m = lire_choix(l);
        break;
    case Genre::depart: {
        Depart d;
        d.match = l.u32();
        d.graine = l.u64();
        d.stage = l.u8();
        l.exiger(d.stage <= 2);
        d.edition = l.u8();
        l.exiger(d.edition <= 1);
        d.delai = l.u8();
        l.exiger(d.delai <= DELAI_MAX);
        d.cotes[0] = lire_choix(l);
        d.cotes[1] = lire_choix(l);
        l.exiger(d.cotes[0].pret && d.cotes[1].pret);
        m = d;
        break;
    }
    case Genre::entrees: {
        Entrees e;
        e.match = l.u32();
        e.premier = l.u32();
        const int n = l.u8();
        l.exiger(n >= 1 && n <= ENTREES_PAR_MESSAGE);
        for (int i = 0; i < n && l.ok(); ++i) {
            e.touches.push_back(l.u16());
            l.exiger(e.touches.back() >> NB_TOUCHES == 0);   // one bit per key role, no more
        }
        e.recu = l.u32();
        e.tick = l.u32();
        e.ping = l.u32();
        e.pong = l.u32();
        e.tick_somme = l.u32();
        e.somme = l.u32();
        l.exiger(e.premier < TICK_MAX && e.premier + static_cast<uint32_t>(n) <= TICK_MAX && e.recu <= TICK_MAX &&
                 e.tick <= TICK_MAX && e.tick_somme <= TICK_MAX);
        m = e;
        break;
    }
    case Genre::au_revoir: {
        AuRevoir a;
        const uint8_t r = l.u8();
        l.exiger(r <= static_cast<uint8_t>(Raison::desynchronise));
        a.raison = static_cast<Raison>(r);
        a.tick = l.u32();
        l.exiger(a.tick <= TICK_MAX);
        m = a;
        break;
    }
    default:
        return std::nullopt;
    }
    if (!l.fini())
        return std::nullopt;
    return m;
}
