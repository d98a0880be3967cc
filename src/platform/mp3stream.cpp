#include "mp3stream.h"

#include <allegro.h>
#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <vector>

struct ALMP3_MP3STREAM {
    mpg123_handle* decoder = nullptr;
    long rate = 0;
    int channels = 0;
    int block_len = 0;
    std::vector<unsigned char> block;   // what get_buffer lends the caller
    bool block_lent = false;
    bool last_received = false;
    long bytes_received = 0;
    bool decoder_dry = false;          // decoder consumed everything fed so far

    AUDIOSTREAM* audio = nullptr;
    bool finished = false;
    int tail = -1;                     // silent buffers left before the end is heard
    std::vector<short> pcm;            // scratch for one audio buffer
};

namespace {

bool feed(ALMP3_MP3STREAM* mp3, const void* data, int len)
{
    if (len <= 0)
        return true;
    mp3->bytes_received += len;
    mp3->decoder_dry = false;
    return mpg123_feed(mp3->decoder, static_cast<const unsigned char*>(data), static_cast<size_t>(len)) == MPG123_OK;
}

long buffered_input(ALMP3_MP3STREAM* mp3)
{
    long fill = 0;
    double unused = 0;
    if (mpg123_getstate(mp3->decoder, MPG123_BUFFERFILL, &fill, &unused) != MPG123_OK)
        return 0;
    return fill;
}

mpg123_handle* new_decoder()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    if (!ready)
        return nullptr;
    int err = 0;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h)
        return nullptr;
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // Always signed 16-bit, at the file's own rate and channel count.
    mpg123_format_none(h);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(h, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(h) != MPG123_OK) {
        mpg123_delete(h);
        return nullptr;
    }
    return h;
}

// Reads frames until the decoder knows the output format.
bool find_format(ALMP3_MP3STREAM* mp3)
{
    for (int tries = 0; tries < 64; ++tries) {
        size_t done = 0;
        unsigned char none[1];
        const int r = mpg123_read(mp3->decoder, none, 0, &done);
        if (r == MPG123_NEW_FORMAT) {
            int enc = 0;
            mpg123_getformat(mp3->decoder, &mp3->rate, &mp3->channels, &enc);
            return mp3->rate > 0 && (mp3->channels == 1 || mp3->channels == 2);
        }
        if (r != MPG123_OK)
            return false;
    }
    return false;
}

}  // namespace

ALMP3_MP3STREAM* almp3_create_mp3stream(void* first_data_buffer, int data_buffer_len, int last_block)
{
    if (!first_data_buffer || data_buffer_len <= 0)
        return nullptr;
    auto* mp3 = new ALMP3_MP3STREAM;
    mp3->decoder = new_decoder();
    mp3->block_len = data_buffer_len;
    mp3->block.resize(static_cast<size_t>(data_buffer_len));
    mp3->last_received = last_block != 0;
    if (!mp3->decoder || !feed(mp3, first_data_buffer, data_buffer_len) || !find_format(mp3)) {
        almp3_destroy_mp3stream(mp3);
        return nullptr;
    }
    return mp3;
}

void almp3_destroy_mp3stream(ALMP3_MP3STREAM* mp3)
{
    if (!mp3)
        return;
    almp3_stop_mp3stream(mp3);
    if (mp3->decoder)
        mpg123_delete(mp3->decoder);
    delete mp3;
}

int almp3_play_mp3stream(ALMP3_MP3STREAM* mp3, int buffer_len, int vol, int pan)
{
    if (!mp3 || buffer_len <= 0)
        return ALMP3_PLAY_ERROR;
    almp3_stop_mp3stream(mp3);
    const int frames = std::max(1, buffer_len / (2 * mp3->channels));
    mp3->audio = play_audio_stream(frames, 16, mp3->channels == 2, static_cast<int>(mp3->rate), vol, pan);
    if (!mp3->audio)
        return ALMP3_PLAY_ERROR;
    mp3->pcm.assign(static_cast<size_t>(frames) * mp3->channels, 0);
    mp3->finished = false;
    mp3->tail = -1;
    return ALMP3_OK;
}

