// The settings file "zef.ini" in the current directory: both sides' controls,
// the progression switch and the two volumes, as five key=value lines.
#ifndef ZEF_FICHIERCONFIG_H
#define ZEF_FICHIERCONFIG_H

#include "../engine/parammoteur.h"

// Both return false after showing an error in a message box (the display is
// then a 640 x 480 window); a setting the file does not give keeps its value.
bool chargerFichierConfig(ParamMoteur* pm);
bool saveFichierConfig(ParamMoteur* pm);

#endif
