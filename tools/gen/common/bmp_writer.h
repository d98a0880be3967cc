#pragma once
// Classic Windows BMP (BITMAPINFOHEADER, 24 bits a pixel, uncompressed):
// the one layout every Allegro 4 build loads without surprises.

#include <cstdint>
#include <vector>

#include "common/image.h"

std::vector<std::uint8_t> encode_bmp(const Image& image);
