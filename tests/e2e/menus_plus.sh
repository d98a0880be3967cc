#!/usr/bin/env bash
# The enhanced edition's menus with the mouse and the keyboard: the volume
# sliders (saved, and where they were after a restart), Escape leaving the
# options, the missing joystick said, the "+" buttons' points left, and the
# stage chosen on the selection (with the arrow keys and VS, then with a
# click and Entrée) being the stage fought on.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
partie_prete "$data" j1_control=1 j2_control=1 mode_evolution=1 volume_sonore=200 volume_musique=200
echo edition=ameliore > "$jeu/zef-plus.ini"
# Shiz has earned two levels: two points to spend.
printf '\n10\n12\n9\n9\n0\n0\n0\n0\n2800\n3\n' > "$jeu/shiz/shiz.xp"

# The sliders' tracks: 282 from the left, SON's top at 273, MUSIQUE's at 312.
glisser() {  # glisser TRACK_Y FROM_X TO_X
  xdotool mousemove "$2" $(( $1 + 7 )); sleep 0.3
  xdotool mousedown 1; sleep 0.2
  xdotool mousemove $(( ($2 + $3) / 2 )) $(( $1 + 7 )); sleep 0.2
  xdotool mousemove "$3" $(( $1 + 30 )); sleep 0.3   # held, the pointer may stray below
  xdotool mouseup 1; sleep 0.4
}
ouvrir_options() { cliquer_sur graphics/options0.bmp 110 320; sleep 0.5; }

lancer "$zef"
touche space
sleep 1.5
photo titre
ouvrir_options
photo options_avant
glisser 273 480 340     # SON, from 200 down
glisser 312 480 290     # MUSIQUE, lower still
photo options_glissees
verifier "the knobs moved" "$(ecart options_avant options_glissees 260x60+270+262) > 0.005"
touche Escape
sleep 1
photo titre_retour
verifier "Escape leaves the options for the title screen" "$(ecart titre titre_retour) < 0.02"
son=$(sed -n 's/^volume_sonore=//p' "$jeu/zef.ini")
musique=$(sed -n 's/^volume_musique=//p' "$jeu/zef.ini")
echo "saved volumes: effects $son, music $musique"
# Where the pointer let go on each 250-pixel track: 58 and 8 pixels in.
verifier "the effects' volume is where its knob was let go" "${son:-0} >= 58 && ${son:-0} <= 60"
verifier "the music's volume too" "${musique:-0} >= 7 && ${musique:-0} <= 9"
verifier "zef.ini keeps its five lines" "$(wc -l < "$jeu/zef.ini") == 5"

# A restart reads them back: the knobs stand where they were left.
touche Escape 0.4
attendre_fin 5
lancer "$zef"
touche space
sleep 1.5
ouvrir_options
photo options_relance
verifier "after a restart the sliders show the saved volumes" \
  "$(ecart options_glissees options_relance 260x60+270+262) < 0.003"

# No joystick in this X server: choosing one for player 1 is answered.
photo sans_message
cliquer_sur graphics/manette0.bmp 417 111
cliquer 5 470
photo message
verifier "a joystick chosen with none connected is said" "$(ecart sans_message message 520x24+60+352) > 0.02"
cliquer_sur graphics/clavier0.bmp 290 101
cliquer_sur graphics/retour0.bmp 39 422

# Selection: the points left beside the statistics, then the stages.
cliquer_sur graphics/versus0.bmp 123 198
sleep 0.5
cliquer_sur graphics/shiz0.bmp 56 307
photo selection_j1
cliquer_sur graphics/talon0.bmp 145 307
sleep 0.5
photo decors
verifier "once both have chosen, the strip offers the stages" "$(ecart selection_j1 decors 360x100+50+300) > 0.05"
or_ecrit=$(convert "$travail/selection_j1.png" -crop 120x20+185+168 +repage -fuzz 15% -fill black +opaque 'rgb(255,210,90)' \
  -fill white -opaque 'rgb(255,210,90)' -colorspace Gray -format '%[fx:round(mean*w*h)]' info:)
verifier "shiz's points left are told beside the statistics, in gold" "$or_ecrit > 40"
# Shiz's stage is chosen first; two steps right: the temple (INDE).
touche Right
touche Right
sleep 0.3
photo inde
verifier "the arrow keys move the choice" "$(ecart decors inde 360x100+50+300) > 0.01"
cliquer 520 354   # the VS badge
sleep 3
touche Escape 0.4
sleep 2
# Talon's turn to be fought beside: the airport, clicked, then Entrée.
cliquer_sur graphics/versus0.bmp 123 198
sleep 0.5
cliquer_sur graphics/talon0.bmp 145 307
cliquer_sur graphics/panda0.bmp 323 307
sleep 0.5
cliquer_sur graphics/decor_aeroport0.bmp 56 307
touche Return
sleep 3
touche Escape 0.4
sleep 2
touche Escape 0.4
attendre_fin 5

verifier "two matches recorded" "$(ls "$jeu"/replays/*.zrp 2>/dev/null | wc -l) == 2"
premier=$(ls "$jeu"/replays/*.zrp | sort | sed -n 1p)
second=$(ls "$jeu"/replays/*.zrp | sort | sed -n 2p)
"$sim" --revoir "$premier" --data "$jeu" > "$travail/premier.txt" 2>&1
"$sim" --revoir "$second" --data "$jeu" > "$travail/second.txt" 2>&1
cat "$travail/premier.txt" "$travail/second.txt"
verifier "the stage chosen with the arrows is fought on" "$(grep -c 'shiz vs talon on inde' "$travail/premier.txt") == 1"
verifier "the stage clicked is fought on" "$(grep -c 'talon vs panda on aeroport' "$travail/second.txt") == 1"
exit $echec
