#pragma once
// The menus' interface sounds.

#include "common/audio.h"

struct Context;

Sound mouseover_tick();  // the pointer moving onto a button
Sound mouse_click();     // a button pressed
Sound gong();            // a choice confirmed with ceremony

void produce_menu_sounds(Context& ctx);
