#include "histoire.h"
#include "../graphics/fichierbmp.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../menus/lien.h"
#include "../menus/menuPerso.h"
#include "texte.h"
#include "../shell/fenetre.h"

namespace {

const char* const PORTRAITS[4] = {"graphics/shiz2.bmp", "graphics/talon2.bmp", "graphics/vishvakarman2.bmp",
                                  "graphics/panda2.bmp"};

const char* portrait(PERSO p) { return PORTRAITS[p >= shiz && p <= panda ? p : shiz]; }

int vert() { return makecol(66, 191, 84); }

void imprimer_chargement(BITMAP* b, ALFONT_FONT* f)
{
    alfont_textout_centre_aa(b, f, "CHARGEMENT..", 319, 359, makecol(0, 0, 0));
    alfont_textout_centre_aa(b, f, "CHARGEMENT..", 321, 361, makecol(0, 0, 0));
    alfont_textout_centre_aa(b, f, "CHARGEMENT..", 320, 360, makecol(66, 197, 84));
}

}  // namespace

void HISTOIRE::generer_carac(ParamJoueur& PJ, int niveau)
{
    if (niveau <= 1)
        return;
    const int n = niveau - 1 + std::rand() % 3;
    PJ.carac.niveau = n;
    int32_t CARACTERISTIQUES::*const bonus[4] = {&CARACTERISTIQUES::bonusforce, &CARACTERISTIQUES::bonusconstitution,
                                                 &CARACTERISTIQUES::bonusarcanes, &CARACTERISTIQUES::bonusdexterite};
    for (int i = 0; i < n; ++i)
        PJ.carac.*bonus[std::rand() % 4] += 1;
}

bool HISTOIRE::mouse_over_bmp(const ObjetGraph& obj, CANALMENU& son) { return survol_sonore(obj, son, mouse_over); }

void HISTOIRE::histoire_dialogue(ParamMoteur* parMoteur, CANALMENU son)
{
    FontClass chargement, repliques, stats;
    chargement.charger("graphics/intsh.ttf");
    chargement.taille(60);
    repliques.charger("graphics/chinyen.ttf");
    repliques.taille(22);
    stats.charger("graphics/chinyen.ttf");
    stats.taille(16);
    BITMAP* curseur = charger_bmp("graphics/curseur.bmp", desktop_palette);
    BITMAP* fond = charger_bmp("graphics/blackscreen.bmp", desktop_palette);
    BITMAP* b = create_bitmap(640, 480);
    BITMAP* image1 = charger_bmp(portrait(parMoteur->parP1.perso), desktop_palette);
    BITMAP* image2 = charger_bmp(portrait(parMoteur->parP2.perso), desktop_palette);
    dialogue d;
    const char* replique1 = d.dialoguer(parMoteur->parP1.perso, parMoteur->edition);
    const char* replique2 = d.dialoguer(parMoteur->parP2.perso, parMoteur->edition);
    MENU_XP boutons;
    boutons.init_MENU_XP(1);

    const int noir = makecol(0, 0, 0), blanc = makecol(255, 255, 255);
    while (!keypressed()) {
        if (fond)
            blit(fond, b, 0, 0, 0, 0, 640, 480);
        else
            clear_bitmap(b);
        if (image1)
            draw_sprite(b, image1, 40, 20);
        if (image2)
            draw_sprite(b, image2, 331, 183);
        ParamJoueur& j1 = parMoteur->parP1;
        // Points can be spent here whatever the progression switch says.
        if (j1.GetBonus(j1.carac) > 0) {
            afficher_bonus(b, boutons, j1.carac);
            depenser_bonus(boutons, j1, son, mouse_over, true);
        }
        afficher_stats(b, stats.font, j1.carac, 54, 171, noir, false);
        afficher_stats(b, stats.font, j1.carac, 53, 170, blanc, false);
        ytextL = 170 + 6 * alfont_text_height(stats.font);
        const int niveau2 = niveau_adversaire(parMoteur->parP2.carac);
        alfont_textprintf_right_aa(b, stats.font, 593, 420, noir, "niveau %d", niveau2);
        alfont_textprintf_right_aa(b, stats.font, 592, 419, blanc, "niveau %d", niveau2);
        alfont_textout_centre_aa(b, repliques.font, replique1, 320, 68, blanc);
        alfont_textout_centre_aa(b, repliques.font, replique2, 320, 325, blanc);
        alfont_textout_centre_aa(b, stats.font, "pressez une touche pour continuer..", 320, 465, vert());
        dessiner_curseur(b, curseur);
        montrer_image_cadencee(b);
    }
    imprimer_chargement(b, chargement.font);
    montrer_image(b);

    chargement.destroy();
    repliques.destroy();
    stats.destroy();
    for (BITMAP* bmp : {curseur, fond, b, image1, image2})
        if (bmp)
            destroy_bitmap(bmp);
    boutons.Destroy();
}

