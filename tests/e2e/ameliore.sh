#!/usr/bin/env bash
# The enhanced edition, chosen on the options screen, played by two
# keyboard players at a human's speed:
# presses of 60-120 ms, gaps of 80-200 ms. Four matches cover each fighter's
# first special move ten times, five from each side (so facing both ways);
# every sequence typed releases it. The round is announced before the
# controls answer; Entrée pauses the fight and shows the move list. A fifth
# match is won by knock-outs (a ki blast's spark is seen bursting): each is
# called at once, and the results screen offers a rematch. What happened is read from each match's record, played
# again headless.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
sim=$3
partie_prete "$data" j1_control=1 j2_control=1 mode_evolution=0 volume_sonore=200 volume_musique=200

appui=(0.06 0.09 0.12 0.075 0.105)
ecart=(0.08 0.2 0.12 0.16 0.1)
n=0
# One attempt at a sequence of keys, its timings taken in turn from the lists.
tenter() {
  for k in "$@"; do
    xdotool keydown "$k"; sleep "${appui[n % 5]}"; xdotool keyup "$k"; sleep "${ecart[n % 5]}"
    n=$((n + 1))
  done
}
# Forward is towards the opponent: right for side 1, left for side 2.
sequence_j1() { if [ "$1" = 0 ]; then echo d d y; else echo s d y; fi; }
sequence_j2() { if [ "$1" = 0 ]; then echo Left Left p; else echo Down Left p; fi; }

lancer "$zef"
touche space
sleep 1.5
photo titre
# OPTIONS, ÉDITION: AMÉLIORÉE, back.
cliquer_sur graphics/options0.bmp 110 320
cliquer_sur graphics/ameliore0.bmp 420 228
photo options
cliquer_sur graphics/retour0.bmp 39 422
sleep 1
verifier "the edition is kept in zef-plus.ini" "$(grep -c -x edition=ameliore "$jeu/zef-plus.ini") == 1"
verifier "zef.ini keeps its five lines" "$(wc -l < "$jeu/zef.ini") == 5"
premier=1
for paire in "0 1" "2 3" "1 0" "3 2"; do
  set -- $paire
  choisir_combat "$1" "$2"
  if [ $premier = 1 ]; then
    # The round's announcement, then the fight without it.
    for i in 1 2 3 4 5 6; do sleep 0.3; photo "annonce$i"; done
    sleep 3
    photo combat
    annonce=0
    for i in 1 2 3 4 5 6; do
      e=$(ecart "annonce$i" combat 300x120+170+140)
      awk -v e="$e" 'BEGIN { exit !(e > 0.08) }' && annonce=1
    done
    verifier "ROUND 1 is announced in the middle of the screen" "$annonce == 1"
    premier=0
  else
    sleep 4.5
  fi
  # Enough mana for the first special move.
  sleep 2
  # Each side in turn while the other stands still: a fighter knocked down
  # by the other's move could not act, and that is no test of the keys.
  for essai in 1 2 3 4 5; do tenter $(sequence_j1 "$1"); sleep 1.2; done
  sleep 2
  for essai in 1 2 3 4 5; do tenter $(sequence_j2 "$2"); sleep 1.2; done
  if [ "$1" = 0 ]; then
    # The pause, its move list (one page per keyboard player), the fight again.
    photo avant_pause
    touche Return
    sleep 0.8
    photo pause
    verifier "Entree shows the pause panel" "$(ecart pause avant_pause 420x340+110+70) > 0.1"
    cliquer 320 264   # LISTE DES COUPS
    photo coups
    verifier "the move list replaces the buttons" "$(ecart coups pause 300x200+170+150) > 0.05"
    touche space
    sleep 0.5
    photo coups_j2
    verifier "a key turns to the other player's list" "$(ecart coups_j2 coups 140x260+320+140) > 0.01"
    touche space
    sleep 0.5
    touche Return
    sleep 1.5
    photo repris
    verifier "the fight is back" "$(ecart repris avant_pause 640x60+0+0) < 0.05"
  fi
  touche Escape 0.4
  sleep 2
done

# Side 1 throws ki blasts at a side that does nothing until the match is won.
choisir_combat 0 1
sleep 6.5
resultats=0
etincelle=0
for essai in $(seq 40); do
  tenter d d y
  if [ $etincelle = 0 ]; then
    # The ki blast bursting on talon: its spark is a violet ring.
    for i in 1 2 3 4 5 6 7 8; do
      photo etincelle
      violet=$(convert "$travail/etincelle.png" -crop 640x300+0+150 -fx '(r>0.55 && b>0.7 && g<0.5) ? 1 : 0' \
               -format '%[fx:round(mean*w*h)]' info:)
      if [ "$violet" -gt 100 ]; then etincelle=1; break; fi
    done
  else
    sleep 0.9
  fi
  photo un; sleep 0.4; photo deux
  if awk -v e="$(ecart un deux)" 'BEGIN { exit !(e < 0.0005) }'; then resultats=1; break; fi
done
photo resultats
verifier "the results screen follows the match" "$resultats == 1"
verifier "a projectile's hit shows its spark" "$etincelle == 1"
cliquer 320 378   # REVANCHE
sleep 3
photo revanche
verifier "REVANCHE starts the same match again" "$(ecart revanche combat 640x60+0+0) < 0.05"
touche Escape 0.4
sleep 2
touche Escape 0.4
attendre_fin 5

verifier "six matches recorded" "$(ls "$jeu"/replays/*.zrp 2>/dev/null | wc -l) == 6"
[ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$jeu"/replays/*.zrp "$ZEF_KEEP_SHOTS/"
ko=$(ls "$jeu"/replays/*.zrp | sort | sed -n 5p)
"$sim" --revoir "$ko" --data "$jeu" > "$travail/ko.txt" 2>&1
cat "$travail/ko.txt"
verifier "the match was won 2-0 by knock-outs" "$(grep -c 'knock-out by side 1, called' "$travail/ko.txt") == 2"
lent=$(sed -n 's/.*called \([0-9.]*\) s after the last hit/\1/p' "$travail/ko.txt" | awk '$1 > 0.2' | wc -l)
verifier "each knock-out is called within 0.2 s of the last hit" "$lent == 0"
for rejeu in $(ls "$jeu"/replays/*.zrp | sort | head -4); do
  "$sim" --revoir "$rejeu" --data "$jeu" > "$travail/sim.txt" 2>&1
  cat "$travail/sim.txt"
  verifier "$(basename "$rejeu"): played again, it is the recorded match" "$(grep -c 'as recorded' "$travail/sim.txt") == 1"
  for cote in 1 2; do
    lances=$(sed -n "s/^side $cote special 40: //p" "$travail/sim.txt")
    verifier "$(basename "$rejeu"): side $cote released its first special move 5 times in 5" "${lances:-0} == 5"
  done
done
exit $echec
