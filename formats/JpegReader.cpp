#include "formats/JpegReader.h"

#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <cstdlib>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf jump;
};

// libjpeg's own error exit ends the process; jump back to the caller instead.
[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Corrupt-data warnings are not the player's business.
void SilentMessage(j_common_ptr) {}

void UseQuietErrors(ErrorManager& errors) {
    jpeg_std_error(&errors.standard);
    errors.standard.error_exit = ErrorExit;
    errors.standard.output_message = SilentMessage;
}

// Everything between setjmp and longjmp lives in this function's caller-owned state, so no local
// is modified after setjmp.
// The largest scale n/8 (n = 8 down to 1) at which the picture fits maxSide; 0 when none does.
unsigned FittingEighths(const jpeg_decompress_struct& info, int maxSide) {
    const unsigned long long side = static_cast<unsigned long long>(maxSide > 0 ? maxSide : 0);
    for (unsigned eighths = 8; eighths >= 1; --eighths) {
        // libjpeg rounds a scaled size up.
        if ((info.image_width * 1ULL * eighths + 7) / 8 <= side &&
            (info.image_height * 1ULL * eighths + 7) / 8 <= side)
            return eighths;
    }
    return 0;
}

bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data, size_t size,
            const PictureLimits& limits, Image& image) {
    if (setjmp(errors.jump)) return false;
    jpeg_CreateDecompress(&info, 62, sizeof(jpeg_decompress_struct));
    // Past this, libjpeg asks for a backing store, which this build has not: the decode errors out.
    info.mem->max_memory_to_use = limits.maxJpegWorkBytes;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
        case JCS_YCbCr:
        case JCS_RGB:
            info.out_color_space = JCS_RGB;
            break;
        default:
            return false;  // CMYK and YCCK have no faithful RGB here
    }
    const unsigned eighths = FittingEighths(info, limits.maxSide);
    if (eighths == 0) return false;
    info.scale_num = eighths;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;
    if (info.output_width > static_cast<JDIMENSION>(limits.maxSide) ||
        info.output_height > static_cast<JDIMENSION>(limits.maxSide))
        return false;
    image.width = static_cast<int32_t>(info.output_width);
    image.height = static_cast<int32_t>(info.output_height);
    image.channels = info.output_components;
    image.pixels.assign(image.RowBytes() * static_cast<size_t>(image.height), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + static_cast<size_t>(info.output_scanline) * image.RowBytes();
        jpeg_read_scanlines(&info, &row, 1);
    }
    // A file cut inside the image data decodes with warnings; what libjpeg gives is kept.
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, const PictureLimits& limits, Image& image) {
    if (!data || size == 0) return false;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    UseQuietErrors(errors);
    info.err = &errors.standard;
    bool ok = false;
    try {
        ok = Decode(info, errors, data, size, limits, image);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    jpeg_destroy_decompress(&info);
    if (!ok) image = Image{};
    return ok;
}

namespace {

bool Encode(jpeg_compress_struct& info, ErrorManager& errors, const uint8_t* rgb, int width, int height,
            int quality, unsigned char** buffer, unsigned long* length) {
    if (setjmp(errors.jump)) return false;
    jpeg_CreateCompress(&info, 62, sizeof(jpeg_compress_struct));
    jpeg_mem_dest(&info, buffer, length);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(rgb) + static_cast<size_t>(info.next_scanline) * width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

bool EncodeJpeg(const uint8_t* rgb, int width, int height, int quality, std::vector<uint8_t>& out) {
    if (!rgb || width <= 0 || height <= 0) return false;
    jpeg_compress_struct info{};
    ErrorManager errors{};
    UseQuietErrors(errors);
    info.err = &errors.standard;
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    const bool ok = Encode(info, errors, rgb, width, height, quality, &buffer, &length);
    jpeg_destroy_compress(&info);
    if (ok) out.assign(buffer, buffer + length);
    std::free(buffer);
    return ok;
}
