// Two games playing an online match in one process, on a virtual clock: each
// side's match, session and keys, the datagrams between them under network
// conditions, and a player at each keyboard that a seeded generator plays
// from what its own screen shows (its match as predicted).
#ifndef ZEF_TEST_DEUX_JOUEURS_H
#define ZEF_TEST_DEUX_JOUEURS_H

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <vector>

#include "reseau/conditions.h"
#include "reseau/match_en_ligne.h"
#include "reseau/session.h"

// An eager player: walks in, jumps, punches and kicks in bursts, crouches,
// backs off, now and then types a special move; keys held for a few ticks.
class JoueurAuto {
public:
    JoueurAuto(uint64_t graine, int cote) : alea_(graine), cote_(cote) {}
    Touches touches(const MatchEnLigne& vue);

private:
    void decider(const MatchEnLigne& vue);
    std::mt19937_64 alea_;
    int cote_;
    std::deque<Touches> suite_;   // the keys of the next ticks
};

// One side's end of the wire: what it sends goes under the conditions, what
// arrived for it waits in its mailbox.
class TransportVirtuel : public Transport {
public:
    TransportVirtuel(const Conditions& c, uint64_t graine, const int64_t& horloge) : route_(c, graine), horloge_(horloge) {}
    void envoyer(const std::vector<uint8_t>& octets, bool fiable) override;
    bool recevoir(std::vector<uint8_t>& octets) override;
    // Brings what is due by now into the other side's mailbox.
    void livrer(TransportVirtuel& vers);
    void deposer(std::vector<uint8_t> octets) { boite_.push_back(std::move(octets)); }
    int envoyes = 0;
    size_t octets_envoyes = 0;

private:
    Acheminement route_;
    const int64_t& horloge_;
    std::deque<std::vector<uint8_t>> boite_;
};

struct CoteEnLigne {
    Issue issue = Issue::en_cours;
    int winner = 0;
    uint64_t somme = 0;
    int64_t ticks = 0;
    int rollbacks = 0;
    int64_t ticks_rejoues = 0;
    int ralentissements = 0;
    int sommes_comparees = 0;
    int aller_retour_ms = 0;
    int malformes = 0;
    Rejeu rejeu;             // the confirmed keys, as a replay
};

struct MatchDeuxJoueurs {
    CoteEnLigne cotes[2];
    int64_t duree_ms = 0;
    int delai = 0;
};

// What can go wrong besides the network.
struct Accidents {
    int decalage_ms = 7;              // side 2 starts this much after side 1
    int64_t silence_des_ms = -1;      // side 2's game stops dead then
    int dechets_tous_ms = 0;          // random bytes reach side 1 this often
    const Rejeu* entete_cote2 = nullptr;   // side 2 plays another match
    int64_t limite_ms = 30 * 60 * 1000;
};

// Plays the match `entete` describes between two sessions under `c` (each
// direction). Stops when both sides are done, or at the time limit.
MatchDeuxJoueurs jouer_deux_joueurs(const Rejeu& entete, const Conditions& c, uint64_t graine,
                                    const Accidents& accidents = {});

#endif
