#include "support/perso_test.h"

#include <allegro.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/allegro_env.h"
#include "support/fichier_anim_test.h"

std::map<int, SlotTest> Combat::SlotsDeBase()
{
    std::map<int, SlotTest> s;
    s[0] = {2, 10, true};
    s[1] = {2, 10, true};
    s[2] = {1, 10, true, 10};
    s[3] = {2, 10};
    s[4] = {2, 10};
    s[5] = {1, 10, true};
    s[6] = {1, 10, true};
    s[8] = {1, 10, true};
    s[9] = {1, 10, true};
    s[11] = {2, 10, false, 8};
    s[15] = {1, 10, true};
    s[18] = {2, 10};
    s[19] = {1, 10, true};
    s[20] = {3, 10};
    s[23] = {2, 10};
    s[25] = {2, 10};
    s[27] = {2, 10};
    s[30] = {3, 10};
    s[33] = {2, 10};
    s[35] = {2, 10};
    s[40] = {3, 10, false, 20, 1};
    s[46] = {3, 10, false, 70};
    s[50] = {2, 10};
    s[53] = {2, 10};
    s[56] = {1, 10, true};
    s[58] = {1, 10, true};
    return s;
}

Combat::Combat(const std::map<int, SlotTest>& slots, PERSO perso)
{
    allegro_sans_systeme();
    t = 0;
    s = 0;
    const char* nom[] = {"shiz", "talon", "vishvakarman", "panda"};
    const std::string dossier_perso = nom[perso];
    std::map<std::pair<int, int>, DONNEES> images;
    for (const auto& [slot, def] : slots)
        for (int k = 0; k < def.images; ++k) {
            const std::string chemin = dossier_perso + "/img/" + std::to_string(slot) + "_" + std::to_string(k) + ".bmp";
            ecrire_bmp(chemin, 20 + slot, 100 + k, 200, 100, 50);
            DONNEES d = image(chemin.c_str(), def.duree, def.boucle && k == 0);
            d.O = {(20 + slot) / 2, 100 + k};
            d.nb_touches = 1;
            d.touche[0] = {{-10, -90}, {10, 0}};
            d.mvtx = def.mvtx;
            if (k == 0)
                d.mana = def.mana;
            if (k == 1)
                d.lanceFX = def.lance;
            // Attacks strike on their second frame, at arm's length.
            const bool attaque = (slot >= 20 && slot <= 38) || (slot >= 40 && slot <= 47);
            if (attaque && k == 1) {
                d.nb_attaques = 1;
                d.attaque[0] = {30, -50};
                d.dgt = {30, 20, 0, false};
            }
            d.positionFX = {40, -60};
            images[{slot, k}] = d;
        }
    dossier.ecrire(dossier_perso + "/" + dossier_perso + ".p", fichier_anim(images));

    // The projectile: slot 1 flies forward at 30 and loops.
    ecrire_bmp(dossier_perso + "/fx/0.bmp", 16, 16, 255, 255, 0);
    DONNEES vol = image((dossier_perso + "/fx/0.bmp").c_str(), 10, true);
    vol.mvtx = 30;
    vol.nb_attaques = 1;
    vol.attaque[0] = {8, -8};
    dossier.ecrire(dossier_perso + "/fx/fx.p", fichier_anim({{{1, 0}, vol}}));

    for (const char* barre : {"graphics/barref.bmp", "graphics/barrePV1.bmp", "graphics/barrePV2.bmp",
                              "graphics/barrePV.bmp", "graphics/barremana1.bmp", "graphics/barremana2.bmp"})
        ecrire_bmp(barre, 200, 10, 50, 200, 50);

    BITMAP* fond = create_bitmap_ex(16, 1280, 600);
    clear_to_color(fond, 0);
    lvl.fond = fond;
    lvl.scrollx = 320;
    lvl.scrolly = 0;
    for (ParamJoueur* p : {&par1, &par2}) {
        p->perso = perso;
        p->control = CONTROLE_CLAVIER;
        p->carac.force = p->carac.dexterite = p->carac.constitution = p->carac.arcanes = 10;
    }
    par1.SetJoueur(1);
    par1.SetKey();
    par2.SetJoueur(2);
    par2.SetKey();
}

Combat::~Combat()
{
    destroy_bitmap(lvl.fond);
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    t = 0;
    s = 0;
}

void Combat::preparer(Perso& p, int cote, int x)
{
    const ParamJoueur& par = cote == 1 ? par1 : par2;
    p.ModeEvolution = false;
    p.calculdonneesperso(par.carac);
    p.PersoVarInit(par);
    p.SetPath(par);
    p.LoadAllAnime(par);
    p.SetMaxXY(lvl.fond->w, lvl.fond->h);
    p.GraphVarInit();
    p.MvtVarInit();
    p.SetX(x);
    p.SetY(lvl.GetHteurSol());
    p.SynchroTime();
    p.SetAnim(0);
    p.SynchroTimeAnim();
}

void Combat::attendre(int n) { t += n; }

void Combat::ecrire_decor(STAGE stage, int w, int h)
{
    const std::string nom = ParamLvl::NomObjet(stage);
    std::string objet = nom + "_BMP";   // the name dat gives a grabbed file
    for (char& ch : objet)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    ecrire_bmp("decor/" + nom + ".bmp", w, h, 90, 120, 200);
    const std::string commande = "cd decor && dat -a -t BMP -bpp 16 ../stage/stage.pak " + nom + ".bmp >/dev/null && " +
                                 "dat ../stage/stage.pak " + objet + " NAME=" + nom + " >/dev/null";
    std::filesystem::create_directories("stage");
    if (std::system(commande.c_str()) != 0)
        throw std::runtime_error("dat failed: " + commande);
}
