#!/usr/bin/env bash
# Every screen that takes the mouse draws its pointer (title, options,
# selection, credits, story dialogue); once both fighters are chosen a short
# key tap starts the match, every time; started outside its data folder the
# game says how to start it.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=1 volume_sonore=200 volume_musique=200

lancer "$zef"
touche space
sleep 1.5
photo titre
verifier_pointeur titre 520 140

cliquer_sur graphics/options0.bmp 110 320
verifier_pointeur options 520 300
cliquer_sur graphics/retour0.bmp 39 422

cliquer_sur graphics/credits0.bmp 154 371
sleep 0.5
verifier_pointeur credits 560 200
touche space
sleep 1

cliquer_sur graphics/versus0.bmp 123 198
sleep 0.5
verifier_pointeur selection 600 420
cliquer_sur graphics/shiz0.bmp 56 307
cliquer_sur graphics/talon0.bmp 145 307
verifier_pointeur selection_faite 600 420
touche Escape 0.2
sleep 0.5
touche Escape 0.2
sleep 0.5
touche Escape 0.2
sleep 1

cliquer_sur graphics/histoire0.bmp 87 227
sleep 1
verifier_pointeur dialogue 300 250
touche space
sleep 5
touche Escape 0.4
sleep 2

# A 30 ms tap, five times in a row.
departs=0
for essai in 1 2 3 4 5; do
  cliquer_sur graphics/versus0.bmp 123 198
  sleep 0.5
  cliquer_sur graphics/vishvakarman0.bmp 234 307
  cliquer_sur graphics/panda0.bmp 323 307
  photo "choix_$essai"
  touche space 0.03
  sleep 4
  photo "apres_tape_$essai"
  if awk -v e="$(ecart "choix_$essai" "apres_tape_$essai")" 'BEGIN { exit !(e > 0.05) }'; then
    departs=$((departs + 1))
    touche Escape 0.4      # leaves the match
  else
    touche Escape 0.2; sleep 0.4; touche Escape 0.2; sleep 0.4; touche Escape 0.2
  fi
  sleep 2
done
verifier "a 30 ms key tap starts the match every time" "$departs == 5"
touche Escape 0.4
attendre_fin 5

# From a folder that is not the data folder: a message, status 1.
ailleurs=$(mktemp -d)
(cd "$ailleurs" && timeout 20 "$zef" >"$travail/sortie.txt" 2>&1) &
attente=$!
sleep 3
pkill -x xmessage 2>/dev/null   # the message box, closed as a player would
wait "$attente"
statut=$?
rmdir "$ailleurs"
verifier "outside the data folder the game ends with status 1" "$statut == 1"
verifier "and says how to start it" "$(grep -c 'dossier de donnees introuvable.*zef.sh' "$travail/sortie.txt") >= 1"
exit $echec
