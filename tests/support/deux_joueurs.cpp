#include "deux_joueurs.h"

#include <cstdlib>

namespace {

constexpr Touches bit(int role) { return static_cast<Touches>(1u << role); }

const int ATTAQUES[] = {TOUCHE_PUNCH_LEGER, TOUCHE_PUNCH_FORT, TOUCHE_KICK_LEGER, TOUCHE_KICK_FORT};

}  // namespace

Touches JoueurAuto::touches(const MatchEnLigne& vue)
{
    if (suite_.empty())
        decider(vue);
    const Touches t = suite_.front();
    suite_.pop_front();
    return t;
}

void JoueurAuto::decider(const MatchEnLigne& vue)
{
    const Moteur& m = vue.moteur();
    const Perso& moi = cote_ == 0 ? m.p1 : m.p2;
    const Perso& lui = cote_ == 0 ? m.p2 : m.p1;
    const bool a_droite = lui.GetX() > moi.GetX();
    const int avant = a_droite ? TOUCHE_DROITE : TOUCHE_GAUCHE;
    const int arriere = a_droite ? TOUCHE_GAUCHE : TOUCHE_DROITE;
    const auto tirer = [this](int n) { return static_cast<int>(alea_() % static_cast<uint64_t>(n)); };
    const auto tenir = [this](Touches t, int ticks, int relache) {
        suite_.insert(suite_.end(), static_cast<size_t>(ticks), t);
        suite_.insert(suite_.end(), static_cast<size_t>(relache), Touches(0));
    };
    const int choix = tirer(100);
    if (choix < 6) {
        // A special move, typed at a player's pace: three ticks a key.
        int roles[5];
        const int n = sequence_combo(moi.pers, tirer(2), roles);
        for (int i = 0; i < n; ++i)
            tenir(bit(roles[i] == TOUCHE_DROITE ? avant : roles[i] == TOUCHE_GAUCHE ? arriere : roles[i]), 3, 1);
        tenir(0, 0, 1);
        return;
    }
    const int duree = 2 + tirer(8);
    const Touches attaque = bit(ATTAQUES[tirer(4)]);
    if (std::abs(lui.GetX() - moi.GetX()) > 160) {
        if (choix < 75)
            tenir(bit(avant), duree * 2, 0);
        else if (choix < 85)
            tenir(bit(TOUCHE_HAUT) | bit(avant), duree, 0);
        else
            tenir(attaque, 3, duree);
    } else if (choix < 55) {
        // A key let go between two presses, so that the next one counts.
        tenir(attaque | (choix < 15 ? bit(avant) : 0), 3, 1 + tirer(4));
    } else if (choix < 65) {
        tenir(bit(TOUCHE_BAS) | attaque, 3, 2);
    } else if (choix < 75) {
        tenir(bit(TOUCHE_HAUT) | (choix < 70 ? bit(avant) : 0), duree, 0);
    } else if (choix < 85) {
        tenir(bit(arriere), duree, 0);
    } else if (choix < 93) {
        tenir(bit(avant), duree, 0);
    } else {
        tenir(0, duree, 0);
    }
}

void TransportVirtuel::envoyer(const std::vector<uint8_t>& octets, bool fiable)
{
    ++envoyes;
    octets_envoyes += octets.size();
    route_.confier(octets, fiable, horloge_);
}

bool TransportVirtuel::recevoir(std::vector<uint8_t>& octets)
{
    if (boite_.empty())
        return false;
    octets = std::move(boite_.front());
    boite_.pop_front();
    return true;
}

void TransportVirtuel::livrer(TransportVirtuel& vers)
{
    std::vector<uint8_t> d;
    bool fiable;
    while (route_.livrer(horloge_, d, fiable))
        vers.boite_.push_back(d);
}

MatchDeuxJoueurs jouer_deux_joueurs(const Rejeu& entete, const Conditions& c, uint64_t graine, const Accidents& a)
{
    int64_t maintenant = 0;
    MatchDeuxJoueurs r;
    r.delai = delai_pour(2 * c.delai_ms);
    std::unique_ptr<MatchEnLigne> matchs[2] = {std::make_unique<MatchEnLigne>(entete),
                                               std::make_unique<MatchEnLigne>(a.entete_cote2 ? *a.entete_cote2 : entete)};
    TransportVirtuel fils[2] = {TransportVirtuel(c, graine * 2 + 1, maintenant),
                                TransportVirtuel(c, graine * 2 + 2, maintenant)};
    std::unique_ptr<SessionMatch> sessions[2];
    JoueurAuto joueurs[2] = {JoueurAuto(graine * 7 + 1, 0), JoueurAuto(graine * 7 + 2, 1)};
    const int64_t debut[2] = {0, a.decalage_ms};
    std::mt19937_64 dechets(graine);
    int64_t images[2] = {0, 0};
    for (; maintenant < a.limite_ms; ++maintenant) {
        fils[0].livrer(fils[1]);
        fils[1].livrer(fils[0]);
        if (a.dechets_tous_ms > 0 && maintenant % a.dechets_tous_ms == 0) {
            std::vector<uint8_t> o(1 + dechets() % 80);
            for (uint8_t& x : o)
                x = static_cast<uint8_t>(dechets());
            // Now and then a real kind of message with nonsense after it.
            if (o.size() > 1 && o[0] % 2 == 0)
                o[0] = static_cast<uint8_t>(1 + o[1] % 5);
            fils[0].deposer(std::move(o));
        }
        bool en_cours = false;
        for (int i = 0; i < 2; ++i) {
            if (maintenant < debut[i] || (i == 1 && a.silence_des_ms >= 0 && maintenant >= a.silence_des_ms))
                continue;
            if (!sessions[i])
                sessions[i] = std::make_unique<SessionMatch>(fils[i], *matchs[i], i, 1, r.delai, maintenant);
            SessionMatch& s = *sessions[i];
            en_cours = en_cours || s.issue() == Issue::en_cours;
            // Each game's frames at 60 per second of its own.
            if (s.issue() != Issue::en_cours || (maintenant - debut[i]) * 60 / 1000 < images[i])
                continue;
            ++images[i];
            s.recevoir(maintenant);
            s.avancer(joueurs[i].touches(*matchs[i]));
            s.envoyer(maintenant);
        }
        if (!en_cours && sessions[1])
            break;
    }
    r.duree_ms = maintenant;
    for (int i = 0; i < 2; ++i) {
        CoteEnLigne& cote = r.cotes[i];
        MatchEnLigne& m = *matchs[i];
        if (!sessions[i])
            continue;
        const SessionMatch& s = *sessions[i];
        cote.issue = s.issue();
        cote.winner = m.winner();
        cote.somme = m.somme();
        cote.ticks = s.rollback().tick();
        cote.rollbacks = s.rollback().rollbacks();
        cote.ticks_rejoues = s.rollback().ticks_rejoues();
        cote.ralentissements = s.ralentissements();
        cote.sommes_comparees = s.sommes_comparees();
        cote.aller_retour_ms = s.aller_retour_ms();
        cote.malformes = s.malformes();
        cote.rejeu = m.rejeu(s.rollback().confirme());
    }
    return r;
}
