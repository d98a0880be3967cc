// Brings the library up without any system driver: enough for memory
// bitmaps, samples, packfiles and message boxes (which then print to
// standard output).
#ifndef ZEF_TEST_ALLEGRO_ENV_H
#define ZEF_TEST_ALLEGRO_ENV_H

void allegro_sans_systeme();

#endif
