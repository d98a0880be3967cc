#include "jeu.h"
#include "../graphics/fichierbmp.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "ecriture_atomique.h"
#include "erreur_fatale.h"
#include "fichierconfig.h"
#include "../story/histoire.h"
#include "fenetre.h"
#include "../menus/pause.h"
#include "../menus/resultats.h"
#include "partie_en_ligne.h"

namespace {

// Where the intro draws the logo, and how long it lasts in counts of t.
constexpr int LOGO_X = 127;
constexpr int LOGO_Y = 208;
constexpr int DUREE_INTRO = 1300;

// The intro's length is counted in frames as much as in timer counts (every
// frame moves t on by one), so it is drawn at a full-screen display's cadence,
// one frame per 60 Hz game tick, rather than as fast as a memory copy allows.
void attendre_trame()
{
    while (gamet <= 0)
        rest(1);
    --gamet;
}

bool est_un_dossier(const char* chemin)
{
    struct stat etat;
    return stat(chemin, &etat) == 0 && S_ISDIR(etat.st_mode);
}

}  // namespace

bool dans_le_dossier_de_donnees() { return est_un_dossier("graphics") && est_un_dossier("stage"); }

void verifier_dossier_de_donnees()
{
    if (!dans_le_dossier_de_donnees())
        erreur_fatale("dossier de donnees introuvable : le jeu se lance depuis son dossier data "
                      "(cd data && ../build/src/zef), ou avec ./zef.sh");
}

void preparer_dossier_de_donnees()
{
    verifier_dossier_de_donnees();
    // A save that a crash interrupted left its copy behind; the file itself
    // is whole.
    effacer_copie_abandonnee("zef.ini");
    effacer_copie_abandonnee(FICHIER_EDITION);
    for (PERSO p : {shiz, talon, vishvakarman, panda})
        effacer_copie_abandonnee(fichier_xp(p));
}

bool ouvrir_ecran(const DemandeAffichage& demande, bool garder)
{
    ReglageAffichage r = lire_reglage_affichage();
    if (!demande.vide()) {
        demande.appliquer(r);
        if (garder)
            ecrire_reglage_affichage(r);
    }
    return ouvrir_affichage(r);
}

void Jeu::ZeF()
{
    continuer = false;
    parMoteur.parP1.joueur = 1;
    parMoteur.parP2.joueur = 2;
    parMoteur.parP1.control = CONTROLE_CPU;
    parMoteur.parP2.control = CONTROLE_CPU;
    parMoteur.ModeEvolution = false;

    preparer_dossier_de_donnees();
    chargerFichierConfig(&parMoteur);
    parMoteur.edition = lire_edition();
    if (edition_demandee && *edition_demandee != parMoteur.edition) {
        parMoteur.edition = *edition_demandee;
        ecrire_edition(parMoteur.edition);
    }
    introdujeu();

    for (;;) {
        if (!continuer) {
            clear_keybuf();
            // After a story run the menu was never torn down: release it
            // first rather than set it up on top of itself.
            if (mp.b)
                mp.destroy_menu();
            mp.init_menu();
            sonmenu.initialiser();
            sonmenu.jouer(0, 0);
            continuer = true;
        }
        if (vers_selection) {
            vers_selection = false;
            Executer(CHOIX_VERSUS);
        } else if (!en_ligne_demande.vide()) {
            Executer(CHOIX_EN_LIGNE);
        } else {
            Executer(mp.ChoixMenu(sonmenu));
        }
    }
}

