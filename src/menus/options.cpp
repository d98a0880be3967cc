#include "options.h"

#include "../shell/fichierconfig.h"

namespace {

// The edition's row, below the progression's.
constexpr int POSITION_EDITION_Y = 252;
constexpr int POSITION_CLASSIQUE_X = 282;
constexpr int POSITION_AMELIORE_X = 420;
// The volume rows of the enhanced screen, under the edition's: the tracks'
// top-left corners on the screen.
constexpr int GLISSIERE_X = POSITION_CLASSIQUE_X;
constexpr int GLISSIERE_EFFETS_Y = 273;
constexpr int GLISSIERE_MUSIQUE_Y = 312;
// How long the missing joystick's message stays, in passes (60 a second).
constexpr int DUREE_MESSAGE = 240;
const char* const MESSAGE_MANETTE = "Aucune manette n'est branch\xe9" "e : ce joueur ne pourra pas bouger";

struct Reglage {
    LIEN2 MenuOptions::*lien;
    const char* images[3];   // selected, hover, normal
    int x, y;
    // Writes the setting; says whether it is the current one.
    void (*ecrire)(ParamMoteur*);
    bool (*choisi)(const ParamMoteur*);
};

#define ZEF_IMAGES(nom) {"graphics/" nom "2.bmp", "graphics/" nom "1.bmp", "graphics/" nom "0.bmp"}

// In the order they are tested and drawn.
const Reglage REGLAGES[] = {
    {&MenuOptions::j1cpu, ZEF_IMAGES("cpu"), 198, 369,
     [](ParamMoteur* p) { p->parP1.control = CONTROLE_CPU; }, [](const ParamMoteur* p) { return p->parP1.control == CONTROLE_CPU; }},
    {&MenuOptions::j2cpu, ZEF_IMAGES("cpu"), 198, 330,
     [](ParamMoteur* p) { p->parP2.control = CONTROLE_CPU; }, [](const ParamMoteur* p) { return p->parP2.control == CONTROLE_CPU; }},
    {&MenuOptions::j1clav, ZEF_IMAGES("clavier"), 290, 379,
     [](ParamMoteur* p) { p->parP1.control = CONTROLE_CLAVIER; }, [](const ParamMoteur* p) { return p->parP1.control == CONTROLE_CLAVIER; }},
    {&MenuOptions::j1joy, ZEF_IMAGES("manette"), 417, 369,
     [](ParamMoteur* p) { p->parP1.control = CONTROLE_JOYSTICK; }, [](const ParamMoteur* p) { return p->parP1.control == CONTROLE_JOYSTICK; }},
    {&MenuOptions::j2clav, ZEF_IMAGES("clavier"), 290, 340,
     [](ParamMoteur* p) { p->parP2.control = CONTROLE_CLAVIER; }, [](const ParamMoteur* p) { return p->parP2.control == CONTROLE_CLAVIER; }},
    {&MenuOptions::j2joy, ZEF_IMAGES("manette"), 418, 332,
     [](ParamMoteur* p) { p->parP2.control = CONTROLE_JOYSTICK; }, [](const ParamMoteur* p) { return p->parP2.control == CONTROLE_JOYSTICK; }},
    {&MenuOptions::meoui, ZEF_IMAGES("oui"), 307, 301,
     [](ParamMoteur* p) { p->ModeEvolution = true; }, [](const ParamMoteur* p) { return p->ModeEvolution; }},
    {&MenuOptions::menon, ZEF_IMAGES("non"), 377, 291,
     [](ParamMoteur* p) { p->ModeEvolution = false; }, [](const ParamMoteur* p) { return !p->ModeEvolution; }},
    {&MenuOptions::edclassique, ZEF_IMAGES("classique"), POSITION_CLASSIQUE_X, POSITION_EDITION_Y,
     [](ParamMoteur* p) { p->edition = Edition::classique; }, [](const ParamMoteur* p) { return p->edition == Edition::classique; }},
    {&MenuOptions::edameliore, ZEF_IMAGES("ameliore"), POSITION_AMELIORE_X, POSITION_EDITION_Y,
     [](ParamMoteur* p) { p->edition = Edition::amelioree; }, [](const ParamMoteur* p) { return p->edition == Edition::amelioree; }},
};

#undef ZEF_IMAGES

}  // namespace

