#pragma once
// Drawing a posed fighter (and its projectiles) with cairo, then turning the
// anti-aliased picture into a masked sprite: every pixel either opaque or
// exactly the mask colour.

#include <optional>
#include <vector>

#include "common/image.h"
#include "rig.h"
#include "source.h"

struct Sprite {
    Image image;
    int ox = 0, oy = 0;  // anchor pixel: between the feet, on the ground row
    // The posed body with the anchor at (0, 0): x forward, y downward, so
    // everything above the ground has a negative y.
    Body body;
};

// Draws one frame. `previous` is the body of the frame before (anchor
// coordinates), which trails are smeared from; `phase` varies the little
// things that move on their own (hair, tails, glows) from frame to frame.
Sprite render_frame(const FighterSource& src, const Pose& pose, const FrameDef& frame,
                    const std::optional<Body>& previous, int phase);

// One frame of a projectile: the anchor is the projectile's centre (its base,
// for kinds that run along the ground); `tip` is the striking point.
struct FxSprite {
    Image image;
    int ox = 0, oy = 0;
    Vec tip;
};
FxSprite render_fx(const FighterSource& src, const FxDef& fx, int index);

// Anti-aliased ARGB (premultiplied, as cairo keeps it) to a masked picture:
// alpha of one half or more becomes the opaque, un-premultiplied colour
// (never exactly the mask colour), anything less becomes the mask colour.
Image to_masked(const std::uint32_t* argb, int width, int height, int stride);

// How long a tail of this fighter reaches past its claws' knuckles.
double claw_length(const FighterSource& src);
