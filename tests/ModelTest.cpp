// MS3D models on a headless GL context: loading from the game folder, bounds as drawn, materials
// that fade with the object, the object's own colour, and texture coordinates as sent to GL.
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "GLTestContext.h"
#include "TestDrawables.h"
#include "engine/Model.h"
#include "tests/hooks/Headless.h"
#include "tools/Ms3dWriter.h"

namespace {

// Sends a model's vertices alone, under whatever GL state the test set.
struct GeometrySender : MilkshapeModel {
    static void Send(const MilkshapeModel& model) {
        const auto draw = &GeometrySender::DrawGeometry;  // a member of Model, reached from here
        (model.*draw)(DrawPass{}, model.CurrentPose());
    }
};
void GeometryOnly(const MilkshapeModel& model) { GeometrySender::Send(model); }

// A unit square in the x-y plane facing +z, in one group with one green material.
Ms3dMesh GreenSquare() {
    Ms3dMesh m;
    m.vertices = {{0, -0.5f, -0.5f, 0}, {0, 0.5f, -0.5f, 0}, {0, 0.5f, 0.5f, 0.25f}, {0, -0.5f, 0.5f, 0}};
    ModelTriangle a{}, b{};
    const int32_t ai[3] = {0, 1, 2}, bi[3] = {0, 2, 3};
    for (int c = 0; c < 3; ++c) {
        a.vertexIndices[c] = ai[c];
        b.vertexIndices[c] = bi[c];
        a.normals[c][2] = b.normals[c][2] = 1;
        a.t[c] = b.t[c] = 0.75f;  // 0.25 in the file
    }
    m.triangles = {a, b};
    ModelGroup g;
    g.materialIndex = 0;
    g.triangleIndices = {0, 1};
    m.groups = {g};
    ModelMaterial green;
    const float ambient[4] = {0, 0.3f, 0, 1}, diffuse[4] = {0, 0.8f, 0, 1};
    std::copy(ambient, ambient + 4, green.ambient);
    std::copy(diffuse, diffuse + 4, green.diffuse);
    m.materials = {green};
    return m;
}

class ModelTest : public GLTestContext {
protected:
    void SetUp() override {
        GLTestContext::SetUp();
        char pattern[] = "/tmp/lexadrill-model-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
        std::filesystem::create_directory(folder + "data");
        platform::headless::SetExecutableFolder(folder);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        GLTestContext::TearDown();
    }
    void WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) {
        std::ofstream out(folder + relative, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void BeginFrame() {
        BeginGameView();
        WhiteLight(0, 0, 10);
    }
    // RGB of the back buffer's middle pixel.
    static std::array<int, 3> Middle() {
        glFinish();
        uint8_t rgba[4];
        glReadPixels(kWidth / 2, kHeight / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    std::string folder;
};

TEST_F(ModelTest, LoadsVersionsThreeAndFourFromTheGameFolderOnly) {
    WriteFile("data/v3.ms3d", ms3d_writer::WriteMs3d(GreenSquare(), 3));
    WriteFile("data/v4.ms3d", ms3d_writer::WriteMs3d(GreenSquare(), 4));
    WriteFile("data/v2.ms3d", ms3d_writer::WriteMs3d(GreenSquare(), 2));
    MilkshapeModel model("m", 0, 0, 0);
    EXPECT_TRUE(model.Load("data/v3.ms3d"));
    EXPECT_EQ(model.mesh.triangles.size(), 2u);
    EXPECT_TRUE(model.Load("data/v4.ms3d"));
    EXPECT_EQ(model.mesh.vertices.size(), 4u);
    EXPECT_FALSE(model.Load("data/v2.ms3d"));
    EXPECT_TRUE(model.mesh.triangles.empty());
    EXPECT_TRUE(model.Load("data/v4.ms3d"));
    EXPECT_FALSE(model.Load("data/missing.ms3d"));
    EXPECT_TRUE(model.mesh.groups.empty());
    EXPECT_FALSE(model.Load("data"));  // a folder is not a model
}

TEST_F(ModelTest, BoundsAreTheDrawnVerticesShiftedByThePosition) {
    WriteFile("data/sq.ms3d", ms3d_writer::WriteMs3d(GreenSquare()));
    MilkshapeModel model("m", 1, 2, 3);
    ASSERT_TRUE(model.Load("data/sq.ms3d"));
    model.rotation[2] = 45;  // rotation and scale are not applied to the bounds
    model.scale = 3;
    BeginFrame();
    StepAndDraw(model);
    const double expected[6] = {0.5, 1.5, 3, 1.5, 2.5, 3.25};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(model.bounds[i], expected[i]) << i;

    MilkshapeModel empty("e", 1, 2, 3);
    EXPECT_FALSE(empty.Load("data/none.ms3d"));
    StepAndDraw(empty);
    EXPECT_EQ(empty.bounds[0], 11110);
    EXPECT_EQ(empty.bounds[5], -11110);
}

// The first draw compiles the mesh; later draws replay it wherever the model has moved, and a new
// Load() draws the new mesh. Bounds equal, bit for bit, the drawn vertices plus the position.
TEST_F(ModelTest, RedrawsFollowThePositionAndANewLoad) {
    WriteFile("data/sq.ms3d", ms3d_writer::WriteMs3d(GreenSquare()));
    Ms3dMesh wide = GreenSquare();
    for (ModelVertex& v : wide.vertices) v.y *= 3;
    WriteFile("data/wide.ms3d", ms3d_writer::WriteMs3d(wide));
    MilkshapeModel model("m", 0, 0, 0);
    ASSERT_TRUE(model.Load("data/sq.ms3d"));
    BeginFrame();
    StepAndDraw(model);
    const auto first = Middle();
    EXPECT_GT(first[1], 150);

    model.position[0] = 0.1;
    model.position[1] = 1.3;
    model.position[2] = -0.7;
    BeginFrame();
    StepAndDraw(model);
    EXPECT_LT(Middle()[1], 30) << "the square moved away from the middle";
    for (int axis = 0; axis < 3; ++axis) {
        double low = 1e9, high = -1e9;
        for (const ModelVertex& v : model.mesh.vertices) {
            const double at[3] = {v.x, v.y, v.z};
            low = std::min(low, at[axis] + model.position[axis]);
            high = std::max(high, at[axis] + model.position[axis]);
        }
        EXPECT_EQ(model.bounds[axis], low) << axis;
        EXPECT_EQ(model.bounds[axis + 3], high) << axis;
    }

    ASSERT_TRUE(model.Load("data/wide.ms3d"));
    model.position[0] = model.position[1] = model.position[2] = 0;
    BeginFrame();
    StepAndDraw(model);
    EXPECT_EQ(Middle(), first);
    EXPECT_FLOAT_EQ(model.bounds[1], -1.5f);
    EXPECT_FLOAT_EQ(model.bounds[4], 1.5f);
}

TEST_F(ModelTest, MaterialsFadeWithTheObject) {
    WriteFile("data/sq.ms3d", ms3d_writer::WriteMs3d(GreenSquare()));
    MilkshapeModel model("m", 0, 0, 0);
    ASSERT_TRUE(model.Load("data/sq.ms3d"));
    model.blend = true;
    model.StartFade(FadeOutPath(100, 1), 99);
    for (int tick = 0; tick < 30; ++tick) {
        BeginFrame();
        StepAndDraw(model);
        GLfloat current[4];
        glGetMaterialfv(GL_FRONT, GL_AMBIENT, current);
        ASSERT_FLOAT_EQ(current[3], static_cast<float>(model.colour[3])) << tick;
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, current);
        ASSERT_FLOAT_EQ(current[3], static_cast<float>(model.colour[3])) << tick;
        ASSERT_FLOAT_EQ(current[1], 0.8f);
    }
    EXPECT_NEAR(model.colour[3], 0.4, 1e-9);
    // Half faded over black: the green is about half as bright as unfaded.
    const int faded = Middle()[1];
    model.fadePath.reset();
    model.colour[3] = 1;
    BeginFrame();
    StepAndDraw(model);
    const int full = Middle()[1];
    EXPECT_GT(full, 150);
    EXPECT_LT(faded, full * 0.6);
}

TEST_F(ModelTest, ObjectColourReplacesTheMaterials) {
    WriteFile("data/sq.ms3d", ms3d_writer::WriteMs3d(GreenSquare()));
    MilkshapeModel model("m", 0, 0, 0);
    ASSERT_TRUE(model.Load("data/sq.ms3d"));
    BeginFrame();
    StepAndDraw(model);
    auto rgb = Middle();
    EXPECT_GT(rgb[1], 150);
    EXPECT_LT(rgb[0], 30);

    model.SetColour(1, 0, 0, 1);
    EXPECT_TRUE(model.useObjectColour);
    model.colour[3] = 0.5;
    BeginFrame();
    StepAndDraw(model);
    rgb = Middle();
    EXPECT_GT(rgb[0], 150);
    EXPECT_LT(rgb[1], 30);
    EXPECT_EQ(model.mesh.materials[0].diffuse[3], 1.0f) << "materials are left alone";

    MilkshapeModel flat("f", 0, 0, 0);
    ASSERT_TRUE(flat.Load("data/sq.ms3d"));
    EXPECT_TRUE(flat.SetFlatColour(0.5, 0.5, 0.9, 1));
    EXPECT_TRUE(flat.useObjectColour);
    EXPECT_TRUE(flat.vertexColour);
    EXPECT_EQ(flat.baseColour[2], 0.9);
}

// Texture coordinates reach GL as stored: t of 0.25 in the file is drawn as 0.75. A texture that
// is black in its lower half and white in its upper half shows white at t = 0.75.
TEST_F(ModelTest, TextureCoordinateTIsFlipped) {
    WriteFile("data/sq.ms3d", ms3d_writer::WriteMs3d(GreenSquare()));
    MilkshapeModel model("m", 0, 0, 0);
    ASSERT_TRUE(model.Load("data/sq.ms3d"));
    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const uint8_t pixels[2 * 3] = {0, 0, 0, 255, 255, 255};  // row 0 (t < 0.5) black, row 1 white
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    BeginFrame();
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    GeometryOnly(model);
    EXPECT_EQ(Middle()[0], 255);
    glDeleteTextures(1, &texture);
}

}  // namespace
