// Long music files played from disk block by block rather than loaded whole.
#ifndef ZEF_MP3_H
#define ZEF_MP3_H

#include <allegro.h>

#include "../platform/mp3stream.h"

struct MP3FILE {
    ALMP3_MP3STREAM* stream = nullptr;
    PACKFILE* file = nullptr;
};

class MP3CLASS {
public:
    static constexpr int TAILLE_BLOC = 32768;
    static constexpr int TAILLE_TAMPON = 65536;

    MP3FILE* mp3 = nullptr;

    // Call order: mp3_open, mp3_play, mp3_poll for as long as the music is to
    // go on, mp3_destroy.
    bool mp3_open(const char* nom);
    int mp3_play();
    int mp3_poll();
    void mp3_destroy();
};

#endif
