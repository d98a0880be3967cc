// What two games say to each other online, and its bytes. Every message
// from the peer is untrusted: the reader checks its size, its version and
// every number against what the game can hold, and refuses it whole
// otherwise. No file name or path is ever sent.
//
// A message is one datagram: its kind (one byte), then its fields,
// little-endian.
#ifndef ZEF_MESSAGE_H
#define ZEF_MESSAGE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "../control/input.h"
#include "../progression/xp.h"

// Raised whenever a message's meaning changes: two games agree only on the same.
constexpr uint16_t VERSION_PROTOCOLE = 1;
// The game's version, 0.1.6.
constexpr uint32_t VERSION_JEU = 0x000106;
// The local keys' delay a match may set, in ticks.
constexpr int DELAI_MAX = 8;
// At most this many ticks of keys in one message.
constexpr int ENTREES_PAR_MESSAGE = 64;
// A match longer than an hour of fighting is not one of ours.
constexpr uint32_t TICK_MAX = 60u * 60u * 60u;

enum class Genre : uint8_t { bonjour = 1, choix = 2, depart = 3, entrees = 4, au_revoir = 5 };

// Both games introduce themselves; a mismatch is refused on both sides.
struct Bonjour {
    uint16_t protocole = VERSION_PROTOCOLE;
    uint32_t jeu = VERSION_JEU;
    uint64_t contenu = 0;   // checksum of the fight's content files
    uint8_t edition = 0;
    bool progression = false;   // experience and levels in play
    bool operator==(const Bonjour& o) const;
};

// One side's fighter, as it is being chosen.
struct Choix {
    uint32_t match = 0;     // the matches played before it: an older choice is stale
    uint8_t perso = 0xFF;   // 0..3, 0xFF: none yet
    bool pret = false;      // the choice is made
    bool progression = false;
    CARACTERISTIQUES carac;
    bool operator==(const Choix& o) const;
};

// The host starts the match: everything both games need to play the same one.
struct Depart {
    uint32_t match = 0;     // numbers the matches of a connection
    uint64_t graine = 0;
    uint8_t stage = 0;
    uint8_t edition = 0;
    uint8_t delai = 0;      // both sides' keys go this many ticks ahead
    Choix cotes[2];
    bool operator==(const Depart& o) const;
};

// A side's keys for a run of ticks, sent again until acknowledged, with what
// keeps both games in step.
struct Entrees {
    uint32_t match = 0;
    uint32_t premier = 0;              // tick of touches[0]
    std::vector<Touches> touches;      // 1..ENTREES_PAR_MESSAGE
    uint32_t recu = 0;                 // the sender has every peer's key before this tick
    uint32_t tick = 0;                 // the sender's current tick
    uint32_t ping = 0;                 // the sender's clock, in ms
    uint32_t pong = 0;                 // the last ping received from the peer
    uint32_t tick_somme = 0;           // 0: no checksum; else the state after this tick
    uint32_t somme = 0;
    bool operator==(const Entrees& o) const;
};

enum class Raison : uint8_t { partie = 0, refuse = 1, desynchronise = 2 };
struct AuRevoir {
    Raison raison = Raison::partie;
    uint32_t tick = 0;
    bool operator==(const AuRevoir& o) const;
};

using Message = std::variant<Bonjour, Choix, Depart, Entrees, AuRevoir>;

std::vector<uint8_t> ecrire_message(const Message& m);
// The message, or nothing when the bytes are not a valid one.
std::optional<Message> lire_message(const uint8_t* octets, size_t taille);

#endif
