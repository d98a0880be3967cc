#pragma once
// The look shared by the fight's HUD and every menu screen: one palette,
// lettering with outlines, bevels and shadows, bevelled blades for buttons,
// masked sprites with hard edges, the 16-bit finish, and the compositing
// used to preview whole screens.
//
// Masked art (drawn by the game with the mask colour as transparency) is
// painted with antialiasing on a transparent canvas whose outermost layer is
// always a dark rim; `to_sprite` then keeps the pixels at least half covered,
// blends their soft part into that rim, and turns the rest into the mask
// colour. So an edge pixel is a shade of the rim, never a blend with magenta.

#include <functional>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "common/fonts.h"
#include "common/image.h"
#include "stages/scenery.h"

class Output;

namespace style {

using scenery::Colour;
using scenery::hex;
using scenery::mix;

// ---- palette ---------------------------------------------------------------

inline constexpr Colour kInk = hex(0x08091a);        // the rim around every masked picture
inline constexpr Colour kNight = hex(0x0c1030);      // backgrounds, deepest
inline constexpr Colour kIndigo = hex(0x1c1f58);
inline constexpr Colour kSteelDark = hex(0x1d2646), kSteel = hex(0x3b4c7e), kSteelLight = hex(0x9fb4e6);
inline constexpr Colour kChromeTop = hex(0xffffff), kChromeMid = hex(0xb9c9f0), kChromeLow = hex(0x5a6fb0);
inline constexpr Colour kGoldLight = hex(0xfff1b0), kGold = hex(0xffc53a), kGoldDeep = hex(0xc06a10);
inline constexpr Colour kFireHot = hex(0xfff3a0), kFire = hex(0xff8a1c), kFireDeep = hex(0xc52014);
inline constexpr Colour kJadeLight = hex(0xc8ffb0), kJade = hex(0x3fd67a), kJadeDeep = hex(0x0e7a4a);
inline constexpr Colour kAzure = hex(0x3f8cff), kCyan = hex(0x5fe0ff), kViolet = hex(0x8a5cff);
inline constexpr Colour kWhite{1, 1, 1};

// ---- fonts -----------------------------------------------------------------

struct Fonts {
    explicit Fonts(const FontTable& table);
    FontFile black;      // League Spartan Black: titles, banners, digits
    FontFile bold;       // League Spartan Bold: button labels
    FontFile condensed;  // Bebas Neue Bold: name plates, captions
    FontFile sans;       // DejaVu Sans Bold: small print
};

// Selects `font` at the size whose capitals measure `caps` pixels.
void use_caps(Canvas& canvas, const FontFile& font, double caps);

// ---- lettering -------------------------------------------------------------

struct Lettering {
    // The fill, top to bottom: `top` to `middle` down to the horizon, then
    // a sudden step to `low` (the reflection that reads as chrome) fading
    // to `bottom`. A horizon of 1 gives a plain two-colour gradient.
    Colour top, middle, low, bottom;
    double horizon = 0.55;
    Colour line{1, 1, 1};  // the coloured outline just outside the letters
    double line_width = 0;
    Colour rim = kInk;     // the dark outline around everything
    double rim_width = 3;
    Colour shadow = kInk;  // a solid drop shadow, offset
    double shadow_dx = 0, shadow_dy = 0;
    double bevel = 1;      // light above and shade below the letters' inner edges
    double slant = 0;      // italic shear: x moves right by slant * height
};

// A line of text laid out with its capitals `caps_height` pixels tall,
// their top at row `caps_top`; (x, baseline) is the run's origin.
struct Placed {
    TextRun run;
    const FontFile* font = nullptr;
    double x = 0, baseline = 0;
    double caps_top = 0, caps_height = 0;
};

// Lays out `text` with its ink centred on `centre_x` once slanted.
Placed place_text(Canvas& canvas, const FontFile& font, const std::string& text, double caps, double tracking,
                  double centre_x, double caps_top, double slant = 0);
// How far the ink reaches left and right once slanted and outlined.
struct Span {
    double left, right;
};
Span ink_span(const Placed& p, const Lettering& look);

// Draws the text in the given look.
void draw_lettering(Canvas& canvas, const Placed& text, const Lettering& look);

// Ready-made looks.
Lettering chrome_look(double caps);
Lettering gold_look(double caps);
Lettering fire_look(double caps);
// The pages' titles: chrome, leaning forward.
Lettering title_look(double caps);

// ---- shapes ----------------------------------------------------------------

// A blade: a parallelogram leaning right by `lean`, corners cut by `cut`.
void blade_path(cairo_t* cr, double x, double y, double w, double h, double lean, double cut);
// A check mark filling the box.
void check_path(cairo_t* cr, double x, double y, double size);
// A small right-pointing chevron.
void chevron_path(cairo_t* cr, double x, double cy, double size, bool right = true);

// ---- slot buttons ----------------------------------------------------------

// A rectangle with rounded corners, as a closed sub-path.
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);

// The selection screen's square buttons (a fighter's, a stage's): a picture
// cut by a rounded metal frame. Lit, the picture is brighter, light runs
// along the inside of the frame, the frame shines and glints on two corners.
struct SlotLook {
    Colour rim;       // the dark outline, and the line inside the frame at rest
    Colour metal[3];  // the frame, from its top-left to its bottom-right
    Colour inner;     // lit: the line inside the frame
    Colour glow;      // lit: the light along the inside of the frame
};
// The inside of the frame, where `picture` paints (clipped to it).
inline constexpr double kSlotInset = 4;
void slot_button(cairo_t* cr, double w, double h, const SlotLook& look, bool lit,
                 const std::function<void()>& picture);

// ---- finishing -------------------------------------------------------------

// The canvas as a masked sprite: pixels with coverage of at least
// `threshold` become opaque over `rim`, the others the mask colour. Reduced
// to the game's 16-bit colours. Throws if any opaque pixel would come out as
// the mask colour.
Image to_sprite(const Canvas& canvas, Colour rim = kInk, double threshold = 0.5);
// An opaque picture (a background, a bar) reduced to the game's 16-bit
// colours with the ordered dither; its mask-coloured pixels, if any, are
// nudged off the mask colour so a blit shows them.
Image to_opaque(const Canvas& canvas, Colour background = kNight);

// ---- composing screens for previews ----------------------------------------

void blit(Image& dst, const Image& src, int x, int y);
// Copies only the pixels that are not the mask colour.
void draw_sprite(Image& dst, const Image& src, int x, int y);
// The leftmost `w` columns of `src` (how the game draws a partly full bar).
void blit_columns(Image& dst, const Image& src, int w, int x, int y);

// Writes a preview PNG under the preview folder's `screens/`, if any.
void preview_screen(const Output& out, const std::string& name, const Image& screen);

}  // namespace style
