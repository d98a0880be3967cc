#include "simulateur.h"

#include <cstdlib>

namespace {

// FNV-1a over the integers that make up a match's state.
class Somme {
public:
    void ajouter(int64_t v)
    {
        for (int i = 0; i < 8; ++i) {
            h_ ^= static_cast<uint64_t>(v >> (8 * i)) & 0xFF;
            h_ *= 1099511628211ull;
        }
    }
    uint64_t valeur() const { return h_; }

private:
    uint64_t h_ = 1469598103934665603ull;
};

void resumer(Somme& h, const Perso& p)
{
    for (int64_t v : {int64_t(p.GetX()), int64_t(p.GetY()), int64_t(p.GetVx()), int64_t(p.GetVy()),
                      int64_t(p.Vie), int64_t(p.Mana), int64_t(p.dVie * 16), int64_t(p.dx), int64_t(p.dy),
                      int64_t(p.hflip), int64_t(p.status.Prior), int64_t(p.nObj), int64_t(p.Speencour),
                      int64_t(p.donneesperso.carac.experience)})
        h.ajouter(v);
    if (p.nObj != 0) {   // where a projectile no longer flying was left does not matter
        h.ajouter(p.Obj.GetX());
        h.ajouter(p.Obj.GetY());
    }
    int64_t etats = 0;
    for (int e = 0; e < NB_ETATS; ++e)
        etats |= int64_t(p.status.etat[e]) << e;
    h.ajouter(etats);
}

}  // namespace

SimulateurMatch::SimulateurMatch(const ParamMoteur& pm) : pm_(pm), m_(std::make_unique<Moteur>(Horloge(false)))
{
    m_->DebutMatch(&pm_);
}

SimulateurMatch::~SimulateurMatch() { m_->DestroyJeu(&pm_); }

uint64_t SimulateurMatch::somme() const
{
    Somme h;
    resumer(h, m_->p1);
    resumer(h, m_->p2);
    for (int64_t v : {int64_t(pm_.Parlvl.scrollx), int64_t(pm_.Parlvl.scrolly), int64_t(m_->stimer),
                      int64_t(m_->nbwinp1), int64_t(m_->nbwinp2), int64_t(t.load()), int64_t(s.load()),
                      int64_t(m_->alea.etat)})
        h.ajouter(v);
    return h.valeur();
}

RapportMatch SimulateurMatch::jouer(unsigned graine)
{
    t = 0;
    s = 0;
    gamet = 0;
    m_->alea.semer(graine);
    // Every match starts from a fresh clock, as in a new run of the game.
    m_->horloge = Horloge(false);
    m_->RejouerMatch(&pm_);

    RapportMatch r;
    for (;;) {
        m_->NewRound(&pm_);
        int resultat = ROUND_ABANDONNE;
        if (!jouer_round(r, resultat)) {
            r.abandonne = true;
            m_->sonjeu.stop(0, 0);
            break;
        }
        ++r.rounds;
        if (resultat == ROUND_NUL)
            ++r.nuls;
        else if (resultat == KO_J1 || resultat == KO_J2)
            ++r.ko;
        else
            ++r.temps;
        const bool termine = m_->CompterRound(resultat);
        jouer_fin_de_round();
        if (termine) {
            m_->ResultatMatch(&pm_);
            r.winner = pm_.winner;
            break;
        }
    }
    r.coups[0] = m_->coups[0];
    r.coups[1] = m_->coups[1];
    r.somme = somme();
    return r;
}

bool SimulateurMatch::jouer_round(RapportMatch& r, int& resultat)
{
    Moteur& m = *m_;
    m.DebutRound(&pm_, 60);
    while (m.RoundEnCours()) {
        if (r.ticks >= ticks_max)
            return false;
        if (script && !script(r.ticks))
            return false;
        m.TickCombat(&pm_);
        ++r.ticks;
        if (apres_tick)
            apres_tick(r.ticks, somme());
        if (dessiner)
            m.ImageCombat(&pm_);
    }
    resultat = m.FinRound(&pm_);
    return true;
}

void SimulateurMatch::jouer_fin_de_round()
{
    Moteur& m = *m_;
    m.DebutFinpartie(&pm_);
    bool fini = false;
    for (int64_t garde = 0; !fini && garde < 60 * 60; ++garde) {
        fini = m.TickFinpartie(&pm_);
        if (dessiner)
            m.ImageFinpartie(&pm_);
    }
    m.ConclureFinpartie();
}
