#include "simulateur.h"

#include <algorithm>
#include <cstdlib>

SimulateurMatch::SimulateurMatch(const ParamMoteur& pm) : pm_(pm), m_(std::make_unique<Moteur>(Horloge(false)))
{
    m_->DebutMatch(&pm_);
    depart_ = m_->Sauver(&pm_);
}

SimulateurMatch::~SimulateurMatch() { m_->DestroyJeu(&pm_); }

uint64_t SimulateurMatch::somme() const { return m_->SommeEtat(&pm_); }

RapportMatch SimulateurMatch::jouer(uint64_t graine)
{
    // Every match starts from the state the set-up left, as a match of the
    // game starts on a freshly set-up engine.
    m_->Restaurer(depart_, &pm_);
    gamet = 0;
    m_->alea.semer(graine);
    if (m_->enregistrement)
        m_->enregistrement->commencer(pm_, graine);

    RapportMatch r;
    dernier_coup_ = 0;
    for (;;) {
        m_->NewRound(&pm_);
        int resultat = ROUND_ABANDONNE;
        if (!jouer_round(r, resultat)) {
            r.abandonne = true;
            if (m_->enregistrement)
                m_->enregistrement->somme_finale = somme();
            m_->sonjeu.stop(0, 0);
            break;
        }
        ++r.rounds;
        r.vies.push_back({{m_->p1.Vie, m_->p2.Vie}, {m_->p1.donneesperso.PV, m_->p2.donneesperso.PV}});
        if (resultat == ROUND_NUL)
            ++r.nuls;
        else if (resultat == KO_J1 || resultat == KO_J2)
            ++r.ko;
        else
            ++r.temps;
        const bool termine = m_->CompterRound(resultat);
        const int64_t depuis_coup = r.ticks - dernier_coup_;
        const int64_t avant_banniere = jouer_fin_de_round();
        r.resultats.push_back(resultat);
        if (resultat == KO_J1 || resultat == KO_J2)
            r.appels_ko.push_back(depuis_coup + avant_banniere);
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
        const int coups = m.coups[0] + m.coups[1];
        const bool en_special[2] = {m.p1.Speencour, m.p2.Speencour};
        m.TickCombat(&pm_);
        ++r.ticks;
        if (m.coups[0] + m.coups[1] != coups)
            dernier_coup_ = r.ticks;
        for (int cote = 0; cote < 2; ++cote) {
            const Perso& p = cote == 0 ? m.p1 : m.p2;
            if (p.Speencour && !en_special[cote] && p.NCoupSpe >= 40 && p.NCoupSpe < 48)
                ++r.speciaux[cote][p.NCoupSpe - 40];
        }
        if (apres_tick)
            apres_tick(r.ticks, somme());
        if (dessiner)
            m.ImageCombat(&pm_);
    }
    resultat = m.FinRound(&pm_);
    return true;
}

int64_t SimulateurMatch::jouer_fin_de_round()
{
    Moteur& m = *m_;
    m.DebutFinpartie(&pm_);
    bool fini = false;
    int64_t avant_banniere = m.BanniereVisible() ? 0 : -1;
    for (int64_t garde = 0; !fini && garde < 60 * 60; ++garde) {
        fini = m.TickFinpartie(&pm_);
        if (avant_banniere < 0 && m.BanniereVisible())
            avant_banniere = garde + 1;
        if (dessiner)
            m.ImageFinpartie(&pm_);
    }
    m.ConclureFinpartie();
    return avant_banniere;
}

VerificationRejeu verifier_rejeu(const Rejeu& r)
{
    VerificationRejeu v;
    SimulateurMatch sim(r.parametres());
    sim.moteur().rejeu = &r;
    // A recorded match ends where its record does; one cut short there was abandoned.
    const int64_t ticks = static_cast<int64_t>(r.entrees.size());
    sim.script = [ticks, &r](int64_t tick) { return r.winner != 0 || tick < ticks; };
    sim.ticks_max = ticks + 60;
    sim.apres_tick = [&v, &r](int64_t tick, uint64_t somme) {
        const bool ecart = tick > static_cast<int64_t>(r.sommes.size()) ||
                           static_cast<uint32_t>(somme) != r.sommes[static_cast<size_t>(tick - 1)];
        if (ecart && v.premier_ecart < 0)
            v.premier_ecart = tick;
    };
    const RapportMatch rapport = sim.jouer(r.graine);
    v.rapport = rapport;
    v.winner = rapport.winner;
    v.somme_finale = rapport.somme;
    v.ticks = rapport.ticks;
    if (v.premier_ecart < 0 && v.ticks != ticks)
        v.premier_ecart = std::min(v.ticks, ticks) + 1;
    v.conforme = v.premier_ecart < 0 && v.somme_finale == r.somme_finale && v.winner == r.winner;
    return v;
}
