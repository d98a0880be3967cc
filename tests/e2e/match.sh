#!/usr/bin/env bash
# The computer plays both sides of a whole match: a round with the stage,
# both fighters, their bars, plates and the countdown; a round-end sequence
# with its banner; then the title screen again.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=0 volume_sonore=200 volume_musique=200
lancer "$zef"
touche space            # ends the intro
sleep 1.5
photo titre
choisir_combat 0 1      # shiz against talon, at the airport
sleep 8
photo round

# Watch the match: the round-end sequences print the winner's line in green
# under the fighters; a few seconds later their banner shows. The match is over
# when the title screen is back.
banniere=0
fini=0
for i in $(seq 500); do
  sleep 0.7
  photo vue
  if [ "$(taches_couleur vue 640x60+0+385 "66,191,84")" -gt 50 ] && [ $banniere = 0 ]; then
    sleep 4.5
    photo banniere
    banniere=1
  fi
  if [ $banniere = 1 ] && awk -v e="$(ecart vue titre)" 'BEGIN { exit !(e < 0.02) }'; then fini=1; break; fi
done

verifier "the stage fills the screen during a round" "$(lumiere round 640x300+0+100) > 0.15"
verifier "side 1's life and mana bars" "$(lumiere round 246x34+32+12) > 0.15"
verifier "side 2's life and mana bars" "$(lumiere round 246x34+362+12) > 0.15"
verifier "the countdown" "$(lumiere round 52x34+294+9) > 0.15"
verifier "the name plates" "$(lumiere round 80x22+30+53) > 0.1"
verifier "a round-end banner in the middle of the view" "$banniere == 1 && $(ecart round banniere 300x140+170+170) > 0.05"
verifier "the match ends on the title screen" "$fini == 1"
touche Escape
attendre_fin 5
verifier "Escape on the title screen ends the game with status 1" "$statut == 1"
exit $echec
