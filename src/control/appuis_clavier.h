// Key presses caught as they happen. The fight reads the keyboard once per
// logic tick; a tap shorter than a tick could fall between two reads. While
// the catch is on, every press is remembered until the next read of its key.
#ifndef ZEF_APPUIS_CLAVIER_H
#define ZEF_APPUIS_CLAVIER_H

// Starts or stops catching presses (the library's low-level keyboard hook).
void guetter_appuis(bool guetter);
bool appuis_guettes();
// Forgets every press caught so far (what was typed in a pause is not the
// fight's).
void oublier_appuis();
// Whether the key went down since the last call for it; forgets it.
bool appuye_depuis(int scancode);
// What the hook does with a scancode (bit 7: a release); for tests.
void noter_scancode(int scancode);

#endif
