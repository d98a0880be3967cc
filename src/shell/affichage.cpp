#include "affichage.h"

#include <xalleg.h>
#include <X11/Xatom.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "fenetre.h"
#include "fichier_plus.h"

namespace {

constexpr const char* CLE_AFFICHAGE = "affichage";
constexpr const char* CLE_ECHELLE = "echelle";
constexpr const char* CLE_LISSAGE = "lissage";
constexpr const char* MOT_PLEIN_ECRAN = "plein-ecran";
constexpr const char* MOT_FENETRE = "fenetre";

ReglageAffichage reglage;
Cadrage cadre;
BITMAP* agrandie = nullptr;   // the frame at the size it is shown, when not 1x

// Set by the keyboard's thread, taken by the game's at the next frame.
std::atomic<bool> bascule_demandee{false};
// A held F11 (or Alt+Enter) repeats: one switch per press.
bool bascule_armee = true;

// The keys that switch the display never reach the game's key queue, so no
// "any key" screen takes them for its own.
int filtrer_touche(int touche)
{
    const int code = touche >> 8;
    if (code == KEY_F11 || (code == KEY_ENTER && alt_tenu())) {
        bascule_demandee = true;
        return 0;
    }
    return touche;
}

// The desktop's free area (without its panels), from the window manager
// when it says, else the whole desktop less a panel's height.
void zone_libre(int& largeur, int& hauteur)
{
    if (get_desktop_resolution(&largeur, &hauteur) != 0) {
        largeur = LARGEUR_JEU;
        hauteur = HAUTEUR_JEU;
        return;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        hauteur -= 40;
        return;
    }
    Atom type;
    int format;
    unsigned long n, reste;
    unsigned char* donnees = nullptr;
    const Atom zone = XInternAtom(d, "_NET_WORKAREA", True);
    if (zone != None &&
        XGetWindowProperty(d, DefaultRootWindow(d), zone, 0, 4, False, XA_CARDINAL, &type, &format, &n, &reste,
                           &donnees) == Success &&
        donnees && format == 32 && n >= 4) {
        const long* v = reinterpret_cast<const long*>(donnees);
        if (v[2] > 0 && v[3] > 0) {
            largeur = static_cast<int>(v[2]);
            hauteur = static_cast<int>(v[3]);
        }
    } else {
        hauteur -= 40;
    }
    if (donnees)
        XFree(donnees);
    XCloseDisplay(d);
}

bool mode_plein_ecran()
{
    int largeur, hauteur;
    if (get_desktop_resolution(&largeur, &hauteur) != 0 ||
        set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, largeur, hauteur, 0, 0) != 0)
        return false;
    cadre = cadre_plein_ecran(SCREEN_W, SCREEN_H);
    return true;
}

bool mode_fenetre(int facteur)
{
    for (int f = facteur; f >= 1; --f) {
        const Cadrage c = cadre_fenetre(f);
        if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, c.largeur, c.hauteur, 0, 0) == 0) {
            cadre = c;
            return true;
        }
    }
    return false;
}

int facteur_de_fenetre()
{
    if (reglage.facteur >= 1)
        return reglage.facteur;
    int largeur, hauteur;
    zone_libre(largeur, hauteur);
    return facteur_qui_tient(largeur, hauteur);
}

// The window a key went down in is gone with the mode it belonged to, and
// its release will never come: the library would hold the key for ever and
// take its next press for a repeat. Every key starts up again; one still
// held comes back with the keyboard's own repeat.
void relacher_touches()
{
    for (int k = 1; k < KEY_MAX; ++k)
        if (key[k])
            _handle_key_release(k);
    _key_shifts &= ~(KB_SHIFT_FLAG | KB_CTRL_FLAG | KB_ALT_FLAG);
    key_shifts &= ~(KB_SHIFT_FLAG | KB_CTRL_FLAG | KB_ALT_FLAG);
}

// Full screen takes the keyboard's focus for its own window; once that
// window is gone the focus may go nowhere, and no key would reach the game.
void prendre_le_clavier()
{
    if (!_xwin.display || !_xwin.window)
        return;
    XLOCK();
    XWindowAttributes attributs;
    if (XGetWindowAttributes(_xwin.display, _xwin.window, &attributs) && attributs.map_state == IsViewable)
        XSetInputFocus(_xwin.display, _xwin.window, RevertToPointerRoot, CurrentTime);
    XUNLOCK();
}

