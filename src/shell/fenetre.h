// Showing finished frames, and the window's close button. Full screen has no
// close button; in a window, pressing it quits the game as the title
// screen's Quit does (status 1), at the next frame shown: between two frames
// no file is being written, so no progress can be cut in half.
#ifndef ZEF_FENETRE_H
#define ZEF_FENETRE_H

#include <allegro.h>

// Listens to the window's close button; call once the display is open.
void surveiller_bouton_fermer();
// What the close button does: asks the game to quit. Safe from any thread.
void demander_fermeture();
// Copies a finished 640x480 frame to the screen (when there is one), then
// quits if the window's close button was pressed.
void montrer_image(BITMAP* image);
// The same for screens that redraw while they wait for the player (menus,
// dialogues): then waits out what is left of a sixtieth of a second since
// the previous such frame, so that waiting costs next to nothing.
void montrer_image_cadencee(BITMAP* image);

#endif
