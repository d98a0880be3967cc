#!/usr/bin/env bash
# A human on the keyboard: shiz walks, jumps, guards, punches, and lands its
# right-right-punch combo, whose ki ball is then seen flying.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
# Player 2 on the keyboard too, and idle: shiz has room to act.
partie_prete "$data" j1_control=1 j2_control=1 mode_evolution=0 volume_sonore=200 volume_musique=200
# One game: walk, jump, punch, back, then up to sixteen tries of the combo.
# Sets $vu to 1 once the ki ball has been seen.
une_partie() {
  lancer "$zef"
  touche space
  sleep 1.5
  choisir_combat 0 1
  sleep 5                       # loading, then the round: mana builds up
  photo debut
  touche d 0.6                  # walk forward
  photo marche
  touche w 0.2                  # jump
  sleep 1
  touche t 0.1                  # light punch
  sleep 0.5
  touche a 0.5                  # back (a guard when the computer attacks)

  # Forward, forward, strong punch. A key counts in the history at once when
  # the last one counted is at least 16 ticks (about 100 ms) old, and the history
  # forgets after 36 ticks without one: short taps about 170 ms apart count once
  # each (a longer hold could count twice, and a punch that does not count at
  # once comes out as a plain punch). Whether the first tap counts depends on
  # where the history's clock stands, and shiz may face either way: try a few
  # times, as a player would.
  vu=0
  for essai in $(seq 16); do
    sleep 1.2
    photo "avant$essai"
    base=$(taches_couleur "avant$essai" 640x200+0+240 "74,199,255")
    avant=d; [ $((essai % 2)) = 0 ] && avant=a
    xdotool keydown $avant; sleep 0.03; xdotool keyup $avant; sleep 0.12
    xdotool keydown $avant; sleep 0.03; xdotool keyup $avant; sleep 0.12
    xdotool keydown y; sleep 0.03; xdotool keyup y
    for i in 1 2 3 4; do
      sleep 0.1
      photo "ki$essai-$i"
      # The ki ball's cyan ring, at fighting height: a new solid patch of it.
      n=$(taches_couleur "ki$essai-$i" 640x200+0+240 "74,199,255")
      if [ $(( n - base )) -gt 15 ]; then vu=1; photo projectile; break 2; fi
    done
  done
}

# Real-time input by hand is loose: a whole game that never lands it is played
# again, up to three times, before the test fails.
vu=0
for partie in 1 2 3; do
  une_partie
  [ $vu = 1 ] && break
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
done
verifier "the combo's ki ball flies across the screen" "$vu == 1"
verifier "walking changed the picture" "$(ecart debut marche) > 0.005"
touche Escape 0.4
sleep 2
touche Escape 0.4
attendre_fin 5
verifier "Escape ends the match, then the game" "$statut == 1"
exit $echec
