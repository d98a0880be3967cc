#include "salon.h"

#include <vector>

Salon::Salon(Transport& transport, bool hote, const Bonjour& moi) : transport_(transport), hote_(hote), moi_(moi)
{
    transport_.envoyer(ecrire_message(moi_), true);
}

void Salon::refuser(const std::string& raison, bool dire)
{
    etat_ = Etat::refuse;
    raison_ = raison;
    if (dire) {
        AuRevoir a;
        a.raison = Raison::refuse;
        transport_.envoyer(ecrire_message(a), true);
    }
}

void Salon::verifier_bonjour(const Bonjour& b)
{
    // Both sides check, and each tells its own player why.
    if (b.protocole != moi_.protocole || b.jeu != moi_.jeu)
        refuser("version du jeu différente chez l'adversaire", true);
    else if (b.contenu != moi_.contenu)
        refuser("données des combattants ou du décor différentes chez l'adversaire", true);
    else if (b.edition != moi_.edition)
        refuser("l'adversaire joue l'autre édition", true);
    else if (b.progression != moi_.progression)
        refuser("la progression n'est pas réglée pareil chez l'adversaire", true);
    else
        etat_ = Etat::selection;
}

void Salon::verifier_depart(const Depart& d)
{
    Choix moi = local_, lui = distant_;
    moi.match = lui.match = d.match;
    const bool ok = d.match == matchs_ + 1 && d.edition == moi_.edition && d.cotes[1] == moi && d.cotes[0] == lui &&
                    d.cotes[0].progression == moi_.progression && d.cotes[1].progression == moi_.progression;
    if (!ok) {
        refuser("le combat lancé par l'hôte ne correspond pas aux choix", true);
        return;
    }
    matchs_ = d.match;
    depart_ = d;
}

void Salon::recevoir(int64_t maintenant_ms)
{
    constexpr int64_t REDIRE_MS = 500;
    if (etat_ == Etat::selection && local_.perso != 0xFF && maintenant_ms - redit_ms_ >= REDIRE_MS) {
        redit_ms_ = maintenant_ms;
        transport_.envoyer(ecrire_message(local_), true);
    }
    std::vector<uint8_t> octets;
    // What follows a match's start belongs to the match: left unread.
    while ((etat_ == Etat::presentation || etat_ == Etat::selection) && !depart_) {
        if (!transport_.recevoir(octets))
            break;
        const std::optional<Message> m = lire_message(octets.data(), octets.size());
        if (!m) {
            ++malformes_;
            continue;
        }
        if (const Bonjour* b = std::get_if<Bonjour>(&*m)) {
            if (etat_ == Etat::presentation)
                verifier_bonjour(*b);
        } else if (const AuRevoir* a = std::get_if<AuRevoir>(&*m)) {
            if (a->raison == Raison::refuse)
                refuser(raison_.empty() ? "l'adversaire a refusé la partie" : raison_, false);
            else
                etat_ = Etat::parti;
        } else if (etat_ != Etat::selection) {
            continue;   // nothing counts before the introductions
        } else if (const Choix* c = std::get_if<Choix>(&*m)) {
            if (c->match != matchs_)
                continue;   // chosen for a match already played
            if (c->progression != moi_.progression)
                refuser("la progression n'est pas réglée pareil chez l'adversaire", true);
            else
                distant_ = *c;
        } else if (const Depart* d = std::get_if<Depart>(&*m)) {
            if (!hote_)
                verifier_depart(*d);
        }
        // Keys of a match already over are left unread.
    }
    if ((etat_ == Etat::presentation || etat_ == Etat::selection) && transport_.rompu())
        etat_ = Etat::perdu;
}

void Salon::choisir(const Choix& c)
{
    Choix nouveau = c;
    nouveau.progression = moi_.progression;
    nouveau.match = matchs_;
    if (nouveau == local_)
        return;
    local_ = nouveau;
    if (etat_ == Etat::selection || etat_ == Etat::presentation)
        transport_.envoyer(ecrire_message(local_), true);
}

std::optional<Depart> Salon::lancer(uint64_t graine, uint8_t stage, uint8_t delai)
{
    if (!hote_ || !prets())
        return std::nullopt;
    Depart d;
    d.match = ++matchs_;
    d.graine = graine;
    d.stage = stage;
    d.edition = moi_.edition;
    d.delai = delai;
    d.cotes[0] = local_;
    d.cotes[1] = distant_;
    d.cotes[0].match = d.cotes[1].match = d.match;
    transport_.envoyer(ecrire_message(d), true);
    return d;
}

std::optional<Depart> Salon::depart_recu()
{
    std::optional<Depart> d = depart_;
    depart_.reset();
    return d;
}

void Salon::revenir()
{
    local_ = distant_ = Choix{};
    local_.match = distant_.match = matchs_;
    depart_.reset();
}

void Salon::quitter()
{
    if (etat_ != Etat::presentation && etat_ != Etat::selection)
        return;
    AuRevoir a;
    a.raison = Raison::partie;
    transport_.envoyer(ecrire_message(a), true);
    etat_ = Etat::parti;
}

Rejeu entete_du_depart(const Depart& d)
{
    Rejeu r;
    for (int i = 0; i < 2; ++i) {
        r.cotes[i].perso = static_cast<PERSO>(d.cotes[i].perso);
        r.cotes[i].control = CONTROLE_CLAVIER;
        r.cotes[i].carac = d.cotes[i].carac;
    }
    r.stage = static_cast<STAGE>(d.stage);
    r.mode = mode_versus;
    r.evolution = d.cotes[0].progression;
    r.edition = d.edition == 0 ? Edition::classique : Edition::amelioree;
    r.graine = d.graine;
    return r;
}
