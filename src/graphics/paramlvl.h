// The stage of a match: its background and the camera over it.
#ifndef ZEF_PARAMLVL_H
#define ZEF_PARAMLVL_H

#include <allegro.h>

#include <cstdint>

#include "../shell/declar.h"

class ParamLvl {
public:
    int32_t sx = 0;
    int32_t sy = 0;
    STAGE stage = aeroport;
    char* chem = nullptr;
    int32_t scrollx = 0;   // stage x of the left screen column
    int32_t scrolly = 0;   // stage y (upward from the bottom) of the bottom screen row
    BITMAP* fond = nullptr;

    static constexpr const char* FICHIER = "stage/stage.pak";

    // Loads the stage's background from the stage datafile. A stage that
    // cannot be loaded ends the game with a message: no match can be fought
    // without one. A value that names no stage loads nothing.
    void LoadBitmap(STAGE s);
    // Draws the 640 x 480 part of the background under the camera.
    void AfficheDecor(BITMAP* dest) const;
    void ClearF();
    // Releases the background (and the datafile object that held it).
    void destroy();

    int GetHteurSol() const { return 50; }
    int GetGravite() const { return 12; }

    // The datafile object name of a stage, or null for a value outside them.
    static const char* NomObjet(STAGE s);

protected:
    DATAFILE* data = nullptr;
};

#endif