void HISTOIRE::ecran_final(const char* message)
{
    FontClass grande, petite;
    grande.charger("graphics/chinyen.ttf");
    grande.taille(40);
    petite.charger("graphics/chinyen.ttf");
    petite.taille(16);
    BITMAP* fond = charger_bmp("graphics/blackscreen.bmp", desktop_palette);
    BITMAP* b = create_bitmap(640, 480);
    // One centred line per line of the message, around the screen's middle.
    std::string texte = message;
    std::string lignes[2];
    const size_t coupure = texte.find('\n');
    lignes[0] = texte.substr(0, coupure);
    if (coupure != std::string::npos)
        lignes[1] = texte.substr(coupure + 1);
    const int nb = lignes[1].empty() ? 1 : 2;
    const int h = alfont_text_height(grande.font);
    while (!keypressed()) {
        if (fond)
            blit(fond, b, 0, 0, 0, 0, 640, 480);
        for (int i = 0; i < nb; ++i)
            alfont_textout_centre_aa(b, grande.font, lignes[i].c_str(), 320, 240 - (nb - 1) * h / 2 + i * h,
                                     makecol(255, 255, 255));
        alfont_textout_centre_aa(b, petite.font, "pressez une touche pour continuer..", 320, 465, vert());
        montrer_image_cadencee(b);
    }
    grande.destroy();
    petite.destroy();
    for (BITMAP* bmp : {fond, b})
        if (bmp)
            destroy_bitmap(bmp);
}

void HISTOIRE::game_over() { ecran_final("GAME OVER"); }

void HISTOIRE::game_winned(CARACTERISTIQUES carac)
{
    char message[80];
    std::snprintf(message, sizeof message, "TROP FORT!!\nVOUS AVEZ FINI LE JEU NIVEAU %d", carac.niveau);
    ecran_final(message);
}

// ---------------------------------------------------------------------------
// The enhanced story's screens.

namespace {

const char* const NOMS_PERSOS[4] = {"SHIZ", "TALON", "VISHVAKARMAN", "LE PANDA"};

// A box for text: the picture under it darkened, a thin gold edge.
void boite(BITMAP* b, const Cadre& c)
{
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    set_trans_blender(0, 0, 0, 170);
    rectfill(b, c.x, c.y, c.x + c.w - 1, c.y + c.h - 1, makecol(8, 6, 20));
    solid_mode();
    rect(b, c.x, c.y, c.x + c.w - 1, c.y + c.h - 1, makecol(196, 160, 80));
}

// A text cut to the box's width, printed from its top-left corner inside
// the margin; what does not fit in the box's height is left out.
void texte_dans(BITMAP* b, ALFONT_FONT* f, const std::string& texte, const Cadre& c, int marge, int couleur,
                int y_depart = 0)
{
    if (!f)
        return;
    const auto mesure = [f](const std::string& s) { return alfont_text_length(f, s.c_str()); };
    const int h = alfont_text_height(f);
    int y = c.y + marge + y_depart;
    for (const std::string& ligne : couper_lignes(texte, c.w - 2 * marge, mesure)) {
        if (y + h > c.y + c.h)
            break;
        alfont_textout_aa(b, f, ligne.c_str(), c.x + marge, y, couleur);
        y += h;
    }
}

int or_pale() { return makecol(255, 210, 90); }

}  // namespace

void HISTOIRE::generer_adversaire(ParamJoueur& adversaire, const ParamJoueur& heros, int ecart, bool double_du_heros)
{
    CARACTERISTIQUES& c = adversaire.carac;
    int32_t CARACTERISTIQUES::*const bonus[4] = {&CARACTERISTIQUES::bonusforce, &CARACTERISTIQUES::bonusconstitution,
                                                 &CARACTERISTIQUES::bonusarcanes, &CARACTERISTIQUES::bonusdexterite};
    // Measured against the hero's training as it fights, not its level: a
    // hero that has not spent its points yet meets opponents it can beat.
    int entrainement = 0;
    for (auto champ : bonus)
        entrainement += heros.carac.*champ;
    const int points = std::max(0, entrainement + ecart);
    for (auto champ : bonus)
        c.*champ = double_du_heros ? heros.carac.*champ : 0;
    for (int donnes = double_du_heros ? entrainement : 0; donnes < points; ++donnes)
        c.*bonus[std::rand() % 4] += 1;
    // Shown beside the hero's level, by as much above or below it.
    c.niveau = std::max(1, GESTION_XP().GetNiveau(heros.carac.experience) + ecart);
}

