#!/usr/bin/env bash
# The window's close button quits the game with status 1, on the title
# screen and in the middle of a fight, and leaves the fighters' progress
# files as they were.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
fermer=$3
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=1 volume_sonore=200 volume_musique=200
progres() { cat "$jeu"/*/*.xp | md5sum; }
avant=$(progres)

lancer "$zef"
touche space            # ends the intro
sleep 1.5
"$fermer" Quendavorin
attendre_fin 5
verifier "closing the window on the title screen quits with status 1" "\"$statut\" == \"1\""

lancer "$zef"
touche space
sleep 1.5
choisir_combat 2 3      # vishvakarman against panda
sleep 6
photo combat
"$fermer" Quendavorin
attendre_fin 5
verifier "a fight was on when the window was closed" "$(lumiere combat 246x34+32+12) > 0.15"
verifier "closing the window in a fight quits with status 1" "\"$statut\" == \"1\""
verifier "the progress files are as they were" "\"$(progres)\" == \"$avant\""
exit $echec
