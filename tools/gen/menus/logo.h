#pragma once
// The studio logo and the black screen the game's intro fades it over.

#include "common/fonts.h"
#include "common/image.h"

struct Context;

constexpr int kLogoWidth = 386;
constexpr int kLogoHeight = 64;

Image draw_logo(const FontTable& fonts);

void produce_intro_screens(Context& ctx);
