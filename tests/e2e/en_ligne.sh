#!/usr/bin/env bash
# Two games side by side on one screen play online, each in a folder of its
# own, the guest's datagrams 30 ms late each way: the host clicks EN LIGNE
# then HÉBERGER, the guest EN LIGNE then REJOINDRE and types the address.
# Each picks its fighter with its own mouse and sees the other's choice; the
# host's player fights the match to its end at the keyboard, and both come
# back to the selection. Both games recorded the same match, which plays
# again headless as recorded. The host leaves; the guest is told.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
reglages=(j1_control=1 j2_control=0 mode_evolution=0 volume_sonore=200 volume_musique=200)
partie_prete "$data" "${reglages[@]}"
hote=$jeu
jeu=$travail/invite
partie_prete "$data" "${reglages[@]}"
invite=$jeu
GAUCHE=0
DROITE=660   # the guest's window

# The game's window that is not the one given.
fenetre() {
  for _ in $(seq 50); do
    w=$(xdotool search --name Quendavorin 2>/dev/null | grep -vx "${1:-aucune}" | head -1)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.2
  done
}
# A click on a picture of the data folder placed at (X, Y) in the window at DX.
cliquer_dans() { local x y; read -r x y < <(centre_de "$2" "$3" "$4"); cliquer $(( $1 + x )) "$y"; }
# A shot of one window.
vue() { convert "$travail/$1.png" -crop "640x480+$2+0" +repage "$travail/$3.png"; }

jeu=$hote
lancer "$zef" --fenetre 1
pid_hote=$pid
fenetre_hote=$(fenetre)
xdotool windowmove "$fenetre_hote" $GAUCHE 0
xdotool mousemove 320 240
touche space
jeu=$invite
lancer "$zef" --fenetre 1 --reseau delai=30,gigue=5
pid_invite=$pid
fenetre_invite=$(fenetre "$fenetre_hote")
xdotool windowmove "$fenetre_invite" $DROITE 0
xdotool mousemove $(( DROITE + 320 )) 240
touche space
sleep 1.5
photo titres
jeu=$hote

# The host: EN LIGNE, HÉBERGER.
cliquer_dans $GAUCHE graphics/enligne0.bmp 98 273
photo ecran_en_ligne
cliquer_dans $GAUCHE graphics/heberger0.bmp 220 120
sleep 0.5
photo attente
vue titres 0 titre_hote
vue ecran_en_ligne 0 en_ligne_hote
vue attente 0 attente_hote
verifier "EN LIGNE opens the online screen" "$(ecart titre_hote en_ligne_hote) > 0.05"
verifier "hosting writes its status lines" "$(ecart en_ligne_hote attente_hote 560x120+40+260) > 0.005"

# The guest: EN LIGNE, REJOINDRE, the address typed, Enter.
cliquer_dans $DROITE graphics/enligne0.bmp 98 273
cliquer_dans $DROITE graphics/rejoindre0.bmp 220 166
xdotool type --delay 80 "127.0.0.1:7000"
sleep 0.3
photo adresse
touche Return
sleep 3
photo selections
vue adresse $DROITE adresse_invite
vue selections 0 selection_hote
vue selections $DROITE selection_invite
verifier "the address typed shows on the guest's screen" "$(ecart en_ligne_hote adresse_invite 560x30+40+225) > 0.01"
verifier "both games reach the fighter selection" \
  "$(ecart selection_hote selection_invite 640x230+0+250) < 0.03 && $(ecart attente_hote selection_hote) > 0.1"

# The host picks shiz: the guest sees it on side 1 as it is chosen.
cliquer_dans $GAUCHE graphics/shiz0.bmp 56 307
sleep 1
photo choix_hote
vue choix_hote $DROITE choix_vu_par_invite
verifier "the guest sees the host's fighter as it is chosen" \
  "$(ecart selection_invite choix_vu_par_invite 270x160+45+100) > 0.05"
