#!/usr/bin/env bash
# The enhanced edition decides a round that runs out of time on the share
# of full life each fighter has left, as the bars show it. Shiz (750 points
# without progression) lands a light punch or two on panda (920) and then
# nobody moves: shiz has fewer points left but all of them, so the round is
# shiz's, where counting points would have given it to panda. The TIME UP
# banner shows and the round mark goes under shiz's bar; the match's record,
# played again headless, tells how the round ended and with what lives.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
partie_prete "$data" j1_control=1 j2_control=1 mode_evolution=0 volume_sonore=200 volume_musique=200
echo edition=ameliore > "$jeu/zef-plus.ini"

lancer "$zef"
touche space
sleep 1.5
choisir_combat 0 3
# The announcement, then shiz walks up to panda and punches.
sleep 2.5
photo debut
xdotool keydown d; sleep 1.2; xdotool keyup d
for coup in 1 2; do touche t 0.08; sleep 0.6; done
sleep 1
photo apres_coups
verifier "panda's bar is shorter after the punches" "$(ecart debut apres_coups 246x34+362+12) > 0.002"
# The rest of the minute with nobody touching anything; the banner is looked
# for from a few seconds before the countdown ends.
sleep 48
photo attente
banniere=0
for i in $(seq 40); do
  photo "fin$i"
  e=$(ecart attente "fin$i" 640x200+0+140)
  if awk -v e="$e" 'BEGIN { exit !(e > 0.04) }'; then
    [ $banniere = 0 ] && banniere=$i
  fi
  sleep 0.25
done
verifier "the TIME UP banner is shown at the end of the round" "$banniere > 0"
# Round two has begun: the round is marked under shiz's bar, not panda's.
verifier "shiz's bar gains a round mark" "$(ecart attente fin40 44x20+232+80) > 0.03"
verifier "panda's marks stay as they were" "$(ecart attente fin40 44x20+356+80) < 0.01"
touche Escape 0.4
sleep 2
touche Escape 0.4
attendre_fin 5

rejeu=$(ls "$jeu"/replays/*.zrp 2>/dev/null | head -1)
verifier "the match is recorded" "$(printf '%s' "$rejeu" | wc -c) > 0"
[ -n "${ZEF_KEEP_SHOTS:-}" ] && [ -n "$rejeu" ] && cp "$rejeu" "$ZEF_KEEP_SHOTS/"
"$sim" --revoir "$rejeu" --data "$jeu" > "$travail/sim.txt" 2>&1
cat "$travail/sim.txt"
verifier "played again, it is the recorded match" "$(grep -c 'as recorded' "$travail/sim.txt") == 1"
ligne=$(grep '^round 1: ' "$travail/sim.txt")
verifier "round 1 ran out of time and went to shiz" "$(printf '%s' "$ligne" | grep -c 'time-up won by side 1')  == 1"
read -r v1 p1 v2 p2 < <(printf '%s' "$ligne" | sed -n 's/.*lives \([0-9]*\)\/\([0-9]*\) and \([0-9]*\)\/\([0-9]*\).*/\1 \2 \3 \4/p')
verifier "panda was hit" "${v2:-0} < ${p2:-0}"
verifier "shiz kept the larger share" "${v1:-0} * ${p2:-0} > ${v2:-0} * ${p1:-1}"
verifier "while panda kept more points" "${v2:-0} > ${v1:-0}"
exit $echec
