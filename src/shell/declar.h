// Shared enumerations and the game's global clocks and volumes.
#ifndef ZEF_DECLAR_H
#define ZEF_DECLAR_H

#include <allegro.h>

#include <atomic>
#include <cstdint>

enum PERSO { shiz = 0, talon = 1, vishvakarman = 2, panda = 3 };
enum STAGE { aeroport = 0, elbeuf = 1, inde = 2 };
enum ModeDeJeux { mode_versus = 0, mode_histoire = 1, mode_tournoi = 2 };

// The three clocks are bumped by timer callbacks on the library's timer
// thread while the game thread reads, decrements, resets and advances them,
// so every access goes through an atomic: no increment is ever lost.
extern std::atomic<int32_t> t;      // animation clock, one count per timer period (7 ms at start-up)
extern std::atomic<int32_t> gamet;  // pending 60 Hz logic ticks
extern std::atomic<int32_t> s;      // seconds
// Set while a fight advances t and s itself from its logic ticks: their
// timer callbacks then leave them alone.
extern std::atomic<bool> horloges_suspendues;

extern uint32_t volume_sonore;   // effects volume, 0..255
extern uint32_t volume_musique;  // music volume, 0..255; 0 also means no music at all
extern PALETTE palp1;            // receives the palette of every bitmap file loaded

// Timer callbacks.
void timer();
void gamespeed();
void sec();

// Periods of the callbacks as the library's interval timers take them.
constexpr int PERIODE_TIMER_DEMARRAGE_MS = 7;
constexpr long PERIODE_SEC_TICKS = 1193181;   // one second in hardware ticks
constexpr long PERIODE_JEU_TICKS = 19886;     // one sixtieth of a second

// Installs the three callbacks (timer every 7 ms, sec, gamespeed).
void installer_horloges();
// How many times faster than 60 a second the fights' ticks come: 1, or the
// ZEF_ACCELERE environment variable's value up to ACCELERATION_MAX (a knob
// for the scenarios that play whole story runs).
constexpr int ACCELERATION_MAX = 64;
int acceleration_des_combats();
// Changes the period of the animation clock; the value of t is kept.
void regler_periode_timer(int periode_ms);

#endif
