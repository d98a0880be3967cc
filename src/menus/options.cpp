#include "options.h"

#include "../shell/fichierconfig.h"

namespace {

// The edition's row, below the progression's.
constexpr int POSITION_EDITION_Y = 252;
constexpr int POSITION_CLASSIQUE_X = 282;
constexpr int POSITION_AMELIORE_X = 420;

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
    mouse_over = false;
    creer_cadre(b, curseur);
}

void MenuOptions::destroy_menu()
{
    fond.DestroyBitmap();
    for (const Reglage& r : REGLAGES)
        (this->*r.lien).Destroy();
    retour.Destroy();
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
    fond.AfficheFond(b);
    test_interaction(sonmenu);
    for (const Reglage& r : REGLAGES) {
        const LIEN2& lien = this->*r.lien;
        lien.afficher(b, r.choisi(pm));
        if (lien.active && (mouse_b & 1)) {
            sonmenu.jouer(1, EFFET_CLIC);
            r.ecrire(pm);
            rest(200);
        }
    }
    retour.afficher(b);
    if (retour.active && (mouse_b & 1)) {
        saveFichierConfig(pm);   // written even when nothing changed
        ecrire_edition(pm->edition);   // in its own file: zef.ini keeps its five lines
        sonmenu.jouer(1, EFFET_CLIC);
        rest(300);
        return true;
    }
    return false;
}

void MenuOptions::Menu_options(ParamMoteur* pm, CANALMENU sonmenu)
{
    for (;;) {
        const bool fini = Passe(pm, sonmenu);
        montrer_cadre(b, curseur);
        if (fini)
            return;
    }
}
