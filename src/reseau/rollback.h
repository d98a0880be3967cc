// The heart of an online match, whatever plays it: both sides' keys tick by
// tick, the remote side's predicted (its last keys held on) until they
// arrive; the state saved before every tick a late key could still change;
// and, when a key arrives that the prediction got wrong, the state restored
// to that tick and every tick since played again at once.
//
// Never more than FENETRE ticks are played on predictions: beyond that the
// match waits for the peer rather than drift away from it.
#ifndef ZEF_ROLLBACK_H
#define ZEF_ROLLBACK_H

#include <array>
#include <cstdint>
#include <vector>

#include "../control/input.h"

// What the rollback drives: one tick with both sides' keys, and the state
// kept in numbered slots.
class Simulation {
public:
    virtual ~Simulation() = default;
    virtual void jouer_tick(Touches j1, Touches j2) = 0;
    virtual void sauver(int emplacement) = 0;
    virtual void restaurer(int emplacement) = 0;
    virtual uint64_t somme() const = 0;
    // While true, ticks are played again: their sounds have been heard.
    virtual void rejouer(bool oui) = 0;
    // The tick after which the match is over, in the state as played; -1
    // while it goes on.
    virtual int64_t tick_fin() const { return -1; }
};

class Rollback {
public:
    static constexpr int FENETRE = 8;

    // `local`: the side (0 or 1) whose keys are known here at once.
    // `delai`: the local keys go to the tick this many ahead, so both sides
    // hold nothing for the first ones.
    Rollback(Simulation& s, int local, int delai = 0);

    // The next tick to play.
    int64_t tick() const { return tick_; }
    // Every tick before this has both sides' real keys.
    int64_t confirme() const;
    // The remote side has sent every tick before this.
    int64_t recu_distant() const { return recu_; }
    // Whether tick() can be played now: the local keys are there and no more
    // than FENETRE ticks would rest on predictions.
    bool peut_jouer() const;

    // The local side's keys for a tick (delay included: any tick not played yet).
    void entree_locale(int64_t tick, Touches t);
    const std::vector<Touches>& entrees_locales() const { return touches_[local_]; }
    // A remote key, from the network: once per tick counts, later copies are
    // ignored. False for a tick out of reach (too old to matter or too far ahead).
    bool entree_distante(int64_t tick, Touches t);

    // Plays again from the first tick a late key proved wrong, then tick().
    void jouer();
    // Only the ticks a late key proved wrong, when the match must wait.
    void corriger();

    // The state's checksum after a confirmed tick, when still kept.
    bool somme_confirmee(int64_t tick, uint64_t& somme) const;
    // Both sides' real keys of a confirmed tick (side 1 low, side 2 high).
    uint32_t entrees_confirmees(int64_t tick) const;

    int rollbacks() const { return rollbacks_; }
    int64_t ticks_rejoues() const { return rejoues_; }

private:
    static constexpr int EMPLACEMENTS = FENETRE + 2;
    static constexpr int SOMMES = 512;

    Touches prediction(int64_t tick) const;
    Touches distante_utilisee(int64_t tick) const;
    void jouer_un(int64_t tick);

    Simulation& sim_;
    int local_;
    int64_t tick_ = 0;
    int64_t recu_ = 0;                     // contiguous remote keys received
    int64_t premier_faux_ = -1;            // earliest tick played on a wrong prediction
    std::vector<Touches> touches_[2];      // by tick; remote ones only as received
    std::vector<bool> recue_;              // remote key received for the tick
    std::vector<Touches> utilisee_;        // the remote key each played tick used
    std::array<uint64_t, SOMMES> sommes_{};
    int rollbacks_ = 0;
    int64_t rejoues_ = 0;
};

#endif
