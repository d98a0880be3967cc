#pragma once
// Small menu buttons.

#include "common/image.h"

struct Context;

// The "+" that spends a bonus point on the fighter selection screen: 14 x 14
// (the buttons are stacked 16 pixels apart), a bevelled dark green button
// with a gold cross, its rounded-off corners in the mask colour. Drawn pixel
// by pixel: an opaque dark rim meets the mask with a hard edge, so no pixel
// is a blend of the button and magenta.
constexpr int kPlusSize = 14;
Image draw_plus_button();

void produce_menu_buttons(Context& ctx);
