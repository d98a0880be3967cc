#include "menuPerso.h"

#include <cstdio>
#include <cstdlib>

#include "../reseau/salon.h"
#include "../shell/affichage.h"
#include "../story/texte.h"

namespace {

const char* const NOMS[4] = {"SHIZ", "TALON", "VISHVAKARMAN", "LE PANDA"};
const char* const BOUTONS[4][2] = {
    {"graphics/shiz1.bmp", "graphics/shiz0.bmp"},
    {"graphics/talon1.bmp", "graphics/talon0.bmp"},
    {"graphics/vishvakarman1.bmp", "graphics/vishvakarman0.bmp"},
    {"graphics/panda1.bmp", "graphics/panda0.bmp"},
};
const char* const PORTRAITS[4] = {"graphics/shiz2.bmp", "graphics/talon2.bmp", "graphics/vishvakarman2.bmp",
                                  "graphics/panda2.bmp"};
const char* const BOUTONS_DECOR[NB_CHOIX_DECOR][2] = {
    {"graphics/decor_aeroport1.bmp", "graphics/decor_aeroport0.bmp"},
    {"graphics/decor_elbeuf1.bmp", "graphics/decor_elbeuf0.bmp"},
    {"graphics/decor_inde1.bmp", "graphics/decor_inde0.bmp"},
    {"graphics/decor_hasard1.bmp", "graphics/decor_hasard0.bmp"},
};
// The plate that retitles the screen for the stage's choice, and where it goes.
constexpr int TITRE_DECOR_X = 54;
constexpr int TITRE_DECOR_Y = 403;
// The VS badge drawn in the background.
constexpr int VS_X = 520;
constexpr int VS_Y = 354;
constexpr int VS_RAYON = 33;

int noir() { return makecol(0, 0, 0); }
int blanc() { return makecol(255, 255, 255); }

// The four characteristics with their "+" button and their bonus field.
struct Carac {
    ObjetGraph MENU_XP::*bouton;
    int32_t CARACTERISTIQUES::*base;
    int32_t CARACTERISTIQUES::*bonus;
};
const Carac CARACS[4] = {
    {&MENU_XP::FORp, &CARACTERISTIQUES::force, &CARACTERISTIQUES::bonusforce},
    {&MENU_XP::DEXp, &CARACTERISTIQUES::dexterite, &CARACTERISTIQUES::bonusdexterite},
    {&MENU_XP::CONp, &CARACTERISTIQUES::constitution, &CARACTERISTIQUES::bonusconstitution},
    {&MENU_XP::INTp, &CARACTERISTIQUES::arcanes, &CARACTERISTIQUES::bonusarcanes},
};
constexpr int PLAFOND_CARAC = 12;

int valeur(const CARACTERISTIQUES& c, const Carac& k) { return c.*k.base + c.*k.bonus; }

// The first key waiting in the buffer, Escape aside (Escape steps back
// instead), or 0. The buffer is read rather than the key table so that a tap
// shorter than a frame still counts.
int touche_en_attente()
{
    while (keypressed()) {
        const int code = readkey() >> 8;
        if (code != KEY_ESC)
            return code;
    }
    return 0;
}

void imprimer_ombre(BITMAP* b, ALFONT_FONT* f, const char* texte, int x, int y)
{
    alfont_textout_centre_aa(b, f, texte, x - 1, y - 1, noir());
    alfont_textout_centre_aa(b, f, texte, x + 1, y + 1, noir());
    alfont_textout_centre_aa(b, f, texte, x, y, blanc());
}

}  // namespace

LignesStats lignes_stats(const CARACTERISTIQUES& c, bool corriges)
{
    LignesStats l;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "niveau %d", GESTION_XP().GetNiveau(c.experience));
    l.lignes[0] = tampon;
    const char* const classiques[4] = {"FOR %2d", "DEX %2d", "VIG %2d", "CON %2d"};
    const char* const justes[4] = {"FOR %2d", "DEX %2d", "CON %2d", "ARC %2d"};
    const char* const* formats = corriges ? justes : classiques;
    for (int i = 0; i < 4; ++i) {
        std::snprintf(tampon, sizeof tampon, formats[i], valeur(c, CARACS[i]));
        l.lignes[i + 1] = tampon;
    }
    std::snprintf(tampon, sizeof tampon, "XP  %2d", static_cast<int>(c.experience));
    l.lignes[5] = tampon;
    return l;
}

