// libFuzzer target: the JPEG decoder must refuse or decode any bytes without leaving them.
#include <cstddef>
#include <cstdint>

#include "formats/JpegReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Image image;
    if (DecodeJpeg(data, size, kPictureLimits, image)) {
        // A decoded image always has exactly the pixels its size promises.
        if (image.pixels.size() != image.RowBytes() * image.height) __builtin_trap();
    }
    return 0;
}
