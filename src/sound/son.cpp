#include "son.h"

constexpr int PAN_CENTRE = 128;
constexpr int FREQUENCE_NORMALE = 1000;

bool SON::retenus = false;
long SON::departs = 0;

bool SON::ouvrir(const char* chemin)
{
    sound = load_sample(chemin);
    ouvert = sound != nullptr;
    return ouvert;
}

void SON::fermer()
{
    if (sound)
        destroy_sample(sound);
    sound = nullptr;
    ouvert = false;
}

void SON::lire() { lire(static_cast<int>(volume_sonore), PAN_CENTRE); }

void SON::lire(int volume) { lire(volume, PAN_CENTRE); }

void SON::lire(int volume, int pan)
{
    if (ouvert && !retenus) {
        ++departs;
        play_sample(sound, volume, pan, FREQUENCE_NORMALE, 0);
    }
}

void SON::lire_boucle(int volume, int repeter)
{
    if (ouvert && !retenus) {
        ++departs;
        play_sample(sound, volume, PAN_CENTRE, FREQUENCE_NORMALE, repeter != 0);
    }
}

void SON::regler_boucle(int volume)
{
    if (ouvert)
        adjust_sample(sound, volume, PAN_CENTRE, FREQUENCE_NORMALE, 1);
}

bool SON::joue() const
{
    for (int v = 0; v < 256 && sound; ++v)
        if (voice_check(v) == sound)
            return true;
    return false;
}

void SON::stop()
{
    if (sound && !retenus)
        stop_sample(sound);
}
