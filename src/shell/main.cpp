// Entry point: brings the libraries up in order, starts the clocks and hands
// over to the game shell.
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "declar.h"
#include "dossier_joueur.h"
#include "edition.h"
#include "jeu.h"
#include "ligne_de_commande.h"
#include "../platform/ttftext.h"

// zef                          the game
// zef --edition WORD           the game in that edition (kept for next time)
// zef --fenetre N              in a window N times 640x480 (kept)
// zef --plein-ecran            in full screen (kept)
// zef --lisse / --net          smooth or sharp scaling (kept)
// zef --revoir FILE            plays a recorded match, then ends
// zef --heberger [PORT]        straight to hosting an online match
// zef --rejoindre HOST[:PORT]  straight to joining one
// zef --reseau CONDITIONS      online, over a network made worse (delai=MS,...)
int main(int argc, char** argv)
{
    const LigneDeCommande demandes = lire_ligne_de_commande(argc, argv);
    if (!demandes.valide) {
        afficher_usage();
        return 2;
    }
    // A replay named from where the command was typed, before the game
    // moves into its own folder.
    std::error_code ec;
    const std::string rejeu = demandes.rejeu ? std::filesystem::absolute(demandes.rejeu, ec).string() : "";
    aller_dans_le_dossier_de_jeu();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    allegro_init();
    set_window_title("Quendavorin Fighter 2 - Tarvenholt - v0.1.6");
    set_color_depth(16);
    set_color_conversion(COLORCONV_TOTAL);
    set_alpha_blender();
    install_timer();
    install_keyboard();
    install_mouse();

    if (alfont_init() != ALFONT_OK) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Error while initializing alfont");
        allegro_exit();
        return 1;
    }

    reserve_voices(10, 0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) < 0)
        std::exit(1);
    install_joystick(JOY_TYPE_AUTODETECT);   // the game also runs without one

    installer_horloges();
    // The library's own text calls draw no background box either; its
    // setter is a compatibility call, hence the pragma.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    text_mode(-1);
#pragma GCC diagnostic pop
    alfont_text_mode(-1);

    Jeu* jeu = new Jeu;   // lives until the process ends
    jeu->edition_demandee = demandes.edition;
    jeu->affichage_demande = demandes.affichage;
    jeu->en_ligne_demande = demandes.en_ligne;
    if (demandes.rejeu)
        return jeu->revoir(rejeu.c_str());
    jeu->ZeF();

    alfont_exit();
    allegro_exit();
    return 0;
}
END_OF_MAIN()
