// Two games meeting before their matches: they refuse each other when they
// could not play the same fight, each sees the other's fighter as it is
// chosen, the host's start is checked by the guest, and a choice made for a
// match already played never starts the next one.
#include <gtest/gtest.h>

#include "reseau/salon.h"
#include "support/deux_joueurs.h"

namespace {

struct Paire {
    int64_t horloge = 0;
    // Each game's end of the wire.
    TransportVirtuel fil_hote{Conditions{}, 1, horloge};
    TransportVirtuel fil_invite{Conditions{}, 2, horloge};
    Salon hote, invite;

    Paire(const Bonjour& h, const Bonjour& i) : hote(fil_hote, true, h), invite(fil_invite, false, i) {}
    void echanger()
    {
        for (int n = 0; n < 3; ++n) {
            ++horloge;
            fil_hote.livrer(fil_invite);
            fil_invite.livrer(fil_hote);
            hote.recevoir(horloge);
            invite.recevoir(horloge);
        }
    }
};

Bonjour bonjour(uint64_t contenu = 42, uint8_t edition = 0, bool progression = false)
{
    Bonjour b;
    b.contenu = contenu;
    b.edition = edition;
    b.progression = progression;
    return b;
}

Choix choix(uint8_t perso, bool pret = true)
{
    Choix c;
    c.perso = perso;
    c.pret = pret;
    c.carac = {10, 11, 10, 12, 0, 0, 0, 0, 900, 2};
    return c;
}

TEST(Salon, BothSeeTheOthersFighterAndTheGuestGetsTheHostsMatch)
{
    Paire p(bonjour(), bonjour());
    p.echanger();
    ASSERT_EQ(p.hote.etat(), Salon::Etat::selection);
    ASSERT_EQ(p.invite.etat(), Salon::Etat::selection);
    EXPECT_FALSE(p.hote.lancer(1, 0, 0)) << "nobody has chosen";

    p.invite.choisir(choix(2, false));
    p.echanger();
    EXPECT_EQ(p.hote.choix_distant().perso, 2) << "seen as it is being chosen";
    p.hote.choisir(choix(1));
    p.invite.choisir(choix(3));
    p.echanger();
    EXPECT_EQ(p.invite.choix_distant().perso, 1);
    ASSERT_TRUE(p.hote.prets());

    const std::optional<Depart> d = p.hote.lancer(77, 2, 1);
    ASSERT_TRUE(d);
    p.echanger();
    const std::optional<Depart> recu = p.invite.depart_recu();
    ASSERT_TRUE(recu);
    EXPECT_TRUE(*recu == *d);
    EXPECT_FALSE(p.invite.depart_recu()) << "once";

    const Rejeu e = entete_du_depart(*recu);
    EXPECT_EQ(e.cotes[0].perso, talon);
    EXPECT_EQ(e.cotes[1].perso, panda);
    EXPECT_EQ(e.cotes[1].carac.arcanes, 12);
    EXPECT_EQ(e.cotes[0].control, CONTROLE_CLAVIER);
    EXPECT_EQ(e.stage, inde);
    EXPECT_EQ(e.graine, 77u);

    // Back for a rematch: the choice the guest made for the match just
    // played, said again late, does not count for the next.
    p.hote.revenir();
    p.horloge += 600;   // the guest's choice is said again
    p.echanger();
    p.invite.revenir();
    p.horloge += 1000;
    p.echanger();
    EXPECT_EQ(p.hote.choix_distant().perso, 0xFF);
    EXPECT_FALSE(p.hote.prets());
    p.invite.choisir(choix(0));
    p.hote.choisir(choix(0));
    p.echanger();
    const std::optional<Depart> revanche = p.hote.lancer(78, 0, 0);
    ASSERT_TRUE(revanche);
    EXPECT_EQ(revanche->match, 2u);
    p.echanger();
    EXPECT_TRUE(p.invite.depart_recu());
}

TEST(Salon, GamesThatCannotPlayTheSameFightAreRefusedOnBothSides)
{
    struct Cas {
        const char* quoi;
        Bonjour invite;
    };
    Bonjour autre_version = bonjour();
    autre_version.jeu = VERSION_JEU + 1;
    for (const Cas& c : {Cas{"another version", autre_version}, Cas{"other fighters' files", bonjour(43)},
                         Cas{"the other edition", bonjour(42, 1)}, Cas{"progression on", bonjour(42, 0, true)}}) {
        Paire p(bonjour(), c.invite);
        p.echanger();
        EXPECT_EQ(p.hote.etat(), Salon::Etat::refuse) << c.quoi;
        EXPECT_EQ(p.invite.etat(), Salon::Etat::refuse) << c.quoi;
        EXPECT_FALSE(p.hote.raison().empty()) << c.quoi;
        EXPECT_FALSE(p.invite.raison().empty()) << c.quoi;
    }
}

TEST(Salon, AMatchTheGuestDidNotChooseIsRefused)
{
    Paire p(bonjour(), bonjour());
    p.echanger();
    p.hote.choisir(choix(1));
    p.invite.choisir(choix(3));
    p.echanger();
    // A host that put another fighter on the guest's side.
    Depart d;
    d.match = 1;
    d.cotes[0] = choix(1);
    d.cotes[1] = choix(0);
    d.cotes[0].match = d.cotes[1].match = 1;
    p.fil_hote.envoyer(ecrire_message(d), true);
    p.echanger();
    EXPECT_FALSE(p.invite.depart_recu());
    EXPECT_EQ(p.invite.etat(), Salon::Etat::refuse);
    EXPECT_EQ(p.hote.etat(), Salon::Etat::refuse);
}

TEST(Salon, LeavingIsSeenByThePeer)
{
    Paire p(bonjour(), bonjour());
    p.echanger();
    p.invite.quitter();
    p.echanger();
    EXPECT_EQ(p.hote.etat(), Salon::Etat::parti);
}

}  // namespace
