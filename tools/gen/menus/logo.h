#pragma once
// The studio logo the game's intro fades in over a black screen.

#include "common/fonts.h"
#include "common/image.h"

struct Context;

constexpr int kLogoWidth = 386;
constexpr int kLogoHeight = 64;

Image draw_logo(const FontTable& fonts);

void produce_intro_screens(Context& ctx);
