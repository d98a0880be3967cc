// The menus' mouse handling: the strict hover test, the hover sound played
// once per entry, which button wins where buttons overlap, and Escape on
// the selection screen.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "control/input.h"
#include "menus/menuPerso.h"
#include "menus/menuPrinc.h"
#include "menus/options.h"
#include "menus/pause.h"
#include "menus/resultats.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichier_anim_test.h"
#include "support/fichiers_son.h"

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        dossier.ecrire("wav/mouseover.wav", wav_ton(0.2));
        dossier.ecrire("wav/mouseclic.wav", wav_ton(0.2));
        son.initialiser();
        mouse_b = 0;
    }
    void TearDown() override
    {
        son.Destroy();
        mouse_x = mouse_y = mouse_b = 0;
        key[KEY_ESC] = 0;
    }
    static void pointer(int x, int y)
    {
        mouse_x = x;
        mouse_y = y;
    }
    DossierTemp dossier;
    CANALMENU son;
};

TEST_F(Menus, APointerOnAnEdgeIsNotOverThePicture)
{
    ecrire_bmp("b.bmp", 100, 40, 10, 10, 10);
    ObjetGraph o;
    o.SetObjetMenu("b.bmp", 123, 282);   // screen rows 198 to 237, columns 123 to 222
    pointer(124, 199);
    EXPECT_TRUE(sous_le_pointeur(o));
    pointer(123, 199);
    EXPECT_FALSE(sous_le_pointeur(o));
    pointer(223, 199);
    EXPECT_FALSE(sous_le_pointeur(o));
    pointer(222, 198);
    EXPECT_FALSE(sous_le_pointeur(o));
    pointer(222, 237);
    EXPECT_TRUE(sous_le_pointeur(o));
    pointer(222, 238);
    EXPECT_FALSE(sous_le_pointeur(o));
    o.DestroyBitmap();
    ObjetGraph vide;
    EXPECT_FALSE(sous_le_pointeur(vide));
}

TEST_F(Menus, TheHoverSoundPlaysOncePerEntry)
{
    ecrire_bmp("b.bmp", 100, 40, 10, 10, 10);
    ObjetGraph o;
    o.SetObjetMenu("b.bmp", 100, 300);
    bool survol = false;
    pointer(150, 200);
    EXPECT_TRUE(survol_sonore(o, son, survol));
    EXPECT_EQ(son.sfx_precedant, EFFET_SURVOL);
    son.sfx_precedant = -1;
    EXPECT_TRUE(survol_sonore(o, son, survol));
    EXPECT_EQ(son.sfx_precedant, -1);   // still inside: silent
    pointer(10, 10);
    EXPECT_FALSE(survol_sonore(o, son, survol));
    EXPECT_TRUE(survol);                // only the screen clears its flag
    o.DestroyBitmap();
}

class MenuTitre : public Menus {
protected:
    void SetUp() override
    {
        Menus::SetUp();
        // Every button image 120 x 40: neighbours overlap as on the real title screen.
        for (const char* nom : {"versus", "histoire", "options", "credits", "quitter"})
            for (int etat = 0; etat < 2; ++etat)
                ecrire_bmp(std::string("graphics/") + nom + std::to_string(etat) + ".bmp", 120, 40, 20, 20, 20);
        mp.init_menu();
    }
    void TearDown() override
    {
        mp.destroy_menu();
        Menus::TearDown();
    }
    MenuPrincipal mp;
};

TEST_F(MenuTitre, TheFirstButtonUnderThePointerWinsAndSwitchesItsNeighboursOff)
{
    // Options (110..230, rows 320..359) and credits (154..274, rows 371..410).
    mp.credits.active = true;
    pointer(160, 330);
    mp.test_interaction(son);
    EXPECT_TRUE(mp.options.active);
    EXPECT_FALSE(mp.credits.active);
    EXPECT_FALSE(mp.versus.active);

    mp.options.active = mp.quitter.active = true;
    pointer(200, 380);
    mp.test_interaction(son);
    EXPECT_TRUE(mp.credits.active);
    EXPECT_FALSE(mp.options.active);
    EXPECT_FALSE(mp.quitter.active);

    pointer(5, 5);
    mp.test_interaction(son);
    EXPECT_FALSE(mp.credits.active);
    EXPECT_FALSE(mp.mouse_over);
}

TEST_F(MenuTitre, AClickChoosesTheActiveButtonAndEscapeQuits)
{
    pointer(150, 210);   // versus
    EXPECT_EQ(mp.LeMenu(son), CHOIX_AUCUN);
    mouse_b = 1;
    EXPECT_EQ(mp.LeMenu(son), CHOIX_VERSUS);
    EXPECT_EQ(son.sfx_precedant, EFFET_CLIC);
    pointer(5, 5);   // a click on the background does nothing
    son.sfx_precedant = -1;
    EXPECT_EQ(mp.LeMenu(son), CHOIX_AUCUN);
    EXPECT_EQ(son.sfx_precedant, -1);
    mouse_b = 0;
    key[KEY_ESC] = 1;
    EXPECT_EQ(mp.LeMenu(son), CHOIX_QUITTER);
}

