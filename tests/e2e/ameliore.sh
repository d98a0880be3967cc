#!/usr/bin/env bash
# The enhanced edition played by two keyboard players at a human's speed:
# presses of 60-120 ms, gaps of 80-200 ms. Four matches cover each fighter's
# first special move ten times, five from each side (so facing both ways);
# every sequence typed releases it. The round is announced before the
# controls answer. What was released is read from each match's record,
# played again headless.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
partie_prete "$data" j1_control=1 j2_control=1 mode_evolution=0 volume_sonore=200 volume_musique=200
echo "edition=ameliore" > "$jeu/zef-plus.ini"

appui=(0.06 0.09 0.12 0.075 0.105)
ecart=(0.08 0.2 0.12 0.16 0.1)
n=0
# One attempt at a sequence of keys, its timings taken in turn from the lists.
tenter() {
  for k in "$@"; do
    xdotool keydown "$k"; sleep "${appui[n % 5]}"; xdotool keyup "$k"; sleep "${ecart[n % 5]}"
    n=$((n + 1))
  done
}
# Forward is towards the opponent: right for side 1, left for side 2.
sequence_j1() { if [ "$1" = 0 ]; then echo d d y; else echo s d y; fi; }
sequence_j2() { if [ "$1" = 0 ]; then echo Left Left p; else echo Down Left p; fi; }

lancer "$zef"
touche space
sleep 1.5
photo titre
premier=1
for paire in "0 1" "2 3" "1 0" "3 2"; do
  set -- $paire
  choisir_combat "$1" "$2"
  if [ $premier = 1 ]; then
    # The round's announcement, then the fight without it.
    for i in 1 2 3 4 5 6; do sleep 0.3; photo "annonce$i"; done
    sleep 3
    photo combat
    annonce=0
    for i in 1 2 3 4 5 6; do
      e=$(ecart "annonce$i" combat 300x120+170+140)
      awk -v e="$e" 'BEGIN { exit !(e > 0.08) }' && annonce=1
    done
    verifier "ROUND 1 is announced in the middle of the screen" "$annonce == 1"
    premier=0
  else
    sleep 4.5
  fi
  # Enough mana for the first special move.
  sleep 2
  for essai in 1 2 3 4 5; do
    tenter $(sequence_j1 "$1")
    sleep 1.2
    tenter $(sequence_j2 "$2")
    sleep 1.2
  done
  touche Escape 0.4
  sleep 2
done
touche Escape 0.4
attendre_fin 5

verifier "four matches recorded" "$(ls "$jeu"/replays/*.zrp 2>/dev/null | wc -l) == 4"
for rejeu in "$jeu"/replays/*.zrp; do
  "$sim" --revoir "$rejeu" --data "$jeu" > "$travail/sim.txt" 2>&1
  cat "$travail/sim.txt"
  verifier "$(basename "$rejeu"): played again, it is the recorded match" "$(grep -c 'as recorded' "$travail/sim.txt") == 1"
  for cote in 1 2; do
    lances=$(sed -n "s/^side $cote special 40: //p" "$travail/sim.txt")
    verifier "$(basename "$rejeu"): side $cote released its first special move 5 times in 5" "${lances:-0} == 5"
  done
done
exit $echec
