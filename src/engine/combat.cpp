#include "moteur.h"
#include "../control/appuis_clavier.h"
#include "../shell/affichage.h"
#include "../shell/fenetre.h"

#include <algorithm>
#include <chrono>

namespace {

bool special_en_cours(const Perso& p) { return p.Speencour || p.nObj != 0; }

}  // namespace

int Moteur::Gogogo(ParamMoteur* PM, int duree)
{
    DebutRound(PM, duree);
    bool f3 = false;
    // The tick rate is counted on the wall clock: the fight's own clocks
    // move with the ticks.
    auto seconde = std::chrono::steady_clock::now();
    int64_t ticks_seconde = tick_match;
    while (RoundEnCours()) {
        poll_keyboard();
        if (key[KEY_ESC]) {
            rest(250);
            return ROUND_ABANDONNE;
        }
        // Alt+Enter switches the display, not the pause.
        const bool entree = key[KEY_ENTER] || (appuis_guettes() && appuye_depuis(KEY_ENTER));
        if (regles.pause && sur_pause && entree && !alt_tenu()) {
            // The fight stands still under the pause: no tick is owed for it.
            ImageCombat(PM);
            const bool quitter = sur_pause(buffer);
            clear_bitmap(buffer);
            gamet = 0;
            oublier_appuis();
            if (quitter)
                return ROUND_ABANDONNE;
        }
        if (regles.compteur_images_cache) {
            if (key[KEY_F3] && !f3)
                compteur_visible = !compteur_visible;
            f3 = key[KEY_F3];
            const auto maintenant = std::chrono::steady_clock::now();
            if (maintenant - seconde >= std::chrono::seconds(1)) {
                ticks_par_seconde = static_cast<int>(tick_match - ticks_seconde);
                ticks_seconde = tick_match;
                seconde = maintenant;
            }
        }
        // Nothing changed since the last frame: wait rather than draw the
        // same frame thousands of times a second.
        if (!PasseCombat(PM)) {
            rest(1);
            continue;
        }
        ImageCombat(PM);
        Montrer();
        clear_bitmap(buffer);
    }
    return FinRound(PM);
}

void Moteur::DebutRound(ParamMoteur* PM, int duree)
{
    s = 0;
    t = 0;
    gamet = 1;   // the first pass runs exactly one tick
    stimer = duree;
    p1.x_scr = p2.x_scr = 320;
    if (!PM->ModeEvolution)
        p1.donneesperso.carac.experience = p2.donneesperso.carac.experience = 0;
    clear_bitmap(buffer);
    p1.SetAnim(0);
    p2.SetAnim(0);
    nouvelle_image_p1 = nouvelle_image_p2 = false;
    ordre_dessin.valide = false;
    ++plus.numero_round;
    if (regles.annonce_round) {
        plus.annonce = EtatAmeliore::TICKS_ANNONCE;
        sonjeu.jouer(1, EntreeAnnonce());
    }
}

bool Moteur::RoundEnCours() const { return VieDecisive(p1) >= 1 && VieDecisive(p2) >= 1 && stimer >= 0; }

int Moteur::VieDecisive(const Perso& p) const { return regles.ko_vie_reelle ? p.Vie : p.GetVie(); }

int Moteur::Avance() const
{
    const int64_t v1 = VieDecisive(p1), v2 = VieDecisive(p2);
    if (!regles.temps_a_la_part)
        return v1 > v2 ? 1 : v1 < v2 ? -1 : 0;
    // The shares of full life, compared without rounding.
    const int64_t part1 = v1 * std::max(1, p2.donneesperso.PV), part2 = v2 * std::max(1, p1.donneesperso.PV);
    return part1 > part2 ? 1 : part1 < part2 ? -1 : 0;
}

bool Moteur::PasseCombat(ParamMoteur* PM)
{
    // A tick past the round's end would be one the match runner never
    // plays: the fight stops where the round does.
    bool tick = false;
    while (gamet > 0 && RoundEnCours()) {
        TickCombat(PM);
        --gamet;
        tick = true;
    }
    return tick;
}

bool Moteur::PasSecondes()
{
    // Once per pass, and only when s is exactly one ahead.
    if (s != t + 1)
        return false;
    ++t;
    --stimer;
    mfps = fps;
    fps = 0;
    p1.AddMana(p1.donneesperso.AutoMana);
    p2.AddMana(p2.donneesperso.AutoMana);
    return true;
}

