// zef-plus.ini, the settings the five-line zef.ini has no room for: one
// "key=value" per line. Each setting reads and writes its own line and
// leaves the others as they are, so that a setting it does not know (written
// by a newer version) survives an older one.
#ifndef ZEF_FICHIER_PLUS_H
#define ZEF_FICHIER_PLUS_H

#include <optional>
#include <string>

// The value after "key=" on the first line that starts so, without its line
// end; nothing when the file or the line is missing. A file too long to be
// ours is read as empty.
std::optional<std::string> lire_cle(const char* chemin, const char* cle);

// Sets the key's line (added at the end if missing), atomically. False, with
// one line on stderr, when the file cannot be written: the value then holds
// for this session only.
bool ecrire_cle(const char* chemin, const char* cle, const std::string& valeur);

#endif