void almp3_stop_mp3stream(ALMP3_MP3STREAM* mp3)
{
    if (mp3 && mp3->audio) {
        stop_audio_stream(mp3->audio);
        mp3->audio = nullptr;
    }
}

int almp3_decode_mp3stream(ALMP3_MP3STREAM* mp3, short* out, int max_samples)
{
    if (!mp3 || max_samples <= 0)
        return 0;
    size_t done = 0;
    const int r = mpg123_read(mp3->decoder, reinterpret_cast<unsigned char*>(out),
                              static_cast<size_t>(max_samples) * sizeof(short), &done);
    if (r == MPG123_NEED_MORE || r == MPG123_DONE)
        mp3->decoder_dry = true;
    return static_cast<int>(done / sizeof(short));
}

int almp3_poll_mp3stream(ALMP3_MP3STREAM* mp3)
{
    if (!mp3 || !mp3->audio)
        return ALMP3_POLL_NOTPLAYING;
    if (mp3->finished)
        return ALMP3_POLL_NOTPLAYING;
    void* dest = get_audio_stream_buffer(mp3->audio);
    if (!dest)
        return ALMP3_OK;

    const int wanted = static_cast<int>(mp3->pcm.size());
    int filled = 0;
    while (filled < wanted) {
        const int n = almp3_decode_mp3stream(mp3, mp3->pcm.data() + filled, wanted - filled);
        filled += n;
        if (n == 0)
            break;   // out of data: the rest of this buffer is silence
    }
    std::fill(mp3->pcm.begin() + filled, mp3->pcm.end(), 0);
    // The library's 16-bit samples are unsigned.
    unsigned short* u = static_cast<unsigned short*>(dest);
    for (int i = 0; i < wanted; ++i)
        u[i] = static_cast<unsigned short>(mp3->pcm[static_cast<size_t>(i)] ^ 0x8000);
    free_audio_stream_buffer(mp3->audio);

    // Once the music has run out, it is over when the audio stream has asked
    // for every one of its buffers again: the last notes have then been heard.
    if (mp3->tail < 0 && filled < wanted && mp3->decoder_dry && mp3->last_received)
        mp3->tail = 2 * mp3->audio->bufcount;   // the buffers of both halves
    else if (mp3->tail > 0)
        --mp3->tail;
    if (mp3->tail == 0) {
        mp3->finished = true;
        return ALMP3_POLL_PLAYJUSTFINISHED;
    }
    return ALMP3_OK;
}

void* almp3_get_mp3stream_buffer(ALMP3_MP3STREAM* mp3)
{
    if (!mp3 || mp3->last_received)
        return nullptr;
    // Ask for the next block while a whole block is still waiting to be
    // decoded, so the music never starves between two polls.
    if (!mp3->decoder_dry && buffered_input(mp3) >= mp3->block_len)
        return nullptr;
    mp3->block_lent = true;
    return mp3->block.data();
}

void almp3_free_mp3stream_buffer(ALMP3_MP3STREAM* mp3, int bytes_used)
{
    if (!mp3 || !mp3->block_lent)
        return;
    mp3->block_lent = false;
    if (bytes_used < 0) {
        feed(mp3, mp3->block.data(), mp3->block_len);
        return;
    }
    feed(mp3, mp3->block.data(), std::min(bytes_used, mp3->block_len));
    mp3->last_received = true;
}

int almp3_get_mp3stream_freq(ALMP3_MP3STREAM* mp3) { return mp3 ? static_cast<int>(mp3->rate) : 0; }
int almp3_get_mp3stream_stereo(ALMP3_MP3STREAM* mp3) { return mp3 && mp3->channels == 2 ? 1 : 0; }
long almp3_get_mp3stream_bytes_received(ALMP3_MP3STREAM* mp3) { return mp3 ? mp3->bytes_received : 0; }
int almp3_get_mp3stream_last_block_received(ALMP3_MP3STREAM* mp3) { return mp3 && mp3->last_received ? 1 : 0; }
