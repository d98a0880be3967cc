// An online match as the rollback plays it: every tick is a function of both
// sides' keys alone, the round-end sequences and the next rounds' starts
// included, so that a late key can take back anything (even a knock-out)
// and both games reach the same end on the same tick.
//
// It plays exactly the match a replay of the same keys plays locally: the
// same set-up, the same round loop, the same clocks. Its confirmed keys make
// that replay.
#ifndef ZEF_MATCH_EN_LIGNE_H
#define ZEF_MATCH_EN_LIGNE_H

#include <array>
#include <cstdint>
#include <vector>

#include "../engine/moteur.h"
#include "../engine/rejeu.h"
#include "rollback.h"

class MatchEnLigne : public Simulation {
public:
    // `entete`: the fighters, their characteristics, the stage, the edition,
    // the progression switch and the seed both games agreed on.
    explicit MatchEnLigne(const Rejeu& entete);
    ~MatchEnLigne() override;
    MatchEnLigne(const MatchEnLigne&) = delete;
    MatchEnLigne& operator=(const MatchEnLigne&) = delete;

    void jouer_tick(Touches j1, Touches j2) override;
    void sauver(int emplacement) override;
    void restaurer(int emplacement) override;
    uint64_t somme() const override;
    void rejouer(bool oui) override;
    int64_t tick_fin() const override { return instant_.tick_fin; }

    // In the state as played (it may rest on predictions).
    bool termine() const { return instant_.phase == Phase::termine; }
    bool en_round() const { return instant_.phase == Phase::round; }
    // 1 or 2 once the match is over, else 0.
    int winner() const;

    // The present frame, into the engine's off-screen bitmap; changes nothing.
    void dessiner();

    // The match's replay, its keys and checksums up to the first
    // `ticks` ticks of the rollback (the confirmed ones).
    Rejeu rejeu(int64_t ticks) const;

    Moteur& moteur() { return m_; }
    const Moteur& moteur() const { return m_; }
    ParamMoteur& parametres() { return pm_; }

private:
    enum class Phase : uint8_t { round, fin_de_round, termine };
    struct Instant {
        Phase phase = Phase::round;
        bool dernier_round = false;   // the round-end sequence ends the match
        int32_t garde = 0;            // ticks of the round-end sequence
        int64_t ticks = 0;            // ticks played
        int64_t tick_fin = -1;        // the tick the match ended on
    };
    // Two matches can run in one process (the tests'): the fight's global
    // clocks are each match's own, taken in and out around every step.
    void entrer() const;
    void sortir() const;

    Rejeu entete_;
    ParamMoteur pm_;
    Moteur m_;
    Instant instant_;
    mutable int32_t t_ = 0, s_ = 0;
    std::array<EtatMatch, Rollback::FENETRE + 2> etats_;
    std::array<Instant, Rollback::FENETRE + 2> instants_;
    // By fighting tick: both sides' keys and the state's checksum after it.
    std::vector<uint32_t> entrees_, sommes_;
    // By rollback tick: the fighting ticks played once it was.
    std::vector<int64_t> combats_;
};

#endif
