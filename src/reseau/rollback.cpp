#include "rollback.h"

#include <algorithm>

namespace {

template <typename T>
void etendre(std::vector<T>& v, int64_t tick, T valeur = T())
{
    if (static_cast<int64_t>(v.size()) <= tick)
        v.resize(static_cast<size_t>(tick) + 1, valeur);
}

}  // namespace

Rollback::Rollback(Simulation& s, int local, int delai) : sim_(s), local_(local == 0 ? 0 : 1)
{
    for (int t = 0; t < delai; ++t) {
        entree_locale(t, 0);
        entree_distante(t, 0);
    }
}

int64_t Rollback::confirme() const { return std::min(recu_, premier_faux_ >= 0 ? premier_faux_ : tick_); }

bool Rollback::peut_jouer() const
{
    const std::vector<Touches>& locales = touches_[local_];
    return tick_ < static_cast<int64_t>(locales.size()) && tick_ - recu_ < FENETRE;
}

void Rollback::entree_locale(int64_t tick, Touches t)
{
    if (tick < tick_)
        return;   // played already: a local key is never changed afterwards
    etendre(touches_[local_], tick);
    touches_[local_][static_cast<size_t>(tick)] = t;
}

Touches Rollback::prediction(int64_t tick) const
{
    // The remote side keeps holding what it last held.
    const std::vector<Touches>& distantes = touches_[1 - local_];
    for (int64_t x = std::min<int64_t>(tick, static_cast<int64_t>(recue_.size())) - 1; x >= 0 && x >= tick - 4 * FENETRE;
         --x)
        if (recue_[static_cast<size_t>(x)])
            return distantes[static_cast<size_t>(x)];
    return recu_ > 0 ? distantes[static_cast<size_t>(recu_ - 1)] : 0;
}

Touches Rollback::distante_utilisee(int64_t tick) const
{
    if (tick < static_cast<int64_t>(recue_.size()) && recue_[static_cast<size_t>(tick)])
        return touches_[1 - local_][static_cast<size_t>(tick)];
    return prediction(tick);
}

bool Rollback::entree_distante(int64_t tick, Touches t)
{
    // Ticks already confirmed cannot change, and keys past the window are
    // of a peer running too far ahead: both are dropped.
    if (tick < recu_ || tick >= tick_ + 4 * FENETRE)
        return false;
    etendre(recue_, tick, false);
    if (recue_[static_cast<size_t>(tick)])
        return true;   // a copy
    etendre(touches_[1 - local_], tick);
    touches_[1 - local_][static_cast<size_t>(tick)] = t;
    recue_[static_cast<size_t>(tick)] = true;
    while (recu_ < static_cast<int64_t>(recue_.size()) && recue_[static_cast<size_t>(recu_)])
        ++recu_;
    // Every played tick from this one on may have used another prediction.
    for (int64_t x = tick; x < tick_; ++x) {
        if (utilisee_[static_cast<size_t>(x)] != distante_utilisee(x)) {
            if (premier_faux_ < 0 || x < premier_faux_)
                premier_faux_ = x;
            break;
        }
    }
    return true;
}

void Rollback::jouer_un(int64_t tick)
{
    sim_.sauver(static_cast<int>(tick % EMPLACEMENTS));
    const Touches distante = distante_utilisee(tick);
    const Touches locale = touches_[local_][static_cast<size_t>(tick)];
    etendre(utilisee_, tick);
    utilisee_[static_cast<size_t>(tick)] = distante;
    if (local_ == 0)
        sim_.jouer_tick(locale, distante);
    else
        sim_.jouer_tick(distante, locale);
    sommes_[static_cast<size_t>(tick % SOMMES)] = sim_.somme();
}

void Rollback::corriger()
{
    if (premier_faux_ < 0)
        return;
    const int64_t depuis = premier_faux_;
    premier_faux_ = -1;
    ++rollbacks_;
    sim_.restaurer(static_cast<int>(depuis % EMPLACEMENTS));
    sim_.rejouer(true);
    for (int64_t x = depuis; x < tick_; ++x)
        jouer_un(x);
    sim_.rejouer(false);
    rejoues_ += tick_ - depuis;
}

void Rollback::jouer()
{
    corriger();
    if (!peut_jouer())
        return;
    jouer_un(tick_);
    ++tick_;
}

bool Rollback::somme_confirmee(int64_t tick, uint64_t& somme) const
{
    if (tick < 0 || tick >= confirme() || tick < tick_ - SOMMES)
        return false;
    somme = sommes_[static_cast<size_t>(tick % SOMMES)];
    return true;
}

uint32_t Rollback::entrees_confirmees(int64_t tick) const
{
    if (tick < 0 || tick >= confirme())
        return 0;
    const uint32_t a = touches_[0][static_cast<size_t>(tick)], b = touches_[1][static_cast<size_t>(tick)];
    return a | b << 16;
}
