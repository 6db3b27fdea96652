// The game's own TGA reader (types 1, 2, 9, 10; palette; run-length; origin flip): bytes in,
// pixels out, top row first in RGB(A) order. Never reads past the bytes or writes past the image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/FileLimits.h"
#include "formats/Image.h"

enum TgaResult : int {
    TgaOk = 1,
    TgaCannotRead = 2,
    TgaOutOfSpace = 4,
    TgaBadFile = 8,
    TgaUnsupported = 64,
};

struct TgaImage {
    int16_t width = 0;
    int16_t height = 0;
    int16_t bitsPerPixel = 0;
    int32_t imageBytes = 0;
    uint8_t type = 0;
    std::vector<uint8_t> pixels;
    uint8_t palette[256 * 3] = {};
};

// A picture wider or taller than limits.maxSide is refused with TgaOutOfSpace before any pixel is
// held.
TgaResult DecodeTga(const uint8_t* data, size_t size, const PictureLimits& limits, TgaImage& image);

// The picture as an Image: 24-bit pixels as RGB, 32-bit as RGBA. False (and `out` left alone) for
// the other depths, which the game has no use for.
bool TgaToImage(const TgaImage& tga, Image& out);