bool HISTOIRE::recit_dialogue(ParamMoteur* parMoteur, const Chapitre& chapitre, CANALMENU& son)
{
    const MiseEnPage& page = mise_en_page_recit();
    FontClass chargement, texte, stats;
    chargement.charger("graphics/intsh.ttf");
    chargement.taille(60);
    texte.charger("graphics/chinyen.ttf");
    texte.taille(17);
    stats.charger("graphics/chinese.ttf");
    stats.taille(18);
    BITMAP* curseur = charger_bmp("graphics/curseur.bmp", desktop_palette);
    BITMAP* fond = charger_bmp(chapitre.fond, desktop_palette);
    BITMAP* b = create_bitmap(640, 480);
    BITMAP* image1 = charger_bmp(portrait(parMoteur->parP1.perso), desktop_palette);
    BITMAP* image2 = charger_bmp(portrait(parMoteur->parP2.perso), desktop_palette);
    const std::string recit = en_latin1(chapitre.recit);
    const std::string repliques[2] = {en_latin1(chapitre.replique_heros), en_latin1(chapitre.replique_adversaire)};
    const PERSO persos[2] = {parMoteur->parP1.perso, parMoteur->parP2.perso};
    const std::string invite = en_latin1("Appuyez sur une touche pour continuer");
    // The "+" buttons sit in the statistics band, each after its value.
    MENU_XP boutons;
    boutons.init_MENU_XP(1);
    const int colonnes[4] = {32, 122, 212, 302};
    ObjetGraph MENU_XP::*const plus[4] = {&MENU_XP::FORp, &MENU_XP::DEXp, &MENU_XP::CONp, &MENU_XP::INTp};
    for (int i = 0; i < 4; ++i) {
        (boutons.*plus[i]).SetX(colonnes[i] + 50);
        (boutons.*plus[i]).SetY(480 - (page.stats.y + 11));
    }

    const int blanc = makecol(255, 255, 255), noir = makecol(0, 0, 0);
    // A key left from the fight before must not skip the tale.
    clear_keybuf();
    bool quitter = false;
    for (;;) {
        if (keypressed()) {
            quitter = (readkey() >> 8) == KEY_ESC;
            break;
        }
        if (fond)
            blit(fond, b, 0, 0, 0, 0, 640, 480);
        else
            clear_bitmap(b);
        if (image1)
            draw_sprite(b, image1, page.portrait[0].x, page.portrait[0].y);
        if (image2)   // turned towards the hero
            draw_sprite_h_flip(b, image2, page.portrait[1].x, page.portrait[1].y);
        boite(b, page.recit);
        texte_dans(b, texte.font, recit, page.recit, page.marge, blanc);
        // Each fighter's name and level head its line.
        const int niveaux[2] = {GESTION_XP().GetNiveau(parMoteur->parP1.carac.experience),
                                parMoteur->parP2.carac.niveau};
        for (int i = 0; i < 2; ++i) {
            const Cadre& c = page.replique[i];
            boite(b, c);
            if (stats.font) {
                alfont_textout_aa(b, stats.font, NOMS_PERSOS[persos[i]], c.x + page.marge, c.y + 3, or_pale());
                alfont_textprintf_right_aa(b, stats.font, c.x + c.w - page.marge, c.y + 3, or_pale(), "niveau %d",
                                           niveaux[i]);
            }
            texte_dans(b, texte.font, repliques[i], c, page.marge, blanc, 14);
        }
        boite(b, page.stats);
        ParamJoueur& j1 = parMoteur->parP1;
        const LignesStats l = lignes_stats(j1.carac, true);
        const int y = page.stats.y + 8;
        if (stats.font)
            for (int i = 0; i < 4; ++i)
                alfont_textout_aa(b, stats.font, l.lignes[i + 1].c_str(), colonnes[i], y, blanc);
        // Points can be spent here whatever the progression switch says.
        const int reste = j1.GetBonus(j1.carac);
        if (reste > 0) {
            afficher_bonus(b, boutons, j1.carac);
            depenser_bonus(boutons, j1, son, mouse_over, true);
            if (stats.font)
                alfont_textout_right_aa(b, stats.font, points_a_repartir(reste).c_str(), 608, y, or_pale());
        }
        if (stats.font) {
            alfont_textout_centre_aa(b, stats.font, invite.c_str(), 321, page.y_invite + 1, noir);
            alfont_textout_centre_aa(b, stats.font, invite.c_str(), 320, page.y_invite, vert());
        }
        dessiner_curseur(b, curseur);
        montrer_image_cadencee(b);
    }
    clear_keybuf();
    if (!quitter) {
        imprimer_chargement(b, chargement.font);
        montrer_image(b);
    }

    chargement.destroy();
    texte.destroy();
    stats.destroy();
    for (BITMAP* bmp : {curseur, fond, b, image1, image2})
        if (bmp)
            destroy_bitmap(bmp);
    boutons.Destroy();
    return !quitter;
}

