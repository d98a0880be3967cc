#include "mp3.h"

#include <vector>

bool MP3CLASS::mp3_open(const char* nom)
{
    mp3_destroy();
    mp3 = new MP3FILE;
    mp3->file = pack_fopen(nom, "r");
    if (mp3->file) {
        std::vector<char> bloc(TAILLE_BLOC);
        const long lus = pack_fread(bloc.data(), TAILLE_BLOC, mp3->file);
        if (lus > 0) {
            // A file shorter than one block is its own last block.
            const bool dernier = lus < TAILLE_BLOC;
            mp3->stream = almp3_create_mp3stream(bloc.data(), dernier ? static_cast<int>(lus) : TAILLE_BLOC,
                                                 dernier ? -1 : 0);
        }
    }
    if (mp3->stream)
        return true;
    // Nothing to play: give the file and the record back at once.
    mp3_destroy();
    return false;
}

int MP3CLASS::mp3_play()
{
    if (!mp3)
        return ALMP3_PLAY_ERROR;
    return almp3_play_mp3stream(mp3->stream, TAILLE_TAMPON, 255, 128);
}

int MP3CLASS::mp3_poll()
{
    if (!mp3)
        return ALMP3_POLL_NOTPLAYING;
    void* tampon = almp3_get_mp3stream_buffer(mp3->stream);
    if (tampon) {
        const long lus = pack_fread(tampon, TAILLE_BLOC, mp3->file);
        almp3_free_mp3stream_buffer(mp3->stream, lus < TAILLE_BLOC ? static_cast<int>(lus < 0 ? 0 : lus) : -1);
    }
    return almp3_poll_mp3stream(mp3->stream);
}

void MP3CLASS::mp3_destroy()
{
    if (!mp3)
        return;
    almp3_destroy_mp3stream(mp3->stream);
    if (mp3->file)
        pack_fclose(mp3->file);
    delete mp3;
    mp3 = nullptr;
}