void Jeu::Executer(int choix)
{
    switch (choix) {
    case CHOIX_VERSUS:
        sp.InitMenu();
        parMoteur.ModeDeJeu = mode_versus;
        if (sp.ChoixSP(&parMoteur, sonmenu)) {
            mp.destroy_menu();
            sp.DestroyMenu();
            sonmenu.Destroy();
            lancer_versus();
        } else {
            sp.DestroyMenu();
            continuer = true;
        }
        break;
    case CHOIX_HISTOIRE:
        parMoteur.ModeDeJeu = mode_histoire;
        lancer_histoire();
        break;
    case CHOIX_TOURNOI:
        parMoteur.ModeDeJeu = mode_tournoi;
        break;
    case CHOIX_OPTIONS:
        mopt.init_menu();
        mopt.Menu_options(&parMoteur, sonmenu);
        mopt.destroy_menu();
        continuer = true;
        break;
    case CHOIX_EN_LIGNE: {
        DepartEcranEnLigne depart;
        depart.heberger = en_ligne_demande.heberger;
        if (en_ligne_demande.port != 0)
            depart.port = en_ligne_demande.port;
        depart.rejoindre = en_ligne_demande.rejoindre;
        if (en_ligne_demande.reseau)
            depart.reseau = *en_ligne_demande.reseau;
        // Asked once: the next visit starts from the screen's buttons, the
        // network as the command line set it.
        en_ligne_demande.heberger = false;
        en_ligne_demande.rejoindre.clear();
        jouer_en_ligne(parMoteur, sp, sonmenu, depart);
        continuer = true;
        break;
    }
    case CHOIX_CREDITS:
        mcredits.init_menu();
        mcredits.Menu_credits(sonmenu);
        mcredits.destroy_menu();
        continuer = true;
        break;
    case CHOIX_QUITTER:
        std::exit(1);
    default:
        break;
    }
}

int Jeu::jouer_match(int manches[2])
{
    e = new Moteur;
    Rejeu rejeu;
    e->enregistrement = &rejeu;
    e->sur_pause = [this](BITMAP* image) {
        EcranPause pause;
        pause.init();
        const bool quitter = pause.Pause(image, parMoteur, sonmenu);
        pause.destroy();
        return quitter;
    };
    e->NewGame(&parMoteur);
    manches[0] = e->nbwinp1;
    manches[1] = e->nbwinp2;
    const int gagnant = rejeu.winner;
    delete e;
    e = nullptr;
    garder_rejeu(rejeu, std::time(nullptr));
    return gagnant;
}

void Jeu::lancer_versus()
{
    for (;;) {
        int manches[2];
        const int gagnant = jouer_match(manches);
        if (!Regles::de(parMoteur.edition).ecran_resultats || parMoteur.ModeDeJeu == mode_histoire || gagnant == 0)
            break;
        EcranResultats resultats;
        sonmenu.initialiser();
        const PERSO perso = gagnant == 1 ? parMoteur.parP1.perso : parMoteur.parP2.perso;
        resultats.init(perso, manches[gagnant - 1], manches[2 - gagnant]);
        const ChoixResultats choix = resultats.Choisir(sonmenu);
        resultats.destroy();
        sonmenu.Destroy();
        if (choix == RESULTAT_REVANCHE)
            continue;
        vers_selection = choix == RESULTAT_CHANGER;
        break;
    }
    continuer = false;
    attendre_relache(KEY_ESC);
    clear_keybuf();
}

void Jeu::lancer_histoire()
{
    if (Regles::de(parMoteur.edition).histoire_complete) {
        lancer_histoire_complete();
        return;
    }
    struct Combat {
        PERSO adversaire;
        STAGE decor;
    };
    const Combat combats[3] = {{talon, elbeuf}, {vishvakarman, inde}, {panda, aeroport}};
    HISTOIRE h;
    parMoteur.parP2.control = CONTROLE_CPU;
    parMoteur.parP1.SetPerso(shiz);
    parMoteur.parP2.SetPerso(talon);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            parMoteur.parP2.perso = combats[i].adversaire;   // the record read for talon goes on
        parMoteur.Parlvl.stage = combats[i].decor;
        h.generer_carac(parMoteur.parP2, parMoteur.parP1.carac.niveau);
        h.histoire_dialogue(&parMoteur, sonmenu);
        if (i == 0)
            sonmenu.stop(0, 0);
        // A fight left with Escape has no winner: the run ends there.
        parMoteur.winner = 0;
        lancer_versus();
        if (parMoteur.winner == 0)
            return;
        if (parMoteur.winner != 1) {
            h.game_over();
            return;
        }
    }
    h.game_winned(parMoteur.parP1.carac);
}

