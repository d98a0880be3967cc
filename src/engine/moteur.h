// The fight engine: one match between two fighters on one stage, from its
// set-up through its rounds to its result and teardown.
//
// A round is a logic tick (TickCombat, 60 per second) and a frame
// (ImageCombat) kept apart, so that a whole round can be driven tick by tick
// with a virtual clock and no display (see Horloge and the match runner).
#ifndef ZEF_MOTEUR_H
#define ZEF_MOTEUR_H

#include <functional>

#include "../fighter/perso.h"
#include "../graphics/objetgraph.h"
#include "../sound/son.h"
#include "../story/texte.h"
#include "compteursec.h"
#include "etatameliore.h"
#include "etatmatch.h"
#include "horloge.h"
#include "parammoteur.h"
#include "rejeu.h"

// How a round ended.
enum ResultatRound {
    ROUND_ABANDONNE = 0,
    KO_J1 = 1,
    KO_J2 = 2,
    ROUND_NUL = 3,
    TEMPS_J1 = 4,
    TEMPS_J2 = 5,
};

class Moteur {
public:
    int32_t stimer = 0;        // seconds left in the round
    COMPTEUR_SEC compteur_sec;
    Perso p1;
    Perso p2;
    BITMAP* buffer = nullptr;  // off-screen frame
    ObjetGraph Fight, Roundone, Roundtwo, FinalRound;
    ObjetGraph KO, perfect, timeup;
    ObjetGraph txtj1, txtj2;   // name plates
    CANALJEU sonjeu;
    int32_t fps = 0;
    int32_t mfps = 0;
    int32_t t = 0;             // seconds counted in this round (not the clock t)
    int32_t alpha = 0;
    int32_t priorP = 0;        // draw-order tie-break, toggled after each attack
    int32_t nbround = 2;
    int32_t nbwinp1 = 0;
    int32_t nbwinp2 = 0;
    bool p1touche = false;     // side 1 already hit by side 2's current attack frame
    bool p2touche = false;
    bool tremble = false;
    int32_t ftremb = 15;
    int32_t ttremble = 0;
    bool flashouille = false;
    int32_t vitesse = 0;       // period of the clock t last set, in ms
    FontClass font3;
    FontClass font_txt;

    // The edition's rules, taken from the match parameters when it starts.
    Regles regles;
    // The enhanced edition's part of the fight.
    EtatAmeliore plus;
    // Drawing only: the frame counter F3 shows in the enhanced edition, and
    // the logic ticks counted in the last second of real time.
    bool compteur_visible = false;
    int ticks_par_seconde = 0;
    // Where time comes from; the game uses the real timers.
    Horloge horloge;
    // The match's random generator, seeded by NewGame (or the match runner).
    Alea alea;
    // Logic ticks of fighting played in this match (round-end sequences aside).
    int64_t tick_match = 0;
    // When set, every tick's keys and checksum are written into it, and the
    // match's seed, result and final checksum.
    Rejeu* enregistrement = nullptr;
    // When set, the keys of every tick come from it, and the match saves no
    // experience: a replay.
    const Rejeu* rejeu = nullptr;
    // Hits landed by each side in this match (clean and guarded), for reports.
    int coups[2] = {0, 0};
    // Told of every hit as it lands, for balancing reports: the side that
    // struck (0 or 1), the slot that struck (60 + the projectile's slot for a
    // projectile), the life it took and whether it was guarded.
    std::function<void(int cote, int slot, int degats, bool garde)> sur_coup;
    // The pause screen, shown over the fight's last frame when Entrée is
    // pressed in the enhanced edition; true to leave the fight.
    std::function<bool(BITMAP* image)> sur_pause;

    Moteur() = default;
    explicit Moteur(Horloge h) : horloge(h) {}

    // Plays the whole match; returns when it is over or abandoned. The seed
    // is drawn afresh, or given (a replay's).
    void NewGame(ParamMoteur* PM);
    void NewGame(ParamMoteur* PM, uint64_t graine);

    // Set-up and teardown.
    void InitParamLvl(ParamMoteur* PM);
    void InitParamP1(ParamMoteur* PM);
    void InitParamP2(ParamMoteur* PM);
    void InitPersoP1(ParamMoteur* PM);
    void InitPersoP2(ParamMoteur* PM);
    void InitMoteur(ParamMoteur* PM);
    void NewRound(ParamMoteur* PM);
    void DestroyJeu(ParamMoteur* PM);
    // Everything of NewGame before the first round.
    void DebutMatch(ParamMoteur* PM);
    // Everything of NewGame after the last round: winner, experience, teardown.
    void FinMatch(ParamMoteur* PM);
    // The winner and the experience saved, without the teardown.
    void ResultatMatch(ParamMoteur* PM);
    // Counts a round's result; false when the match goes on.
    bool CompterRound(int resultat);