void MenuOptions::init_menu()
{
    for (const Reglage& r : REGLAGES) {
        (this->*r.lien).init_lien();
        (this->*r.lien).charger(r.images[0], r.images[1], r.images[2], r.x, r.y);
    }
    retour.init_lien();
    retour.charger("graphics/retour1.bmp", "graphics/retour0.bmp", 39, 58);
    fond.SetObjetMenu("graphics/options.bmp", 0, 0);
    fond_plus.SetObjetMenu("graphics/options_plus.bmp", 0, 0);
    volume_effets.charger(GLISSIERE_X, GLISSIERE_EFFETS_Y);
    volume_de_la_musique.charger(GLISSIERE_X, GLISSIERE_MUSIQUE_Y);
    police.charger("graphics/chinese.ttf");
    police.taille(16);
    message_manette = 0;
    mouse_over = false;
    creer_cadre(b, curseur);
}

void MenuOptions::destroy_menu()
{
    fond.DestroyBitmap();
    fond_plus.DestroyBitmap();
    for (const Reglage& r : REGLAGES)
        (this->*r.lien).Destroy();
    retour.Destroy();
    volume_effets.Destroy();
    volume_de_la_musique.Destroy();
    police.destroy();
    liberer_cadre(b, curseur);
}

void MenuOptions::test_interaction(CANALMENU& sonmenu)
{
    LIEN* liens[] = {&j1cpu, &j2cpu, &j1clav, &j1joy, &j2clav, &j2joy, &meoui, &menon, &edclassique, &edameliore, &retour};
    for (LIEN* lien : liens) {
        if (mouse_over_bmp(lien->close, sonmenu)) {
            lien->active = true;
            return;
        }
        lien->active = false;
    }
    mouse_over = false;
}

bool MenuOptions::Passe(ParamMoteur* pm, CANALMENU& sonmenu)
{
    const Regles regles = Regles::de(pm->edition);
    (regles.reglages_volume && fond_plus.ObjBmp ? fond_plus : fond).AfficheFond(b);
    test_interaction(sonmenu);
    for (const Reglage& r : REGLAGES) {
        const LIEN2& lien = this->*r.lien;
        lien.afficher(b, r.choisi(pm));
        if (lien.active && (mouse_b & 1)) {
            sonmenu.jouer(1, EFFET_CLIC);
            r.ecrire(pm);
            if (Regles::de(pm->edition).manette_verifiee && num_joysticks < 1 &&
                (pm->parP1.control == CONTROLE_JOYSTICK || pm->parP2.control == CONTROLE_JOYSTICK) &&
                (r.lien == &MenuOptions::j1joy || r.lien == &MenuOptions::j2joy))
                message_manette = DUREE_MESSAGE;
            rest(200);
        }
    }
    if (regles.reglages_volume) {
        volume_effets.Passe(b, volume_sonore);
        const bool effets_lache = !volume_effets.saisie() && glissiere_tenue_ == 1;
        if (volume_de_la_musique.Passe(b, volume_musique))
            sonmenu.regler_musique();
        glissiere_tenue_ = volume_effets.saisie() ? 1 : volume_de_la_musique.saisie() ? 2 : 0;
        // The effects' new level, heard as it is let go.
        if (effets_lache)
            sonmenu.jouer(1, EFFET_CLIC);
    }
    if (message_manette > 0) {
        --message_manette;
        // Over the legend, for a few seconds.
        rectfill(b, 60, 352, 580, 374, makecol(20, 12, 40));
        alfont_textout_centre_aa(b, police.font, MESSAGE_MANETTE, 320, 354, makecol(255, 170, 60));
    }
    retour.afficher(b);
    // Once anything has polled the keyboard, the key table only moves when polled.
    poll_keyboard();
    const bool echap = regles.echap_partout && key[KEY_ESC];
    if ((retour.active && (mouse_b & 1)) || echap) {
        saveFichierConfig(pm);   // written even when nothing changed
        ecrire_edition(pm->edition);   // in its own file: zef.ini keeps its five lines
        sonmenu.jouer(1, EFFET_CLIC);
        rest(300);
        return true;
    }
    return false;
}

void MenuOptions::Menu_options(ParamMoteur* pm, CANALMENU& sonmenu)
{
    for (;;) {
        const bool fini = Passe(pm, sonmenu);
        montrer_cadre(b, curseur);
        if (fini)
            break;
    }
    attendre_relache(KEY_ESC);
    clear_keybuf();
}
