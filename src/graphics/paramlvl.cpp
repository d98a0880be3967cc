#include "paramlvl.h"

#include <cstdlib>

#include <cstdio>

#include "../shell/erreur_fatale.h"
#include "fichierpak.h"

const char* ParamLvl::NomObjet(STAGE s)
{
    switch (s) {
    case aeroport:
        return "aeroport";
    case elbeuf:
        return "iut";   // the town stage kept its first name in the datafile
    case inde:
        return "inde";
    }
    return nullptr;
}

void ParamLvl::LoadBitmap(STAGE s)
{
    const char* nom = NomObjet(s);
    if (!nom)
        return;
    if (const char* defaut = defaut_fichier_pak(FICHIER)) {
        char message[192];
        std::snprintf(message, sizeof message, "le fichier des decors %s est endommage (%s) : regenerez les donnees du jeu.",
                      FICHIER, defaut);
        erreur_fatale(message);
    }
    data = load_datafile_object(FICHIER, nom);
    fond = data ? static_cast<BITMAP*>(data->dat) : nullptr;
    if (!fond) {
        char message[128];
        std::snprintf(message, sizeof message, "probleme de chargement du decor %s (%s).", nom, FICHIER);
        erreur_fatale(message);
    }
}

void ParamLvl::AfficheDecor(BITMAP* dest) const
{
    if (fond)
        blit(fond, dest, scrollx, fond->h - (scrolly + 480), 0, 0, 640, 480);
}

void ParamLvl::ClearF()
{
    if (fond)
        clear(fond);
}

void ParamLvl::destroy()
{
    // The picture belongs to the datafile object: releasing the object
    // releases both.
    if (data)
        unload_datafile_object(data);
    else if (fond)
        destroy_bitmap(fond);
    data = nullptr;
    fond = nullptr;
}
