// The connection to the other game around its matches: both games
// introduce themselves and refuse each other when they could not play the
// same fight; then each side's fighter as it is chosen; then the host
// starts a match, which the guest checks against what it chose. After a
// match both come back here for the next one.
#ifndef ZEF_SALON_H
#define ZEF_SALON_H

#include <cstdint>
#include <optional>
#include <string>

#include "../engine/rejeu.h"
#include "message.h"
#include "session.h"

class Salon {
public:
    enum class Etat {
        presentation,   // waiting for the peer's introduction
        selection,      // both choosing
        refuse,         // the games cannot play together: raison()
        parti,          // the peer left
        perdu,          // the link broke
    };

    // `hote`: this game took the call, and plays side 1.
    Salon(Transport& transport, bool hote, const Bonjour& moi);

    // Takes everything that arrived, and says this side's choice again now
    // and then: one sent while the peer was still in its match went unread.
    void recevoir(int64_t maintenant_ms);
    // This side's fighter, sent when it changes.
    void choisir(const Choix& c);
    // The host, once both sides are ready: starts the match and tells the
    // guest. The match to play, or nothing when it cannot start yet.
    std::optional<Depart> lancer(uint64_t graine, uint8_t stage, uint8_t delai);
    // The guest: the match the host started, once (checked against both choices).
    std::optional<Depart> depart_recu();
    bool depart_en_attente() const { return depart_.has_value(); }
    // Back from a match: both choose again.
    void revenir();
    // Leaves; the peer is told.
    void quitter();

    Etat etat() const { return etat_; }
    bool hote() const { return hote_; }
    int cote_local() const { return hote_ ? 0 : 1; }
    // Why the games were refused, for the screen (UTF-8).
    const std::string& raison() const { return raison_; }
    const Choix& choix_local() const { return local_; }
    // The peer's fighter as it stands; perso 0xFF while none.
    const Choix& choix_distant() const { return distant_; }
    bool prets() const { return etat_ == Etat::selection && local_.pret && distant_.pret; }
    uint32_t matchs() const { return matchs_; }
    int malformes() const { return malformes_; }

private:
    void refuser(const std::string& raison, bool dire);
    void verifier_bonjour(const Bonjour& b);
    void verifier_depart(const Depart& d);

    Transport& transport_;
    bool hote_;
    Bonjour moi_;
    Etat etat_ = Etat::presentation;
    std::string raison_;
    Choix local_, distant_;
    std::optional<Depart> depart_;
    uint32_t matchs_ = 0;
    int malformes_ = 0;
    int64_t redit_ms_ = 0;
};

// The header both games build a match from: the fighters (side 1 the
// host's), their characteristics, the stage, the edition, the progression
// switch and the seed, both sides at the keyboard.
Rejeu entete_du_depart(const Depart& d);

#endif