void Jeu::lancer_histoire_complete()
{
    sp.InitMenu();
    const bool choisi = sp.ChoixSP(&parMoteur, sonmenu, true);
    sp.DestroyMenu();
    if (!choisi)
        return;
    const PERSO heros = parMoteur.parP1.perso;
    const Recit& recit = recit_de(heros);
    HISTOIRE h;
    parMoteur.parP2.control = CONTROLE_CPU;
    int defaites = 0;   // in the chapter being fought
    for (int i = 0; i < NB_CHAPITRES;) {
        const Chapitre& chapitre = recit.chapitres[i];
        // The opponent's own record each time, then its training for the
        // chapter; each defeat takes a point off it, so that nobody stays
        // stuck on one fight.
        parMoteur.parP2.SetPerso(chapitre.adversaire);
        HISTOIRE::generer_adversaire(parMoteur.parP2, parMoteur.parP1, ecart_chapitre(i) - defaites,
                                     chapitre.adversaire == heros);
        parMoteur.Parlvl.stage = chapitre.decor;
        if (!h.recit_dialogue(&parMoteur, chapitre, sonmenu)) {
            attendre_relache(KEY_ESC);
            clear_keybuf();
            return;
        }
        sonmenu.stop(0, 0);
        parMoteur.winner = 0;
        lancer_versus();
        if (parMoteur.winner == 0)
            return;   // left with Escape
        if (parMoteur.winner == 1) {
            ++i;
            defaites = 0;
            continue;
        }
        ++defaites;
        sonmenu.initialiser();
        const bool encore = h.defaite(chapitre.adversaire, sonmenu);
        if (!encore)
            return;
    }
    h.fin_illustree(recit, parMoteur.parP1.carac.niveau);
}

void Jeu::introdujeu()
{
    if (!ouvrir_ecran(affichage_demande, true)) {
        allegro_message("Cannot open a 640x480 display: %s", allegro_error);
        std::exit(1);
    }
    int alpha = 0;
    set_trans_blender(0, 0, 0, 0);

    BITMAP* buffer = create_bitmap(640, 480);
    BITMAP* intro = charger_bmp("graphics/logo.bmp", desktop_palette);

    gamet = 0;
    int32_t t0 = t;
    SON sonintro;
    sonintro.ouvrir("wav/Pyxelharn.wav");
    sonintro.lire();
    const int32_t t1 = t;

    for (;;) {
        if (keypressed() || (mouse_b & 1))
            break;
        clear_to_color(buffer, makecol(0, 0, 0));
        if (alpha <= 254 && t - t0 > 2) {
            set_trans_blender(0, 0, 0, alpha);
            ++alpha;
            t0 = t;
        }
        if (intro)
            draw_trans_sprite(buffer, intro, LOGO_X, LOGO_Y);
        montrer_image(buffer);
        attendre_trame();
        ++t;   // the intro moves the animation clock on by itself too
        if (t - t1 > DUREE_INTRO)
            break;
    }

    sonintro.fermer();
    if (intro)
        destroy_bitmap(intro);
    destroy_bitmap(buffer);
}

int Jeu::revoir(const char* chemin)
{
    // A replay reads the settings and writes nothing.
    verifier_dossier_de_donnees();
    Rejeu r;
    if (const char* defaut = charger_rejeu(chemin, r)) {
        std::fprintf(stderr, "zef: %s: %s\n", chemin, defaut);
        return 2;
    }
    chargerFichierConfig(&parMoteur);   // the volumes
    if (!ouvrir_ecran(affichage_demande, false)) {
        allegro_message("Cannot open a 640x480 display: %s", allegro_error);
        return 1;
    }
    // No experience file is read or written: the record has the characteristics.
    ParamMoteur pm = r.parametres();
    Rejeu rejoue;
    {
        Moteur m;
        m.rejeu = &r;
        m.enregistrement = &rejoue;
        m.NewGame(&pm, r.graine);
    }
    // Left with Escape, the match is not over: nothing to compare.
    if (rejoue.winner == 0 && r.winner != 0)
        return 0;
    const bool conforme = rejoue.winner == r.winner && rejoue.somme_finale == r.somme_finale;
    std::printf("winner %d, final checksum %016llx: %s\n", rejoue.winner,
                static_cast<unsigned long long>(rejoue.somme_finale), conforme ? "as recorded" : "DIFFERENT from the record");
    return conforme ? 0 : 2;
}
