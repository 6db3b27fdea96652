// Objects whose fragments are all opaque are drawn without blending: the frame must come out the
// same, pixel for pixel, as when they are blended, and translucent objects must keep blending.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "GLTestContext.h"
#include "engine/GLObjectText.h"
#include "engine/GLParticleSystem.h"
#include "formats/JpegReader.h"

namespace {

// The same object, but always blended: the frame as it was drawn before blending was skipped.
template <class Base>
struct AlwaysBlended : Base {
    using Base::Base;
    using Base::OpaqueFragments;
    bool OpaqueFragments(const TextureTable*, double) const override { return false; }
};

std::string WritePicture(const std::string& name) {
    const std::string folder = ::testing::TempDir() + "opaque_" + std::to_string(getpid()) + "/gfx/";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    EXPECT_FALSE(error) << folder;
    std::vector<uint8_t> rgb(64 * 64 * 3), jpeg;
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>((i * 53) ^ (i >> 7));
    EXPECT_TRUE(EncodeJpeg(rgb.data(), 64, 64, 90, jpeg));
    std::ofstream(folder + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
    return folder + name;
}

class OpaqueBlendTest : public GLSceneTest {
protected:
    void SetUp() override {
        GLSceneTest::SetUp();
        scene->AddLight(std::make_unique<GLObjectLight>("light", 0, 0.9f, 0.8f, 0.7f, 1, 2, 5));
        picture = scene->textures.LoadJpeg(WritePicture("picture.jpg"));
        ASSERT_GE(picture, 0);
    }

    // A grey gradient behind a picture, a box and a text, all blended at full opacity, over the
    // mirrored floor; returns the whole frame.
    template <template <class> class Wrap>
    std::vector<uint8_t> Frame() {
        auto* backdrop = scene->Add(std::make_unique<Wrap<GLObjectPlaneGradient>>("w", 0, 0, -6, 25, 15, 15));
        backdrop->rotation[0] = 90;
        backdrop->vertexColour = true;
        for (int corner = 0; corner < 4; ++corner) {
            backdrop->cornerRed[corner] = backdrop->cornerGreen[corner] = 0.1f + 0.1f * corner;
            backdrop->cornerBlue[corner] = 0.3f;
            backdrop->cornerAlpha[corner] = 1;
        }
        auto* plane = scene->Add(std::make_unique<Wrap<GLObjectPlane>>("picture", 1, 1, 0.5, -1, 2.5, 0, 2));
        plane->rotation[0] = 90;
        plane->SetColour(1, 1, 1, 1);
        plane->texture = picture;
        plane->textured = plane->texturedColour = plane->blend = true;
        auto* box = scene->Add(std::make_unique<Wrap<GLObjectCube>>("box", -1.5, -0.5, 0, 0.8, 0.8, 0.8));
        box->rotation[1] = 30;
        box->SetVertexColour(0.9, 0.3, 0.2, 1);
        box->blend = true;
        auto* text = scene->Add(std::make_unique<Wrap<GLObjectText>>("text", u"Ab", -1.5, 1, 0.5));
        text->SetVertexColour(0.2, 0.9, 0.4, 1);
        text->blend = true;
        scene->reflectionOff = false;
        scene->Render();
        // The scene keeps them; hidden, they take no part in the next frame.
        for (GLObject* object : std::initializer_list<GLObject*>{backdrop, plane, box, text}) {
            object->visible = false;
        }
        platform::MakeContextCurrent();
        std::vector<uint8_t> rgb(kWidth * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    }

    template <class Base>
    using AsIs = Base;

    int32_t picture = -1;
};

TEST_F(OpaqueBlendTest, OpaqueObjectsDrawTheSamePixelsUnblended) {
    const std::vector<uint8_t> unblended = Frame<AsIs>();
    const std::vector<uint8_t> blended = Frame<AlwaysBlended>();
    ASSERT_EQ(unblended.size(), blended.size());
    size_t differing = 0;
    for (size_t i = 0; i < blended.size(); ++i) differing += unblended[i] != blended[i];
    EXPECT_EQ(differing, 0u);
    size_t lit = 0;
    for (uint8_t value : blended) lit += value > 40;
    EXPECT_GT(lit, blended.size() / 4) << "the frame shows the objects";
}

TEST_F(OpaqueBlendTest, OnlyFragmentsSureToBeOpaqueSkipBlending) {
    GLObjectPlane plane("p", 1, 0, 0, 0, 1, 1, 0);
    plane.SetColour(1, 1, 1, 1);
    plane.texture = picture;
    plane.textured = plane.texturedColour = plane.blend = true;
    EXPECT_TRUE(plane.OpaqueFragments(&scene->textures));
    plane.colour[3] = 0.999;  // fading
    EXPECT_FALSE(plane.OpaqueFragments(&scene->textures));
    plane.colour[3] = 1;
    plane.blendDst = GL_ONE;  // additive: the destination always counts
    EXPECT_FALSE(plane.OpaqueFragments(&scene->textures));
    plane.blendDst = GL_ONE_MINUS_SRC_ALPHA;
    plane.maskPass = true;
    EXPECT_FALSE(plane.OpaqueFragments(&scene->textures));
    plane.maskPass = false;
    // Without blend of its own, texturedColour blends with whatever function is current.
    plane.blend = false;
    glBlendFunc(GL_ONE, GL_ONE);
    EXPECT_FALSE(plane.OpaqueFragments(&scene->textures));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_TRUE(plane.OpaqueFragments(&scene->textures));
    plane.blend = true;  // its own function is applied
    glBlendFunc(GL_ONE, GL_ONE);
    EXPECT_TRUE(plane.OpaqueFragments(&scene->textures));
    plane.texturedColour = false;  // lit with whatever material was left behind
    EXPECT_FALSE(plane.OpaqueFragments(&scene->textures));

    GLObjectCube plain("c", 0, 0, 0, 1, 1, 1);
    plain.SetColour(1, 1, 1, 1);
    glEnable(GL_LIGHTING);
    EXPECT_TRUE(plain.OpaqueFragments(&scene->textures));
    glDisable(GL_LIGHTING);  // the current colour, whatever it is, decides
    EXPECT_FALSE(plain.OpaqueFragments(&scene->textures));

    GLObjectPlaneGradient gradient("g", 0, 0, 0, 1, 1, 1);
    gradient.SetVertexColour(1, 1, 1, 1);
    for (float& alpha : gradient.cornerAlpha) alpha = 1;
    EXPECT_TRUE(gradient.OpaqueFragments(&scene->textures));
    gradient.cornerAlpha[2] = 0.5f;
    EXPECT_FALSE(gradient.OpaqueFragments(&scene->textures));

    GLParticleSystemSimpleExplosion burst(10, "b", 5, 0, 0, 0);
    burst.SetColour(1, 1, 1, 1);
    EXPECT_FALSE(burst.OpaqueFragments(&scene->textures));
}

}  // namespace
