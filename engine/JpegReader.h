// Pure JPEG decoding through libjpeg (the IJG 6b interface): bytes in, 8-bit RGB rows out, top
// row first. Corrupt data never ends the process: libjpeg's error exit is replaced by one that
// returns, and such a file is refused. Greyscale decodes to RGB; other colour spaces are refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedImage {
    int32_t rowBytes = 0;  // width * 3
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // rowBytes * height
};

// True and `image` filled on success.
bool DecodeJpeg(const uint8_t* data, size_t size, DecodedImage& image);
// Writes RGB rows (top first) as a baseline JPEG; used by the content generators and tests.
bool EncodeJpeg(const uint8_t* rgb, int width, int height, int quality, std::vector<uint8_t>& out);
