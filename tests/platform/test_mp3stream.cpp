// Streaming MP3 from disk: how files are cut into blocks and handed over,
// and what the decoder makes of them.
#include <gtest/gtest.h>

#include <vector>

#include "sound/mp3.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichiers_son.h"

namespace {

class Mp3 : public ::testing::Test {
protected:
    void SetUp() override { allegro_sans_systeme(); }
    void TearDown() override { musique.mp3_destroy(); }

    ALMP3_MP3STREAM* flux() { return musique.mp3->stream; }

    DossierTemp dossier;
    MP3CLASS musique;
};

TEST_F(Mp3, AFileShorterThanABlockIsOneFinalBlockAndIsNeverReadAgain)
{
    dossier.ecrire("court.mp3", mp3_silence(10000));
    ASSERT_TRUE(musique.mp3_open("court.mp3"));
    EXPECT_EQ(almp3_get_mp3stream_bytes_received(flux()), 10000);
    EXPECT_TRUE(almp3_get_mp3stream_last_block_received(flux()));
    EXPECT_EQ(almp3_get_mp3stream_buffer(flux()), nullptr);
    for (int i = 0; i < 5; ++i)
        musique.mp3_poll();
    EXPECT_EQ(almp3_get_mp3stream_bytes_received(flux()), 10000);
}

TEST_F(Mp3, AFileOfExactlyOneBlockEndsWithAnEmptyFinalBlock)
{
    dossier.ecrire("bloc.mp3", mp3_silence(MP3CLASS::TAILLE_BLOC));
    ASSERT_TRUE(musique.mp3_open("bloc.mp3"));
    EXPECT_EQ(almp3_get_mp3stream_bytes_received(flux()), MP3CLASS::TAILLE_BLOC);
    EXPECT_FALSE(almp3_get_mp3stream_last_block_received(flux()));

    musique.mp3_poll();   // the refill finds the end of the file
    EXPECT_EQ(almp3_get_mp3stream_bytes_received(flux()), MP3CLASS::TAILLE_BLOC);
    EXPECT_TRUE(almp3_get_mp3stream_last_block_received(flux()));
    EXPECT_EQ(almp3_get_mp3stream_buffer(flux()), nullptr);
}

TEST_F(Mp3, ALongFileIsHandedOverBlockByBlockAsTheDecoderUsesIt)
{
    const int taille = 5 * MP3CLASS::TAILLE_BLOC + 1234;
    dossier.ecrire("long.mp3", mp3_silence(static_cast<std::size_t>(taille)));
    ASSERT_TRUE(musique.mp3_open("long.mp3"));
    EXPECT_EQ(almp3_get_mp3stream_freq(flux()), 44100);
    EXPECT_EQ(almp3_get_mp3stream_stereo(flux()), 1);

    // Drain the decoder between polls, as playing would.
    std::vector<short> pcm(4096);
    long echantillons = 0;
    for (int tour = 0; tour < 2000 && !almp3_get_mp3stream_last_block_received(flux()); ++tour) {
        const long avant = almp3_get_mp3stream_bytes_received(flux());
        musique.mp3_poll();
        const long recu = almp3_get_mp3stream_bytes_received(flux()) - avant;
        EXPECT_TRUE(recu == 0 || recu == MP3CLASS::TAILLE_BLOC || recu == 1234) << recu;
        echantillons += almp3_decode_mp3stream(flux(), pcm.data(), static_cast<int>(pcm.size()));
    }
    EXPECT_EQ(almp3_get_mp3stream_bytes_received(flux()), taille);
    int n;
    while ((n = almp3_decode_mp3stream(flux(), pcm.data(), static_cast<int>(pcm.size()))) > 0)
        echantillons += n;

    // Every whole frame comes out as 1152 stereo samples of silence.
    const long trames = taille / OCTETS_TRAME_MP3;
    EXPECT_GE(echantillons, (trames - 2) * ECHANTILLONS_TRAME_MP3 * 2);
    EXPECT_LE(echantillons, (trames + 1) * ECHANTILLONS_TRAME_MP3 * 2);
    for (short v : pcm)
        ASSERT_EQ(v, 0);
}

TEST_F(Mp3, NothingToPlayGivesFalseAndHoldsNothing)
{
    dossier.ecrire("vide.mp3", "");
    EXPECT_FALSE(musique.mp3_open("vide.mp3"));
    EXPECT_EQ(musique.mp3, nullptr);

    EXPECT_FALSE(musique.mp3_open("absent.mp3"));
    EXPECT_EQ(musique.mp3, nullptr);

    dossier.ecrire("texte.mp3", std::string(5000, 'x'));
    EXPECT_FALSE(musique.mp3_open("texte.mp3"));
    EXPECT_EQ(musique.mp3, nullptr);

    // A class that failed to open stays safe to use.
    EXPECT_NE(musique.mp3_play(), ALMP3_OK);
    EXPECT_EQ(musique.mp3_poll(), ALMP3_POLL_NOTPLAYING);
    musique.mp3_destroy();
}

}  // namespace
