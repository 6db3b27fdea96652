#include "formats/TgaReader.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr size_t kHeaderBytes = 18;
constexpr size_t kPaletteBytes = 256 * 3;

int ReadU16(const uint8_t* p) { return p[0] | (p[1] << 8); }

// Expands run-length packets of `pixelBytes`-byte pixels into exactly `out.size()` bytes.
// False when a packet would run past the image or the data ends first.
bool DecodeRunLength(const uint8_t* in, size_t inSize, size_t pixelBytes, std::vector<uint8_t>& out) {
    size_t read = 0, written = 0;
    while (written < out.size()) {
        if (read >= inSize) return false;
        const uint8_t packet = in[read++];
        const bool repeat = packet & 0x80;
        const size_t count = repeat ? static_cast<size_t>((packet - 127) & 0xFF) : packet + 1u;
        if (count * pixelBytes > out.size() - written) return false;
        if (repeat) {
            if (pixelBytes > inSize - read) return false;
            for (size_t i = 0; i < count; ++i) {
                std::memcpy(out.data() + written, in + read, pixelBytes);
                written += pixelBytes;
            }
            read += pixelBytes;
        } else {
            const size_t bytes = count * pixelBytes;
            if (bytes > inSize - read) return false;
            std::memcpy(out.data() + written, in + read, bytes);
            written += bytes;
            read += bytes;
        }
    }
    return true;
}

void SwapRedBlue(uint8_t* data, size_t bytes, size_t stride) {
    if (stride < 3) return;  // 8- and 16-bit pixels have no separate red and blue bytes
    for (size_t i = 0; i + stride <= bytes; i += stride) std::swap(data[i], data[i + 2]);
}

void FlipRows(std::vector<uint8_t>& pixels, size_t rowBytes, size_t rows) {
    for (size_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(pixels.begin() + top * rowBytes, pixels.begin() + (top + 1) * rowBytes,
                         pixels.begin() + bottom * rowBytes);
    }
}

TgaResult Decode(const uint8_t* data, size_t size, int maxSide, TgaImage& image) {
    if (size < kHeaderBytes) return TgaBadFile;
    const size_t idLength = data[0];
    const uint8_t mapType = data[1], type = data[2];
    if (mapType > 1 || type > 11) return TgaUnsupported;
    if (mapType == 1 && (ReadU16(data + 3) != 0 || ReadU16(data + 5) != 256 || data[7] != 24)) {
        return TgaUnsupported;
    }
    const int width = ReadU16(data + 12) - ReadU16(data + 8);
    const int height = ReadU16(data + 14) - ReadU16(data + 10);
    if (width <= 0 || height <= 0 || width > INT16_MAX || height > INT16_MAX) return TgaBadFile;
    if (width > maxSide || height > maxSide) return TgaOutOfSpace;
    const int depth = data[16], descriptor = data[17];
    if (descriptor > 32) return TgaUnsupported;
    const size_t pixelBytes = static_cast<size_t>(depth / 8);
    const size_t imageBytes = static_cast<size_t>(height) * pixelBytes * static_cast<size_t>(width);
    if (imageBytes > INT32_MAX) return TgaBadFile;
    image.width = static_cast<int16_t>(width);
    image.height = static_cast<int16_t>(height);
    image.bitsPerPixel = static_cast<int16_t>(depth);
    image.imageBytes = static_cast<int32_t>(imageBytes);
    image.type = type;

    const bool mapped = type == 1 || type == 9;
    const bool runLength = type == 9 || type == 10;
    if (!mapped && type != 2 && type != 10) return TgaUnsupported;
    if (mapType != (mapped ? 1 : 0)) return TgaBadFile;
    const size_t dataStart = kHeaderBytes + idLength + (mapped ? kPaletteBytes : 0);
    if (size < dataStart) return TgaBadFile;
    const uint8_t* in = data + dataStart;
    const size_t inSize = size - dataStart;
    if (runLength) {
        // One packet of 1 + p bytes yields at most 128 pixels: a bound on what the file can hold.
        if (imageBytes / 128 > inSize) return TgaBadFile;
        image.pixels.assign(imageBytes, 0);
        if (!DecodeRunLength(in, inSize, pixelBytes, image.pixels)) return TgaBadFile;
    } else {
        if (inSize < imageBytes) return TgaBadFile;
        image.pixels.assign(in, in + imageBytes);
    }
    if (mapped) {
        std::memcpy(image.palette, data + kHeaderBytes + idLength, kPaletteBytes);
        SwapRedBlue(image.palette, kPaletteBytes, 3);
    } else {
        SwapRedBlue(image.pixels.data(), imageBytes, pixelBytes);
    }
    if (!(descriptor & 0x20) && imageBytes > 0) FlipRows(image.pixels, pixelBytes * width, height);
    return TgaOk;
}

}  // namespace

TgaResult DecodeTga(const uint8_t* data, size_t size, const PictureLimits& limits, TgaImage& image) {
    if (!data) return TgaCannotRead;
    try {
        return Decode(data, size, limits.maxSide, image);
    } catch (const std::bad_alloc&) {
        return TgaOutOfSpace;
    }
}

bool TgaToImage(const TgaImage& tga, Image& out) {
    if (tga.bitsPerPixel != 24 && tga.bitsPerPixel != 32) return false;
    out.width = tga.width;
    out.height = tga.height;
    out.channels = tga.bitsPerPixel / 8;
    out.pixels = tga.pixels;
    return true;
}
