# Shared by the end-to-end scenarios: the real game in a virtual X server
# with a silent sound device, in a folder of its own that borrows the
# generated content (the player's settings and progress are never touched).
#
#   partie_prete DATA [zef.ini lines]   makes the folder, $jeu
#   lancer ZEF                          starts the game, $pid
#   cliquer X Y / touche KEY / photo NAME / attendre_fin SECONDS
set -uo pipefail

# The scenario runs again inside a virtual X server, with a silent ALSA
# device in a temporary home.
if [ -z "${ZEF_DANS_XVFB:-}" ]; then
  maison=$(mktemp -d)
  printf 'pcm.!default { type null }\n' > "$maison/.asoundrc"
  ZEF_DANS_XVFB=1 HOME="$maison" xvfb-run -a -s "-screen 0 ${ZEF_ECRAN:-640x480}x16" bash "$0" "$@"
  statut=$?
  rm -rf "$maison"
  exit $statut
fi

travail=$(mktemp -d)
trap 'kill -9 ${pid:-0} 2>/dev/null; rm -rf "$travail"' EXIT
jeu="$travail/jeu"
echec=0

partie_prete() {
  local data=$1
  shift
  mkdir -p "$jeu"
  for entree in "$data"/*; do
    case "$(basename "$entree")" in
      zef.ini|zef-plus.ini|replays) ;;   # the player's own
      shiz|talon|vishvakarman|panda)
        # Fighters' progress files are written by matches: give the game copies.
        mkdir "$jeu/$(basename "$entree")"
        for f in "$entree"/*; do
          case "$f" in *.xp) cp "$f" "$jeu/$(basename "$entree")/" ;; *) ln -s "$f" "$jeu/$(basename "$entree")/" ;; esac
        done ;;
      *) ln -s "$entree" "$jeu/" ;;
    esac
  done
  printf '%s\n' "${@:-j1_control=0}" > "$jeu/zef.ini"
}

lancer() {
  (cd "$jeu" && exec "$@") >/dev/null 2>&1 &
  pid=$!
  sleep 1
  # No window manager here: keys go to the window under the pointer.
  xdotool mousemove 320 240
}

cliquer() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.6; }
touche() { xdotool keydown "$1"; sleep "${2:-0.15}"; xdotool keyup "$1"; sleep 0.1; }
photo() { import -window root "$travail/$1.png"; [ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$travail/$1.png" "$ZEF_KEEP_SHOTS/"; return 0; }

# Waits for the game to end and sets $statut to its exit status ("running"
# if it has not ended). Not for a command substitution: only this shell can
# collect the game's status.
attendre_fin() {
  for _ in $(seq $(( $1 * 10 ))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then statut=running; else wait "$pid"; statut=$?; fi
}

# Mean brightness (0..1) of a region WxH+X+Y of a shot, or of all of it.
lumiere() { convert "$travail/$1.png" ${2:+-crop "$2"} -colorspace Gray -format '%[fx:mean]' info:; }
# Mean colour difference (0..1) between the same region of two shots.
ecart() { convert "$travail/$1.png" "$travail/$2.png" ${3:+-crop "$3"} -compose difference -composite -colorspace Gray -format '%[fx:mean]' info: 2>/dev/null | head -1; }

verifier() {  # verifier "what" CONDITION-as-awk-expression
  if awk "BEGIN { exit !($2) }"; then echo "ok: $1"; else echo "FAILED: $1 ($2)"; echec=1; fi
}


# The screen point at the middle of a picture of the data folder placed with
# its top-left corner at (X, Y).
centre_de() {
  local w h
  read -r w h < <(identify -format '%w %h\n' "$jeu/$1" 2>/dev/null | head -1)
  echo "$(( $2 + ${w:-20} / 2 )) $(( $3 + ${h:-20} / 2 ))"
}
cliquer_sur() { local x y; read -r x y < <(centre_de "$@"); cliquer "$x" "$y"; }

# From the title screen through the fighter selection (two fighters by
# index 0..3) to the start of a match.
choisir_combat() {
  cliquer_sur graphics/versus0.bmp 123 198
  sleep 0.5
  cliquer_sur "graphics/$(nom_perso "$1")0.bmp" $(( 56 + 89 * $1 )) 307
  cliquer_sur "graphics/$(nom_perso "$2")0.bmp" $(( 56 + 89 * $2 )) 307
  sleep 0.5
  touche space
}
nom_perso() { case $1 in 0) echo shiz ;; 1) echo talon ;; 2) echo vishvakarman ;; *) echo panda ;; esac; }

# How many pixels of a region belong to solid patches (3 x 3 at least) of a
# colour "r,g,b": lone pixels of a dithered background do not count.
taches_couleur() {
  convert "$travail/$1.png" -crop "$2" +repage -fuzz 3% -fill black +opaque "rgb($3)" \
    -fill white -opaque "rgb($3)" -colorspace Gray -morphology Erode Square:1 \
    -format '%[fx:round(mean * w * h)]' info:
}

# How many pixels of a picture of the data folder are missing where it
# should be drawn in a shot, its top-left corner at (X, Y): near 0 when it is
# there untouched (its magenta is transparent; the screen's 16-bit colours
# are matched loosely). Extra arguments transform the picture (-flop).
image_manquante() {
  local shot=$1 image=$2 x=$3 y=$4 w h
  shift 4
  read -r w h < <(identify -format '%w %h\n' "$jeu/$image" | head -1)
  convert "$travail/$shot.png" -crop "${w}x${h}+$x+$y" +repage "$travail/sous_image.png"
  convert "$travail/sous_image.png" \( "$jeu/$image" "$@" -transparent '#FF00FF' \) \
    -compose over -composite "$travail/image_attendue.png"
  compare -fuzz 8% -metric AE "$travail/sous_image.png" "$travail/image_attendue.png" null: 2>&1 | cut -d' ' -f1
}
# The same for the pointer at (X, Y).
pointeur_manquant() { image_manquante "$1" graphics/curseur.bmp "$2" "$3"; }
# Moves the pointer, waits for a frame or two, takes a shot and checks it.
verifier_pointeur() {
  xdotool mousemove "$2" "$3"
  sleep 0.4
  photo "pointeur_$1"
  verifier "the pointer is drawn on the $1 screen" "$(pointeur_manquant "pointeur_$1" "$2" "$3") < 8"
}
