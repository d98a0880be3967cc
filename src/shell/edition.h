// The game's two editions. The classic edition plays by the original rules,
// every one of them. The enhanced edition is the same program with the rules
// below changed, each for what today's players expect of a 2D fighter; it
// never forks a screen or a loop. The edition is read once at start-up
// (zef-plus.ini, or zef --edition) and every match carries its Regles.
#ifndef ZEF_EDITION_H
#define ZEF_EDITION_H

#include <cstdint>
#include <cstring>

enum class Edition : uint8_t { classique = 0, amelioree = 1 };

// Every rule the enhanced edition changes. All false: the classic edition.
struct Regles {
    // -- Round flow --
    // "ROUND 1" / "ROUND 2" / "FINAL ROUND" then "FIGHT", controls locked
    // until FIGHT: the pictures and voices ship, and a round that starts
    // without warning is lost in its first second.
    bool annonce_round = false;
    // The round ends on the tick the real life reaches 0; the bar's drain
    // is only a picture. A knock-out seconds after the last hit feels broken.
    bool ko_vie_reelle = false;
    // Time-up goes to the larger share of full life left, which is what the
    // bars show; raw points favour the fighter with more life to begin with.
    bool temps_a_la_part = false;
    // Round end: the K.O. / PERFECT / TIME UP banner and voice at once, the
    // winner's line after; the banner used to come last, seconds late.
    bool banniere_d_abord = false;
    // After a versus match, a results screen (the winner, the rounds,
    // REVANCHE, CHANGER DE COMBATTANT, MENU) instead of the title screen at once.
    bool ecran_resultats = false;

    // -- Impact --
    // A spark at the contact point, a look for clean, guarded and projectile
    // hits: without one a hit is hard to see.
    bool etincelles = false;
    // Both fighters freeze a few ticks on contact (hit-stop), longer for
    // strong hits, shorter on guard: it is what makes a hit feel solid.
    bool arret_sur_coup = false;
    // A small screen shake on strong and knock-down hits.
    bool secousse_coups_forts = false;
    // A projectile bursts and is gone once it has hit, instead of flying on
    // through the fighter.
    bool projectile_eclate = false;
    // "3 COUPS" and the damage total for clean hits chained while the
    // victim is still reeling.
    bool compteur_combo = false;

    // -- Input --
    // Keys are read as presses and releases: a tap of 30 ms counts like a
    // hold. Special-move sequences allow about 250 ms between presses and
    // an attack key pressed slightly early; an attack pressed in the last
    // ticks of a recovery comes out on the first free tick. The classic
    // reading samples the keys in time windows, which few humans can hit.
    bool touches_appuyees = false;

    // -- Camera and bodies --
    // The view keeps both fighters on screen: it follows their midpoint and
    // rises for a jumper only while the grounded one's head stays in view.
    bool camera_deux_persos = false;
    // The life bars, plates and timer are drawn over the fighters.
    bool hud_devant = false;
    // Body boxes never overlap: walking into the other pushes both.
    bool corps_solides = false;

    // -- Screen --
    // No frame counter over the life bar; F3 shows it with the tick rate.
    bool compteur_images_cache = false;
    // Round wins as small icons under the life bars, not a lone "V".
    bool marques_icones = false;
    // Entrée pauses a fight: REPRENDRE, LISTE DES COUPS (each special move's
    // keys drawn as arrows and buttons), QUITTER LE COMBAT.
    bool pause = false;

    // -- Taunts and text --
    // Lines written for each fighter's character, free of insults; two of
    // the classic tables are placeholders.
    bool repliques_ecrites = false;
    // Every line a player reads in correct French, accents included, and
    // the statistics under their usual names (the classic screens write
    // "pressez une touche pour continuer.." and call the arcana "CON").
    bool textes_corriges = false;

    // -- Menus --
    // Escape leaves every screen; the options screen used to ignore it.
    bool echap_partout = false;
    // Sound and music volume sliders on the options screen: the classic game
    // only reads them from zef.ini, where no player looks.
    bool reglages_volume = false;
    // On the selection: the VS badge starts the match when clicked, the
    // "+" buttons tell how many points are left, the stage is chosen (three
    // previews and "hasard") instead of following player 1's fighter.
    bool selection_complete = false;
    // A joystick mode picked with no joystick connected says so, instead of
    // leaving a side that no one can move.
    bool manette_verifiee = false;

    // -- Story --
    // Any fighter can be played; the other three, then a stronger copy of
    // one's own fighter, each with its own story in dialogue screens; the
    // opponents' levels stay within a few of the player's; a lost fight can
    // be fought again; the ending is illustrated. The classic story is
    // shiz's only and ends at the first defeat.
    bool histoire_complete = false;

    static Regles de(Edition e);
    // Every rule, one bit each (the state's checksum covers them).
    uint32_t bits() const
    {
        // Only bools: one byte each, no padding.
        unsigned char regle[sizeof(Regles)];
        static_assert(sizeof regle <= 32, "one bit per rule");
        std::memcpy(regle, this, sizeof regle);
        uint32_t b = 0;
        for (unsigned i = 0; i < sizeof regle; ++i)
            b |= static_cast<uint32_t>(regle[i] != 0) << i;
        return b;
    }
};

inline Regles Regles::de(Edition e)
{
    Regles r;
    if (e == Edition::classique)
        return r;
    r.annonce_round = r.ko_vie_reelle = r.temps_a_la_part = r.banniere_d_abord = r.ecran_resultats = true;
    r.etincelles = r.arret_sur_coup = r.secousse_coups_forts = r.projectile_eclate = r.compteur_combo = true;
    r.touches_appuyees = true;
    r.camera_deux_persos = r.hud_devant = r.corps_solides = true;
    r.compteur_images_cache = r.marques_icones = r.pause = true;
    r.repliques_ecrites = r.textes_corriges = true;
    r.echap_partout = r.reglages_volume = r.selection_complete = r.manette_verifiee = true;
    r.histoire_complete = true;
    return r;
}

// The file beside zef.ini that keeps the edition and the display, a "key=value"
// line each (fichier_plus.h).
constexpr const char* FICHIER_EDITION = "zef-plus.ini";
// The words the file and the command line use.
constexpr const char* MOT_CLASSIQUE = "classique";
constexpr const char* MOT_AMELIORE = "ameliore";

// The edition named by a word of the file or the command line; false for
// any other word.
bool edition_nommee(const char* mot, Edition& e);
const char* mot_edition(Edition e);
// The edition kept in the file; the classic one when the file is missing,
// unreadable or says something else.
Edition lire_edition(const char* chemin = FICHIER_EDITION);
// Writes it whole or not at all; false (and one line on stderr) on a failure.
bool ecrire_edition(Edition e, const char* chemin = FICHIER_EDITION);

#endif
