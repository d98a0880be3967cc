// The online screen: HÉBERGER waits for a caller on a port (this machine's
// addresses shown, to tell the other player), REJOINDRE calls the host whose
// address is typed with the keyboard, RETOUR goes back to the title. Status
// lines say what is happening. It ends with a link to the other game, or
// none when the player went back.
#ifndef ZEF_ENLIGNE_H
#define ZEF_ENLIGNE_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "../reseau/liaison.h"
#include "../story/texte.h"
#include "lien.h"

// The address being typed: Backspace takes the last character back, and
// only what an address holds is taken (letters, digits, '.', '-', ':'), up
// to 64 characters. True when the text changed.
bool saisir_adresse(std::string& texte, int caractere, int touche);

// Where the online screen begins: its buttons, or straight to hosting or
// calling (the command line's).
struct DepartEcranEnLigne {
    bool heberger = false;
    uint16_t port = PORT_PAR_DEFAUT;
    std::string rejoindre;
    Conditions reseau;
};

class EcranEnLigne {
public:
    ObjetGraph fond;
    LIEN heberger, rejoindre, retour;
    FontClass police;
    BITMAP* b = nullptr;
    BITMAP* curseur = nullptr;
    bool mouse_over = false;

    void init();
    void destroy();
    // Runs until connected (`hote`: this game took the call) or left (null).
    std::unique_ptr<Liaison> Connecter(CANALMENU& son, const DepartEcranEnLigne& depart, bool& hote);

    // The status lines as last shown (UTF-8), for the tests that read them.
    const std::vector<std::string>& lignes() const { return lignes_; }

private:
    enum class Etape { choix, attente, saisie, appel, connecte };
    void dessiner(Etape etape, const std::string& adresse);
    std::vector<std::string> lignes_;
};

// A message on the online screen's board until a key or a click (or a few
// seconds): how an online match ended badly. UTF-8.
void montrer_message_en_ligne(const std::vector<std::string>& lignes, CANALMENU& son);

#endif
