// Sound files made by the tests themselves.
#ifndef ZEF_TEST_FICHIERS_SON_H
#define ZEF_TEST_FICHIERS_SON_H

#include <string>

// A mono 16-bit WAV of a quiet tone lasting `secondes`.
std::string wav_ton(double secondes, int frequence = 8000);

// `taille` bytes of MPEG-1 layer III at 44.1 kHz, 128 kbit/s, stereo: whole
// silent frames of 417 bytes, the last one cut short when the size asks so.
std::string mp3_silence(std::size_t taille);
constexpr int OCTETS_TRAME_MP3 = 417;
constexpr int ECHANTILLONS_TRAME_MP3 = 1152;

#endif
