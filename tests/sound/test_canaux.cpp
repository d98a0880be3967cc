// The channels with a real (silent) sound device: which samples load, which
// play, which get stopped, and what each channel remembers.
#include <allegro.h>
#include <gtest/gtest.h>

#include "sound/mp3.h"
#include "sound/son.h"
#include "support/dossier_temp.h"
#include "support/fichiers_son.h"

namespace {

bool joue(const SON& son)
{
    if (!son.sound)
        return false;
    for (int v = 0; v < 256; ++v)
        if (voice_check(v) == son.sound)
            return true;
    return false;
}

int pan_de(const SON& son)
{
    for (int v = 0; v < 256; ++v)
        if (son.sound && voice_check(v) == son.sound)
            return voice_get_pan(v);
    return -1;
}

class Canaux : public ::testing::Test {
protected:
    void SetUp() override
    {
        volume_sonore = 200;
        volume_musique = 200;
        const std::string ton = wav_ton(6.0);
        for (const char* f : {"wav/round1.wav", "wav/round2.wav", "wav/finalround.wav", "wav/fight.wav",
                              "wav/perfect.wav", "wav/timeup.wav", "stage/music2.wav", "wav/zef.wav",
                              "wav/mouseover.wav", "wav/mouseclic.wav", "wav/gong.wav", "wav/hit1.wav",
                              "shiz/wav/20.wav", "shiz/wav/22.wav", "shiz/wav/fireball.wav",
                              "vishvakarman/wav/mvt1.wav", "panda/wav/23.wav"})
            dossier.ecrire(f, ton);
        // "wav/ko.wav" is deliberately missing.
    }
    void TearDown() override
    {
        volume_musique = 200;
        stop_all();
    }
    static void stop_all()
    {
        for (int v = 0; v < 256; ++v)
            if (SAMPLE* s = voice_check(v))
                stop_sample(s);
    }