void afficher_stats(BITMAP* b, ALFONT_FONT* f, const CARACTERISTIQUES& c, int x, int y, int couleur, bool droite,
                    bool corriges)
{
    const LignesStats l = lignes_stats(c, corriges);
    for (const std::string& ligne : l.lignes) {
        if (droite)
            alfont_textout_right_aa(b, f, ligne.c_str(), x, y, couleur);
        else
            alfont_textout_aa(b, f, ligne.c_str(), x, y, couleur);
        y += alfont_text_height(f);
    }
}

void afficher_bonus(BITMAP* b, const MENU_XP& boutons, const CARACTERISTIQUES& c)
{
    for (const Carac& k : CARACS)
        if (valeur(c, k) < PLAFOND_CARAC)
            (boutons.*k.bouton).AfficheEcran(b);
}

bool depenser_bonus(MENU_XP& boutons, ParamJoueur& joueur, CANALMENU& son, bool& mouse_over, bool sonore)
{
    for (const Carac& k : CARACS) {
        const ObjetGraph& bouton = boutons.*k.bouton;
        const bool dessus = sonore ? survol_sonore(bouton, son, mouse_over) : sous_le_pointeur(bouton);
        if (!dessus || !(mouse_b & 1))
            continue;
        if (!sonore)
            mouse_over = true;
        // Only the first button clicked counts, and a characteristic stops at 12.
        if (valeur(joueur.carac, k) >= PLAFOND_CARAC)
            return false;
        son.jouer(1, EFFET_CLIC);
        joueur.carac.*k.bonus += 1;
        joueur.save_xp_file();
        rest(250);
        return true;
    }
    return false;
}

std::string points_a_repartir(int n)
{
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%d point%s \xe0 r\xe9partir", n, n > 1 ? "s" : "");
    return tampon;
}

int decor_voisin(int choix, int sens)
{
    if (choix < 0)
        return sens > 0 ? 0 : NB_CHOIX_DECOR - 1;
    return (choix + sens % NB_CHOIX_DECOR + NB_CHOIX_DECOR) % NB_CHOIX_DECOR;
}

STAGE decor_de_choix(int choix, int tirage)
{
    if (choix >= aeroport && choix <= inde)
        return static_cast<STAGE>(choix);
    return static_cast<STAGE>(((tirage % 3) + 3) % 3);
}

bool sur_le_badge_vs(int x, int y)
{
    const int dx = x - VS_X, dy = y - VS_Y;
    return dx * dx + dy * dy <= VS_RAYON * VS_RAYON;
}

EtapeEchap etape_echap(int p1choix, int p2choix)
{
    if (p2choix >= 0)
        return ANNULE_J2;
    if (p1choix >= 0)
        return ANNULE_J1;
    return RETOUR_MENU;
}

STAGE decor_du_perso(int perso)
{
    // The panda has no stage of its own: it fights on the temple's courtyard,
    // the most open of the three, which suits a heavy brawler.
    return perso >= aeroport && perso <= inde ? static_cast<STAGE>(perso) : inde;
}

void MenuSP::InitMenu()
{
    for (int i = 0; i < 4; ++i) {
        LienPerso[i].init_lien();
        LienPerso[i].charger(BOUTONS[i][0], BOUTONS[i][1], 56 + 89 * i, 173);
        ImgPerso[i].SetObjetMenu(PORTRAITS[i], 0, 455);
    }
    for (int i = 0; i < NB_CHOIX_DECOR; ++i) {
        LienDecor[i].init_lien();
        LienDecor[i].charger(BOUTONS_DECOR[i][0], BOUTONS_DECOR[i][1], 56 + 89 * i, 173);
    }
    titre_decor.SetObjetMenu("graphics/titre_decor.bmp", TITRE_DECOR_X, 480 - TITRE_DECOR_Y);
    fond.SetObjetMenu("graphics/selectperso2.bmp", 0, 0);
    logo.SetObjetMenu("graphics/logo1.bmp", 232, 466);
    p1xp.init_MENU_XP(1);
    p2xp.init_MENU_XP(2);
    font1.charger("graphics/chinyen.ttf");
    font1.taille(28);
    font2.charger("graphics/chinese.ttf");
    font2.taille(16);
    fontload.charger("graphics/intsh.ttf");
    fontload.taille(60);
    mouse_over = false;
    creer_cadre(b, curseur);
}

