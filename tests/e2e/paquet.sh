#!/usr/bin/env bash
# The Debian package: built from this build, checked by lintian, unpacked in
# a folder as dpkg would install it, and the installed game started from
# elsewhere with a new home: a 2x window on a 1920x1080 desktop, the title
# screen, VERSUS clicked at its scaled place, settings written under the
# home, the installed data untouched.
export ZEF_ECRAN=1920x1080
source "$(dirname "$0")/lib.sh"
build=$1

# The package.
cpack --config "$build/CPackConfig.cmake" -B "$travail/paquet" > "$travail/cpack.log" 2>&1 ||
  { cat "$travail/cpack.log"; echo "FAILED: cpack"; exit 1; }
deb=$(ls "$travail"/paquet/zef_*_amd64.deb 2>/dev/null | head -1)
verifier "cpack makes zef_<version>_amd64.deb" "\"$deb\" != \"\""
[ -n "$deb" ] || exit 1
if lintian --fail-on error --tag-display-limit 0 "$deb" > "$travail/lintian.log" 2>&1; then
  echo "ok: lintian finds no error"
else
  echo "FAILED: lintian finds errors"; echec=1
fi
sed 's/^/  lintian: /' "$travail/lintian.log"

# Installed into a root of its own.
racine="$travail/racine"
dpkg -x "$deb" "$racine"
partage="$racine/usr/share/games/zef"
contenu() { (cd "$partage" && find . -type f -o -type l | sort | xargs md5sum) | md5sum; }
avant=$(contenu)
for f in usr/games/zef usr/share/games/zef/graphics/logo.bmp usr/share/games/zef/stage/stage.pak \
         usr/share/games/zef/panda/panda.xp usr/share/games/zef/zef.ini usr/share/applications/zef.desktop \
         usr/share/metainfo/com.pyxelharn.zef.metainfo.xml usr/share/icons/hicolor/48x48/apps/zef.png \
         usr/share/icons/hicolor/256x256/apps/zef.png usr/share/doc/zef/copyright usr/share/man/man6/zef.6.gz; do
  verifier "the package holds /$f" "$( [ -e "$racine/$f" ] && echo 1 || echo 0 ) == 1"
done
verifier "no player's file ships" "$(find "$partage" -name 'zef-plus.ini' -o -name replays -o -name '*.tmp' | wc -l) == 0"

# Started from another folder, with a new home.
ailleurs="$travail/ailleurs"
mkdir -p "$ailleurs"
(cd "$ailleurs" && exec "$racine/usr/games/zef") > "$travail/zef.log" 2>&1 &
pid=$!
sleep 1
xdotool mousemove 320 240
touche space
sleep 2
jeu=$partage   # where the pictures to look for are
xdotool mousemove 1260 940
sleep 0.5
photo titre
verifier "the installed game shows a 1280x960 window" \
  "\"$(xwininfo -name 'Quendavorin Fighter 2 - Tarvenholt - v0.1.6' | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')\" == \"1280x960\""
convert "$travail/titre.png" -crop 1280x960+0+0 +repage -resize '640x480!' "$travail/titre_1x.png"
verifier "the title screen is drawn at 2x" "$(image_manquante titre_1x graphics/versus0.bmp 123 198) < 200"
cliquer 446 426   # VERSUS, (223, 213) at 2x
sleep 1
photo selection
verifier "a click on VERSUS at its 2x place opens the selection" "$(ecart titre selection 1280x960+0+0) > 0.05"
touche Escape
sleep 1
# Options: player 1 on the keyboard, back; then full screen and back.
cliquer 280 680   # OPTIONS
sleep 1
cliquer $(( (290 + 40) * 2 )) $(( (101 + 12) * 2 ))   # CLAVIER for player 1
cliquer $(( (39 + 30) * 2 )) $(( (422 + 12) * 2 ))    # RETOUR
touche F11
sleep 1.5
touche F11
sleep 1.5
touche Escape
attendre_fin 5
verifier "Escape on the title screen quits" "\"$statut\" == \"1\""

maison_zef="$HOME/.local/share/zef"
verifier "the settings are written under the home" "$(grep -c -x j1_control=1 "$maison_zef/zef.ini" 2>/dev/null || echo 0) == 1"
verifier "the display choice too" "$(grep -c -x affichage=fenetre "$maison_zef/zef-plus.ini" 2>/dev/null || echo 0) == 1"
verifier "progress starts from the shipped defaults" "$(cmp -s "$maison_zef/shiz/shiz.xp" "$partage/shiz/shiz.xp" && echo 1 || echo 0) == 1"
verifier "the installed data is untouched" "\"$(contenu)\" == \"$avant\""
verifier "nothing is written where the game was started" "$(ls -A "$ailleurs" | wc -l) == 0"
[ $echec -eq 0 ] || { echo "  the game said:"; sed 's/^/  /' "$travail/zef.log"; }
exit $echec