TEST_F(Menus, TheOptionsWriteTheirSettingsAndShowTheCurrentOnes)
{
    for (const char* nom : {"cpu", "clavier", "manette", "oui", "non", "classique", "ameliore"})
        for (int etat = 0; etat < 3; ++etat)
            ecrire_bmp(std::string("graphics/") + nom + std::to_string(etat) + ".bmp", 60, 30, 30, 30, 30);
    for (const char* nom : {"graphics/retour0.bmp", "graphics/retour1.bmp"})
        ecrire_bmp(nom, 60, 30, 30, 30, 30);
    MenuOptions mo;
    mo.init_menu();
    ParamMoteur pm;
    pointer(450, 120);   // player 1's joystick (417..477, rows 111..140)
    mouse_b = 1;
    EXPECT_FALSE(mo.Passe(&pm, son));
    EXPECT_EQ(pm.parP1.control, CONTROLE_JOYSTICK);
    // Buttons after the one entered keep their state: dragging the pressed
    // mouse straight from the joystick to the keyboard would set both.
    mouse_b = 0;
    pointer(5, 5);
    mo.Passe(&pm, son);
    mouse_b = 1;
    pointer(320, 110);   // player 1's keyboard (290..350, rows 101..130)
    mo.Passe(&pm, son);
    EXPECT_EQ(pm.parP1.control, CONTROLE_CLAVIER);
    EXPECT_TRUE(mo.j1clav.active);
    EXPECT_FALSE(mo.j1joy.active);
    pointer(330, 185);   // progression on
    mo.Passe(&pm, son);
    EXPECT_TRUE(pm.ModeEvolution);
    // The edition's row, then back: it is kept in its own file, and the
    // settings file keeps its five lines.
    const int x = mo.edameliore.close.GetX() + 5, y = 480 - mo.edameliore.close.GetY() + 5;
    pointer(x, y);
    mo.Passe(&pm, son);
    EXPECT_EQ(pm.edition, Edition::amelioree);
    mouse_b = 0;
    pointer(5, 5);
    mo.Passe(&pm, son);
    mouse_b = 1;
    pointer(60, 430);   // back (39.., rows 422..)
    EXPECT_TRUE(mo.Passe(&pm, son));
    EXPECT_EQ(lire_edition(), Edition::amelioree);
    std::ifstream ini("zef.ini");
    int lignes = 0;
    for (std::string l; std::getline(ini, l);)
        ++lignes;
    EXPECT_EQ(lignes, 5);
    mouse_b = 0;
    mo.destroy_menu();
}

TEST_F(Menus, TheResultsAndPauseButtonsGiveTheirChoices)
{
    for (const char* nom : {"revanche", "changer", "menu", "reprendre", "coups", "quitter_combat"})
        for (int etat = 0; etat < 2; ++etat)
            ecrire_bmp(std::string("graphics/") + nom + std::to_string(etat) + ".bmp", 60, 30, 30, 30, 30);
    const auto centre = [](const LIEN& l) {
        pointer(l.close.GetX() + 30, 480 - l.close.GetY() + 15);
    };
    EcranResultats r;
    r.init(panda, 2, 1);
    EXPECT_EQ(r.lignes.gagnant, "panda remporte le match");
    EXPECT_EQ(r.lignes.manches, "2 manches \xe0 1");
    mouse_b = 1;
    for (auto [lien, choix] : {std::pair<LIEN*, ChoixResultats>{&r.revanche, RESULTAT_REVANCHE},
                               {&r.changer, RESULTAT_CHANGER}, {&r.menu, RESULTAT_MENU}}) {
        centre(*lien);
        EXPECT_EQ(r.Passe(son), choix);
    }
    pointer(5, 5);
    EXPECT_EQ(r.Passe(son), RESULTAT_AUCUN);
    r.destroy();

    EcranPause p;
    p.init();
    for (auto [lien, choix] : {std::pair<LIEN*, ChoixPause>{&p.reprendre, PAUSE_REPRENDRE}, {&p.coups, PAUSE_COUPS},
                               {&p.quitter, PAUSE_QUITTER}}) {
        centre(*lien);
        EXPECT_EQ(p.Passe(nullptr, son), choix);
    }
    mouse_b = 0;
    p.destroy();
}