void MenuSP::DestroyMenu()
{
    fond.DestroyBitmap();
    logo.DestroyBitmap();
    titre_decor.DestroyBitmap();
    for (LIEN& l : LienDecor)
        l.Destroy();
    for (int i = 0; i < 4; ++i) {
        ImgPerso[i].DestroyBitmap();
        LienPerso[i].Destroy();
    }
    p1xp.Destroy();
    p2xp.Destroy();
    font1.destroy();
    font2.destroy();
    fontload.destroy();
    liberer_cadre(b, curseur);
}

bool MenuSP::mouse_over_bmp(const ObjetGraph& obj)
{
    if (!sous_le_pointeur(obj))
        return false;
    mouse_over = true;
    return true;
}

void MenuSP::test_interaction(CANALMENU& son)
{
    for (LIEN& lien : LienPerso) {
        if (mouse_over_bmp(lien.close, son)) {
            lien.active = true;
            return;
        }
        lien.active = false;
    }
    mouse_over = false;
}

int MenuSP::LeMenu(CANALMENU& son)
{
    test_interaction(son);
    for (int i = 0; i < 4; ++i)
        if (LienPerso[i].active && (mouse_b & 1)) {
            son.jouer(1, EFFET_CLIC);
            return i;
        }
    return -1;
}

void MenuSP::afficher_choix(ParamMoteur* p, int cote, const Regles& regles)
{
    const bool j1 = cote == 1;
    const int choix = j1 ? p1choix : p2choix;
    (j1 ? P1Choix : P2Choix).AfficheEcran(b);
    const int x = j1 ? 53 : 582;
    const auto nom = [&](int dx, int dy, int couleur) {
        if (j1)
            alfont_textout_aa(b, font1.font, NOMS[choix], x + dx, 270 + dy, couleur);
        else
            alfont_textout_right_aa(b, font1.font, NOMS[choix], x + dx, 270 + dy, couleur);
    };
    if (choix != shiz) {
        nom(-1, -1, noir());
        nom(1, 1, noir());
    }
    nom(0, 0, blanc());
    if (p->ModeEvolution) {
        const ParamJoueur& joueur = j1 ? p->parP1 : p->parP2;
        const CARACTERISTIQUES& c = joueur.carac;
        afficher_stats(b, font2.font, c, x + 1, 171, noir(), !j1, regles.textes_corriges);
        afficher_stats(b, font2.font, c, x, 170, blanc(), !j1, regles.textes_corriges);
        const int reste = joueur.GetBonus(c);
        if (regles.selection_complete && reste > 0) {
            // On the level's line, at the panel's other edge: the name plate
            // is right under the statistics.
            const std::string points = points_a_repartir(reste);
            const int bord = j1 ? 305 : 330;
            const auto ecrire = [&](int dx, int couleur) {
                if (j1)
                    alfont_textout_right_aa(b, font2.font, points.c_str(), bord + dx, 170 + dx, couleur);
                else
                    alfont_textout_aa(b, font2.font, points.c_str(), bord + dx, 170 + dx, couleur);
            };
            ecrire(1, noir());
            ecrire(0, makecol(255, 210, 90));
        }
    }
}

void MenuSP::bonus(ParamMoteur* p, CANALMENU& son)
{
    struct Cote {
        int choix;
        MENU_XP& boutons;
        ParamJoueur& joueur;
        ParamJoueur& autre;
    };
    for (Cote c : {Cote{p1choix, p1xp, p->parP1, p->parP2}, Cote{p2choix, p2xp, p->parP2, p->parP1}}) {
        if (c.choix < 0 || c.joueur.GetBonus(c.joueur.carac) <= 0)
            continue;
        afficher_bonus(b, c.boutons, c.joueur.carac);
        // Both sides on one fighter share its file: a point spent by one is
        // the other's too, or the other's next save would take it back.
        if (depenser_bonus(c.boutons, c.joueur, son, mouse_over, false) && p1choix == p2choix)
            c.autre.carac = c.joueur.carac;
    }
}

