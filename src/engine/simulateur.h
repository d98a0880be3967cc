// Plays whole matches with no display and no timers: a virtual clock drives
// the fight tick by tick exactly as the library's timers would, frames are
// drawn into memory only when asked, and the state of the match is summed up
// after every tick so that two runs can be compared.
#ifndef ZEF_SIMULATEUR_H
#define ZEF_SIMULATEUR_H

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "moteur.h"

struct RapportMatch {
    int winner = 0;            // 1 or 2; 0 when abandoned or cut short
    int rounds = 0;
    int64_t ticks = 0;         // logic ticks of fighting (round-end sequences excluded)
    int coups[2] = {0, 0};     // hits landed by each side
    int ko = 0;                // rounds ended by a knock-out
    int temps = 0;             // rounds ended by the time
    int nuls = 0;
    uint64_t somme = 0;        // checksum of the state after the last tick
    bool abandonne = false;
    int speciaux[2][8] = {};   // special moves begun by each side, by slot 40..47
    // Each round's result, and for each knock-out the ticks from its last
    // hit to the round-end banner showing.
    std::vector<int> resultats;
    std::vector<int64_t> appels_ko;
    // Each round's end as the fighters stood: life left and full life.
    struct Vies {
        int vie[2];
        int pv[2];
    };
    std::vector<Vies> vies;
};

class SimulateurMatch {
public:
    // Sets the match up from the parameters (stage, fighters, controls):
    // everything is loaded once and serves every match played.
    explicit SimulateurMatch(const ParamMoteur& pm);
    ~SimulateurMatch();
    SimulateurMatch(const SimulateurMatch&) = delete;
    SimulateurMatch& operator=(const SimulateurMatch&) = delete;

    // Called before every tick with the tick's number in the match; may set
    // the key table, and returns false to abandon the round (Escape).
    std::function<bool(int64_t)> script;
    // Called after every tick with the checksum of the state.
    std::function<void(int64_t, uint64_t)> apres_tick;
    // Draw every frame into the engine's memory bitmap.
    bool dessiner = false;
    // A match that has not ended after this many ticks is cut short.
    int64_t ticks_max = 60 * 60 * 20;

    // Plays one match; `graine` makes it repeatable. The engine's
    // enregistrement and rejeu record it or play a recorded one, as in the game.
    RapportMatch jouer(uint64_t graine);

    Moteur& moteur() { return *m_; }
    ParamMoteur& parametres() { return pm_; }
    // Checksum of the match state as it stands.
    uint64_t somme() const;

private:
    ParamMoteur pm_;
    std::unique_ptr<Moteur> m_;
    EtatMatch depart_;   // the state right after the set-up

    int64_t dernier_coup_ = 0;   // tick of the last hit landed
    // Plays a round to its end; false when it was abandoned or cut short.
    bool jouer_round(RapportMatch& r, int& resultat);
    // The round-end sequence; the ticks before its banner showed.
    int64_t jouer_fin_de_round();
};

// A replay played again headless, tick for tick, against what it recorded.
struct VerificationRejeu {
    RapportMatch rapport;   // what the match played again did
    int winner = 0;
    uint64_t somme_finale = 0;
    int64_t ticks = 0;
    int64_t premier_ecart = -1;   // the first tick whose checksum differs (1-based), -1: none
    bool conforme = false;        // every tick, the final checksum and the winner as recorded
};
VerificationRejeu verifier_rejeu(const Rejeu& r);

#endif