bool HISTOIRE::defaite(PERSO vainqueur, CANALMENU& son)
{
    FontClass police;
    police.charger("graphics/chinyen.ttf");
    police.taille(20);
    BITMAP* curseur = charger_bmp("graphics/curseur.bmp", desktop_palette);
    BITMAP* fond = charger_bmp("graphics/defaite.bmp", desktop_palette);
    BITMAP* image = charger_bmp(portrait(vainqueur), desktop_palette);
    BITMAP* b = create_bitmap(640, 480);
    LIEN continuer, abandonner;
    continuer.charger("graphics/continuer1.bmp", "graphics/continuer0.bmp", 128, 480 - 380);
    abandonner.charger("graphics/abandonner1.bmp", "graphics/abandonner0.bmp", 128, 480 - 420);
    dialogue d;
    const std::string moquerie = d.dialoguer(vainqueur, Edition::amelioree);
    bool survol = false;
    int choix = -1;
    clear_keybuf();
    while (choix < 0) {
        if (fond)
            blit(fond, b, 0, 0, 0, 0, 640, 480);
        else
            clear_bitmap(b);
        if (image)
            draw_sprite(b, image, 185, 110);
        if (police.font)
            alfont_textout_centre_aa(b, police.font, moquerie.c_str(), 320, 356, makecol(255, 255, 255));
        const int clic = boutons_cliques({&continuer, &abandonner}, b, son, survol);
        poll_keyboard();
        if (clic >= 0) {
            son.jouer(1, EFFET_CLIC);
            choix = clic;
        } else if (key[KEY_ESC]) {
            choix = 1;
        }
        dessiner_curseur(b, curseur);
        montrer_image_cadencee(b);
    }
    attendre_relache(KEY_ESC);
    while (mouse_b & 1)
        rest(10);
    clear_keybuf();
    continuer.Destroy();
    abandonner.Destroy();
    police.destroy();
    for (BITMAP* bmp : {curseur, fond, image, b})
        if (bmp)
            destroy_bitmap(bmp);
    return choix == 0;
}

void HISTOIRE::fin_illustree(const Recit& recit, int niveau)
{
    FontClass texte, petite;
    texte.charger("graphics/chinyen.ttf");
    texte.taille(18);
    petite.charger("graphics/chinese.ttf");
    petite.taille(18);
    BITMAP* fond = charger_bmp(recit.image_fin, desktop_palette);
    BITMAP* b = create_bitmap(640, 480);
    const std::string fin = en_latin1(recit.fin);
    const std::string niveau_atteint = en_latin1("Vous avez terminé l'histoire au niveau ") + std::to_string(niveau);
    const std::string invite = en_latin1("Appuyez sur une touche pour continuer");
    const Cadre bande = {40, 374, 560, 72};
    clear_keybuf();
    while (!keypressed()) {
        if (fond)
            blit(fond, b, 0, 0, 0, 0, 640, 480);
        else
            clear_bitmap(b);
        texte_dans(b, texte.font, fin, bande, 0, makecol(255, 255, 255));
        if (petite.font) {
            alfont_textout_centre_aa(b, petite.font, niveau_atteint.c_str(), 320, 436, or_pale());
            alfont_textout_centre_aa(b, petite.font, invite.c_str(), 320, 458, vert());
        }
        montrer_image_cadencee(b);
    }
    texte.destroy();
    petite.destroy();
    for (BITMAP* bmp : {fond, b})
        if (bmp)
            destroy_bitmap(bmp);
}