void MenuSP::choisir_decor(CANALMENU& son)
{
    // The click that chose player 2's fighter may still be held over the
    // stage that took its place: only a new press chooses.
    if (!(mouse_b & 1))
        souris_relachee_ = true;
    bool survol = false;
    for (int i = 0; i < NB_CHOIX_DECOR; ++i) {
        LIEN& l = LienDecor[i];
        const bool dessus = !survol && survol_sonore(l.close, son, mouse_over);
        survol = survol || dessus;
        if (dessus && (mouse_b & 1) && souris_relachee_ && decor != i) {
            son.jouer(1, EFFET_CLIC);
            decor = i;
        }
        l.active = dessus || decor == i;
        l.afficher(b);
        if (decor == i) {   // the choice stands out from a button merely under the pointer
            const int x = l.close.GetX(), y = 480 - l.close.GetY();
            const int w = l.close.ObjBmp ? l.close.ObjBmp->w : 0, h = l.close.ObjBmp ? l.close.ObjBmp->h : 0;
            for (int e = 1; e <= 2; ++e)
                rect(b, x - e, y - e, x + w - 1 + e, y + h - 1 + e, makecol(255, 200, 60));
        }
    }
    if (!survol)
        mouse_over = false;
}

bool MenuSP::ChoixSP(ParamMoteur* p, CANALMENU son, bool seul)
{
    const Regles regles = Regles::de(p->edition);
    p1choix = p2choix = -1;
    decor = -1;
    bool demarrer = false;
    while (!demarrer) {
        const bool choisis = p1choix >= 0 && (seul || p2choix >= 0);
        // The stage is chosen once both fighters are (a story's stages are its own).
        const bool choix_du_decor = choisis && regles.selection_complete && !seul;
        if (choix_du_decor && decor < 0)
            decor = p->Parlvl.stage;
        if (p->ModeEvolution)
            bonus(p, son);
        logo.AfficheEcran(b);
        if (choisis) {
            const bool vs_clique = regles.selection_complete && (mouse_b & 1) && sur_le_badge_vs(souris_x(), souris_y());
            if (regles.selection_complete && sur_le_badge_vs(souris_x(), souris_y()))
                circle(b, VS_X, VS_Y, VS_RAYON + 2, makecol(255, 220, 120));
            imprimer_ombre(b, font2.font,
                           regles.textes_corriges ? "Entr\xe9" "e ou clic sur VS pour combattre"
                                                  : "pressez une touche pour continuer",
                           320, 65);
            int touche = touche_en_attente();
            if (choix_du_decor && (touche == KEY_LEFT || touche == KEY_RIGHT)) {
                decor = decor_voisin(decor, touche == KEY_LEFT ? -1 : 1);
                son.jouer(1, EFFET_SURVOL);
                touche = 0;
            }
            if ((touche != 0 || vs_clique) && !key[KEY_ESC]) {
                if (choix_du_decor)
                    p->Parlvl.stage = decor_de_choix(decor, std::rand());
                son.jouer(1, EFFET_GONG);
                const char* chargement = regles.textes_corriges ? "CHARGEMENT..." : "CHARGEMENT..";
                alfont_textout_centre_aa(b, fontload.font, chargement, 319, 359, noir());
                alfont_textout_centre_aa(b, fontload.font, chargement, 321, 361, noir());
                alfont_textout_centre_aa(b, fontload.font, chargement, 320, 360, makecol(66, 197, 84));
                rest(1000);
                demarrer = true;
            }
        }
        montrer_cadre(b, curseur);
        fond.AfficheFond(b);
        if (demarrer)
            break;

        // A key pressed before both fighters are chosen is thrown away; once
        // they are, it waits in the buffer for the next pass.
        if (!choisis)
            clear_keybuf();
        poll_keyboard();
        if (key[KEY_ESC]) {
            switch (etape_echap(p1choix, p2choix)) {
            case ANNULE_J2:
                p2choix = -1;
                decor = -1;
                break;
            case ANNULE_J1:
                p1choix = -1;
                break;
            case RETOUR_MENU:
                rest(300);
                clear_keybuf();
                return false;
            }
            rest(300);
        }

        if (choix_du_decor && p2choix >= 0) {
            choisir_decor(son);
            titre_decor.AfficheEcran(b);
        } else {
            for (const LIEN& lien : LienPerso)
                lien.afficher(b);
            const int clic = seul && p1choix >= 0 ? -1 : LeMenu(son);
            if (clic >= 0 && p1choix < 0) {
                p1choix = clic;
                P1Choix = ImgPerso[clic];
                P1Choix.SetX(45);
                p->parP1.SetPerso(static_cast<PERSO>(clic));
                p->Parlvl.stage = decor_du_perso(clic);
                rest(200);
            } else if (clic >= 0 && p2choix < 0) {
                p2choix = clic;
                P2Choix = ImgPerso[clic];
                P2Choix.SetX(325);
                p->parP2.SetPerso(static_cast<PERSO>(clic));
                rest(300);
            }
        }
        if (p1choix >= 0)
            afficher_choix(p, 1, regles);
        if (p2choix >= 0)
            afficher_choix(p, 2, regles);
    }
    return true;
}

