// A picture decoded on the CPU, as the readers give it and before anything is uploaded: 8-bit
// channels, rows top first, no padding between rows. Turning it into a GL texture is the engine's
// separate step (engine/TextureUpload.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    int32_t channels = 0;         // 3: RGB, 4: RGBA
    std::vector<uint8_t> pixels;  // RowBytes() * height

    size_t RowBytes() const { return static_cast<size_t>(width) * static_cast<size_t>(channels); }
};
