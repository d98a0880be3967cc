// One fighter in a match: an animated sprite that also carries its controls,
// states, voices, projectile, statistics, CPU brain, life, mana and bars.
//
// Positions are stage pixels, y upward; velocities are tenths of a pixel per
// tick of t. The fighter faces left when its picture is mirrored.
#ifndef ZEF_PERSO_H
#define ZEF_PERSO_H

#include "../control/IA.h"
#include "../control/input.h"
#include "../graphics/objetanim.h"
#include "../graphics/projectile.h"
#include "../progression/paramjoueur.h"
#include "../shell/edition.h"
#include "../sound/son.h"
#include "etatperso.h"

// The numbers a fight uses, derived from the characteristics once per match.
struct DONNEES_PERSO {
    int32_t FOR = 0;   // effective characteristics
    int32_t DEX = 0;
    int32_t CON = 0;
    int32_t INT = 0;
    CARACTERISTIQUES carac;          // as the match began; its experience grows
    int32_t vitesse = 0;             // walking speed
    int32_t rapidite = 0;            // ticks taken off every long frame
    int32_t forcesaut = 0;           // jump impulse
    int32_t PV = 0;                  // life at the start of a round
    int32_t ManaMax = 0;
    int32_t ManaDebut = 0;
    int32_t AutoMana = 0;            // mana regained each second
    int32_t ManaTaunt = 0;
    int32_t bonusdegats = 0;         // added to every hit given
    int32_t bonusdegatsmagiques = 0; // added during a special move
    int32_t coefprotect = 0;         // divisor of damage taken through a guard
    int32_t nbcoupspommes = 0;       // hits in a series that leave the fighter dizzy
    char stagepath[50] = {};
};

// Animation slots the fighter plays.
enum SlotPerso {
    SLOT_REPOS = 0, SLOT_MARCHE = 1, SLOT_COURSE = 2, SLOT_BAISSE = 3, SLOT_RELEVE = 4,
    SLOT_SAUT = 5, SLOT_SAUT_AVANT = 6, SLOT_SAUT_ARRIERE = 7, SLOT_GARDE = 8, SLOT_GARDE_BAS = 9,
    SLOT_ESQUIVE = 11, SLOT_TAUNT = 18, SLOT_BAS = 19, SLOT_CHARGE = 27,
    SLOT_SPECIAL = 40,   // the eight special moves, 40 to 47
    SLOT_TOUCHE = 50, SLOT_TOUCHE_BAS = 51, SLOT_TOMBE = 53, SLOT_TOMBE_BAS = 54,
    SLOT_POMMES = 56, SLOT_A_TERRE = 58
};

class Perso : public ObjetAnim {
public:
    INPUT clav;
    CETAT status;
    CANALPERSO sonperso;
    Projectile Obj;
    int nObj = 0;               // 1 while the projectile flies
    bool Speencour = false;     // a special move is in progress
    int NCoupSpe = 0;           // its slot
    int32_t tps = 0;            // t when it began
    bool faitTrembler = false;  // requests to the engine: shake,
    int faitScrollerX = 0;      // scroll (set by no move),
    int faitScrollerY = 0;
    int faitRalentir = 0;       // slow motion
    DONNEES_PERSO donneesperso;
    IA ai;
    Regles regles;              // the edition's, set by the match
    Alea* alea = &alea_hors_match();   // the match's, once in a match
    PERSO pers = shiz;
    int bonusxp = 0;            // granted at the end of a won round
    int Vie = 0;                // may go below 0
    int Mana = 0;
    double dVie = 0;            // displayed life, draining down towards Vie
    int nbcoupsdonnes = 0;      // chained hits given
    bool ModeEvolution = false;
    int x_scr = 320;            // screen column handed to every sound
    int touches_imposees = -1;  // the keys a replay holds this tick; -1: read the controls
    // The enhanced edition's input buffer: an attack or special move asked
    // for while busy, kept for a few ticks and played on the first free one.
    static constexpr int32_t TICKS_TAMPON = 8;
    actionperso tampon = rien;
    int32_t tampon_ticks = 0;
    int32_t depuis_attaque = 0;  // ticks since a normal attack began
    // The projectile left from the current frame (the enhanced edition
    // launches one per frame, so a burst projectile is not thrown again).
    bool projectile_lance = false;