void Moteur::TickCombat(ParamMoteur* PM)
{
    if (rejeu) {
        const uint32_t e = tick_match < static_cast<int64_t>(rejeu->entrees.size()) ? rejeu->entrees[tick_match] : 0;
        p1.touches_imposees = static_cast<int>(e & 0xFFFF);
        p2.touches_imposees = static_cast<int>(e >> 16);
    } else if (horloge.reelle()) {
        poll_keyboard();
        poll_joystick();
    }
    if (plus.arret > 0)
        TickArret(PM);
    else
        TickJeu(PM);
    VieillirEffets();
    ++tick_match;
    if (enregistrement) {
        // A computer side reads no keys: it records none.
        const auto tenues = [](const Perso& p, const ParamJoueur& j) -> uint32_t {
            return j.control == CONTROLE_CPU ? 0 : p.clav.lues;
        };
        enregistrement->entrees.push_back(tenues(p1, PM->parP1) | tenues(p2, PM->parP2) << 16);
        enregistrement->sommes.push_back(static_cast<uint32_t>(SommeEtat(PM)));
    }
}

void Moteur::TickJeu(ParamMoteur* PM)
{
    horloge.avancer();
    // While the round is announced the controls are locked and the
    // countdown waits for "FIGHT".
    const bool verrou = plus.annonce > 0;
    if (verrou) {
        if (--plus.annonce == 0) {
            t = s;
            plus.fight = EtatAmeliore::TICKS_FIGHT;
            sonjeu.jouer(1, 3);
        }
    } else {
        PasSecondes();
    }
    ParamLvl& lvl = PM->Parlvl;
    p1.getInfo(p2.status, p2.GetX());
    p2.getInfo(p1.status, p1.GetX());
    if (!verrou) {
        p1.PlayerInput(PM->parP1, lvl);
        p2.PlayerInput(PM->parP2, lvl);
    }
    if (p2touche && nouvelle_image_p1)
        FinAttaque(2);
    if (p1touche && nouvelle_image_p2)
        FinAttaque(1);
    TestInteraction();
    p1.TesteEnvir(lvl);
    p2.TesteEnvir(lvl);
    nouvelle_image_p1 = p1.NewAnim(lvl) != 0;
    nouvelle_image_p2 = p2.NewAnim(lvl) != 0;
    if (special_en_cours(p1))
        p1.SpeEvenSuiv(lvl);
    if (special_en_cours(p2))
        p2.SpeEvenSuiv(lvl);
    SetVitesse(p1.faitRalentir != 0 || p2.faitRalentir != 0 ? 12 : 6);
    p1.NewPos();
    p2.NewPos();
    // Once everyone has moved and taken its frame: the tick ends apart.
    if (regles.corps_solides)
        SeparerCorps(lvl);
    TesteScrollX(lvl);
    TesteScrollY(lvl);
    TestTremble();
    if (tremble)
        Tremble(lvl);
    if (plus.secousse > 0) {
        lvl.scrollx += plus.secousse % 2 == 1 ? 4 : -4;
        --plus.secousse;
    }
}

void Moteur::TickArret(ParamMoteur* PM)
{
    // Time stands still: no clock, no motion; a key pressed now waits in
    // the buffer for the first free tick.
    --plus.arret;
    p1.LireSansAgir(PM->parP1);
    p2.LireSansAgir(PM->parP2);
}

void Moteur::ImageCombat(ParamMoteur* PM)
{
    ++fps;
    PM->Parlvl.AfficheDecor(buffer);
    if (regles.hud_devant) {
        AffichPersos(PM);
        AfficheEtincelles(PM->Parlvl);
        AfficheHud(PM);
        AfficheAnnonces();
    } else {
        // The fighters are drawn over the bars and texts.
        AfficheHud(PM);
        AffichPersos(PM);
    }
}

