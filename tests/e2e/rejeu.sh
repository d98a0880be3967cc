#!/usr/bin/env bash
# A keyboard player against the computer, played with real key presses
# (walks, jumps, punches, kicks, shiz's ki blast): the match is recorded
# under replays/; played again headless by zef-sim it ends with the recorded
# winner and checksum, and so it does played again in the window (at four
# times the pace).
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
partie_prete "$data" j1_control=1 j2_control=0 mode_evolution=0 volume_sonore=200 volume_musique=200

lancer "$zef"
touche space
sleep 1.5
photo titre
choisir_combat 0 3      # shiz at the keyboard against the computer's panda
sleep 5
# Fight until the title screen is back.
fini=0
for i in $(seq 120); do
  touche d 0.6
  touche w 0.05
  touche t 0.05
  touche g 0.05
  touche s 0.12; touche d 0.12; touche y 0.05    # down, forward, strong punch
  sleep 0.3
  photo vue
  if awk -v e="$(ecart vue titre)" 'BEGIN { exit !(e < 0.02) }'; then fini=1; break; fi
done
verifier "the match was played to its end" "$fini == 1"
touche Escape 0.4
attendre_fin 5

rejeu=$(ls "$jeu"/replays/*-shiz-panda.zrp 2>/dev/null | head -1)
verifier "the match was recorded under replays/" "$(ls "$jeu"/replays/*.zrp 2>/dev/null | wc -l) == 1"
[ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$rejeu" "$ZEF_KEEP_SHOTS/"
"$sim" --revoir "$rejeu" --data "$jeu" > "$travail/sim.txt" 2>&1
statut_sim=$?
cat "$travail/sim.txt"
verifier "played again headless, it is the recorded match" "$statut_sim == 0"
verifier "zef-sim says so" "$(grep -c 'as recorded' "$travail/sim.txt") == 1"
touches_tenues=$(od -An -tu1 -v "$rejeu" | wc -w)
verifier "the record is small" "$touches_tenues < 200000"

# In the window, as it was played, at four times its pace: a tick does the
# same whenever it comes.
(cd "$jeu" && ZEF_ACCELERE=4 timeout 400 "$zef" --revoir "$rejeu" > "$travail/fenetre.txt" 2>&1) &
attente=$!
sleep 4
photo rejeu
wait "$attente"
statut_fenetre=$?
cat "$travail/fenetre.txt"
verifier "the replay shows the fight" "$(lumiere rejeu 640x300+0+100) > 0.15"
verifier "played again in the window, it is the recorded match" "$statut_fenetre == 0"
verifier "with the recorded winner and checksum" \
  "$(grep -c "$(grep -o 'winner [12], final checksum [0-9a-f]*' "$travail/sim.txt")" "$travail/fenetre.txt") == 1"
exit $echec
