// MP3 music streamed through the sound library: the caller hands the stream
// the file block by block (whenever it asks for one), the stream decodes with
// libmpg123 and keeps a library audio stream fed.
//
// Calling order: create from the first block, play, then poll repeatedly;
// between polls, when get_buffer returns a buffer, fill it from the file and
// hand it back with free_buffer (-1 for a full block, the byte count for the
// last, shorter one).
#ifndef ZEF_MP3STREAM_H
#define ZEF_MP3STREAM_H

struct ALMP3_MP3STREAM;

constexpr int ALMP3_OK = 0;
constexpr int ALMP3_POLL_PLAYJUSTFINISHED = 1;
constexpr int ALMP3_POLL_NOTPLAYING = -1;
constexpr int ALMP3_POLL_FRAMECORRUPT = -2;
constexpr int ALMP3_POLL_INTERNALERROR = -4;
constexpr int ALMP3_PLAY_ERROR = -1;

// Copies the first data_buffer_len bytes; last_block non-zero when they are
// the whole file. Every later block has the same length. Null when the data
// holds no decodable MP3 frame.
ALMP3_MP3STREAM* almp3_create_mp3stream(void* first_data_buffer, int data_buffer_len, int last_block);
void almp3_destroy_mp3stream(ALMP3_MP3STREAM* mp3);

// Starts playing through a library audio stream of buffer_len bytes at the
// given volume and pan (0..255). ALMP3_OK, or ALMP3_PLAY_ERROR without sound.
int almp3_play_mp3stream(ALMP3_MP3STREAM* mp3, int buffer_len, int vol, int pan);
void almp3_stop_mp3stream(ALMP3_MP3STREAM* mp3);

// Keeps the audio stream fed. ALMP3_OK while playing, then
// ALMP3_POLL_PLAYJUSTFINISHED once, then ALMP3_POLL_NOTPLAYING.
int almp3_poll_mp3stream(ALMP3_MP3STREAM* mp3);

// A block-sized buffer to fill from the file when the stream wants more data,
// null when it does not (or once it has had the last block).
void* almp3_get_mp3stream_buffer(ALMP3_MP3STREAM* mp3);
// Hands the buffer back: -1 for a full block, otherwise the number of bytes in
// it, which marks it as the last block.
void almp3_free_mp3stream_buffer(ALMP3_MP3STREAM* mp3, int bytes_used);

// Decoded format.
int almp3_get_mp3stream_freq(ALMP3_MP3STREAM* mp3);
int almp3_get_mp3stream_stereo(ALMP3_MP3STREAM* mp3);   // 1 for stereo, 0 for mono

// Bookkeeping, for tools and tests: data received so far and whether the last
// block is among it.
long almp3_get_mp3stream_bytes_received(ALMP3_MP3STREAM* mp3);
int almp3_get_mp3stream_last_block_received(ALMP3_MP3STREAM* mp3);

// Decodes up to max_samples signed 16-bit samples (interleaved when stereo)
// into out; returns how many were written, 0 when the decoder needs more data
// or the music is over. The playing path uses this too.
int almp3_decode_mp3stream(ALMP3_MP3STREAM* mp3, short* out, int max_samples);

#endif