    // One round.
    int Gogogo(ParamMoteur* PM, int duree);
    void DebutRound(ParamMoteur* PM, int duree);
    bool RoundEnCours() const;
    // The seconds step: counts down and gives both fighters their mana;
    // true when a second was counted.
    bool PasSecondes();
    // One pass of the round's loop without its frame: every logic tick due.
    // True when one ran, and so the frame must be drawn again.
    bool PasseCombat(ParamMoteur* PM);
    // One logic tick, the same in the game and in the match runner: the
    // fight's clocks, the seconds step, then the fighters, hits and camera.
    void TickCombat(ParamMoteur* PM);
    void ImageCombat(ParamMoteur* PM);
    // The life that decides a round: the real one in the enhanced edition,
    // the bar's in the classic one.
    int VieDecisive(const Perso& p) const;
    // Who is ahead when the time is up: > 0 side 1, < 0 side 2, 0 even.
    int Avance() const;
    // The round's result once it is over, with the winner's experience.
    int FinRound(ParamMoteur* PM);
    void AffichPersos(ParamMoteur* PM);
    void SetVitesse(int a);

    // Hits.
    void TestInteraction();
    void TestCollision();
    void SeparerCorps(const ParamLvl& lvl);
    void TestAttaqueP1();
    void TestAttaqueP2();
    void FinAttaque(int a);
    static bool PointDansRect(int Px, int Py, int Sgx, int Sgy, int Idx, int Idy);
    static int RectDansRect(int Sgx1, int Sgy1, int Idx1, int Idy1, int Sgx2, int Sgy2, int Idx2, int Idy2);

    // Camera, shake and facing.
    void TesteScrollX(ParamLvl& par);
    void TesteScrollY(ParamLvl& par);
    void CameraVerticale(ParamLvl& par);
    bool TestTremble();
    void Tremble(ParamLvl& par);
    void TestFlip();

    // The round-end sequence.
    void Finpartie(ParamMoteur* PM);
    void DebutFinpartie(ParamMoteur* PM);
    // One tick of it, clocks included; true when it is over.
    bool TickFinpartie(ParamMoteur* PM);
    void ImageFinpartie(ParamMoteur* PM);
    void ConclureFinpartie();
    // The announcer's entry for the round about to start: 0 "ROUND 1",
    // 1 "ROUND 2", 2 "FINAL ROUND".
    int EntreeAnnonce() const;
    // What the round-end sequence shows now: its banner, the winner's line.
    bool BanniereVisible() const;
    bool LigneVisible() const { return !regles.banniere_d_abord || stade >= 1; }
    // Experience for the round's winner by the level difference.
    void RecompenseRound(ParamMoteur* PM, int resultat);

    // The whole state of the match in progress, and back. Restoring then
    // stepping plays exactly what followed the save; the sound channels and
    // what the drawing remembers are not part of it.
    EtatMatch Sauver(const ParamMoteur* PM) const;
    void Restaurer(const EtatMatch& e, ParamMoteur* PM);
    // The checksum of that state, every field of it.
    uint64_t SommeEtat(const ParamMoteur* PM) const;

    // What the drawing remembers of the fighters' order between two frames;
    // not part of the fight.
    struct OrdreDessin {
        bool valide = false;
        uint32_t version[2] = {0, 0};
        int32_t prior[2] = {0, 0};
    } ordre_dessin;

private:
    bool nouvelle_image_p1 = false;   // the animation took a new frame last tick
    bool nouvelle_image_p2 = false;
    // Round-end sequence state.
    const char* txt = "";
    bool p1win = true;
    bool p2win = true;
    int stade = -1;
    int32_t tps_stade = 0;
    bool fini = false;

    void TestAttaque(Perso& A, Perso& D, bool& dtouche, int cote);
    // The enhanced edition's round-end phases.
    void PhasesFinAmeliorees(ParamLvl& lvl);

    // The two kinds of logic tick: the fight, or the fight standing still
    // on a hit (hit-stop) while the keys are still read.
    void TickJeu(ParamMoteur* PM);
    void TickArret(ParamMoteur* PM);
    // Sparks, counters and the announcement grow older every tick.
    void VieillirEffets();
    // What a hit that landed sets off in the enhanced edition.
    void Impact(int cote, int px, int py, const Degat& deg, int degats, bool garde, bool projectile, bool reeling);
    void AfficheHud(ParamMoteur* PM);
    void AfficheEtincelles(const ParamLvl& lvl);
    void AfficheAnnonces();
    void ChargerEffets();
    void LibererEffets();
    BITMAP* images_etincelles[NB_GENRES_ETINCELLE] = {};
    BITMAP* marques[2] = {};   // a round won, a round to win
    // Copies the off-screen frame to the screen, when there is one.
    void Montrer();
    const ObjetGraph& BanniereFin(const ParamMoteur* PM) const;
};

#endif
