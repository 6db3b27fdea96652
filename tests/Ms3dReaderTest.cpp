// The MS3D parser on files built byte by byte: versions, field layout, truncation and bad indices.
#include <gtest/gtest.h>

#include <cstring>

#include "formats/Ms3dReader.h"
#include "tools/Ms3dWriter.h"

namespace {

// Offsets of the packed layout for a file of `vertices` vertices.
constexpr size_t kHeader = 14;
size_t TrianglesStart(size_t vertices) { return kHeader + 2 + 15 * vertices; }

// Two triangles sharing an edge, one group with a material, one group without.
Ms3dMesh QuadMesh() {
    Ms3dMesh m;
    m.vertices = {{0, -1, -1, 0}, {1, 1, -1, 0}, {2, 1, 1, 0}, {-1, -1, 1, 0.5f}};
    ModelTriangle a{}, b{};
    int32_t ai[3] = {0, 1, 2}, bi[3] = {0, 2, 3};
    for (int c = 0; c < 3; ++c) {
        a.vertexIndices[c] = ai[c];
        b.vertexIndices[c] = bi[c];
        a.normals[c][2] = b.normals[c][2] = 1;
        a.s[c] = 0.1f * c;
        a.t[c] = 0.5f + 0.125f * c;
        b.t[c] = 0.25f;
    }
    m.triangles = {a, b};
    ModelGroup g1, g2;
    g1.materialIndex = 0;
    g1.triangleIndices = {0};
    g2.materialIndex = -1;
    g2.triangleIndices = {1};
    m.groups = {g1, g2};
    ModelMaterial mat;
    for (int i = 0; i < 4; ++i) {
        mat.ambient[i] = 0.1f * (i + 1);
        mat.diffuse[i] = 0.2f * (i + 1);
        mat.specular[i] = 0.05f;
        mat.emissive[i] = 0.01f;
    }
    mat.shininess = 12.5f;
    mat.textureFile = "gfx/wood.jpg";
    m.materials = {mat};
    return m;
}

// Bytes up to the end of the material section (the writer appends a joint section after it).
size_t MaterialsEnd(const Ms3dMesh& m) {
    size_t size = TrianglesStart(m.vertices.size()) + 2 + 70 * m.triangles.size() + 2;
    for (const ModelGroup& g : m.groups) size += 36 + 2 * g.triangleIndices.size();
    return size + 2 + 361 * m.materials.size();
}

void PutU16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void PutF32(std::vector<uint8_t>& b, size_t at, float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

// Parses from a heap copy of exactly `size` bytes, so any read past the end trips the sanitizer.
bool ParsePrefix(const std::vector<uint8_t>& bytes, size_t size, Ms3dMesh& mesh) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size == 0 ? 1 : size]);
    std::memcpy(copy.get(), bytes.data(), size);
    return ParseMs3d(copy.get(), size, mesh);
}

bool MeshIsEmpty(const Ms3dMesh& m) {
    return m.vertices.empty() && m.triangles.empty() && m.groups.empty() && m.materials.empty();
}

TEST(Ms3dReader, VersionsThreeAndFourLoadEveryField) {
    const Ms3dMesh source = QuadMesh();
    for (int32_t version : {3, 4}) {
        std::vector<uint8_t> bytes = ms3d_writer::WriteMs3d(source, version);
        Ms3dMesh m;
        ASSERT_TRUE(ParseMs3d(bytes.data(), bytes.size(), m)) << "version " << version;
        ASSERT_EQ(m.vertices.size(), 4u);
        EXPECT_FLOAT_EQ(m.vertices[1].x, 1);
        EXPECT_FLOAT_EQ(m.vertices[3].z, 0.5f);
        EXPECT_EQ(m.vertices[2].boneId, 2);
        EXPECT_EQ(m.vertices[3].boneId, -1);
        ASSERT_EQ(m.triangles.size(), 2u);
        EXPECT_EQ(m.triangles[1].vertexIndices[2], 3);
        EXPECT_FLOAT_EQ(m.triangles[0].s[2], 0.2f);
        EXPECT_FLOAT_EQ(m.triangles[0].t[2], 0.75f);
        EXPECT_FLOAT_EQ(m.triangles[0].normals[1][2], 1);
        ASSERT_EQ(m.groups.size(), 2u);
        EXPECT_EQ(m.groups[0].materialIndex, 0);
        EXPECT_EQ(m.groups[1].materialIndex, -1);
        EXPECT_EQ(m.groups[1].triangleIndices, std::vector<int32_t>{1});
        ASSERT_EQ(m.materials.size(), 1u);
        EXPECT_FLOAT_EQ(m.materials[0].ambient[2], 0.3f);
        EXPECT_FLOAT_EQ(m.materials[0].diffuse[3], 0.8f);
        EXPECT_FLOAT_EQ(m.materials[0].shininess, 12.5f);
        EXPECT_EQ(m.materials[0].textureFile, "gfx/wood.jpg");
    }
}

