#!/usr/bin/env bash
# The computer plays both sides of a whole match: a round with the stage,
# both fighters, their bars, plates and the countdown; a round-end banner;
# then the title screen again.
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

# A round lasts well under a minute between these two; its end shows a banner
# for a few seconds. Look for a frame that differs from the fight's HUD-less
# middle: sample the screen every second and keep the last shots.
fin=running
for i in $(seq 400); do
  sleep 1
  photo "t$((i % 12))"
  fin=$(attendre_fin 0)
  [ "$fin" = running ] || break
  # Back on the title screen: the match is over.
  if [ "$(ecart "t$((i % 12))" titre)" != "" ] && awk -v e="$(ecart "t$((i % 12))" titre)" 'BEGIN { exit !(e < 0.02) }'; then
    break
  fi
done

verifier "the stage fills the screen during a round" "$(lumiere round 640x300+0+100) > 0.15"
verifier "side 1's bars are drawn" "$(lumiere round 246x10+32+12) > 0.15"
verifier "side 2's bars are drawn" "$(lumiere round 246x10+362+12) > 0.15"
verifier "the countdown is drawn" "$(lumiere round 52x34+294+9) > 0.1"
verifier "the match ends on the title screen" "$(ecart "t$((i % 12))" titre) < 0.02"
touche Escape
verifier "Escape on the title screen ends the game with status 1" "$(attendre_fin 5) == 1"
exit $echec