void Moteur::AfficheHud(ParamMoteur* PM)
{
    p1.AfficheBarre(buffer);
    p2.AfficheBarre(buffer);
    txtj1.AfficheEcran(buffer);
    txtj2.AfficheEcran(buffer);
    if (!regles.compteur_images_cache)
        textprintf_ex(buffer, font, 5, 5, makecol16(0, 0, 0), -1, "%dfps", mfps);
    else if (compteur_visible)
        textprintf_ex(buffer, font, 5, 5, makecol16(255, 255, 255), makecol16(0, 0, 0), "%d fps  %d ticks/s", mfps,
                      ticks_par_seconde);
    compteur_sec.afficher(buffer, stimer);
    const int noir = makecol16(0, 0, 0);
    const int or_ = makecol16(239, 233, 83);
    if (regles.marques_icones) {
        // Round wins as marks under the life bars, by the countdown.
        for (int i = 0; i < nbround; ++i) {
            BITMAP* m1 = marques[i < nbwinp1 ? 0 : 1];
            BITMAP* m2 = marques[i < nbwinp2 ? 0 : 1];
            if (m1)
                draw_sprite(buffer, m1, 258 - 24 * i, 78);
            if (m2)
                draw_sprite(buffer, m2, 362 + 24 * i, 78);
        }
    } else {
        if (nbwinp1 == 1) {
            alfont_textout(buffer, font3.font, "V", 11, 36, noir);
            alfont_textout(buffer, font3.font, "V", 10, 35, or_);
        }
        if (nbwinp2 == 1) {
            alfont_textout(buffer, font3.font, "V", 616, 36, noir);
            alfont_textout(buffer, font3.font, "V", 615, 35, or_);
        }
    }
    if (PM->ModeEvolution) {
        const int blanc = makecol16(255, 255, 255);
        const int bleu = makecol16(0, 52, 99);
        const int xp1 = static_cast<int>(p1.donneesperso.carac.experience);
        const int xp2 = static_cast<int>(p2.donneesperso.carac.experience);
        alfont_textprintf_aa(buffer, font3.font, 36, 77, blanc, "%d", xp1);
        alfont_textprintf_aa(buffer, font3.font, 34, 75, blanc, "%d", xp1);
        alfont_textprintf_aa(buffer, font3.font, 35, 76, bleu, "%d", xp1);
        alfont_textprintf_right_aa(buffer, font3.font, 604, 75, blanc, "%d", xp2);
        alfont_textprintf_right_aa(buffer, font3.font, 606, 77, blanc, "%d", xp2);
        alfont_textprintf_right_aa(buffer, font3.font, 605, 76, bleu, "%d", xp2);
    }
}

void Moteur::Montrer()
{
    montrer_image(buffer);
}

int Moteur::FinRound(ParamMoteur* PM)
{
    clear_bitmap(buffer);
    const int v1 = VieDecisive(p1), v2 = VieDecisive(p2);
    int resultat = ROUND_NUL;
    if (v1 > 0 && v2 <= 0)
        resultat = KO_J1;
    else if (v1 <= 0 && v2 > 0)
        resultat = KO_J2;
    else if (v1 <= 0 && v2 <= 0)
        resultat = ROUND_NUL;
    else if (stimer <= 0 && Avance() > 0)
        resultat = TEMPS_J1;
    else if (stimer <= 0 && Avance() < 0)
        resultat = TEMPS_J2;
    RecompenseRound(PM, resultat);
    return resultat;
}

void Moteur::AffichPersos(ParamMoteur* PM)
{
    // The priorities the last frame settled stand until the fight writes
    // them again.
    const Perso* const persos[2] = {&p1, &p2};
    int32_t prior[2];
    for (int i = 0; i < 2; ++i) {
        const CETAT& etat = persos[i]->status;
        prior[i] = ordre_dessin.valide && ordre_dessin.version[i] == etat.version ? ordre_dessin.prior[i] : etat.Prior;
        // A special move or a projectile in flight is drawn in front.
        if (special_en_cours(*persos[i]))
            prior[i] = 2;
    }
    if (prior[0] == prior[1]) {
        prior[0] = priorP != 0 ? 1 : 0;
        prior[1] = priorP != 0 ? 0 : 1;
    }
    for (int i = 0; i < 2; ++i) {
        ordre_dessin.prior[i] = prior[i];
        ordre_dessin.version[i] = persos[i]->status.version;
    }
    ordre_dessin.valide = true;
    if (prior[0] > prior[1]) {
        p2.Affiche(buffer, PM->Parlvl);
        p1.Affiche(buffer, PM->Parlvl);
    } else {
        p1.Affiche(buffer, PM->Parlvl);
        p2.Affiche(buffer, PM->Parlvl);
    }
}

void Moteur::SetVitesse(int a)
{
    if (a == vitesse)
        return;
    vitesse = a;
    horloge.periode(a);
}
