#include "partie_en_ligne.h"

#include <cstdio>
#include <ctime>
#include <random>

#include "../control/appuis_clavier.h"
#include "../control/input.h"
#include "../reseau/contenu.h"
#include "../reseau/match_en_ligne.h"
#include "declar.h"
#include "fenetre.h"
#include "edition.h"
#include "fichier_plus.h"

namespace {

// "delai-en-ligne=auto" (the default) or a number of ticks, in zef-plus.ini.
int delai_regle(int aller_retour_ms)
{
    const std::string v = lire_cle(FICHIER_EDITION, "delai-en-ligne").value_or("auto");
    if (v.size() == 1 && v[0] >= '0' && v[0] <= '0' + DELAI_MAX)
        return v[0] - '0';
    return delai_pour(aller_retour_ms);
}

// What the indicator and the marks are written with.
class Incrustations {
public:
    Incrustations()
    {
        police_.charger("graphics/chinese.ttf");
        police_.taille(14);
    }
    ~Incrustations() { police_.destroy(); }
    void ecrire(BITMAP* b, const char* texte, int x, int y, int couleur)
    {
        if (!police_.font)
            return;
        alfont_textout_centre_aa(b, police_.font, texte, x + 1, y + 1, makecol(0, 0, 0));
        alfont_textout_centre_aa(b, police_.font, texte, x, y, couleur);
    }

private:
    FontClass police_;
};

// This player's keys, whatever side it plays: its own settings' first
// player's keys or joystick.
ParamJoueur clavier_local(const ParamMoteur& reglages)
{
    ParamJoueur j = reglages.parP1;
    j.joueur = 1;
    j.SetKey();
    if (j.control != CONTROLE_JOYSTICK)
        j.control = CONTROLE_CLAVIER;
    return j;
}

}  // namespace

void garder_experience_en_ligne(const ParamMoteur& reglages, const MatchEnLigne& match, int local, const Rejeu& entete)
{
    if (!entete.evolution)
        return;
    ParamJoueur moi = reglages.parP1;
    moi.SetPerso(entete.cotes[local].perso);
    const Perso& p = local == 0 ? match.moteur().p1 : match.moteur().p2;
    moi.carac.experience = p.donneesperso.carac.experience;
    moi.save_xp_file();
}

FinMatchEnLigne jouer_match_en_ligne(const Depart& d, int local, TransportLiaison& transport, Liaison& liaison,
                                     const ParamMoteur& reglages)
{
    const Rejeu entete = entete_du_depart(d);
    // The fight's clocks are its ticks'; the timers only pace the frames.
    horloges_au_combat(true);
    guetter_appuis(Regles::de(entete.edition).touches_appuyees);
    FinMatchEnLigne fin;
    {
        MatchEnLigne match(entete);
        SessionMatch session(transport, match, local, d.match, d.delai, horloge_reseau_ms());
        const ParamJoueur clavier = clavier_local(reglages);
        Incrustations incrustations;
        bool indicateur = false, f3 = false;
        int64_t seconde = horloge_reseau_ms();
        int rollbacks_seconde = session.rollback().rollbacks(), par_seconde = 0;
        gamet = 0;
        for (;;) {
            const int64_t maintenant = horloge_reseau_ms();
            transport.maintenant_ms = maintenant;
            liaison.servir(maintenant);
            session.recevoir(maintenant);
            if (session.issue() != Issue::en_cours)
                break;
            poll_keyboard();
            if (key[KEY_ESC]) {
                session.quitter();
                liaison.servir(maintenant);
                fin.quitte_ici = true;
                break;
            }
            if (key[KEY_F3] && !f3)
                indicateur = !indicateur;
            f3 = key[KEY_F3];
            if (gamet <= 0) {
                rest(1);
                continue;
            }
            // One tick per frame due; a long stall is not caught up at once.
            for (int n = 0; gamet > 0 && n < 4; ++n) {
                --gamet;
                session.avancer(lire_touches(clavier));
            }
            gamet = 0;
            session.envoyer(maintenant);
            liaison.servir(maintenant);

            if (maintenant - seconde >= 1000) {
                par_seconde = session.rollback().rollbacks() - rollbacks_seconde;
                rollbacks_seconde = session.rollback().rollbacks();
                seconde = maintenant;
            }
            match.dessiner();
            BITMAP* image = match.moteur().buffer;
            if (session.en_attente())
                incrustations.ecrire(image, "attente", 320, 100, makecol(255, 214, 110));
            if (indicateur) {
                char texte[64];
                std::snprintf(texte, sizeof texte, "%d ms  %d corrections/s", session.aller_retour_ms(), par_seconde);
                incrustations.ecrire(image, texte, 320, 456, makecol(200, 230, 255));
            }
            montrer_image(image);
            clear_bitmap(image);
        }
        fin.issue = fin.quitte_ici ? Issue::quittee : session.issue();
        fin.tick = session.tick_desynchronise();
        Rejeu r = match.rejeu(session.rollback().confirme());
        if (fin.issue == Issue::fini) {
            garder_experience_en_ligne(reglages, match, local, entete);
            fin.rejeu = garder_rejeu(r, std::time(nullptr));
        } else if (fin.issue == Issue::desynchronise) {
            // The keys both games agreed on, for study.
            fin.rejeu = garder_rejeu(r, std::time(nullptr));
        }
        match.moteur().sonjeu.stop(0, 0);
    }
    guetter_appuis(false);
    horloges_au_combat(false);
    return fin;
}