    DossierTemp dossier;
};

TEST_F(Canaux, AMatchChannelPlaysOneAnnouncementAtATime)
{
    CANALJEU jeu;
    jeu.initialiser(aeroport);
    EXPECT_TRUE(jeu.musique.EstOuvert());
    EXPECT_FALSE(jeu.sfx[4].EstOuvert());
    EXPECT_EQ(jeu.sfx_precedant, -1);

    jeu.jouer(1, 3);
    EXPECT_TRUE(joue(jeu.sfx[3]));
    jeu.jouer(1, 5);
    EXPECT_FALSE(joue(jeu.sfx[3]));
    EXPECT_TRUE(joue(jeu.sfx[5]));
    jeu.jouer(1, 5);   // restarts it
    EXPECT_TRUE(joue(jeu.sfx[5]));
    EXPECT_EQ(jeu.sfx_precedant, 5);

    // An entry that did not load changes nothing.
    jeu.jouer(1, 4);
    jeu.jouer(1, 9);
    EXPECT_TRUE(joue(jeu.sfx[5]));
    EXPECT_EQ(jeu.sfx_precedant, 5);

    jeu.jouer(0, 0);
    EXPECT_TRUE(joue(jeu.musique));
    jeu.stop(0, 0);
    EXPECT_FALSE(joue(jeu.musique));
    jeu.Destroy();
    EXPECT_FALSE(jeu.musique.EstOuvert());
    EXPECT_FALSE(jeu.sfx[5].EstOuvert());
}

TEST_F(Canaux, MutedMusicIsNeitherLoadedForTheMenusNorPlayedInAMatch)
{
    volume_musique = 0;
    CANALMENU menu;
    menu.initialiser();
    EXPECT_FALSE(menu.musique.EstOuvert());
    EXPECT_TRUE(menu.sfx[2].EstOuvert());
    menu.jouer(0, 0);

    CANALJEU jeu;
    jeu.initialiser(aeroport);
    jeu.jouer(0, 0);
    EXPECT_FALSE(joue(jeu.musique));
    jeu.Destroy();
    menu.Destroy();
}

int volume_de(const SON& son)
{
    for (int v = 0; v < 256; ++v)
        if (son.sound && voice_check(v) == son.sound)
            return voice_get_volume(v);
    return -1;
}

TEST_F(Canaux, TheVolumeSettingsAreTheLevelsTheGamePlaysAt)
{
    CANALMENU menu;
    menu.initialiser();
    menu.jouer(0, 0);
    ASSERT_EQ(volume_de(menu.musique), 200);
    // The options' music slider: the loop follows it at once, stops at 0
    // and starts again when it comes back up.
    volume_musique = 90;
    menu.regler_musique();
    EXPECT_EQ(volume_de(menu.musique), 90);
    volume_musique = 0;
    menu.regler_musique();
    EXPECT_FALSE(joue(menu.musique));
    volume_musique = 140;
    menu.regler_musique();
    EXPECT_EQ(volume_de(menu.musique), 140);
    menu.Destroy();
    // Muted at start-up the music is not even loaded: raising the slider loads it.
    volume_musique = 0;
    menu.initialiser();
    ASSERT_FALSE(menu.musique.EstOuvert());
    volume_musique = 60;
    menu.regler_musique();
    EXPECT_EQ(volume_de(menu.musique), 60);
    // The effects' slider: the next effect plays at its level, in the menus
    // and in a match.
    volume_sonore = 33;
    menu.jouer(1, 2);
    EXPECT_EQ(volume_de(menu.sfx[2]), 33);
    CANALJEU jeu;
    jeu.initialiser(aeroport);
    jeu.jouer(1, 3);
    EXPECT_EQ(volume_de(jeu.sfx[3]), 33);
    volume_sonore = 200;
    jeu.Destroy();
    menu.Destroy();
}

TEST_F(Canaux, StoppingAMenuEffectRecordsItAsTheLastStarted)
{
    CANALMENU menu;
    menu.initialiser();
    menu.jouer(0, 0);
    EXPECT_TRUE(joue(menu.musique));
    menu.jouer(1, 0);
    menu.stop(1, 3);   // outside the row: nothing
    EXPECT_TRUE(joue(menu.sfx[0]));
    EXPECT_EQ(menu.sfx_precedant, 0);

    menu.jouer(1, 2);
    menu.stop(1, 2);
    EXPECT_FALSE(joue(menu.sfx[2]));
    EXPECT_EQ(menu.sfx_precedant, 2);
    menu.jouer(1, 1);
    EXPECT_TRUE(joue(menu.sfx[1]));
    EXPECT_TRUE(joue(menu.musique));   // effects never touch the music

    // A copy plays the same samples but keeps its own record.
    CANALMENU copie = menu;
    copie.jouer(1, 0);
    EXPECT_EQ(copie.sfx_precedant, 0);
    EXPECT_EQ(menu.sfx_precedant, 1);
    EXPECT_FALSE(joue(menu.sfx[1]));

    // Setting the channel up again releases the earlier samples first.
    menu.initialiser();
    EXPECT_EQ(menu.sfx_precedant, -1);
    EXPECT_TRUE(menu.sfx[1].EstOuvert());
    menu.Destroy();
}

TEST_F(Canaux, AFighterChannelPansByScreenColumnAndKeepsItsGroupsApart)
{
    CANALPERSO perso;
    perso.initialiser(shiz);
    EXPECT_TRUE(perso.voix[42].EstOuvert());   // shares shiz/wav/22.wav with entry 22
    EXPECT_TRUE(perso.sfx_magie[4].EstOuvert());
    EXPECT_TRUE(perso.sfx_mvt[0].EstOuvert());
    EXPECT_FALSE(perso.voix[2].EstOuvert());

    perso.jouer(0, 20, 320);
    EXPECT_EQ(pan_de(perso.voix[20]), 127);
    perso.jouer(1, 0, 640);
    EXPECT_EQ(pan_de(perso.sfx_mvt[0]), 255);
    perso.jouer(2, 4, 0);
    EXPECT_EQ(pan_de(perso.sfx_magie[4]), 0);
    // Three groups, three samples sounding at once.
    EXPECT_TRUE(joue(perso.voix[20]));
    EXPECT_TRUE(joue(perso.sfx_mvt[0]));
    EXPECT_EQ(perso.voix_precedant, 20);
    EXPECT_EQ(perso.sfx_precedant, 0);
    EXPECT_EQ(perso.sfx2_precedant, 4);

    perso.jouer(0, 22, 320);
    EXPECT_FALSE(joue(perso.voix[20]));
    perso.jouer(3, 0, 320);   // no such group
    perso.jouer(0, 59, 320);  // empty entry
    EXPECT_EQ(perso.voix_precedant, 22);
    perso.Destroy();

    CANALPERSO p;
    p.initialiser(panda);   // borrows vishvakarman's movement noises
    EXPECT_TRUE(p.sfx_mvt[10].EstOuvert());
    EXPECT_TRUE(p.voix[40].EstOuvert());
    EXPECT_FALSE(p.sfx_magie[4].EstOuvert());
    p.Destroy();
}

TEST_F(Canaux, ASampleThatDidNotLoadIsSilent)
{
    SON son;
    EXPECT_FALSE(son.ouvrir("wav/absent.wav"));
    son.lire();
    son.lire_boucle(200, 1);
    son.stop();
    son.fermer();
    EXPECT_FALSE(son.EstOuvert());
}

}  // namespace

namespace {

TEST(MusiqueMp3, AShortFilePlaysToItsEndAndThenStops)
{
    DossierTemp dossier;
    dossier.ecrire("court.mp3", mp3_silence(10000));   // about a quarter of a second
    MP3CLASS musique;
    ASSERT_TRUE(musique.mp3_open("court.mp3"));
    ASSERT_EQ(musique.mp3_play(), ALMP3_OK);
    int etat = ALMP3_OK;
    for (int i = 0; i < 5000 && etat == ALMP3_OK; ++i) {
        etat = musique.mp3_poll();
        rest(1);
    }
    EXPECT_EQ(etat, ALMP3_POLL_PLAYJUSTFINISHED);
    EXPECT_EQ(musique.mp3_poll(), ALMP3_POLL_NOTPLAYING);
    musique.mp3_destroy();
    EXPECT_EQ(musique.mp3, nullptr);
}

}  // namespace