TEST(Ms3dReader, OtherVersionsAndIdentifiersAreRefused) {
    std::vector<uint8_t> bytes = ms3d_writer::WriteMs3d(QuadMesh(), 4);
    Ms3dMesh m;
    for (int32_t version : {2, 5, -1}) {
        std::vector<uint8_t> b = ms3d_writer::WriteMs3d(QuadMesh(), version);
        EXPECT_FALSE(ParseMs3d(b.data(), b.size(), m)) << "version " << version;
        EXPECT_TRUE(MeshIsEmpty(m));
    }
    bytes[9] = '1';  // "MS3D000001"
    EXPECT_FALSE(ParseMs3d(bytes.data(), bytes.size(), m));
    EXPECT_FALSE(ParseMs3d(nullptr, 0, m));
}

TEST(Ms3dReader, FileTIsStoredAsOneMinusT) {
    std::vector<uint8_t> bytes = ms3d_writer::WriteMs3d(QuadMesh(), 4);
    // First triangle: flags 2, indices 6, normals 36, s 12, then t.
    const size_t t0 = TrianglesStart(4) + 2 + 2 + 6 + 36 + 12;
    PutF32(bytes, t0, 0.25f);
    PutF32(bytes, t0 + 4, 1.0f);
    Ms3dMesh m;
    ASSERT_TRUE(ParseMs3d(bytes.data(), bytes.size(), m));
    EXPECT_FLOAT_EQ(m.triangles[0].t[0], 0.75f);
    EXPECT_FLOAT_EQ(m.triangles[0].t[1], 0.0f);
}

TEST(Ms3dReader, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
    const Ms3dMesh source = QuadMesh();
    std::vector<uint8_t> bytes = ms3d_writer::WriteMs3d(source, 4);
    const size_t needed = MaterialsEnd(source);
    ASSERT_LT(needed, bytes.size());
    for (size_t size = 0; size < needed; ++size) {
        Ms3dMesh m;
        EXPECT_FALSE(ParsePrefix(bytes, size, m)) << "size " << size;
        EXPECT_TRUE(MeshIsEmpty(m)) << "size " << size;
    }
    // The skeleton and animation after the materials are optional.
    Ms3dMesh m;
    EXPECT_TRUE(ParsePrefix(bytes, needed, m));
}

TEST(Ms3dReader, CountsBeyondTheFileAreRefused) {
    const Ms3dMesh source = QuadMesh();
    const std::vector<uint8_t> good = ms3d_writer::WriteMs3d(source, 4);
    const size_t groupsStart = TrianglesStart(4) + 2 + 70 * 2;
    struct Case {
        const char* what;
        size_t at;
    } cases[] = {{"vertex count", kHeader},
                 {"triangle count", TrianglesStart(4)},
                 {"group count", groupsStart},
                 {"group triangle count", groupsStart + 2 + 33},
                 {"material count", MaterialsEnd(source) - 361 - 2}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        PutU16(bytes, c.at, 0xFFFF);
        Ms3dMesh m;
        EXPECT_FALSE(ParseMs3d(bytes.data(), bytes.size(), m)) << c.what;
        EXPECT_TRUE(MeshIsEmpty(m)) << c.what;
    }
}

TEST(Ms3dReader, IndicesOutsideTheirArraysAreRefused) {
    Ms3dMesh m;
    Ms3dMesh badVertex = QuadMesh();
    badVertex.triangles[1].vertexIndices[2] = 4;  // four vertices: 0..3
    auto bytes = ms3d_writer::WriteMs3d(badVertex);
    EXPECT_FALSE(ParseMs3d(bytes.data(), bytes.size(), m));

    Ms3dMesh badTriangle = QuadMesh();
    badTriangle.groups[1].triangleIndices = {1, 2};  // two triangles
    bytes = ms3d_writer::WriteMs3d(badTriangle);
    EXPECT_FALSE(ParseMs3d(bytes.data(), bytes.size(), m));

    Ms3dMesh badMaterial = QuadMesh();
    badMaterial.groups[0].materialIndex = 1;  // one material
    bytes = ms3d_writer::WriteMs3d(badMaterial);
    EXPECT_FALSE(ParseMs3d(bytes.data(), bytes.size(), m));
    EXPECT_TRUE(MeshIsEmpty(m));

    Ms3dMesh lastValid = QuadMesh();
    lastValid.triangles[1].vertexIndices[2] = 3;
    lastValid.groups[0].materialIndex = 0;
    bytes = ms3d_writer::WriteMs3d(lastValid);
    EXPECT_TRUE(ParseMs3d(bytes.data(), bytes.size(), m));
}

TEST(Ms3dReader, EmptySectionsAndUnterminatedTextureNames) {
    Ms3dMesh empty;
    auto bytes = ms3d_writer::WriteMs3d(empty);
    Ms3dMesh m = QuadMesh();
    EXPECT_TRUE(ParseMs3d(bytes.data(), bytes.size(), m));
    EXPECT_TRUE(MeshIsEmpty(m));

    Ms3dMesh source = QuadMesh();
    bytes = ms3d_writer::WriteMs3d(source);
    const size_t texture = MaterialsEnd(source) - 361 + 32 + 64 + 4 + 4 + 1;
    std::memset(&bytes[texture], 'x', 128);  // no terminating zero inside the field
    ASSERT_TRUE(ParseMs3d(bytes.data(), bytes.size(), m));
    EXPECT_EQ(m.materials[0].textureFile, std::string(128, 'x'));
}

}  // namespace