# The guest picks talon: the match starts on both screens.
cliquer_dans $DROITE graphics/talon0.bmp 145 307
sleep 4
photo match
vue match 0 match_hote
vue match $DROITE match_invite
verifier "the host's window shows the fight" "$(lumiere match_hote 640x300+0+100) > 0.15"
verifier "the guest's window shows the same fight" "$(ecart match_hote match_invite 640x60+0+0) < 0.03"

# The host's player fights: walks in, punches and kicks, with the
# indicator on, until both games are back at the selection.
xdotool mousemove 320 240
touche F3 0.05
fini=0
for i in $(seq 200); do
  xdotool keydown d; sleep 0.2; xdotool keyup d
  touche t 0.08
  touche y 0.08
  if [ $i = 2 ]; then
    photo indicateur
    vue indicateur 0 indicateur_hote
    vue indicateur $DROITE indicateur_invite
    # The indicator's pale text over the grey floor, on the host's side only.
    for cote in hote invite; do
      clair=$(convert "$travail/indicateur_$cote.png" -crop 300x22+170+446 +repage -colorspace Gray \
              -fx 'u > 0.85 ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:)
      eval "clair_$cote=$clair"
    done
  fi
  photo vue
  vue vue 0 vue_hote
  vue vue $DROITE vue_invite
  if awk -v a="$(ecart vue_hote selection_hote 640x230+0+250)" -v b="$(ecart vue_invite selection_invite 640x230+0+250)" \
     'BEGIN { exit !(a < 0.03 && b < 0.03) }'; then fini=1; break; fi
done
verifier "F3 shows the round trip and the corrections" "${clair_hote:-0} > 50 && ${clair_invite:-0} < 10"
verifier "the match was fought to its end and both games came back to the selection" "$fini == 1"

sleep 1
verifier "each game recorded the match" \
  "$(ls "$hote"/replays/*.zrp 2>/dev/null | wc -l) == 1 && $(ls "$invite"/replays/*.zrp 2>/dev/null | wc -l) == 1"
for cote in hote invite; do
  dossier=${!cote}
  rejeu=$(ls "$dossier"/replays/*.zrp 2>/dev/null | head -1)
  [ -n "${ZEF_KEEP_SHOTS:-}" ] && [ -n "$rejeu" ] && cp "$rejeu" "$ZEF_KEEP_SHOTS/$cote.zrp"
  "$sim" --revoir "$rejeu" --data "$dossier" > "$travail/$cote.txt" 2>&1
  cat "$travail/$cote.txt"
  verifier "the $cote's record plays again headless as recorded" "$(grep -c 'as recorded' "$travail/$cote.txt") == 1"
done
verifier "both games recorded the same match, won by side 1" \
  "$(grep -o 'winner [12], final checksum [0-9a-f]*' "$travail/hote.txt" | grep -c '^winner 1') == 1 && \
   $(grep -o 'winner [12], final checksum [0-9a-f]*' "$travail/invite.txt" | \
     grep -cF "$(grep -o 'winner [12], final checksum [0-9a-f]*' "$travail/hote.txt")") == 1"

# The host leaves: the guest is told, then both are on their title screens.
touche Escape 0.3
sleep 1.5
photo depart
vue depart $DROITE message_invite
verifier "the guest is told the host left" "$(ecart selection_invite message_invite) > 0.1"
xdotool mousemove $(( DROITE + 320 )) 240
touche space
sleep 1.5
photo titres_encore
vue titres_encore 0 titre_hote_encore
vue titres_encore $DROITE titre_invite_encore
vue titres $DROITE titre_invite
verifier "both games are back on their title screens" \
  "$(ecart titre_hote titre_hote_encore) < 0.03 && $(ecart titre_invite titre_invite_encore) < 0.03"
touche Escape
xdotool mousemove 320 240
touche Escape
sleep 1
kill -0 "$pid_invite" 2>/dev/null && invite_vivant=1 || invite_vivant=0
pid=$pid_hote
attendre_fin 5
verifier "both games end from their title screens" "$invite_vivant == 0 && \"$statut\" == \"1\""
kill -9 "$pid_invite" 2>/dev/null
exit $echec
