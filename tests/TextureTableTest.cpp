#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "GLTestContext.h"
#include "engine/TextureTable.h"
#include "formats/JpegReader.h"
#include "tests/hooks/Headless.h"

namespace {

std::string TestFolder() {
    const std::string folder = ::testing::TempDir() + "textures_" + std::to_string(getpid()) + "/";
    std::error_code error;
    std::filesystem::create_directories(folder + "gfx", error);
    EXPECT_FALSE(error) << folder;
    return folder;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string WriteJpeg(const std::string& path) {
    std::vector<uint8_t> rgb(8 * 8 * 3, 128), jpeg;
    EXPECT_TRUE(EncodeJpeg(rgb.data(), 8, 8, 90, jpeg));
    WriteFile(path, jpeg);
    return path;
}

// A 2 x 2 true-colour TGA of the given depth.
std::string WriteTga(const std::string& path, uint8_t depth) {
    std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, depth, 0};
    bytes.resize(bytes.size() + 4 * (depth / 8), 200);
    WriteFile(path, bytes);
    return path;
}

}  // namespace

using TextureTableTest = GLTestContext;

TEST_F(TextureTableTest, SlotsAreTakenInOrderAndFoundByFragment) {
    const std::string folder = TestFolder();
    EXPECT_EQ(textures.LoadJpeg(WriteJpeg(folder + "gfx/mirror.jpg")), 0);
    EXPECT_EQ(textures.LoadJpeg(WriteJpeg(folder + "gfx/mirror.jpg.bak.jpg")), 1);
    EXPECT_TRUE(textures.LoadTga(WriteTga(folder + "gfx/particle.tga", 32)));
    EXPECT_EQ(textures.count, 3);
    EXPECT_EQ(textures.Find("gfx/mirror.jpg"), 0);  // the earlier of two matches
    EXPECT_EQ(textures.Find("particle.tga"), 2);
    EXPECT_EQ(textures.Find("GFX/MIRROR.JPG"), -1);
    EXPECT_NE(textures.textureNames[0], textures.textureNames[2]);
    EXPECT_EQ(glIsTexture(textures.textureNames[2]), GL_TRUE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureTableTest, MissingOrCorruptJpegTakesNoSlotAndShowsNothing) {
    const std::string folder = TestFolder();
    platform::headless::ClearRecords();
    EXPECT_EQ(textures.LoadJpeg(folder + "gfx/none.jpg"), -1);
    WriteFile(folder + "gfx/bad.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 3, 1});
    EXPECT_EQ(textures.LoadJpeg(folder + "gfx/bad.jpg"), -1);
    EXPECT_EQ(textures.count, 0);
    EXPECT_TRUE(platform::headless::Messages().empty());
}

TEST_F(TextureTableTest, FailedTgaStillConsumesItsSlot) {
    const std::string folder = TestFolder();
    EXPECT_FALSE(textures.LoadTga(folder + "gfx/none.tga"));
    WriteFile(folder + "gfx/cut.tga", {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0, 1, 2});
    EXPECT_FALSE(textures.LoadTga(folder + "gfx/cut.tga"));
    EXPECT_FALSE(textures.LoadTga(WriteTga(folder + "gfx/sixteen.tga", 16)));  // decodes, not uploadable
    EXPECT_EQ(textures.count, 3);
    EXPECT_EQ(textures.Find("cut.tga"), 1);
}

TEST_F(TextureTableTest, SeventyFirstTgaIsRefusedWithAMessage) {
    const std::string path = WriteTga(TestFolder() + "gfx/p.tga", 24);
    for (int i = 0; i < MAX_TEXTURES; ++i) ASSERT_TRUE(textures.LoadTga(path)) << i;
    platform::headless::ClearRecords();
    EXPECT_FALSE(textures.LoadTga(path));
    EXPECT_EQ(textures.count, MAX_TEXTURES);
    ASSERT_EQ(platform::headless::Messages().size(), 1u);
    EXPECT_EQ(platform::headless::Messages()[0], "can't load more textures (MAX_TEXTURES)");
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);
}

TEST_F(TextureTableTest, SeventyFirstJpegEndsTheProcess) {
    const std::string path = WriteJpeg(TestFolder() + "gfx/p.jpg");
    for (int i = 0; i < MAX_TEXTURES; ++i) ASSERT_EQ(textures.LoadJpeg(path), i);
    platform::headless::ClearRecords();
    EXPECT_EQ(textures.LoadJpeg(path), -1);
    EXPECT_EQ(textures.count, MAX_TEXTURES);
    ASSERT_EQ(platform::headless::Messages().size(), 1u);
    EXPECT_EQ(platform::headless::Messages()[0], "can't load more textures (MAX_TEXTURES)");
    EXPECT_EQ(platform::headless::ExitStatus(), -1);
}

// Render() leaves no context current; a load between frames must still upload, not crash in GLU.
TEST_F(TextureTableTest, LoadingBetweenFramesMakesTheContextCurrent) {
    const std::string folder = TestFolder();
    platform::ReleaseContext();
    const int32_t slot = textures.LoadJpeg(WriteJpeg(folder + "gfx/late.jpg"));
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(glIsTexture(textures.textureNames[slot]), GL_TRUE);
    platform::ReleaseContext();
    EXPECT_TRUE(textures.LoadTga(WriteTga(folder + "gfx/late.tga", 24)));
    EXPECT_EQ(glIsTexture(textures.textureNames[1]), GL_TRUE);
}

// The game's own pictures (an own topic's title card, a language card, the own lists' panel): each
// name keeps one slot, drawn again only when what it shows changed.
TEST_F(TextureTableTest, DrawnPictureIsDrawnAgainOnlyWhenItsSourceChanges) {
    int draws = 0;
    const auto drawn = [&](const std::u16string& source, uint8_t shade) {
        return textures.DrawnImage("card", source, [&] {
            ++draws;
            Image image;
            image.width = image.height = 2;
            image.channels = 3;
            image.pixels.assign(12, shade);
            return image;
        });
    };
    const int32_t slot = drawn(u"Hund", 10);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(drawn(u"Hund", 20), slot);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(drawn(u"Katze", 30), slot);  // the same slot, drawn again
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(textures.drawnFrom[slot], u"Katze");
    EXPECT_EQ(textures.count, 1);
    platform::MakeContextCurrent();
    EXPECT_EQ(glIsTexture(textures.textureNames[slot]), GL_TRUE);

    // A full table has no slot for a new name: nothing is drawn.
    while (textures.count < MAX_TEXTURES) textures.LoadTga(WriteTga(TestFolder() + "gfx/filler.tga", 24));
    EXPECT_EQ(textures.DrawnImage("another card", u"Hund",
                                  [&] {
                                      ++draws;
                                      return Image{};
                                  }),
              -1);
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(drawn(u"Maus", 40), slot);  // a slot it has is still drawn into
    EXPECT_EQ(draws, 3);
}
