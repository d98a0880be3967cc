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

#endif
