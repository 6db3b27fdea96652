// What a frame really shows, read back from the window: a textured plane in its place and the
// way up, and the mirrored floor with a reflection in it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "GLTestContext.h"
#include "engine/GLParticleSystem.h"
#include "formats/JpegReader.h"

namespace {

std::string WriteJpeg(const std::string& name, const std::vector<uint8_t>& rgb, int width, int height) {
    const std::string folder = ::testing::TempDir() + "render_" + std::to_string(getpid()) + "/gfx/";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    EXPECT_FALSE(error) << folder;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(EncodeJpeg(rgb.data(), width, height, 95, jpeg));
    std::ofstream(folder + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
    return folder + name;
}

// Quadrants: red top left, green top right, blue bottom left, white bottom right.
std::vector<uint8_t> Quadrants(int size) {
    std::vector<uint8_t> rgb(static_cast<size_t>(size) * size * 3, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            uint8_t* p = &rgb[(y * size + x) * 3];
            const bool top = y < size / 2, left = x < size / 2;
            if (top && left) p[0] = 255;
            if (top && !left) p[1] = 255;
            if (!top && left) p[2] = 255;
            if (!top && !left) p[0] = p[1] = p[2] = 255;
        }
    }
    return rgb;
}

bool Near(const std::array<int, 3>& got, int r, int g, int b, int tolerance = 40) {
    return std::abs(got[0] - r) <= tolerance && std::abs(got[1] - g) <= tolerance &&
           std::abs(got[2] - b) <= tolerance;
}

std::string Show(const std::array<int, 3>& c) {
    return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}

}  // namespace

class RenderPixelsTest : public GLSceneTest {
protected:
    void SetUp() override {
        GLSceneTest::SetUp();
        // Full ambient light: surfaces show their own colours whatever their normals.
        scene->AddLight(std::make_unique<GLObjectLight>("light", 0, 1.0f, 1.0f, 1.0f, 0, 0, 10));
    }
};

// At z = 0 the view shows 77.25 pixels a unit around the centre (320, 192).
TEST_F(RenderPixelsTest, TexturedPlaneAppearsInPlaceTheRightWayUp) {
    const int32_t slot = scene->textures.LoadJpeg(WriteJpeg("quadrants.jpg", Quadrants(64), 64, 64));
    ASSERT_GE(slot, 0);
    // 154 pixels square around the centre.
    auto* plane = scene->Add(std::make_unique<GLObjectPlane>("picture", 1, 0, 0, 0, 2, 2, 0));
    plane->texture = slot;
    plane->texturedColour = true;
    scene->Render();
    EXPECT_PRED5(Near, ReadPixel(280, 150), 255, 0, 0, 40) << Show(ReadPixel(280, 150));
    EXPECT_PRED5(Near, ReadPixel(360, 150), 0, 255, 0, 40) << Show(ReadPixel(360, 150));
    EXPECT_PRED5(Near, ReadPixel(280, 230), 0, 0, 255, 40) << Show(ReadPixel(280, 230));
    EXPECT_PRED5(Near, ReadPixel(360, 230), 255, 255, 255, 40) << Show(ReadPixel(360, 230));
    EXPECT_PRED5(Near, ReadPixel(200, 192), 0, 0, 0, 5) << Show(ReadPixel(200, 192));  // outside
    EXPECT_PRED5(Near, ReadPixel(320, 110), 0, 0, 0, 5) << Show(ReadPixel(320, 110));

    plane->texture = -1;  // untextured, lit white
    scene->Render();
    EXPECT_PRED5(Near, ReadPixel(280, 150), 255, 255, 255, 10) << Show(ReadPixel(280, 150));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A red box standing 0.25 above the floor (y = -2) at z = -2.5, 8.5 units from the eye: 54.5
// pixels a unit there. The box covers rows 260..287; its reflection (y -2.25..-2.75) rows
// 315..342; the floor covers everything below row 295.
TEST_F(RenderPixelsTest, MirroredFloorShowsTheReflectionBelowTheObject) {
    std::vector<uint8_t> grey(16 * 16 * 3, 128);
    ASSERT_GE(scene->textures.LoadJpeg(WriteJpeg("mirror.jpg", grey, 16, 16)), 0);
    auto* box = scene->Add(std::make_unique<GLObjectCube>("box", 0, -1.5, -2.5, 0.5, 0.5, 0.5));
    box->SetColour(1, 0, 0, 1);
    scene->reflectionOff = false;
    scene->Render();

    const auto boxPixel = ReadPixel(320, 275);
    EXPECT_PRED5(Near, boxPixel, 255, 0, 0, 40) << Show(boxPixel);
    // Floor alone: 0.8 of the grey texture over the black background.
    const auto floorPixel = ReadPixel(100, 330);
    EXPECT_PRED5(Near, floorPixel, 102, 102, 102, 12) << Show(floorPixel);
    // Floor over the reflection: 0.2 of the red shows through.
    const auto reflection = ReadPixel(320, 330);
    EXPECT_PRED5(Near, reflection, 153, 102, 102, 12) << Show(reflection);
    // Above the floor nothing is mirrored and nothing is drawn.
    EXPECT_PRED5(Near, ReadPixel(320, 230), 0, 0, 0, 5) << Show(ReadPixel(320, 230));

    // The object keyed "w" stands on the floor without a reflection.
    box->name = "w";
    scene->Render();
    EXPECT_PRED5(Near, ReadPixel(320, 330), 102, 102, 102, 12) << Show(ReadPixel(320, 330));
    EXPECT_PRED5(Near, ReadPixel(320, 275), 255, 0, 0, 40) << Show(ReadPixel(320, 275));
}

// A burst shows its own colour, not the material left behind by the object drawn before it.
TEST_F(RenderPixelsTest, ParticlesShowTheirOwnColourAfterALitObject) {
    auto* purple = scene->Add(std::make_unique<GLObjectCube>("purple", -2, 0, 0, 0.5, 0.5, 0.5));
    purple->SetColour(0.5, 0.2, 1, 1);
    auto* burst = scene->Add(std::make_unique<GLParticleSystemSimpleExplosion>(100, "explode", 4, 0, 0, 0));
    burst->texture = -1;
    burst->textured = true;
    burst->blend = true;
    burst->SetColour(0, 1, 0, 1);
    for (auto& particle : burst->particles)
        particle->velocity[0] = particle->velocity[1] = particle->velocity[2] = 0;
    scene->Render();
    const auto centre = ReadPixel(320, 192);
    EXPECT_PRED5(Near, centre, 0, 242, 0, 20) << Show(centre);
}

// A burst that has faded out hides nothing drawn after it, even behind it.
TEST_F(RenderPixelsTest, FadedParticlesHideNothingDrawnAfterThem) {
    auto* burst = scene->Add(std::make_unique<GLParticleSystemSimpleExplosion>(100, "explode", 4, 0, 0, 0));
    burst->texture = -1;
    burst->textured = true;
    burst->blend = true;
    burst->SetColour(0, 1, 0, 1);
    for (auto& particle : burst->particles) {
        particle->velocity[0] = particle->velocity[1] = particle->velocity[2] = 0;
        particle->colour[3] = -0.5;  // faded out long ago
    }
    auto* behind = scene->Add(std::make_unique<GLObjectCube>("behind", 0, 0, -1, 1, 1, 1));
    behind->SetColour(1, 0, 0, 1);
    scene->Render();
    const auto centre = ReadPixel(320, 192);
    EXPECT_PRED5(Near, centre, 255, 0, 0, 40) << Show(centre);
}
