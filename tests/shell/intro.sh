#!/usr/bin/env bash
# Starts the real game in a virtual X server with a silent sound device:
# two seconds in, the studio logo is fading in over black; a key ends the
# intro; Escape then quits with status 1.
set -uo pipefail
zef=$1
data=$2
here=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game runs in a folder of its own that borrows the generated content,
# so the player's settings in the data folder are never touched.
mkdir "$work/jeu"
for entry in "$data"/*; do
  [ "$(basename "$entry")" = zef.ini ] || ln -s "$entry" "$work/jeu/"
done
printf 'j1_control=1\nj2_control=0\nmode_evolution=1\nvolume_sonore=200\nvolume_musique=200\n' > "$work/jeu/zef.ini"

cat > "$work/scenario.sh" <<'SCENARIO'
set -uo pipefail
zef=$1; work=$2
cd "$work/jeu"
"$zef" & pid=$!
sleep 1
# No window manager here: keys go to the window under the pointer.
xdotool mousemove 320 240
sleep 1
import -window root "$work/fondu.png"
xdotool key space
sleep 1
import -window root "$work/apres.png"
xdotool keydown Escape; sleep 0.1; xdotool keyup Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "the game did not quit on Escape"; kill -9 "$pid"; exit 1; fi
wait "$pid"; echo "$?" > "$work/status"
SCENARIO

printf 'pcm.!default { type null }\n' > "$work/.asoundrc"
HOME="$work" xvfb-run -a -s "-screen 0 640x480x16" bash "$work/scenario.sh" "$zef" "$work" || exit 1

fail=0
status=$(cat "$work/status" 2>/dev/null || echo none)
[ "$status" = 1 ] || { echo "exit status after Escape: $status (expected 1)"; fail=1; }

mean() { convert "$1" ${2:+-crop "$2"} -colorspace Gray -format '%[fx:mean]' info:; }
logo_now=$(mean "$work/fondu.png" 386x64+127+208)
logo_full=$(mean "$data/graphics/logo.bmp")
outside=$(convert "$work/fondu.png" -fill black -draw 'rectangle 127,208 512,271' -colorspace Gray -format '%[fx:maxima]' info:)
echo "logo area at 2 s: $logo_now (logo at full strength: $logo_full); brightest pixel outside it: $outside"
awk -v n="$logo_now" -v f="$logo_full" 'BEGIN { exit !(n > 0.02 * f && n < 0.98 * f) }' || { echo "the logo is not fading in at 2 s"; fail=1; }
awk -v o="$outside" 'BEGIN { exit !(o == 0) }' || { echo "something besides the logo was drawn"; fail=1; }
# After a key the logo has given way to the title screen.
gone=$(convert "$work/apres.png" -crop 386x64+127+208 +repage "$data/graphics/logo.bmp" -compose difference -composite -colorspace Gray -format '%[fx:mean]' info:)
awk -v g="$gone" -v f="$logo_full" 'BEGIN { exit !(g > 0.3 * f) }' || { echo "the intro did not end on a key"; fail=1; }
[ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$work"/*.png "$ZEF_KEEP_SHOTS"/
exit $fail
