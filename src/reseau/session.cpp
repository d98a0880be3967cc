#include "session.h"

#include <algorithm>

namespace {

// A clock value in a datagram; 0 means none.
uint32_t horodatage(int64_t maintenant_ms) { return static_cast<uint32_t>(maintenant_ms & 0x3FFFFFFF) + 1; }

}  // namespace

int delai_pour(int aller_retour_ms)
{
    // A key waits for half the round trip at most.
    return std::clamp(aller_retour_ms / 40, 0, 2);
}

SessionMatch::SessionMatch(Transport& transport, Simulation& sim, int local, uint32_t match, int delai,
                           int64_t maintenant_ms)
    : transport_(transport), sim_(sim), rb_(sim, local, delai), local_(local), match_(match), delai_(delai),
      acquis_(delai), tick_distant_ms_(maintenant_ms), maintenant_ms_(maintenant_ms), dernier_recu_ms_(maintenant_ms)
{
}

void SessionMatch::recevoir(int64_t maintenant_ms)
{
    maintenant_ms_ = maintenant_ms;
    std::vector<uint8_t> octets;
    while (transport_.recevoir(octets)) {
        const std::optional<Message> m = lire_message(octets.data(), octets.size());
        if (!m) {
            ++malformes_;
            continue;
        }
        dernier_recu_ms_ = maintenant_ms;
        if (const Entrees* e = std::get_if<Entrees>(&*m)) {
            if (e->match == match_ && issue_ == Issue::en_cours) {
                entendu_ = true;
                traiter(*e, maintenant_ms);
            }
        } else if (const AuRevoir* a = std::get_if<AuRevoir>(&*m)) {
            if (issue_ != Issue::en_cours)
                continue;
            if (a->raison == Raison::desynchronise) {
                issue_ = Issue::desynchronise;
                tick_desynchronise_ = a->tick;
            } else {
                issue_ = Issue::quittee;
            }
        }
        // Anything else belongs to the set-up, over by now.
    }
    if (issue_ != Issue::en_cours)
        return;
    const int64_t silence_max = entendu_ ? SILENCE_MAX_MS : ARRIVEE_MAX_MS;
    if (transport_.rompu() || maintenant_ms - dernier_recu_ms_ > silence_max)
        issue_ = Issue::perdue;
    verifier_fin();
}

void SessionMatch::traiter(const Entrees& e, int64_t maintenant_ms)
{
    for (size_t i = 0; i < e.touches.size(); ++i)
        rb_.entree_distante(static_cast<int64_t>(e.premier) + static_cast<int64_t>(i), e.touches[i]);
    acquis_ = std::max<int64_t>(acquis_, e.recu);
    if (e.tick > tick_distant_) {
        tick_distant_ = e.tick;
        tick_distant_ms_ = maintenant_ms;
    }
    ping_recu_ = e.ping;
    if (e.pong != 0) {
        const double mesure = static_cast<double>(static_cast<uint32_t>(horodatage(maintenant_ms) - e.pong));
        if (mesure < SILENCE_MAX_MS) {
            aller_retour_ = aller_retour_mesure_ ? aller_retour_ + (mesure - aller_retour_) / 8 : mesure;
            aller_retour_mesure_ = true;
        }
    }
    if (e.tick_somme != 0) {
        sommes_distantes_.push_back({static_cast<int64_t>(e.tick_somme) - 1, e.somme});
        if (sommes_distantes_.size() > 64)
            sommes_distantes_.pop_front();
    }
    comparer_sommes();
}

void SessionMatch::comparer_sommes()
{
    while (!sommes_distantes_.empty()) {
        const SommeDistante d = sommes_distantes_.front();
        if (d.tick >= rb_.confirme())
            return;   // not confirmed here yet: kept for later
        sommes_distantes_.pop_front();
        uint64_t ici;
        if (!rb_.somme_confirmee(d.tick, ici))
            continue;   // too old to be kept
        ++comparees_;
        if (static_cast<uint32_t>(ici) != d.somme) {
            desynchroniser(d.tick + 1);
            return;
        }
    }
}

