#include "enligne.h"

#include <cctype>

#include "../shell/affichage.h"

namespace {

// The panel the background leaves for the text: the address on its first
// line, the status lines under it.
constexpr int PANNEAU_X = 60, ADRESSE_Y = 232, LIGNES_Y = 276, INTERLIGNE = 26;
constexpr size_t ADRESSE_MAX = 64;
// A call nobody answers is given up after this long.
constexpr int64_t APPEL_MAX_MS = 10000;

void ecrire(BITMAP* b, ALFONT_FONT* f, const std::string& utf8, int x, int y, int couleur)
{
    const std::string texte = en_latin1(utf8.c_str());
    alfont_textout_aa(b, f, texte.c_str(), x + 1, y + 1, makecol(0, 0, 0));
    alfont_textout_aa(b, f, texte.c_str(), x, y, couleur);
}

std::string liste_adresses()
{
    std::string texte;
    for (const std::string& a : adresses_locales())
        texte += (texte.empty() ? "" : ", ") + a;
    return texte.empty() ? "aucune adresse réseau trouvée" : "adresses de cette machine : " + texte;
}

void attendre_souris_relachee()
{
    while (mouse_b & 1)
        rest(10);
}

}  // namespace

bool saisir_adresse(std::string& texte, int caractere, int touche)
{
    if (touche == KEY_BACKSPACE) {
        if (texte.empty())
            return false;
        texte.pop_back();
        return true;
    }
    const bool permis = std::isalnum(caractere) || caractere == '.' || caractere == '-' || caractere == ':';
    if (!permis || caractere > 127 || texte.size() >= ADRESSE_MAX)
        return false;
    texte += static_cast<char>(caractere);
    return true;
}

void EcranEnLigne::init()
{
    fond.SetObjetMenu("graphics/enligne.bmp", 0, 0);
    heberger.init_lien();
    heberger.charger("graphics/heberger1.bmp", "graphics/heberger0.bmp", 220, 360);
    rejoindre.init_lien();
    rejoindre.charger("graphics/rejoindre1.bmp", "graphics/rejoindre0.bmp", 220, 314);
    retour.init_lien();
    retour.charger("graphics/retour1.bmp", "graphics/retour0.bmp", 39, 58);
    police.charger("graphics/chinese.ttf");
    police.taille(18);
    mouse_over = false;
    creer_cadre(b, curseur);
}

void EcranEnLigne::destroy()
{
    fond.DestroyBitmap();
    heberger.Destroy();
    rejoindre.Destroy();
    retour.Destroy();
    police.destroy();
    liberer_cadre(b, curseur);
}

void EcranEnLigne::dessiner(Etape etape, const std::string& adresse)
{
    if (etape == Etape::saisie || etape == Etape::appel) {
        // A caret that blinks twice a second while the address is typed.
        const bool curseur_visible = etape == Etape::saisie && horloge_reseau_ms() / 500 % 2 == 0;
        ecrire(b, police.font, "adresse de l'hôte : " + adresse + (curseur_visible ? "_" : ""), PANNEAU_X, ADRESSE_Y,
               makecol(255, 214, 110));
    }
    for (size_t i = 0; i < lignes_.size(); ++i)
        ecrire(b, police.font, lignes_[i], PANNEAU_X, LIGNES_Y + static_cast<int>(i) * INTERLIGNE,
               makecol(230, 236, 255));
}

