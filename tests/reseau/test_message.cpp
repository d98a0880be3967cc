// The online messages: each kind read back as written, and anything else
// refused whole, never a crash: short, long, out of range, unknown.
#include <gtest/gtest.h>

#include <random>

#include "reseau/message.h"

namespace {

Choix un_choix(uint8_t perso)
{
    Choix c;
    c.perso = perso;
    c.pret = true;
    c.progression = true;
    c.carac = {12, 11, 10, 9, 1, 0, 2, 0, 2800, 3};
    return c;
}

std::vector<Message> exemples()
{
    Entrees e;
    e.match = 3;
    e.premier = 1200;
    e.touches = {0, 1, 0x1FF, 0x101};
    e.recu = 1190;
    e.tick = 1204;
    e.ping = 123456;
    e.pong = 123400;
    e.tick_somme = 1180;
    e.somme = 0xDEADBEEF;
    Depart d;
    d.match = 3;
    d.graine = 0x0123456789ABCDEFull;
    d.stage = 2;
    d.edition = 1;
    d.delai = 2;
    d.cotes[0] = un_choix(0);
    d.cotes[1] = un_choix(3);
    return {Bonjour{VERSION_PROTOCOLE, VERSION_JEU, 0xFEEDFACECAFEBEEFull, 1, true}, un_choix(2), Choix{}, d, e,
            AuRevoir{Raison::desynchronise, 4242}};
}

TEST(Message, EachKindIsReadBackAsWritten)
{
    for (const Message& m : exemples()) {
        const std::vector<uint8_t> octets = ecrire_message(m);
        ASSERT_LE(octets.size(), 200u);
        const std::optional<Message> relu = lire_message(octets.data(), octets.size());
        ASSERT_TRUE(relu.has_value()) << "kind " << int(octets[0]);
        EXPECT_TRUE(*relu == m) << "kind " << int(octets[0]);
    }
    Entrees plein;
    plein.touches.assign(ENTREES_PAR_MESSAGE, 0x1FF);
    const std::vector<uint8_t> octets = ecrire_message(plein);
    EXPECT_TRUE(lire_message(octets.data(), octets.size()).has_value()) << "the most keys a message holds";
}

TEST(Message, AnythingElseIsRefusedWhole)
{
    EXPECT_FALSE(lire_message(nullptr, 0));
    for (const Message& m : exemples()) {
        const std::vector<uint8_t> octets = ecrire_message(m);
        for (size_t n = 0; n < octets.size(); ++n)
            EXPECT_FALSE(lire_message(octets.data(), n)) << "kind " << int(octets[0]) << " cut at " << n;
        std::vector<uint8_t> long_ = octets;
        long_.push_back(0);
        EXPECT_FALSE(lire_message(long_.data(), long_.size())) << "kind " << int(octets[0]) << " with a byte more";
    }
    const uint8_t inconnu[] = {0x77, 0, 0, 0};
    EXPECT_FALSE(lire_message(inconnu, sizeof inconnu));

    auto refuse = [](Message m, const char* quoi) {
        const std::vector<uint8_t> octets = ecrire_message(m);
        EXPECT_FALSE(lire_message(octets.data(), octets.size())) << quoi;
    };
    Choix c = un_choix(1);
    c.perso = 4;
    refuse(c, "a fifth fighter");
    c = un_choix(1);
    c.carac.experience = GESTION_XP::EXPERIENCE_MAX + 1;
    refuse(c, "experience past the last level");
    c = un_choix(1);
    c.carac.niveau = 30;
    refuse(c, "level 30");
    c = Choix{};
    c.pret = true;
    refuse(c, "ready with no fighter");
    Depart d = std::get<Depart>(exemples()[3]);
    d.stage = 3;
    refuse(d, "a fourth stage");
    d = std::get<Depart>(exemples()[3]);
    d.cotes[1].pret = false;
    refuse(d, "a match with a side not chosen");
    d = std::get<Depart>(exemples()[3]);
    d.delai = DELAI_MAX + 1;
    refuse(d, "keys delayed past the most a match allows");
    Entrees e = std::get<Entrees>(exemples()[4]);
    e.touches.clear();
    refuse(e, "no keys");
    e.touches.assign(ENTREES_PAR_MESSAGE + 1, 0);
    refuse(e, "too many keys");
    e.touches = {0x200};
    refuse(e, "a key role that does not exist");
    e.touches = {1};
    e.premier = TICK_MAX;
    refuse(e, "a tick past an hour");
    e.premier = 0;
    e.tick = TICK_MAX + 1;
    refuse(e, "a current tick past an hour");

    // Random bytes: refused or read, never a crash.
    std::mt19937 alea(11);
    for (int i = 0; i < 20000; ++i) {
        std::vector<uint8_t> octets(alea() % 80);
        for (uint8_t& o : octets)
            o = static_cast<uint8_t>(alea());
        if (!octets.empty())
            octets[0] = static_cast<uint8_t>(1 + alea() % 5);
        (void)lire_message(octets.data(), octets.size());
    }
}

}  // namespace
