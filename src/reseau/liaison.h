// The connection to the other game, over ENet: a reliable channel for the
// set-up messages and an unreliable one for the keys, which are sent again
// in every datagram until acknowledged. The host accepts one peer at a time.
// What is sent goes through the network conditions (none by default).
#ifndef ZEF_LIAISON_H
#define ZEF_LIAISON_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "conditions.h"
#include "session.h"

constexpr uint16_t PORT_PAR_DEFAUT = 7000;
// Larger datagrams are not ours: dropped unread.
constexpr size_t DATAGRAMME_MAX = 1024;

// "host", "host:port" (port 1..65535); false for anything else.
bool lire_adresse(const std::string& texte, std::string& hote, uint16_t& port);

class Liaison {
public:
    // Listens on the port (every address of this machine). Null, with the
    // reason, when it cannot.
    static std::unique_ptr<Liaison> heberger(uint16_t port, std::string& erreur);
    // Calls the host; connected once servir() has seen its answer.
    static std::unique_ptr<Liaison> rejoindre(const std::string& hote, uint16_t port, std::string& erreur);
    ~Liaison();
    Liaison(const Liaison&) = delete;
    Liaison& operator=(const Liaison&) = delete;

    void conditions(const Conditions& c, uint64_t graine) { route_ = Acheminement(c, graine); }

    // Sends what is due, takes what arrived; call often.
    void servir(int64_t maintenant_ms);
    void envoyer(const std::vector<uint8_t>& octets, bool fiable, int64_t maintenant_ms);
    // The next datagram received; false when none is waiting.
    bool recevoir(std::vector<uint8_t>& octets);

    bool connectee() const { return pair_ != nullptr; }
    // The transport's own measure of the round trip, once connected.
    int aller_retour_ms() const;
    // The peer said goodbye or stopped answering the transport.
    bool rompue() const { return rompue_; }
    int trop_grands() const { return trop_grands_; }
    uint16_t port() const;

private:
    struct Hote;
    Liaison();
    std::unique_ptr<Hote> hote_;
    void* pair_ = nullptr;   // the peer, once connected
    bool rompue_ = false;
    int trop_grands_ = 0;
    Acheminement route_{Conditions{}};
    std::vector<std::vector<uint8_t>> recus_;
    size_t lus_ = 0;
};

// The link as the meeting and the matches use it, on the game's clock.
class TransportLiaison : public Transport {
public:
    explicit TransportLiaison(Liaison& l) : liaison_(l) {}
    // The clock every datagram is sent at; the game sets it each frame.
    int64_t maintenant_ms = 0;
    void envoyer(const std::vector<uint8_t>& octets, bool fiable) override
    {
        liaison_.envoyer(octets, fiable, maintenant_ms);
    }
    bool recevoir(std::vector<uint8_t>& octets) override { return liaison_.recevoir(octets); }
    bool rompu() const override { return liaison_.rompue(); }

private:
    Liaison& liaison_;
};

// The wall clock in milliseconds: the network's time, never the fight's.
int64_t horloge_reseau_ms();

// This machine's addresses, to tell the player who joins.
std::vector<std::string> adresses_locales();

#endif
