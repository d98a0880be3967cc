// TrueType fonts as the screens hold them, and the fighters' taunt lines.
#ifndef ZEF_TEXTE_H
#define ZEF_TEXTE_H

#include <functional>
#include <string>
#include <vector>

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

// The game's fonts print Latin-1 bytes: UTF-8 text of the source code,
// converted. A character Latin-1 lacks becomes "?".
std::string en_latin1(const char* utf8);

// Cuts a text into lines no wider than `largeur` as `mesure` measures them,
// at spaces; a word wider than a line stands alone on its own. "\n" forces
// a new line.
std::vector<std::string> couper_lignes(const std::string& texte, int largeur,
                                       const std::function<int(const std::string&)>& mesure);

#endif
