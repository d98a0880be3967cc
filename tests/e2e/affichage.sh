#!/usr/bin/env bash
# The game on a 1920x1080 desktop: a window at 1x, at 2x and at the largest
# size that fits, and full screen with the 4:3 picture centred between bars.
# At every size the picture is the 1x picture scaled, and a click lands on
# the button drawn under the pointer. F11 and Alt+Enter switch at any time
# and the choice is kept.
export ZEF_ECRAN=1920x1080
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data"
TITRE="Quendavorin Fighter 2 - Tarvenholt - v0.1.6"

# The picture's place on the display: scale, left, top (in thousandths of
# the scale, so that 2.25 is 2250).
k=1000 ox=0 oy=0
cadre() { k=$1 ox=$2 oy=$3; }
# A point of the game's 640x480 on the display: the middle of its pixel.
ecran_x() { echo $(( ox + ($1 * 2 + 1) * k / 2000 )); }
ecran_y() { echo $(( oy + ($1 * 2 + 1) * k / 2000 )); }
pointer() { xdotool mousemove "$(ecran_x "$1")" "$(ecran_y "$2")"; sleep 0.5; }
cliquer_jeu() { cliquer "$(ecran_x "$1")" "$(ecran_y "$2")"; }
# The shot's picture brought back to 640x480.
ramener() {
  local l=$(( 640 * k / 1000 )) h=$(( 480 * k / 1000 ))
  convert "$travail/$1.png" -crop "${l}x${h}+$ox+$oy" +repage -resize '640x480!' "$travail/$2.png"
}
# The game's window as the X server has it, "WxH" (empty when none shows).
fenetre() { xwininfo -name "$TITRE" 2>/dev/null | awk '/Map State: IsViewable/ {v=1} /Width:/ {w=$2} /Height:/ {h=$2} END {if (v) print w "x" h}'; }
cle() { sed -n "s/^$1=//p" "$jeu/zef-plus.ini" 2>/dev/null; }

# Puts the pointer in a corner, shoots the title screen, clicks VERSUS and
# shoots the selection; NAME names the shots.
titre_puis_selection() {
  pointer 630 470
  photo "titre_$1"
  cliquer_jeu 190 213   # VERSUS
  sleep 1
  photo "selection_$1"
}

# 1x: the reference pictures.
lancer "$zef" --fenetre 1
touche space
sleep 1.5
cadre 1000 0 0
verifier "the 1x window is 640x480" "\"$(fenetre)\" == \"640x480\""
titre_puis_selection 1
ramener titre_1 ref_titre
ramener selection_1 ref_selection
verifier "VERSUS opens the selection at 1x" "$(ecart ref_titre ref_selection) > 0.05"
verifier "the 1x picture is the game's" "$(image_manquante titre_1 graphics/versus0.bmp 123 198) < 40"
kill -9 "$pid"; wait "$pid" 2>/dev/null

# 2x, then full screen with F11 and back with Alt+Enter.
lancer "$zef" --fenetre 2
touche space
sleep 1.5
cadre 2000 0 0
verifier "the 2x window is 1280x960" "\"$(fenetre)\" == \"1280x960\""
titre_puis_selection 2
ramener titre_2 titre_2_ramene
ramener selection_2 selection_2_ramene
verifier "the 2x title screen is the 1x one doubled" "$(ecart ref_titre titre_2_ramene) < 0.01"
verifier "a click on VERSUS at 2x opens the selection" "$(ecart ref_selection selection_2_ramene) < 0.01"
verifier "--fenetre 2 is kept" "\"$(cle affichage) $(cle echelle)\" == \"fenetre 2\""

touche F11
sleep 1.5
cadre 2250 240 0
pointer 190 213
photo plein
ramener plein plein_ramene
verifier "F11: full screen, the picture 1440x1080 in the middle" "$(ecart ref_selection plein_ramene) < 0.03"
verifier "black bars on both sides" "$(lumiere plein 240x1080+0+0) + $(lumiere plein 240x1080+1680+0) < 0.001"
verifier "full screen is kept" "\"$(cle affichage)\" == \"plein-ecran\""

xdotool keydown alt key Return keyup alt
sleep 1.5
cadre 2000 0 0
verifier "Alt+Enter: the 2x window again" "\"$(fenetre)\" == \"1280x960\""
verifier "the window is kept" "\"$(cle affichage)\" == \"fenetre\""
# Keys pressed in a window that a switch closed still work afterwards.
xdotool keydown alt key Return keyup alt
sleep 1.5
verifier "Alt+Enter again: full screen" "\"$(cle affichage)\" == \"plein-ecran\""
touche F11
sleep 1.5
verifier "F11 again: the window" "\"$(fenetre) $(cle affichage)\" == \"1280x960 fenetre\""
kill -9 "$pid"; wait "$pid" 2>/dev/null

# Full screen from the start, and a click on VERSUS through the scaling.
lancer "$zef" --plein-ecran
touche space
sleep 1.5
cadre 2250 240 0
titre_puis_selection plein
ramener titre_plein titre_plein_ramene
ramener selection_plein selection_plein_ramene
verifier "--plein-ecran: the title screen centred" "$(ecart ref_titre titre_plein_ramene) < 0.03"
verifier "a click on VERSUS in full screen opens the selection" "$(ecart ref_selection selection_plein_ramene) < 0.03"
touche Escape
sleep 1
touche Escape
attendre_fin 5
verifier "Escape still leaves the selection, then quits" "\"$statut\" == \"1\""

# A window of no size given is the largest that fits: 2x on 1080 rows.
printf 'affichage=fenetre\n' > "$jeu/zef-plus.ini"
lancer "$zef"
touche space
sleep 1.5
verifier "the window that fits 1920x1080 is 2x" "\"$(fenetre)\" == \"1280x960\""
kill -9 "$pid"; wait "$pid" 2>/dev/null

exit $echec
