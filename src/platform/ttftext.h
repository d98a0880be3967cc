// A small TrueType text layer over FreeType, with the handful of operations
// the game uses: load a font, size it, print it (plain or anti-aliased,
// left, centred or right-aligned, optionally printf-style) and measure it.
//
// Strings are 8-bit Latin-1, one byte per character. (x, y) is the top-left
// corner of the text line; colours are the library's colour values for the
// destination bitmap's depth. A null font prints nothing and measures 0, so a
// screen whose font failed to load simply shows no text.
#ifndef ZEF_TTFTEXT_H
#define ZEF_TTFTEXT_H

#include <allegro.h>

struct ALFONT_FONT;

constexpr int ALFONT_OK = 0;
constexpr int ALFONT_ERROR = -1;

// Brings FreeType up; ALFONT_OK on success.
int alfont_init();
// Shuts FreeType down. Fonts still loaded must not be used afterwards.
void alfont_exit();

// Background behind printed text: -1 for none (transparent), otherwise a
// colour filling the text's box. Returns the previous mode.
int alfont_text_mode(int mode);

// Null when the file cannot be read as a font (or before alfont_init).
ALFONT_FONT* alfont_load_font(const char* filepath);
void alfont_destroy_font(ALFONT_FONT* f);

// Pixel size of the em square; ALFONT_OK, or ALFONT_ERROR for a size FreeType
// refuses (the previous size is kept).
int alfont_set_font_size(ALFONT_FONT* f, int h);
int alfont_get_font_size(const ALFONT_FONT* f);

// The distance between two lines of text: the font's size in pixels, so
// that lines of a size-16 font stack 16 pixels apart whatever the face's own
// ascent and descent (screens place buttons beside such lines).
int alfont_text_height(ALFONT_FONT* f);
// Width in pixels of the string at the current size.
int alfont_text_length(ALFONT_FONT* f, const char* str);

// Plain (one-bit) printing.
void alfont_textout(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textout_centre(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textout_right(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textprintf(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
void alfont_textprintf_centre(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
void alfont_textprintf_right(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));

// Anti-aliased printing: glyph coverage is blended into the destination.
void alfont_textout_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textout_centre_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textout_right_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color);
void alfont_textprintf_aa(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
void alfont_textprintf_centre_aa(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));
void alfont_textprintf_right_aa(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)
    __attribute__((format(printf, 6, 7)));

#endif
