#include "appuis_clavier.h"

#include <allegro.h>

#include <atomic>

namespace {

// Written by the keyboard thread, read and cleared by the game's.
std::atomic<bool> appuyees[KEY_MAX];
std::atomic<bool> actif{false};

void crochet(int scancode) { noter_scancode(scancode); }

}  // namespace

void noter_scancode(int scancode)
{
    const int k = scancode & 0x7F;
    if ((scancode & 0x80) == 0 && k > 0 && k < KEY_MAX)
        appuyees[k].store(true);
}

void oublier_appuis()
{
    for (std::atomic<bool>& a : appuyees)
        a.store(false);
}

void guetter_appuis(bool guetter)
{
    oublier_appuis();
    actif.store(guetter);
    keyboard_lowlevel_callback = guetter ? crochet : nullptr;
}

bool appuis_guettes() { return actif.load(); }

bool appuye_depuis(int scancode)
{
    if (scancode <= 0 || scancode >= KEY_MAX)
        return false;
    return appuyees[scancode].exchange(false);
}
