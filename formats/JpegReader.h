// Pure JPEG decoding through libjpeg (the IJG 6b interface): bytes in, 8-bit RGB rows out, top
// row first. Corrupt data never ends the process: libjpeg's error exit is replaced by one that
// returns, and such a file is refused. Greyscale decodes to RGB; other colour spaces are refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/FileLimits.h"
#include "formats/Image.h"

// True and `image` filled (three channels) on success. A picture within limits.maxSide decodes at its own
// size; a larger one is scaled down by libjpeg (by eighths, to one eighth at most) until it fits, or refused,
// as is one that needs more than limits.maxJpegWorkBytes to decode.
bool DecodeJpeg(const uint8_t* data, size_t size, const PictureLimits& limits, Image& image);
// Writes RGB rows (top first) as a baseline JPEG; used by the content generators and tests.
bool EncodeJpeg(const uint8_t* rgb, int width, int height, int quality, std::vector<uint8_t>& out);
