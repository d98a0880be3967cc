// The orderly end of the game after a file it cannot do without failed:
// leave the graphics mode so the message can be read, show it, exit with 1.
#ifndef ZEF_ERREUR_FATALE_H
#define ZEF_ERREUR_FATALE_H

[[noreturn]] void erreur_fatale(const char* message);

#endif
