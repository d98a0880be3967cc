// A network you can break: delay, jitter, loss, duplicated and reordered
// datagrams and bursts of total loss, applied to what one side sends, so
// that every condition of the internet can be played on loopback. All of it
// runs on the clock it is given (real or virtual) and its own seeded draws.
#ifndef ZEF_CONDITIONS_H
#define ZEF_CONDITIONS_H

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "../shell/alea.h"

struct Conditions {
    int delai_ms = 0;       // one way
    int gigue_ms = 0;       // each datagram's delay, give or take up to this
    int perte_pct = 0;      // datagrams lost, in percent
    int doublon_pct = 0;    // datagrams that arrive twice
    int desordre_pct = 0;   // datagrams held back behind the next ones
    int rafale_ms = 0;      // a burst of total loss this long...
    int rafale_tous_ms = 0; // ...every this many ms (0: none)

    bool parfaites() const;
};

// "delai=75,gigue=10,perte=5,doublon=1,desordre=2,rafale=300/2000" (any
// subset, in any order); false for anything else.
bool lire_conditions(const std::string& texte, Conditions& c);

// Datagrams on their way under the conditions. Reliable ones (the set-up
// messages, which the transport itself resends) are only delayed, and keep
// their order.
class Acheminement {
public:
    explicit Acheminement(const Conditions& c, uint64_t graine = 1) : c_(c), alea_(graine) {}

    void confier(const std::vector<uint8_t>& datagramme, bool fiable, int64_t maintenant_ms);
    // The next datagram due by now, in arrival order; false when none is.
    bool livrer(int64_t maintenant_ms, std::vector<uint8_t>& datagramme, bool& fiable);
    size_t en_route() const { return route_.size(); }

private:
    struct EnRoute {
        int64_t arrivee;
        uint64_t ordre;
        bool fiable;
        std::vector<uint8_t> octets;
    };
    bool tirer(int pct) { return pct > 0 && alea_.tirer() % 100 < pct; }
    int64_t delai();
    void ranger(EnRoute e);

    Conditions c_;
    Alea alea_;
    std::deque<EnRoute> route_;   // by arrival time
    uint64_t ordre_ = 0;
    int64_t dernier_fiable_ = 0;
};

#endif
