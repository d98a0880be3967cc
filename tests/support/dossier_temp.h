// A fresh temporary folder that the test works in (it becomes the current
// directory, as the game's data folder is), removed afterwards.
#ifndef ZEF_TEST_DOSSIER_TEMP_H
#define ZEF_TEST_DOSSIER_TEMP_H

#include <string>

class DossierTemp {
public:
    DossierTemp();
    ~DossierTemp();
    DossierTemp(const DossierTemp&) = delete;
    DossierTemp& operator=(const DossierTemp&) = delete;

    const std::string& chemin() const { return chemin_; }
    // Writes a file (creating its folders) relative to the folder.
    void ecrire(const std::string& relatif, const std::string& contenu) const;
    std::string lire(const std::string& relatif) const;

private:
    std::string chemin_;
    std::string ancien_;
};

// The game's generated data folder as the current directory, for the tests
// that play with the real fighters and stages; the library (without a
// system driver) and the text layer are up.
class DansLesDonnees {
public:
    DansLesDonnees();
    ~DansLesDonnees();
    DansLesDonnees(const DansLesDonnees&) = delete;
    DansLesDonnees& operator=(const DansLesDonnees&) = delete;

private:
    std::string ancien_;
};

#endif
