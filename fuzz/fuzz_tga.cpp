// libFuzzer target: the TGA reader must refuse or decode any bytes without leaving them.
#include <cstddef>
#include <cstdint>

#include "formats/TgaReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TgaImage image;
    if (DecodeTga(data, size, kPictureLimits, image) == TgaOk) {
        // A decoded image always has exactly the pixels its header promises.
        if (image.pixels.size() != static_cast<size_t>(image.imageBytes)) __builtin_trap();
    }
    return 0;
}
