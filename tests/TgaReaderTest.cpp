#include <gtest/gtest.h>

#include <vector>

#include "formats/TgaReader.h"

namespace {

struct TgaHeader {
    uint8_t idLength = 0, mapType = 0, type = 2;
    uint16_t mapFirst = 0, mapLength = 0;
    uint8_t mapEntry = 0;
    uint16_t xOrigin = 0, yOrigin = 0, width = 1, height = 1;
    uint8_t depth = 24, descriptor = 0;
};

std::vector<uint8_t> Build(const TgaHeader& h, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> bytes = {h.idLength,
                                  h.mapType,
                                  h.type,
                                  uint8_t(h.mapFirst),
                                  uint8_t(h.mapFirst >> 8),
                                  uint8_t(h.mapLength),
                                  uint8_t(h.mapLength >> 8),
                                  h.mapEntry,
                                  uint8_t(h.xOrigin),
                                  uint8_t(h.xOrigin >> 8),
                                  uint8_t(h.yOrigin),
                                  uint8_t(h.yOrigin >> 8),
                                  uint8_t(h.width),
                                  uint8_t(h.width >> 8),
                                  uint8_t(h.height),
                                  uint8_t(h.height >> 8),
                                  h.depth,
                                  h.descriptor};
    bytes.insert(bytes.end(), h.idLength, 0x55);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

TgaResult DecodeBytes(const std::vector<uint8_t>& bytes, TgaImage& image) {
    return DecodeTga(bytes.data(), bytes.size(), kPictureLimits, image);
}

}  // namespace

TEST(TgaReader, TrueColourSwapsToRgbAndFlipsBottomOriginRows) {
    TgaHeader h;
    h.width = 2;
    h.height = 2;
    h.idLength = 3;
    // Stored bottom row first, BGR.
    const std::vector<uint8_t> body = {1, 2, 3, 4,  5,  6,  // bottom row
                                       7, 8, 9, 10, 11, 12};
    TgaImage image;
    ASSERT_EQ(DecodeBytes(Build(h, body), image), TgaOk);
    EXPECT_EQ(image.imageBytes, 12);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));

    h.descriptor = 0x20;  // top origin: kept as stored
    ASSERT_EQ(DecodeBytes(Build(h, body), image), TgaOk);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

TEST(TgaReader, ThirtyTwoBitKeepsAlphaAndOriginShrinksTheImage) {
    TgaHeader h;
    h.depth = 32;
    h.descriptor = 0x08;  // 8 alpha bits, bottom origin (one row: nothing to flip)
    h.xOrigin = 1;
    h.width = 2;  // 2 - 1 = 1 pixel wide
    TgaImage image;
    ASSERT_EQ(DecodeBytes(Build(h, {10, 20, 30, 40}), image), TgaOk);
    EXPECT_EQ(image.width, 1);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{30, 20, 10, 40}));
}

TEST(TgaReader, RunLengthPacketsRepeatOnceRepeat128AndCopyOne) {
    TgaHeader h;
    h.type = 10;
    h.width = 130;
    h.descriptor = 0x20;
    const std::vector<uint8_t> body = {0x80, 1, 2, 3,   // repeat once
                                       0xFF, 4, 5, 6,   // repeat 128 times
                                       0x00, 7, 8, 9};  // copy one
    TgaImage image;
    ASSERT_EQ(DecodeBytes(Build(h, body), image), TgaOk);
    ASSERT_EQ(image.pixels.size(), 390u);
    EXPECT_EQ(image.pixels[0], 3);
    EXPECT_EQ(image.pixels[2], 1);
    for (int i = 1; i <= 128; ++i) ASSERT_EQ(image.pixels[i * 3], 6) << i;
    EXPECT_EQ(image.pixels[129 * 3], 9);
    EXPECT_EQ(image.pixels[129 * 3 + 2], 7);
}

