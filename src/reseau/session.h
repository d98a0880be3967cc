// One online match between two games: the local keys go out in every
// datagram until the peer has them, the peer's keys go into the rollback,
// both keep in step, and they compare the state of every confirmed tick.
// It ends when the match's last tick is confirmed on this side, when the
// checksums disagree, when the peer leaves or falls silent.
#ifndef ZEF_SESSION_H
#define ZEF_SESSION_H

#include <cstdint>
#include <deque>
#include <vector>

#include "message.h"
#include "rollback.h"

// What carries the datagrams between the two games: the ENet link, or the
// tests' queues under network conditions.
class Transport {
public:
    virtual ~Transport() = default;
    virtual void envoyer(const std::vector<uint8_t>& octets, bool fiable) = 0;
    // The next datagram received; false when none is waiting.
    virtual bool recevoir(std::vector<uint8_t>& octets) = 0;
    // The link itself broke (the transport gave up on the peer).
    virtual bool rompu() const { return false; }
};

enum class Issue { en_cours, fini, desynchronise, perdue, quittee };

// A peer heard from less often than this is gone: "connexion perdue".
constexpr int64_t SILENCE_MAX_MS = 3000;
// Before its first keys of a match the peer may still be loading the fight.
constexpr int64_t ARRIVEE_MAX_MS = 10000;
// A tick lasts 1/60 s.
constexpr double MS_PAR_TICK = 1000.0 / 60.0;

// The local keys' delay for a round trip: none on a local network, up to two
// ticks, which hides most of a long one's corrections.
int delai_pour(int aller_retour_ms);

class SessionMatch {
public:
    // `local`: this game's side (0 or 1); `match`: the connection's match
    // number, which the peer's datagrams must carry; `delai`: as both agreed.
    SessionMatch(Transport& transport, Simulation& sim, int local, uint32_t match, int delai, int64_t maintenant_ms);

    // Takes everything that arrived.
    void recevoir(int64_t maintenant_ms);
    // One frame: the local keys, then the next tick when the peer's keys
    // allow it and this side is not too far ahead. False when it waited.
    bool avancer(Touches locales);
    // The local keys the peer has not acknowledged, the acknowledgement of
    // its own, the clocks and the last confirmed checksum.
    void envoyer(int64_t maintenant_ms);
    // Leaves the match; the peer is told.
    void quitter();

    Issue issue() const { return issue_; }
    // The first tick (1-based) whose checksums disagreed.
    int64_t tick_desynchronise() const { return tick_desynchronise_; }
    // Waiting for the peer at the last frame: the "attente" mark.
    bool en_attente() const { return attente_; }
    int aller_retour_ms() const { return static_cast<int>(aller_retour_ + 0.5); }
    int malformes() const { return malformes_; }
    // Frames this side sat out to let the peer catch up.
    int ralentissements() const { return ralentissements_; }
    // Checksums of the peer's confirmed ticks compared with this side's.
    int sommes_comparees() const { return comparees_; }
    const Rollback& rollback() const { return rb_; }

private:
    void traiter(const Entrees& e, int64_t maintenant_ms);
    void comparer_sommes();
    void verifier_fin();
    bool trop_en_avance() const;
    Entrees paquet(int64_t premier, int64_t maintenant_ms) const;
    void desynchroniser(int64_t tick);

    Transport& transport_;
    Simulation& sim_;
    Rollback rb_;
    int local_;
    uint32_t match_;
    int delai_;
    Issue issue_ = Issue::en_cours;
    int64_t tick_desynchronise_ = 0;
    bool attente_ = false;
    bool saute_ = false;              // the last frame was sat out
    int64_t acquis_ = 0;              // the peer has every local key before this tick
    int64_t tick_distant_ = 0;        // the peer's tick at its last datagram
    int64_t tick_distant_ms_ = 0;     // when that datagram came
    int64_t maintenant_ms_;           // the clock at the last reception
    int64_t dernier_recu_ms_;
    bool entendu_ = false;            // the peer's keys of this match have come
    uint32_t ping_recu_ = 0;          // the peer's clock in its last datagram
    double aller_retour_ = 0;
    bool aller_retour_mesure_ = false;
    int malformes_ = 0;
    int ralentissements_ = 0;
    int comparees_ = 0;
    struct SommeDistante {
        int64_t tick;
        uint32_t somme;
    };
    std::deque<SommeDistante> sommes_distantes_;
};

#endif