TEST(ListeDesCoups, EveryKeyOfEverySequenceHasItsGlyph)
{
    for (PERSO perso : {shiz, talon, vishvakarman, panda})
        for (int c = 0; c < 8; ++c) {
            int roles[5];
            const int n = sequence_combo(perso, c, roles);
            EXPECT_GE(n, 3) << perso << " " << c;
            for (int i = 0; i < n; ++i)
                EXPECT_GE(glyphe_du_role(roles[i]), 0) << perso << " " << c;
            EXPECT_STRNE(nom_coup_special(c), "");
        }
    EXPECT_EQ(sequence_combo(static_cast<PERSO>(9), 0, nullptr), 0);
}

TEST(Selection, EscapeStepsBackOneChoiceAtATime)
{
    EXPECT_EQ(etape_echap(2, 1), ANNULE_J2);
    EXPECT_EQ(etape_echap(2, -1), ANNULE_J1);
    EXPECT_EQ(etape_echap(-1, -1), RETOUR_MENU);
    EXPECT_EQ(decor_du_perso(shiz), aeroport);
    EXPECT_EQ(decor_du_perso(talon), elbeuf);
    EXPECT_EQ(decor_du_perso(vishvakarman), inde);
    EXPECT_EQ(decor_du_perso(panda), inde);   // a real stage for the panda too
}

TEST(Selection, TheStatisticsBlockShowsSumsLevelAndExperience)
{
    CARACTERISTIQUES c;
    c.force = 10;
    c.bonusforce = 2;
    c.dexterite = 7;
    c.constitution = 9;
    c.arcanes = 11;
    c.bonusarcanes = 1;
    c.experience = 2800;
    c.niveau = 1;   // stale: the level shown comes from the experience
    const LignesStats l = lignes_stats(c);
    EXPECT_EQ(l.lignes[0], "niveau 3");
    EXPECT_EQ(l.lignes[1], "FOR 12");
    EXPECT_EQ(l.lignes[2], "DEX  7");
    EXPECT_EQ(l.lignes[3], "VIG  9");
    EXPECT_EQ(l.lignes[4], "CON 12");
    EXPECT_EQ(l.lignes[5], "XP  2800");
    // The enhanced edition calls each characteristic by its own name.
    const LignesStats justes = lignes_stats(c, true);
    EXPECT_EQ(justes.lignes[3], "CON  9");
    EXPECT_EQ(justes.lignes[4], "ARC 12");
    EXPECT_EQ(points_a_repartir(1), "1 point \xe0 r\xe9partir");
    EXPECT_EQ(points_a_repartir(3), "3 points \xe0 r\xe9partir");
}

TEST(Selection, TheStageStripCyclesBothWaysAndTheDrawPicksARealStage)
{
    EXPECT_EQ(decor_voisin(0, 1), 1);
    EXPECT_EQ(decor_voisin(DECOR_HASARD, 1), 0);
    EXPECT_EQ(decor_voisin(0, -1), DECOR_HASARD);
    EXPECT_EQ(decor_voisin(-1, 1), 0);
    for (int choix = aeroport; choix <= inde; ++choix)
        EXPECT_EQ(decor_de_choix(choix, 12345), choix);
    std::set<STAGE> tires;
    for (int tirage : {0, 1, 2, 3, 7, -5, 2147483647})
        tires.insert(decor_de_choix(DECOR_HASARD, tirage));
    EXPECT_EQ(tires.size(), 3u);
    for (STAGE d : tires)
        EXPECT_TRUE(d >= aeroport && d <= inde);
    // The badge is a disc around its centre.
    EXPECT_TRUE(sur_le_badge_vs(520, 354));
    EXPECT_TRUE(sur_le_badge_vs(520 + 32, 354));
    EXPECT_FALSE(sur_le_badge_vs(520 + 30, 354 + 30));
    EXPECT_FALSE(sur_le_badge_vs(320, 240));
}

TEST(Glissiere, TheKnobRunsFromSilenceToFullVolumeAlongTheTrack)
{
    EXPECT_EQ(valeur_glissiere(100, 100, 256), 0);
    EXPECT_EQ(valeur_glissiere(20, 100, 256), 0) << "left of the track";
    EXPECT_EQ(valeur_glissiere(355, 100, 256), VOLUME_MAX);
    EXPECT_EQ(valeur_glissiere(900, 100, 256), VOLUME_MAX) << "right of it";
    EXPECT_EQ(valeur_glissiere(228, 100, 256), 128);
    int avant = -1;
    for (int x = 90; x < 370; ++x) {
        const int v = valeur_glissiere(x, 100, 251);
        EXPECT_GE(v, avant) << "never backwards";
        avant = v;
    }
    EXPECT_EQ(valeur_glissiere(150, 100, 0), 0) << "a track that did not load";
}

