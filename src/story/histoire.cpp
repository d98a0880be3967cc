#include "histoire.h"
#include "../graphics/fichierbmp.h"

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
