// TrueType fonts as the screens hold them, and the fighters' taunt lines.
#ifndef ZEF_TEXTE_H
#define ZEF_TEXTE_H

#include "../platform/ttftext.h"
#include "../shell/declar.h"
#include "../shell/edition.h"

class FontClass {
public:
    ALFONT_FONT* font = nullptr;

    // Shows "Cannot load the font" when the file cannot be loaded; the font
    // then stays empty and printing with it draws nothing.
    void charger(const char* txt);
    void taille(int fontsize);
    void destroy();
};

class dialogue {
public:
    static constexpr int NB_REPLIQUES = 10;
    // A random taunt of fighter p (Latin-1 text), from the edition's lines.
    const char* dialoguer(PERSO p, Edition e = Edition::classique);
};

#endif
