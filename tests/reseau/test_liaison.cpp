// Two games joined over ENet on this machine: the set-up messages arrive
// whole and in order, keys arrive, a second caller is turned away, a
// goodbye is seen, and addresses are read as players type them.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "reseau/liaison.h"

namespace {

int64_t ms_depuis(std::chrono::steady_clock::time_point debut)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut).count();
}

// Services every link until `fait` holds or two seconds pass.
template <typename F>
bool attendre(std::vector<Liaison*> liens, F fait)
{
    const auto debut = std::chrono::steady_clock::now();
    while (ms_depuis(debut) < 2000) {
        for (Liaison* l : liens)
            l->servir(ms_depuis(debut));
        if (fait())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST(Liaison, TwoGamesOnThisMachineTalkAndAThirdIsTurnedAway)
{
    std::string erreur;
    auto hote = Liaison::heberger(0, erreur);   // any free port
    ASSERT_TRUE(hote) << erreur;
    auto invite = Liaison::rejoindre("127.0.0.1", hote->port(), erreur);
    ASSERT_TRUE(invite) << erreur;
    ASSERT_TRUE(attendre({hote.get(), invite.get()}, [&] { return hote->connectee() && invite->connectee(); }));

    for (int i = 0; i < 50; ++i)
        invite->envoyer({static_cast<uint8_t>(i), 1, 2}, true, 0);
    invite->envoyer(std::vector<uint8_t>(DATAGRAMME_MAX + 1, 7), true, 0);
    std::vector<std::vector<uint8_t>> recus;
    ASSERT_TRUE(attendre({hote.get(), invite.get()}, [&] {
        std::vector<uint8_t> d;
        while (hote->recevoir(d))
            recus.push_back(d);
        return recus.size() >= 50 && hote->trop_grands() == 1;
    }));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(recus[static_cast<size_t>(i)], (std::vector<uint8_t>{static_cast<uint8_t>(i), 1, 2}));

    auto intrus = Liaison::rejoindre("127.0.0.1", hote->port(), erreur);
    ASSERT_TRUE(intrus);
    EXPECT_FALSE(attendre({hote.get(), invite.get(), intrus.get()}, [&] { return intrus->connectee(); }))
        << "the host plays one peer at a time";

    // A goodbye sent just before leaving arrives before the link breaks:
    // the peer is told why, not left guessing at a lost connection.
    // (The game that leaves waits for its peer's acknowledgement, which
    // the host gives on this thread meanwhile.)
    invite->envoyer({42}, true, 0);
    std::thread depart([&invite] { invite.reset(); });
    std::vector<uint8_t> adieu;
    EXPECT_TRUE(attendre({hote.get()}, [&] { return hote->recevoir(adieu); }));
    EXPECT_EQ(adieu, std::vector<uint8_t>{42});
    EXPECT_TRUE(attendre({hote.get()}, [&] { return hote->rompue(); }));
    depart.join();
}

TEST(Liaison, AddressesAreReadAsTyped)
{
    std::string hote;
    uint16_t port = 0;
    ASSERT_TRUE(lire_adresse("192.168.1.20", hote, port));
    EXPECT_EQ(hote, "192.168.1.20");
    EXPECT_EQ(port, PORT_PAR_DEFAUT);
    ASSERT_TRUE(lire_adresse("arene.example:7100", hote, port));
    EXPECT_EQ(hote, "arene.example");
    EXPECT_EQ(port, 7100);
    for (const char* faux : {"", ":7000", "hote:", "hote:0", "hote:65536", "hote:70a", "ho te", "hote/../x"})
        EXPECT_FALSE(lire_adresse(faux, hote, port)) << faux;
}

}  // namespace
