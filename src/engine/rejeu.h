// A recorded match (a replay): what it takes to play the match again, tick
// for tick (the fighters, the stage, both sides' characteristics and
// controls, the progression switch, the seed, and the keys both sides held
// at every tick), and what the match was (the checksum after every tick,
// the final one and the winner), so that playing it again can be checked.
//
// The file, little-endian: "ZRP" 0x1A, version, header, tick count, the
// keys run-length coded (runs of identical ticks, as varints), the low 32
// bits of every tick's checksum, the final checksum and winner, then a CRC32
// of everything before it.
#ifndef ZEF_REJEU_H
#define ZEF_REJEU_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "parammoteur.h"

// Version 2 added the edition; a version 1 file is a classic match.
constexpr uint16_t VERSION_REJEU = 2;
// An hour of fighting: longer records are refused as damaged.
constexpr uint32_t TICKS_REJEU_MAX = 60 * 60 * 60;

struct CoteRejeu {
    PERSO perso = shiz;
    int control = 0;   // as in the settings: CPU, keyboard, joystick
    CARACTERISTIQUES carac;
};

struct Rejeu {
    CoteRejeu cotes[2];
    STAGE stage = aeroport;
    ModeDeJeux mode = mode_versus;
    bool evolution = false;
    Edition edition = Edition::classique;
    uint64_t graine = 0;
    // Per tick: side 1's held keys in the low 16 bits, side 2's above.
    std::vector<uint32_t> entrees;
    // Per tick: the low 32 bits of the state's checksum after it.
    std::vector<uint32_t> sommes;
    uint64_t somme_finale = 0;
    int winner = 0;   // 0: abandoned

    // The match parameters that play it again: no experience file is read.
    ParamMoteur parametres() const;
    // The header taken from the parameters a match starts with.
    void commencer(const ParamMoteur& pm, uint64_t graine_match);
};

std::string ecrire_rejeu(const Rejeu& r);
// Fills `r` from a file's bytes; the reason they are refused, or nullptr.
const char* lire_rejeu(const uint8_t* octets, size_t taille, Rejeu& r);
// The same from a file on disk.
const char* charger_rejeu(const char* chemin, Rejeu& r);

// Where the game keeps its replays, under the data folder, and how many.
constexpr const char* DOSSIER_REJEUX = "replays";
constexpr int REJEUX_GARDES = 100;
// "YYYYMMDD-HHMMSS-<p1>-<p2>.zrp" for a match that ended at `quand`.
std::string nom_rejeu(const Rejeu& r, int64_t quand);
// Writes the replay (whole or not at all) and keeps only the newest ones.
// Never stops the game: a failure is one line on stderr. The path written,
// or "" on a failure.
std::string garder_rejeu(const Rejeu& r, int64_t quand);

#endif