// Gets the picture's scaled copy and the bars ready for the mode just set.
void apres_changement()
{

    relacher_touches();
    if (agrandie)
        destroy_bitmap(agrandie);
    agrandie = cadre.a_l_echelle_un() ? nullptr : create_bitmap_ex(16, cadre.largeur, cadre.hauteur);
    if (!agrandie)
        cadre = Cadrage{(SCREEN_W - LARGEUR_JEU) / 2, (SCREEN_H - HAUTEUR_JEU) / 2};
    clear_to_color(screen, makecol(0, 0, 0));
    surveiller_bouton_fermer();
    keyboard_callback = filtrer_touche;
}

void basculer()
{
    const ReglageAffichage avant = reglage;
    ReglageAffichage voulu = reglage;
    voulu.plein_ecran = !reglage.plein_ecran;
    if (ouvrir_affichage(voulu))
        ecrire_cle(FICHIER_EDITION, CLE_AFFICHAGE, reglage.plein_ecran ? MOT_PLEIN_ECRAN : MOT_FENETRE);
    else
        ouvrir_affichage(avant);   // the display that worked a moment ago
}

}  // namespace

bool alt_tenu()
{
    // The shift flags can lag behind the keys themselves.
    return key[KEY_ALT] || key[KEY_ALTGR] || (key_shifts & KB_ALT_FLAG) != 0;
}

ReglageAffichage lire_reglage_affichage(const char* chemin)
{
    ReglageAffichage r;
    if (const auto mot = lire_cle(chemin, CLE_AFFICHAGE))
        r.plein_ecran = *mot == MOT_PLEIN_ECRAN;
    if (const auto mot = lire_cle(chemin, CLE_ECHELLE))
        if (mot->size() == 1 && (*mot)[0] >= '1' && (*mot)[0] <= '0' + FACTEUR_MAX)
            r.facteur = (*mot)[0] - '0';
    if (const auto mot = lire_cle(chemin, CLE_LISSAGE))
        r.lissage = *mot == "oui" ? Lissage::lisse : Lissage::net;
    return r;
}

bool ecrire_reglage_affichage(const ReglageAffichage& r, const char* chemin)
{
    bool ecrit = ecrire_cle(chemin, CLE_AFFICHAGE, r.plein_ecran ? MOT_PLEIN_ECRAN : MOT_FENETRE);
    if (r.facteur >= 1)
        ecrit = ecrire_cle(chemin, CLE_ECHELLE, std::to_string(r.facteur)) && ecrit;
    return ecrire_cle(chemin, CLE_LISSAGE, r.lissage == Lissage::lisse ? "oui" : "non") && ecrit;
}

bool ouvrir_affichage(const ReglageAffichage& r)
{
    const ReglageAffichage avant = reglage;
    reglage = r;
    bool ouvert = r.plein_ecran && mode_plein_ecran();
    if (!ouvert) {
        reglage.plein_ecran = false;
        ouvert = mode_fenetre(facteur_de_fenetre());
    }
    if (!ouvert) {
        reglage = avant;
        return false;
    }
    apres_changement();
    if (avant.plein_ecran && !reglage.plein_ecran)
        prendre_le_clavier();
    return true;
}

void revenir_en_fenetre()
{
    ReglageAffichage r = reglage;
    r.plein_ecran = false;
    ouvrir_affichage(r);
}

void presenter(BITMAP* image)
{
    if (!screen)
        return;
    if (!key[KEY_F11] && !key[KEY_ENTER])
        bascule_armee = true;
    if (bascule_demandee.exchange(false) && bascule_armee) {
        bascule_armee = false;
        basculer();
    }
    if (!agrandie) {
        blit(image, screen, 0, 0, cadre.x, cadre.y, LARGEUR_JEU, HAUTEUR_JEU);
        return;
    }
    agrandir(image, agrandie, reglage.lissage);
    blit(agrandie, screen, 0, 0, cadre.x, cadre.y, cadre.largeur, cadre.hauteur);
}

int souris_x()
{
    int x = mouse_x, y = mouse_y;
    vers_le_jeu(cadre, x, y);
    return x;
}

int souris_y()
{
    int x = mouse_x, y = mouse_y;
    vers_le_jeu(cadre, x, y);
    return y;
}