std::unique_ptr<Liaison> EcranEnLigne::Connecter(CANALMENU& son, const DepartEcranEnLigne& depart, bool& hote)
{
    std::unique_ptr<Liaison> liaison;
    Etape etape = Etape::choix;
    std::string adresse = depart.rejoindre;
    int64_t appel_depuis = 0;
    lignes_.clear();

    const auto heberger_sur = [&](uint16_t port) {
        std::string erreur;
        liaison = Liaison::heberger(port, erreur);
        if (!liaison) {
            lignes_ = {erreur};
            etape = Etape::choix;
            return;
        }
        liaison->conditions(depart.reseau, static_cast<uint64_t>(horloge_reseau_ms()));
        etape = Etape::attente;
        lignes_ = {"en attente d'un adversaire sur le port " + std::to_string(port), liste_adresses(),
                   "Échap pour annuler"};
    };
    const auto appeler = [&] {
        std::string nom, erreur;
        uint16_t port;
        if (!lire_adresse(adresse, nom, port)) {
            lignes_ = {"adresse invalide : " + adresse, "hôte ou hôte:port, par exemple 192.168.1.20:7000"};
            etape = Etape::saisie;
            return;
        }
        liaison = Liaison::rejoindre(nom, port, erreur);
        if (!liaison) {
            lignes_ = {erreur};
            etape = Etape::saisie;
            return;
        }
        liaison->conditions(depart.reseau, static_cast<uint64_t>(horloge_reseau_ms()));
        etape = Etape::appel;
        appel_depuis = horloge_reseau_ms();
        lignes_ = {"appel de " + nom + " sur le port " + std::to_string(port) + "...", "Échap pour annuler"};
    };
    if (depart.heberger)
        heberger_sur(depart.port);
    else if (!depart.rejoindre.empty())
        appeler();
    clear_keybuf();

    for (;;) {
        const int64_t maintenant = horloge_reseau_ms();
        if (liaison)
            liaison->servir(maintenant);
        if (liaison && liaison->connectee()) {
            hote = etape == Etape::attente;
            lignes_ = {"connecté"};
            return liaison;
        }
        if (etape == Etape::appel && maintenant - appel_depuis > APPEL_MAX_MS) {
            liaison.reset();
            etape = Etape::saisie;
            lignes_ = {"pas de réponse de " + adresse, "vérifiez l'adresse, et que le port est ouvert chez l'hôte"};
        }
        while (keypressed()) {
            const int k = readkey();
            const int touche = k >> 8, caractere = k & 0xFF;
            if (touche == KEY_ESC) {
                if (etape == Etape::choix) {
                    attendre_relache(KEY_ESC);
                    return nullptr;
                }
                liaison.reset();
                etape = Etape::choix;
                lignes_.clear();
            } else if (etape == Etape::saisie && (touche == KEY_ENTER || touche == KEY_ENTER_PAD)) {
                appeler();
            } else if (etape == Etape::saisie) {
                saisir_adresse(adresse, caractere, touche);
            }
        }

        fond.AfficheFond(b);
        const int clic = boutons_cliques({&heberger, &rejoindre, &retour}, b, son, mouse_over);
        dessiner(etape, adresse);
        montrer_cadre(b, curseur);
        if (clic < 0)
            continue;
        son.jouer(1, EFFET_CLIC);
        attendre_souris_relachee();
        liaison.reset();
        if (clic == 0) {
            heberger_sur(depart.port);
        } else if (clic == 1) {
            etape = Etape::saisie;
            lignes_ = {"tapez l'adresse de l'hôte, puis Entrée"};
            clear_keybuf();
        } else {
            return nullptr;
        }
    }
}

void montrer_message_en_ligne(const std::vector<std::string>& lignes, CANALMENU& son)
{
    EcranEnLigne ecran;
    ecran.init();
    clear_keybuf();
    const int64_t debut = horloge_reseau_ms();
    while (horloge_reseau_ms() - debut < 8000) {
        ecran.fond.AfficheFond(ecran.b);
        for (size_t i = 0; i < lignes.size(); ++i)
            ecrire(ecran.b, ecran.police.font, lignes[i], PANNEAU_X, LIGNES_Y + static_cast<int>(i) * INTERLIGNE,
                   i == 0 ? makecol(255, 150, 120) : makecol(230, 236, 255));
        montrer_cadre(ecran.b, ecran.curseur);
        if (keypressed() || (mouse_b & 1))
            break;
        rest(10);
    }
    son.jouer(1, EFFET_CLIC);
    attendre_souris_relachee();
    clear_keybuf();
    ecran.destroy();
}