IssueSelectionEnLigne MenuSP::ChoixEnLigne(ParamMoteur* p, CANALMENU& son, Salon& salon,
                                           const std::function<bool()>& servir,
                                           const std::function<std::string()>& etat)
{
    const Regles regles = Regles::de(p->edition);
    const int local = salon.cote_local();
    int& moi = local == 0 ? p1choix : p2choix;
    int& lui = local == 0 ? p2choix : p1choix;
    // A side's fighter shown on its half of the screen.
    const auto montrer = [this, p](int cote, int perso) {
        ObjetGraph& image = cote == 0 ? P1Choix : P2Choix;
        image = ImgPerso[perso];
        image.SetX(cote == 0 ? 45 : 325);
        (cote == 0 ? p->parP1 : p->parP2).SetPersoSansXp(static_cast<PERSO>(perso));
    };
    p1choix = p2choix = -1;
    clear_keybuf();
    fond.AfficheFond(b);
    for (;;) {
        if (!servir())
            return SELECTION_ROMPUE;
        if (salon.hote() ? salon.prets() : salon.depart_en_attente())
            return SELECTION_LANCEE;
        const Choix& distant = salon.choix_distant();
        const int perso_distant = distant.perso <= panda ? distant.perso : -1;
        if (perso_distant != lui) {
            lui = perso_distant;
            if (lui >= 0) {
                montrer(1 - local, lui);
                (local == 0 ? p->parP2 : p->parP1).carac = distant.carac;
                son.jouer(1, EFFET_SURVOL);
            }
        }

        logo.AfficheEcran(b);
        const char* appel = moi < 0 ? "choisissez votre combattant"
                            : lui < 0 ? "en attente de l'adversaire"
                                      : "le combat va commencer";
        imprimer_ombre(b, font2.font, en_latin1(appel).c_str(), 320, 65);
        imprimer_ombre(b, font2.font, en_latin1(etat().c_str()).c_str(), 320, 88);

        poll_keyboard();
        if (key[KEY_ESC]) {
            attendre_relache(KEY_ESC);
            if (moi < 0)
                return SELECTION_QUITTEE;
            moi = -1;
            salon.choisir(Choix{});
        }
        if (moi < 0) {
            for (const LIEN& lien : LienPerso)
                lien.afficher(b);
            const int clic = LeMenu(son);
            if (clic >= 0) {
                moi = clic;
                montrer(local, clic);
                ParamJoueur& joueur = local == 0 ? p->parP1 : p->parP2;
                joueur.SetPerso(static_cast<PERSO>(clic));   // this player's own record
                Choix c;
                c.perso = static_cast<uint8_t>(clic);
                c.pret = true;
                c.carac = joueur.carac;
                salon.choisir(c);
                rest(200);
            }
        }
        if (p1choix >= 0)
            afficher_choix(p, 1, regles);
        if (p2choix >= 0)
            afficher_choix(p, 2, regles);
        montrer_cadre(b, curseur);
        fond.AfficheFond(b);
    }
}
