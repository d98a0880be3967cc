#!/usr/bin/env bash
# Screenshots of the screens whose texts the game prints over our pictures,
# for review and for docs/screens: the fighter selection with progression on
# (with and without points to spend), the credits early and once the text
# has risen away, and the story's three dialogues. Set ZEF_KEEP_SHOTS=DIR
# to keep them.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=1 volume_sonore=200 volume_musique=200

lancer "$zef"
touche space
sleep 1.5
photo titre

# The story first (a key left over from another screen would skip its
# first dialogue): a dialogue before each of the three fights. Shiz, played
# by the computer too, is made strong enough to win them, with a point to
# spend.
printf '\n20\n20\n20\n9\n0\n0\n0\n0\n2800\n3\n' > "$jeu/shiz/shiz.xp"
cliquer_sur graphics/histoire0.bmp 87 227
xdotool mousemove 630 10
sleep 1.5
photo dialogue-talon
for adversaire in vishvakarman panda; do
  touche space
  vu=0
  for _ in $(seq 400); do
    sleep 1
    photo vue
    # Shiz's portrait band is back where the dialogues show it.
    if awk -v e="$(ecart vue dialogue-talon 270x60+40+96)" 'BEGIN { exit !(e < 0.01) }'; then vu=1; break; fi
  done
  sleep 1
  photo "dialogue-$adversaire"
  verifier "the dialogue before $adversaire" "$vu == 1"
done
# Escape leaves the last fight for the title screen.
sleep 3
touche Escape 0.4
sleep 2
printf '\n10\n12\n9\n9\n0\n0\n0\n0\n2800\n3\n' > "$jeu/shiz/shiz.xp"

# The selection: Shiz with points to spend against the panda, then Talon
# against Vishvakarman with none.
cliquer_sur graphics/versus0.bmp 123 198
sleep 0.5
cliquer_sur graphics/shiz0.bmp 56 307
cliquer_sur graphics/panda0.bmp 323 307
xdotool mousemove 600 470; sleep 0.5
photo selection-points
touche Escape; touche Escape
cliquer_sur graphics/talon0.bmp 145 307
cliquer_sur graphics/vishvakarman0.bmp 234 307
xdotool mousemove 600 470; sleep 0.5
photo selection
touche Escape; touche Escape; touche Escape
sleep 1

# The credits: the text rises from below; after a minute it has gone.
cliquer_sur graphics/credits0.bmp 154 371
xdotool mousemove 630 10
sleep 12
photo credits
sleep 50
photo credits-later

touche space
sleep 1
touche Escape 0.4
kill -9 "$pid" 2>/dev/null
exit $echec
