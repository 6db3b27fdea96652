#include <gtest/gtest.h>

#include <cstdio>  // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "formats/JpegReader.h"

namespace {

// Left half red, right half blue.
std::vector<uint8_t> SplitPicture(int width, int height) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rgb[(y * width + x) * 3 + (x < width / 2 ? 0 : 2)] = 255;
    }
    return rgb;
}

// A JPEG in another colour space (or progressive), written with libjpeg directly.
std::vector<uint8_t> EncodeIn(J_COLOR_SPACE space, int components, int width, int height,
                              bool progressive = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * components, 200);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + length);
    std::free(buffer);
    return out;
}

}  // namespace

TEST(JpegReader, RoundTripKeepsSizeAndColours) {
    const auto rgb = SplitPicture(32, 16);
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(EncodeJpeg(rgb.data(), 32, 16, 95, jpeg));
    Image image;
    ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), kPictureLimits, image));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(image.RowBytes(), 96u);
    ASSERT_EQ(image.pixels.size(), 32u * 16 * 3);
    const uint8_t* left = &image.pixels[(8 * 32 + 4) * 3];
    const uint8_t* right = &image.pixels[(8 * 32 + 28) * 3];
    EXPECT_GT(left[0], 230);
    EXPECT_LT(left[2], 25);
    EXPECT_GT(right[2], 230);
    EXPECT_LT(right[0], 25);
}

TEST(JpegReader, GreyscaleDecodesToRgbAndCmykIsRefused) {
    const auto grey = EncodeIn(JCS_GRAYSCALE, 1, 8, 8);
    Image image;
    ASSERT_TRUE(DecodeJpeg(grey.data(), grey.size(), kPictureLimits, image));
    EXPECT_EQ(image.RowBytes(), 24u);
    EXPECT_NEAR(image.pixels[0], 200, 2);
    EXPECT_EQ(image.pixels[0], image.pixels[1]);
    EXPECT_EQ(image.pixels[0], image.pixels[2]);

    const auto cmyk = EncodeIn(JCS_CMYK, 4, 8, 8);
    EXPECT_FALSE(DecodeJpeg(cmyk.data(), cmyk.size(), kPictureLimits, image));
    EXPECT_TRUE(image.pixels.empty());
}

TEST(JpegReader, CorruptDataIsRefusedWithoutEndingTheProcess) {
    const auto rgb = SplitPicture(16, 16);
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(EncodeJpeg(rgb.data(), 16, 16, 80, jpeg));
    Image image;
    const std::vector<uint8_t> garbage = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    EXPECT_FALSE(DecodeJpeg(garbage.data(), garbage.size(), kPictureLimits, image));
    EXPECT_FALSE(DecodeJpeg(jpeg.data(), 20, kPictureLimits, image));  // cut inside the header
    EXPECT_FALSE(DecodeJpeg(nullptr, 0, kPictureLimits, image));
    auto damaged = jpeg;
    for (size_t i = 2; i < 40; ++i) damaged[i] ^= 0x5A;
    EXPECT_FALSE(DecodeJpeg(damaged.data(), damaged.size(), kPictureLimits, image));
}

TEST(JpegReader, FileCutInsideTheImageDataStillDecodes) {
    // Noise, so that the scan data (not the tables) makes up most of the file.
    std::vector<uint8_t> rgb(64 * 64 * 3);
    uint32_t seed = 1;
    for (uint8_t& byte : rgb) byte = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(EncodeJpeg(rgb.data(), 64, 64, 90, jpeg));
    Image image;
    ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size() - jpeg.size() / 3, kPictureLimits, image));
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.pixels.size(), 64u * 64 * 3);
}

// The decode stays within its limits: a picture up to the side limit keeps its size, a larger one
// comes out scaled by eighths to fit, one that cannot fit even at an eighth is refused, and so is
// one whose decoding needs more working memory than allowed.
TEST(JpegReader, PicturesAreBoundedBySideAndWorkingMemory) {
    struct Case {
        int width, height;
        bool progressive;
        PictureLimits limits;
        int decodedWidth, decodedHeight;  // 0: refused
    };
    const Case cases[] = {
        {2048, 8, false, kPictureLimits, 2048, 8},                       // at the limit: as it is
        {2049, 16, false, kPictureLimits, 1793, 14},                     // 7/8
        {4100, 16, false, kPictureLimits, 1538, 6},                      // 3/8
        {16385, 8, false, kPictureLimits, 0, 0},                         // past eight times the limit
        {600, 400, false, PictureLimits{512, 96L << 20}, 450, 300},      // 6/8: 7/8 gives 525
        {1024, 1024, false, PictureLimits{2048, 1L << 20}, 1024, 1024},  // baseline decodes row by row
        {1024, 1024, true, PictureLimits{2048, 1L << 20}, 0, 0},         // progressive keeps it all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto jpeg = EncodeIn(JCS_RGB, 3, c.width, c.height, c.progressive);
        Image image;
        ASSERT_EQ(DecodeJpeg(jpeg.data(), jpeg.size(), c.limits, image), c.decodedWidth > 0);
        EXPECT_EQ(image.width, c.decodedWidth);
        EXPECT_EQ(image.height, c.decodedHeight);
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(c.decodedWidth) * c.decodedHeight * 3);
    }
}
