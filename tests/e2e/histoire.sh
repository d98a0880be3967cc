#!/usr/bin/env bash
# The enhanced story, once with each fighter: the hero's side is played by
# the computer and the fights run fast (ZEF_ACCELERE), the rest at the
# game's own pace. Every dialogue screen shows both portraits with no text
# over them; the opponents are the other three fighters, then the hero's
# double; a lost fight is fought again with CONTINUER; every tale reaches
# its own illustrated ending.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=1 volume_sonore=200 volume_musique=200
echo edition=ameliore > "$jeu/zef-plus.ini"
# Each hero in turn a seasoned champion (13 in every characteristic) among
# fighters as they come, so that a run takes a few fights, not dozens: the
# double, made from the hero's own record, stays a match for it.
champion() {
  for i in 0 1 2 3; do cp "$data/$(nom_perso "$i")/$(nom_perso "$i").xp" "$jeu/$(nom_perso "$i")/"; done
  printf '\n13\n13\n13\n13\n0\n0\n0\n0\n0\n1\n' > "$jeu/$1/$1.xp"
}
export ZEF_ACCELERE=${ZEF_ACCELERE:-64}

# Which screen a shot shows: the defeat's and the endings' pictures are
# opaque, their top band is enough to know them.
reference() { convert "$jeu/$1" "$travail/$2.png"; }
est_fond() { awk -v e="$(ecart "$1" "$2" 640x100+0+0)" 'BEGIN { exit !(e < 0.03) }'; }
# The fighter whose portrait stands untouched at (X, Y) (mirrored with
# -flop), or nothing.
portrait_en() {
  for i in 0 1 2 3; do
    if [ "$(image_manquante "$1" "graphics/$(nom_perso "$i")2.bmp" "$2" "$3" ${4:-})" -lt 60 ]; then
      echo "$i"
      return
    fi
  done
}

lancer "$zef"
touche space
sleep 1.5
photo titre
reference graphics/defaite.bmp defaite
for heros in 0 1 2 3; do
  nom=$(nom_perso "$heros")
  reference "graphics/fin_${nom}.bmp" fin
  champion "$nom"
  cliquer_sur graphics/histoire0.bmp 87 227
  sleep 1
  cliquer_sur "graphics/${nom}0.bmp" $(( 56 + 89 * heros )) 307
  sleep 0.5
  touche space
  adversaires=""
  defaites=0
  fin=0
  debut=$SECONDS
  while [ $fin = 0 ] && [ $(( SECONDS - debut )) -lt 400 ]; do
    sleep 0.2
    photo ecran
    if [ "$(image_manquante ecran "graphics/${nom}2.bmp" 20 96)" -lt 60 ]; then
      # A dialogue screen: both portraits whole, whatever the boxes say.
      sleep 0.3
      photo ecran
      adversaire=$(portrait_en ecran 350 96 -flop)
      n=$(( $(printf '%s' "$adversaires" | wc -w) + 1 ))
      cp "$travail/ecran.png" "$travail/dialogue_${nom}_$n.png"
      [ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$travail/ecran.png" "$ZEF_KEEP_SHOTS/dialogue_${nom}_$n.png"
      verifier "$nom, dialogue $n: the hero's portrait has nothing over it" "$(portrait_en ecran 20 96) == $heros"
      verifier "$nom, dialogue $n: the opponent's portrait has nothing over it" "${adversaire:--1} >= 0"
      adversaires="$adversaires ${adversaire:-x}"
      touche space
      sleep 0.5
    elif est_fond ecran defaite; then
      defaites=$(( defaites + 1 ))
      [ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$travail/ecran.png" "$ZEF_KEEP_SHOTS/defaite_${nom}.png"
      cliquer_sur graphics/continuer0.bmp 128 380
      sleep 0.5
    elif est_fond ecran fin; then
      fin=1
      [ -n "${ZEF_KEEP_SHOTS:-}" ] && cp "$travail/ecran.png" "$ZEF_KEEP_SHOTS/fin_${nom}.png"
      touche space
      sleep 1.5
    fi
  done
  echo "$nom: opponents$adversaires, $defaites fights lost and fought again"
  verifier "$nom reaches the ending of its tale" "$fin == 1"
  # Each lost fight shows its dialogue again: the distinct opponents in order.
  vus=$(printf '%s\n' $adversaires | uniq | tr '\n' ' ')
  verifier "$nom meets the other three fighters, then its double ($vus)" \
    "$(printf '%s\n' $vus | sort -u | wc -l) == 4 && $(printf '%s\n' $vus | head -3 | grep -c "^$heros\$") == 0 && \"$(printf '%s\n' $vus | tail -1)\" == \"$heros\""
done
photo titre_fin
verifier "back on the title screen after the last ending" "$(ecart titre titre_fin) < 0.02"
touche Escape 0.4
attendre_fin 5
verifier "Escape then ends the game" "\"$statut\" == \"1\""
exit $echec