void jouer_en_ligne(const ParamMoteur& reglages, MenuSP& selection, CANALMENU& son, const DepartEcranEnLigne& depart)
{
    std::unique_ptr<Liaison> liaison;
    bool hote = false;
    {
        EcranEnLigne ecran;
        ecran.init();
        liaison = ecran.Connecter(son, depart, hote);
        ecran.destroy();
    }
    if (!liaison)
        return;
    TransportLiaison transport(*liaison);
    Bonjour moi;
    moi.contenu = somme_du_contenu();
    moi.edition = reglages.edition == Edition::amelioree ? 1 : 0;
    moi.progression = reglages.ModeEvolution;
    transport.maintenant_ms = horloge_reseau_ms();
    Salon salon(transport, hote, moi);
    const auto servir = [&] {
        const int64_t maintenant = horloge_reseau_ms();
        transport.maintenant_ms = maintenant;
        liaison->servir(maintenant);
        salon.recevoir(maintenant);
        return salon.etat() == Salon::Etat::presentation || salon.etat() == Salon::Etat::selection;
    };
    const auto etat = [&]() -> std::string {
        if (salon.etat() == Salon::Etat::presentation)
            return "présentation...";
        return std::string(hote ? "vous hébergez" : "vous avez rejoint") + ", aller-retour " +
               std::to_string(liaison->aller_retour_ms()) + " ms";
    };
    std::random_device hasard;
    for (;;) {
        ParamMoteur pm = reglages;
        pm.ModeDeJeu = mode_versus;
        selection.InitMenu();
        const IssueSelectionEnLigne issue = selection.ChoixEnLigne(&pm, son, salon, servir, etat);
        selection.DestroyMenu();
        if (issue == SELECTION_QUITTEE) {
            salon.quitter();
            servir();
            return;
        }
        if (issue == SELECTION_ROMPUE) {
            if (salon.etat() == Salon::Etat::refuse)
                montrer_message_en_ligne({"partie refusée", salon.raison()}, son);
            else if (salon.etat() == Salon::Etat::parti)
                montrer_message_en_ligne({"l'adversaire a quitté la partie"}, son);
            else
                montrer_message_en_ligne({"connexion perdue"}, son);
            return;
        }
        std::optional<Depart> d;
        if (hote) {
            const STAGE decor = decor_du_perso(salon.choix_local().perso);
            const uint64_t graine = static_cast<uint64_t>(hasard()) << 32 | hasard();
            d = salon.lancer(graine, static_cast<uint8_t>(decor),
                             static_cast<uint8_t>(delai_regle(liaison->aller_retour_ms())));
        } else {
            d = salon.depart_recu();
        }
        if (!d)
            continue;
        son.stop(0, 0);
        const FinMatchEnLigne fin = jouer_match_en_ligne(*d, salon.cote_local(), transport, *liaison, reglages);
        son.jouer(0, 0);
        switch (fin.issue) {
        case Issue::fini:
            salon.revenir();
            continue;   // both choose again for a rematch
        case Issue::desynchronise:
            montrer_message_en_ligne({"désynchronisation au tick " + std::to_string(fin.tick),
                                      fin.rejeu.empty() ? "" : "combat enregistré : " + fin.rejeu},
                                     son);
            return;
        case Issue::quittee:
            if (!fin.quitte_ici)
                montrer_message_en_ligne({"l'adversaire a quitté la partie"}, son);
            return;
        default:
            montrer_message_en_ligne({"connexion perdue"}, son);
            return;
        }
    }
}
