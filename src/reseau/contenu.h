// What two games must share to play the same fight: each fighter's
// animation file and pictures (their frames, boxes and sizes) and the stage
// datafile (its widths). Summed in the data folder, in a fixed order; a file
// missing counts as empty, so that both games find the same difference.
#ifndef ZEF_CONTENU_H
#define ZEF_CONTENU_H

#include <cstdint>
#include <string>
#include <vector>

// The files summed, relative to the data folder, in their order.
std::vector<std::string> fichiers_du_contenu();
// Their checksum (FNV-1a over each name, size and bytes).
uint64_t somme_du_contenu();

#endif
