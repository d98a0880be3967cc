#include "simulateur.h"

#include <cstdlib>

SimulateurMatch::SimulateurMatch(const ParamMoteur& pm) : pm_(pm), m_(std::make_unique<Moteur>(Horloge(false)))
{
    m_->DebutMatch(&pm_);
    depart_ = m_->Sauver(&pm_);
}

SimulateurMatch::~SimulateurMatch() { m_->DestroyJeu(&pm_); }

uint64_t SimulateurMatch::somme() const { return m_->SommeEtat(&pm_); }

RapportMatch SimulateurMatch::jouer(unsigned graine)
{
    // Every match starts from the state the set-up left, as a match of the
    // game starts on a freshly set-up engine.
    m_->Restaurer(depart_, &pm_);
    gamet = 0;
    m_->alea.semer(graine);

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
