#include "match_en_ligne.h"

#include <algorithm>

#include "../shell/declar.h"

namespace {

// The match runner's guard: a round-end sequence never outlasts a minute.
constexpr int32_t FIN_DE_ROUND_MAX = 60 * 60;

uint32_t tenues(const ParamJoueur& j, Touches touches) { return j.control == CONTROLE_CPU ? 0 : touches; }

}  // namespace

MatchEnLigne::MatchEnLigne(const Rejeu& entete)
    : entete_(entete), pm_(entete.parametres()), m_(Horloge(false))
{
    // As the match runner starts a match: set-up, then the seed.
    m_.DebutMatch(&pm_);
    gamet = 0;
    m_.alea.semer(entete.graine);
    m_.NewRound(&pm_);
    m_.DebutRound(&pm_, 60);
    sortir();
}

MatchEnLigne::~MatchEnLigne()
{
    entrer();
    m_.ConclureFinpartie();
    m_.DestroyJeu(&pm_);
}

void MatchEnLigne::entrer() const
{
    ::t = t_;
    ::s = s_;
}

void MatchEnLigne::sortir() const
{
    t_ = ::t;
    s_ = ::s;
}

void MatchEnLigne::jouer_tick(Touches j1, Touches j2)
{
    entrer();
    Instant& i = instant_;
    switch (i.phase) {
    case Phase::round: {
        const uint32_t cles = tenues(pm_.parP1, j1) | tenues(pm_.parP2, j2) << 16;
        m_.p1.touches_imposees = j1;
        m_.p2.touches_imposees = j2;
        m_.TickCombat(&pm_);
        const size_t n = static_cast<size_t>(m_.tick_match);
        entrees_.resize(n);
        sommes_.resize(n);
        entrees_[n - 1] = cles;
        sommes_[n - 1] = static_cast<uint32_t>(m_.SommeEtat(&pm_));
        if (!m_.RoundEnCours()) {
            i.dernier_round = m_.CompterRound(m_.FinRound(&pm_));
            m_.DebutFinpartie(&pm_);
            i.phase = Phase::fin_de_round;
            i.garde = 0;
        }
        break;
    }
    case Phase::fin_de_round:
        if (m_.TickFinpartie(&pm_) || ++i.garde >= FIN_DE_ROUND_MAX) {
            // The sequence's end as the match runner's, its font kept: a
            // correction may come back into it.
            m_.sonjeu.stop(0, 0);
            if (i.dernier_round) {
                i.phase = Phase::termine;
                i.tick_fin = i.ticks;
            } else {
                m_.NewRound(&pm_);
                m_.DebutRound(&pm_, 60);
                i.phase = Phase::round;
            }
        }
        break;
    case Phase::termine:
        break;
    }
    if (static_cast<int64_t>(combats_.size()) <= i.ticks)
        combats_.resize(static_cast<size_t>(i.ticks) + 1);
    combats_[static_cast<size_t>(i.ticks)] = m_.tick_match;
    ++i.ticks;
    sortir();
}

void MatchEnLigne::sauver(int emplacement)
{
    entrer();
    etats_[static_cast<size_t>(emplacement)] = m_.Sauver(&pm_);
    instants_[static_cast<size_t>(emplacement)] = instant_;
}

void MatchEnLigne::restaurer(int emplacement)
{
    m_.Restaurer(etats_[static_cast<size_t>(emplacement)], &pm_);
    instant_ = instants_[static_cast<size_t>(emplacement)];
    sortir();
}

uint64_t MatchEnLigne::somme() const
{
    entrer();
    return m_.SommeEtat(&pm_);
}

void MatchEnLigne::rejouer(bool oui) { SON::retenus = oui; }

int MatchEnLigne::winner() const
{
    if (!termine())
        return 0;
    return m_.nbwinp1 > m_.nbwinp2 ? 1 : 2;
}

void MatchEnLigne::dessiner()
{
    entrer();
    if (instant_.phase == Phase::round)
        m_.ImageCombat(&pm_);
    else
        m_.ImageFinpartie(&pm_);
    sortir();
}

Rejeu MatchEnLigne::rejeu(int64_t ticks) const
{
    Rejeu r = entete_;
    int64_t combats = 0;
    if (ticks > 0 && !combats_.empty())
        combats = combats_[static_cast<size_t>(std::min<int64_t>(ticks, static_cast<int64_t>(combats_.size())) - 1)];
    combats = std::min<int64_t>(combats, static_cast<int64_t>(entrees_.size()));
    r.entrees.assign(entrees_.begin(), entrees_.begin() + combats);
    r.sommes.assign(sommes_.begin(), sommes_.begin() + combats);
    const bool entier = termine() && ticks > instant_.tick_fin;
    r.winner = entier ? winner() : 0;
    r.somme_finale = entier ? somme() : 0;
    return r;
}