TEST(TgaReader, RawPacketCopiesSeveralPixels) {
    TgaHeader h;
    h.type = 10;
    h.width = 3;
    h.descriptor = 0x20;
    TgaImage image;
    ASSERT_EQ(DecodeBytes(Build(h, {0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}), image), TgaOk);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

TEST(TgaReader, RefusesRunLengthDataThatOverrunsTheImageOrTheFile) {
    TgaHeader h;
    h.type = 10;
    h.width = 4;
    TgaImage image;
    EXPECT_EQ(DecodeBytes(Build(h, {0x84, 1, 2, 3}), image), TgaBadFile);           // 5 pixels into 4
    EXPECT_EQ(DecodeBytes(Build(h, {0x04, 1, 2, 3, 4, 5, 6}), image), TgaBadFile);  // raw run past image
    EXPECT_EQ(DecodeBytes(Build(h, {0x81, 1, 2, 3}), image), TgaBadFile);           // ends after 2 pixels
    EXPECT_EQ(DecodeBytes(Build(h, {0x83, 1, 2}), image), TgaBadFile);              // ends inside a pixel
    EXPECT_EQ(DecodeBytes(Build(h, {0x03, 1, 2, 3, 4, 5, 6}), image), TgaBadFile);  // raw data cut short
    EXPECT_EQ(DecodeBytes(Build(h, {}), image), TgaBadFile);
    h.width = 60000;  // claims far more than any packet stream this short could fill
    h.height = 30000;
    EXPECT_EQ(DecodeBytes(Build(h, {0xFF, 1, 2, 3}), image), TgaBadFile);
}

TEST(TgaReader, RefusesShortOrMalformedFiles) {
    TgaImage image;
    TgaHeader h;
    h.width = 2;
    auto full = Build(h, {1, 2, 3, 4, 5, 6});
    auto truncated = full;
    truncated.pop_back();
    EXPECT_EQ(DecodeBytes(truncated, image), TgaBadFile);
    EXPECT_EQ(DecodeTga(full.data(), 10, kPictureLimits, image), TgaBadFile);  // inside the header
    h.xOrigin = 2;                                                             // width 2 - 2 = 0
    EXPECT_EQ(DecodeBytes(Build(h, {}), image), TgaBadFile);
    h.xOrigin = 0;
    h.mapType = 1;  // true colour with a colour map (valid palette fields)
    h.mapLength = 256;
    h.mapEntry = 24;
    EXPECT_EQ(DecodeBytes(Build(h, std::vector<uint8_t>(768 + 6)), image), TgaBadFile);
}

TEST(TgaReader, ReportsUnsupportedFormats) {
    TgaImage image;
    TgaHeader h;
    h.mapType = 2;
    EXPECT_EQ(DecodeBytes(Build(h, {1, 2, 3}), image), TgaUnsupported);
    h.mapType = 0;
    h.type = 3;  // greyscale
    EXPECT_EQ(DecodeBytes(Build(h, {1, 2, 3}), image), TgaUnsupported);
    h.type = 12;
    EXPECT_EQ(DecodeBytes(Build(h, {1, 2, 3}), image), TgaUnsupported);
    h.type = 2;
    h.descriptor = 33;
    EXPECT_EQ(DecodeBytes(Build(h, {1, 2, 3}), image), TgaUnsupported);
    h.descriptor = 0;
    h.type = 1;
    h.mapType = 1;
    h.mapLength = 16;  // only 256-entry palettes
    h.mapEntry = 24;
    EXPECT_EQ(DecodeBytes(Build(h, std::vector<uint8_t>(800)), image), TgaUnsupported);
}

TEST(TgaReader, ColourMappedImagesCarryIndicesAndAnRgbPalette) {
    TgaHeader h;
    h.type = 9;
    h.mapType = 1;
    h.mapLength = 256;
    h.mapEntry = 24;
    h.depth = 8;
    h.width = 3;
    h.descriptor = 0x20;
    std::vector<uint8_t> body(768, 0);
    body[3] = 30;  // entry 1, stored BGR
    body[5] = 10;
    body.insert(body.end(), {0x82, 1});
    TgaImage image;
    ASSERT_EQ(DecodeBytes(Build(h, body), image), TgaOk);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(image.palette[3], 10);
    EXPECT_EQ(image.palette[5], 30);
    EXPECT_EQ(image.bitsPerPixel, 8);
}

TEST(TgaReader, RefusesPicturesPastTheSideLimitBeforeHoldingThem) {
    TgaImage image;
    TgaHeader h;
    h.width = static_cast<uint16_t>(kPictureLimits.maxSide);
    EXPECT_EQ(DecodeBytes(Build(h, std::vector<uint8_t>(h.width * 3u)), image), TgaOk);
    h.width += 1;
    EXPECT_EQ(DecodeBytes(Build(h, std::vector<uint8_t>(h.width * 3u)), image), TgaOutOfSpace);
    h = TgaHeader{};
    h.type = 10;  // run-length: a few bytes could otherwise claim 32767 x 32767 pixels
    h.height = 32767;
    h.width = 32767;
    TgaImage huge;
    EXPECT_EQ(DecodeBytes(Build(h, std::vector<uint8_t>(1u << 20, 0xFF)), huge), TgaOutOfSpace);
    EXPECT_TRUE(huge.pixels.empty());
}

TEST(TgaReader, OnlyTrueColourPicturesBecomeImages) {
    const struct {
        uint8_t depth;
        std::vector<uint8_t> body;
        bool converts;
        int channels;
    } cases[] = {
        {24, {1, 2, 3}, true, 3},
        {32, {1, 2, 3, 4}, true, 4},
        {16, {1, 2}, false, 0},
        {8, {7}, false, 0},
    };
    for (const auto& c : cases) {
        TgaHeader h;
        h.depth = c.depth;
        TgaImage tga;
        ASSERT_EQ(DecodeBytes(Build(h, c.body), tga), TgaOk) << int(c.depth);
        Image image;
        ASSERT_EQ(TgaToImage(tga, image), c.converts) << int(c.depth);
        if (!c.converts) {
            EXPECT_TRUE(image.pixels.empty());
            continue;
        }
        EXPECT_EQ(image.width, 1);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(image.channels, c.channels);
        EXPECT_EQ(image.RowBytes(), size_t(c.channels));
        EXPECT_EQ(image.pixels, tga.pixels);
    }
}