TEST_F(Menus, InTheEnhancedEditionEscapeLeavesTheOptionsAndASliderSetsTheVolume)
{
    for (const char* nom : {"cpu", "clavier", "manette", "oui", "non", "classique", "ameliore"})
        for (int etat = 0; etat < 3; ++etat)
            ecrire_bmp(std::string("graphics/") + nom + std::to_string(etat) + ".bmp", 60, 30, 30, 30, 30);
    for (const char* nom : {"graphics/retour0.bmp", "graphics/retour1.bmp", "graphics/glissiere_pleine.bmp"})
        ecrire_bmp(nom, 60, 30, 30, 30, 30);
    ecrire_bmp("graphics/glissiere.bmp", 251, 14, 40, 40, 40);
    ecrire_bmp("graphics/poignee0.bmp", 16, 26, 200, 200, 200);
    ecrire_bmp("graphics/poignee1.bmp", 16, 26, 250, 250, 250);
    const uint32_t volume_avant = volume_sonore;
    MenuOptions mo;
    mo.init_menu();
    ParamMoteur pm;
    key[KEY_ESC] = 1;
    EXPECT_FALSE(mo.Passe(&pm, son)) << "the classic screen has no keys";
    pm.edition = Edition::amelioree;
    key[KEY_ESC] = 0;
    // Pressed on the effects' track, dragged to its far right and beyond.
    const int x = mo.volume_effets.x(), y = mo.volume_effets.y() + 7;
    pointer(x + 2, y);
    mouse_b = 1;
    mo.Passe(&pm, son);
    EXPECT_LT(volume_sonore, 5u);
    pointer(x + 600, y + 100);
    mo.Passe(&pm, son);
    EXPECT_EQ(volume_sonore, static_cast<uint32_t>(VOLUME_MAX)) << "held, it follows the pointer anywhere";
    mouse_b = 0;
    mo.Passe(&pm, son);
    pointer(x + 125, y);
    mo.Passe(&pm, son);
    EXPECT_EQ(volume_sonore, static_cast<uint32_t>(VOLUME_MAX)) << "a pointer merely passing changes nothing";
    key[KEY_ESC] = 1;
    EXPECT_TRUE(mo.Passe(&pm, son));
    std::ifstream ini("zef.ini");
    std::string tout((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(tout.find("volume_sonore=255"), std::string::npos) << "saved as the screen is left";
    key[KEY_ESC] = 0;
    mo.destroy_menu();
    volume_sonore = volume_avant;
}

TEST_F(Menus, AJoystickPickedWithNoneConnectedIsSaidOnTheEnhancedScreen)
{
    for (const char* nom : {"cpu", "clavier", "manette", "oui", "non", "classique", "ameliore"})
        for (int etat = 0; etat < 3; ++etat)
            ecrire_bmp(std::string("graphics/") + nom + std::to_string(etat) + ".bmp", 60, 30, 30, 30, 30);
    MenuOptions mo;
    mo.init_menu();
    ParamMoteur pm;
    const int joysticks = num_joysticks;
    num_joysticks = 0;
    pointer(450, 120);   // player 1's joystick
    mouse_b = 1;
    mo.Passe(&pm, son);
    EXPECT_EQ(pm.parP1.control, CONTROLE_JOYSTICK);
    EXPECT_EQ(mo.message_manette, 0) << "the classic screen says nothing";
    pm.edition = Edition::amelioree;
    mo.Passe(&pm, son);
    EXPECT_GT(mo.message_manette, 0);
    mo.message_manette = 0;
    num_joysticks = 1;
    mo.Passe(&pm, son);
    EXPECT_EQ(mo.message_manette, 0) << "nothing to say with one connected";
    num_joysticks = joysticks;
    mouse_b = 0;
    mo.destroy_menu();
}

TEST_F(Menus, APlusButtonRaisesACharacteristicToTwelveAndSavesAtOnce)
{
    ecrire_bmp("graphics/plus.bmp", 14, 14, 0, 200, 0);
    dossier.ecrire("shiz/shiz.xp", "\n11\n10\n10\n10\n0\n0\n0\n0\n2800\n3\n");
    ParamJoueur j;
    j.SetPerso(shiz);
    MENU_XP boutons;
    boutons.init_MENU_XP(1);
    bool survol = false;
    pointer(114, 480 - 292 + 7);   // the middle of the strength button
    mouse_b = 1;
    EXPECT_TRUE(depenser_bonus(boutons, j, son, survol, false));
    EXPECT_EQ(j.carac.bonusforce, 1);
    EXPECT_EQ(dossier.lire("shiz/shiz.xp"), "\n11\n10\n10\n10\n1\n0\n0\n0\n2800\n3\n");
    EXPECT_FALSE(depenser_bonus(boutons, j, son, survol, false));   // 12 is the ceiling
    EXPECT_EQ(j.carac.bonusforce, 1);
    mouse_b = 0;
    boutons.Destroy();
}

}  // namespace