    // Core.
    void PersoVarInit(ParamJoueur p);
    // What a new round ends of the last one: a move cut short by the
    // round-end poses (an attack, a special move and its slow motion, a
    // flying projectile). The state set itself carries over.
    void NouveauRound();
    // Draws from the match's generator from now on, and so does its CPU.
    void LierAlea(Alea* a)
    {
        alea = a;
        ai.alea = a;
    }
    // Advances the animation; 1 when a new frame was taken.
    int NewAnim(ParamLvl par);
    // What follows the end of a one-shot animation.
    void FinAnim(ParamLvl par);
    void NewPos();
    void Affiche(BITMAP* dest, ParamLvl par) const;
    void getInfo(CETAT ad, int adx);
    int GetVie() const { return static_cast<int>(dVie); }
    void SetMana(int a) { Mana = a; }
    void DestroyPerso();
    // Every field of the fighter that a fight changes, its projectile's too.
    void Resumer(Somme& h) const;

    // Moves.
    void avancer();
    void reculer();
    void sauter();
    void sauterD();
    void sauterG();
    void PlanerAvt();
    void PlanerAr();
    void baisser();
    void sereleve();
    void StandBas();
    void stop() { Vx = 0; }
    void stopY() { Vy = 0; }
    void stopGauche();
    void stopDroit();
    void seretourne() { BmpFlip(); }
    void Protection();
    void ProtectionBas();
    void Taunt();
    void DansLesPommes();
    void PunchP();
    void PunchL();
    void PunchF();
    void Punchbas();
    void PunchbasFort();
    void Punchsaut();
    void PunchsautFort();
    void KickP();
    void KickL();
    void KickF();
    void Kickbas();
    void KickbasFort();
    void KicksautV();
    void KicksautVFort();
    void Kicksaut();
    void KicksautFort();
    void Course();
    void Charge();
    void Esquive();
    void SpecialPunch1();
    void SpecialPunch2();
    void SpecialKick1();
    void SpecialKick2();
    void SuperConcentre();
    void SuperVenere();
    void MegaConcentre();
    void MegaVenere();

    // Choice of move, from the keys or the CPU.
    void PlayerInput(ParamJoueur pl, ParamLvl plvl);
    // What the controls or the CPU ask for this tick.
    actionperso LireCommande(const ParamJoueur& pl);
    // A tick in which the fight stands still (hit-stop): the keys are read
    // and an attack asked for waits in the buffer.
    void LireSansAgir(const ParamJoueur& pl);
    // The enhanced edition's buffer and cancel window (see edition.h): the
    // code to act on this tick.
    actionperso CommandeTamponnee(actionperso code);
    // Busy: an animation that no control interrupts is running.
    bool Occupe() const;

    // Ground, walls and gravity.
    bool touchesol(ParamLvl par) const { return y == par.GetHteurSol(); }
    bool enlair(ParamLvl par) const { return y > par.GetHteurSol(); }
    bool BienEnLAir(ParamLvl par) const { return y < par.GetHteurSol() + 200; }
    bool retombe(ParamLvl par);
    bool touchegauche(ParamLvl par);
    bool touchedroit(ParamLvl par);
    void appliGrav(ParamLvl par) { Ay = -par.GetGravite(); }
    void enlevGrav(ParamLvl) { Ay = 0; }
    void TesteEnvir(ParamLvl par);

    // Hits, life and mana.
    void EstTouche(Degat d, int bonus, int Proteger);
    void RemMana(int a);
    void AddMana(int a);

    // Special moves.
    void SpeInit(ParamJoueur p);
    void SpeStartCoupSpe(int n);
    void SpeEvenSuiv(ParamLvl par);

    // Bars.
    void InitBarre();
    void AfficheBarre(BITMAP* dest) const;

    // Statistics and experience.
    void calculdonneesperso(CARACTERISTIQUES carac);
    void ajoutexp(int a);

protected:
    int joueur = 1;
    int Cvitdedeplacmt = 0;   // walking speed
    int Cvitdesaut = 0;       // jump impulse
    int Cvitdeplanmt = 10;    // air drift
    INFO info;
    int nbcoup = 0;           // hits taken while the displayed life was draining
    int32_t tdVie = 0;        // t at the last drain step
    ObjetGraph BarreFond;
    ObjetGraph BarreVie;
    ObjetGraph BarreVie2;
    ObjetGraph BarreMana;

    int sens() const { return EstRetourne() ? -1 : 1; }   // +1 facing right
    void voix(int n) { sonperso.jouer(0, n, x_scr); }
    void effet(int n) { sonperso.jouer(1, n, x_scr); }
    void magie(int n) { sonperso.jouer(2, n, x_scr); }
    // The mana cost on a slot's first frame; false when the slot is empty
    // (the move is then unavailable).
    bool CoutMana(int slot, int& cout) const;
    // Spends the cost of a costly move when there is strictly more mana than
    // it; false (nothing spent) otherwise or when the slot is empty.
    bool Payer(int slot, int& cout);
    void Attaque(int voix_, int effet_, bool arret, int slot);
    void CoupSpecial(int slot, bool quitteBas);
    // The two life steps that end every environment update.
    void FinDesPommes();
    void DrainVie();
};

#endif