void SessionMatch::desynchroniser(int64_t tick)
{
    issue_ = Issue::desynchronise;
    tick_desynchronise_ = tick;
    AuRevoir a;
    a.raison = Raison::desynchronise;
    a.tick = static_cast<uint32_t>(std::clamp<int64_t>(tick, 0, TICK_MAX));
    transport_.envoyer(ecrire_message(a), true);
}

bool SessionMatch::trop_en_avance() const
{
    // Where the peer should be by now: its last tick, plus the half round
    // trip its datagram took to come and the time since.
    const double depuis = static_cast<double>(maintenant_ms_ - tick_distant_ms_) + aller_retour_ / 2;
    const double distant = static_cast<double>(tick_distant_) + depuis / MS_PAR_TICK;
    return static_cast<double>(rb_.tick()) - distant >= 2.0;
}

bool SessionMatch::avancer(Touches locales)
{
    if (issue_ != Issue::en_cours)
        return false;
    const int64_t cible = rb_.tick() + delai_;
    if (static_cast<int64_t>(rb_.entrees_locales().size()) <= cible)
        rb_.entree_locale(cible, locales);
    // Sit out one frame in two while ahead: the peer catches up smoothly.
    if (!saute_ && trop_en_avance()) {
        saute_ = true;
        ++ralentissements_;
        rb_.corriger();
        attente_ = false;
        verifier_fin();
        return false;
    }
    saute_ = false;
    attente_ = !rb_.peut_jouer();
    if (attente_)
        rb_.corriger();
    else
        rb_.jouer();
    comparer_sommes();
    verifier_fin();
    return !attente_;
}

void SessionMatch::verifier_fin()
{
    if (issue_ != Issue::en_cours)
        return;
    const int64_t fin = sim_.tick_fin();
    if (fin < 0 || rb_.confirme() <= fin)
        return;
    // Over on this side. The peer may still lack the last keys, and this side
    // sends no more: they go once more on the reliable channel.
    const int64_t n = static_cast<int64_t>(rb_.entrees_locales().size());
    for (int64_t premier = std::min(acquis_, n - 1); premier < n; premier += ENTREES_PAR_MESSAGE)
        transport_.envoyer(ecrire_message(paquet(premier, 0)), true);
    issue_ = Issue::fini;
}

Entrees SessionMatch::paquet(int64_t premier, int64_t maintenant_ms) const
{
    const std::vector<Touches>& locales = rb_.entrees_locales();
    const int64_t n = static_cast<int64_t>(locales.size());
    const int64_t fin = std::min<int64_t>(n, premier + ENTREES_PAR_MESSAGE);
    Entrees e;
    e.match = match_;
    e.premier = static_cast<uint32_t>(premier);
    e.touches.assign(locales.begin() + premier, locales.begin() + fin);
    e.recu = static_cast<uint32_t>(rb_.recu_distant());
    e.tick = static_cast<uint32_t>(rb_.tick());
    e.ping = maintenant_ms > 0 ? horodatage(maintenant_ms) : 0;
    e.pong = ping_recu_;
    const int64_t c = rb_.confirme() - 1;
    uint64_t somme;
    if (c >= 0 && rb_.somme_confirmee(c, somme)) {
        e.tick_somme = static_cast<uint32_t>(c + 1);
        e.somme = static_cast<uint32_t>(somme);
    }
    return e;
}

void SessionMatch::envoyer(int64_t maintenant_ms)
{
    if (issue_ != Issue::en_cours)
        return;
    const int64_t n = static_cast<int64_t>(rb_.entrees_locales().size());
    if (n == 0)
        return;
    // Everything not acknowledged; the last key alone when all was, so that
    // the peer still hears the clocks and the acknowledgements.
    transport_.envoyer(ecrire_message(paquet(std::min(acquis_, n - 1), maintenant_ms)), false);
}

void SessionMatch::quitter()
{
    if (issue_ != Issue::en_cours)
        return;
    AuRevoir a;
    a.raison = Raison::partie;
    a.tick = static_cast<uint32_t>(std::min<int64_t>(rb_.tick(), TICK_MAX));
    transport_.envoyer(ecrire_message(a), true);
    issue_ = Issue::quittee;
}
