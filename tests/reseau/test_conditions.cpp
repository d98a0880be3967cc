// The network conditions: what each setting does to datagrams on their way,
// and the command line's way of writing them.
#include <gtest/gtest.h>

#include <set>

#include "reseau/conditions.h"

namespace {

std::vector<uint8_t> numero(int n) { return {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8)}; }
int lu(const std::vector<uint8_t>& d) { return d[0] | d[1] << 8; }

// Sends one datagram per ms for `n` ms and collects what arrives, in order,
// with the time it arrived.
std::vector<std::pair<int, int64_t>> faire_passer(Acheminement& a, int n, bool fiable = false)
{
    std::vector<std::pair<int, int64_t>> arrives;
    std::vector<uint8_t> d;
    bool f;
    for (int64_t ms = 0; ms < n + 2000; ++ms) {
        if (ms < n)
            a.confier(numero(static_cast<int>(ms)), fiable, ms);
        while (a.livrer(ms, d, f))
            arrives.emplace_back(lu(d), ms);
    }
    return arrives;
}

TEST(Conditions, EachSettingDoesWhatItSays)
{
    Acheminement parfait{Conditions{}};
    const auto tous = faire_passer(parfait, 1000);
    ASSERT_EQ(tous.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(tous[static_cast<size_t>(i)], std::make_pair(i, static_cast<int64_t>(i)));

    Conditions lent;
    lent.delai_ms = 75;
    lent.gigue_ms = 10;
    Acheminement a(lent, 3);
    for (const auto& [n, arrivee] : faire_passer(a, 1000)) {
        EXPECT_GE(arrivee - n, 65);
        EXPECT_LE(arrivee - n, 85);
    }

    Conditions perte;
    perte.perte_pct = 5;
    Acheminement p(perte, 4);
    const size_t passes = faire_passer(p, 10000).size();
    EXPECT_NEAR(static_cast<double>(passes), 9500.0, 150.0);

    Conditions doublons;
    doublons.doublon_pct = 10;
    Acheminement dbl(doublons, 5);
    EXPECT_NEAR(static_cast<double>(faire_passer(dbl, 10000).size()), 11000.0, 200.0);

    Conditions desordre;
    desordre.desordre_pct = 10;
    Acheminement des(desordre, 6);
    const auto arrives = faire_passer(des, 1000);
    int depasses = 0;
    for (size_t i = 1; i < arrives.size(); ++i)
        depasses += arrives[i].first < arrives[i - 1].first;
    EXPECT_GT(depasses, 50);
    EXPECT_EQ(arrives.size(), 1000u) << "reordered, not lost";

    Conditions rafales;
    rafales.rafale_ms = 300;
    rafales.rafale_tous_ms = 1000;
    Acheminement r(rafales);
    std::set<int> passes_r;
    for (const auto& a_ : faire_passer(r, 3000))
        passes_r.insert(a_.first);
    EXPECT_EQ(passes_r.size(), 2100u);
    EXPECT_FALSE(passes_r.count(800)) << "inside a burst";
    EXPECT_TRUE(passes_r.count(650));
}

TEST(Conditions, ReliableDatagramsAreOnlyDelayedAndKeepTheirOrder)
{
    Conditions pire;
    pire.delai_ms = 50;
    pire.gigue_ms = 40;
    pire.perte_pct = 50;
    pire.doublon_pct = 50;
    pire.desordre_pct = 50;
    Acheminement a(pire, 9);
    const auto arrives = faire_passer(a, 1000, true);
    ASSERT_EQ(arrives.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(arrives[static_cast<size_t>(i)].first, i);
}

TEST(Conditions, WrittenOnTheCommandLine)
{
    Conditions c;
    ASSERT_TRUE(lire_conditions("delai=75,gigue=10,perte=5,doublon=1,desordre=2,rafale=300/2000", c));
    EXPECT_EQ(c.delai_ms, 75);
    EXPECT_EQ(c.gigue_ms, 10);
    EXPECT_EQ(c.perte_pct, 5);
    EXPECT_EQ(c.doublon_pct, 1);
    EXPECT_EQ(c.desordre_pct, 2);
    EXPECT_EQ(c.rafale_ms, 300);
    EXPECT_EQ(c.rafale_tous_ms, 2000);
    ASSERT_TRUE(lire_conditions("", c));
    EXPECT_TRUE(c.parfaites());
    for (const char* faux : {"delai", "delai=", "delai=-5", "perte=101", "vitesse=3", "rafale=300", "rafale=2000/300",
                             "delai=75;perte=5", "delai=9999999"})
        EXPECT_FALSE(lire_conditions(faux, c)) << faux;
}

}  // namespace
