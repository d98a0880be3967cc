#!/usr/bin/env bash
# The whole game from the title screen, with the mouse and the keyboard:
# options saved and read again, the credits, a versus match started and
# left, the story's first dialogue, bonus points, and quitting.
source "$(dirname "$0")/lib.sh"
zef=$1
data=$2
partie_prete "$data" j1_control=0 j2_control=0 mode_evolution=0 volume_sonore=200 volume_musique=200
# Shiz has earned two levels: two points to spend.
printf '\n10\n12\n9\n9\n0\n0\n0\n0\n2800\n3\n' > "$jeu/shiz/shiz.xp"

lancer "$zef"
touche space
sleep 1.5
photo titre
verifier "the title screen is drawn" "$(lumiere titre) > 0.08"

# Options: player 1 on the keyboard, progression on, back.
cliquer_sur graphics/options0.bmp 110 320
photo options
cliquer_sur graphics/clavier0.bmp 290 101
cliquer_sur graphics/oui0.bmp 307 179
cliquer 5 470; sleep 0.3
photo options_choisies
cliquer_sur graphics/retour0.bmp 39 422
verifier "the options are saved" "$(grep -c -x -e j1_control=1 -e mode_evolution=1 "$jeu/zef.ini") == 2"

# Credits: the text rises from below the screen (its first lines are small
# ones in the side columns); a key comes back.
cliquer_sur graphics/credits0.bmp 154 371
sleep 2
photo credits1
sleep 4
photo credits2
verifier "the credits text rises" "$(ecart credits1 credits2 160x200+0+280) > 0.01"
touche space
sleep 1
photo titre2
verifier "a key returns to the title screen" "$(ecart titre titre2) < 0.02"

# Versus: two fighters, spend a point, a key, the match, Escape, the title.
cliquer_sur graphics/versus0.bmp 123 198
sleep 0.5
cliquer_sur graphics/shiz0.bmp 56 307
photo selection_j1
cliquer_sur graphics/plus.bmp 107 188       # strength, 10 -> 11
cliquer_sur graphics/plus.bmp 107 188       # 11 -> 12
cliquer_sur graphics/plus.bmp 107 188       # no third point
verifier "points spent are saved at once, up to 12" "$(sed -n 6p "$jeu/shiz/shiz.xp") == 2"
cliquer_sur graphics/talon0.bmp 145 307
photo selection
touche space
sleep 5
photo combat
verifier "the match has started" "$(ecart selection combat) > 0.05"
touche Escape 0.4
sleep 2
photo titre3
verifier "Escape leaves the match for the title screen" "$(ecart titre titre3) < 0.02"

# Story: the first dialogue shows both portraits and the taunts; a key fights.
cliquer_sur graphics/histoire0.bmp 87 227
sleep 1
photo dialogue
verifier "player 1's portrait" "$(lumiere dialogue 270x240+40+20) > 0.05"
verifier "the opponent's portrait" "$(lumiere dialogue 270x240+331+183) > 0.05"
touche space
sleep 5
photo histoire_combat
verifier "a key starts the story's fight" "$(ecart dialogue histoire_combat) > 0.05"
touche Escape 0.4
sleep 2
photo titre4

touche Escape 0.4
attendre_fin 5
verifier "Escape on the title screen ends the game with status 1" "$statut == 1"

# A new run reads the saved options: player 1's keyboard button is selected.
lancer "$zef"
touche space
sleep 1.5
cliquer_sur graphics/options0.bmp 110 320
cliquer 5 470; sleep 0.3
photo options_relues
verifier "a restart reads the saved options" "$(ecart options_choisies options_relues) < 0.01"
exit $echec
