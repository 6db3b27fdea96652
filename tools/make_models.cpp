// Writes the game's props as MilkShape 3D (version 4) files: the list arrows, the next/previous
// buttons, the abort cross, the waving flag and the score-board frame. Sizes are in scene units,
// chosen for where the scene places each model (the view sits 6 units in front of the origin).
// Usage: make_models <output folder>. Deterministic: the same bytes on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "formats/Ms3dReader.h"
#include "tools/Ms3dWriter.h"

namespace {

struct Vec3 {
    float x, y, z;
};

struct Material {
    float ambient[4], diffuse[4], specular[4];
    float shininess;
};

// Builds the game's own mesh type; group i uses material i.
struct Mesh {
    Ms3dMesh data;

    void BeginGroup(const Material& m) {
        ModelMaterial material;
        std::copy(m.ambient, m.ambient + 4, material.ambient);
        std::copy(m.diffuse, m.diffuse + 4, material.diffuse);
        std::copy(m.specular, m.specular + 4, material.specular);
        material.emissive[3] = 1.0f;
        material.shininess = m.shininess;
        ModelGroup group;
        group.materialIndex = static_cast<int32_t>(data.materials.size());
        data.materials.push_back(material);
        data.groups.push_back(group);
    }
    int32_t Vertex(Vec3 p) {
        ModelVertex v;
        v.boneId = -1;
        v.x = p.x;
        v.y = p.y;
        v.z = p.z;
        data.vertices.push_back(v);
        return static_cast<int32_t>(data.vertices.size() - 1);
    }
    // One triangle of the current group; `st` holds (s, t) per corner as drawn, t = 0 at the
    // picture's top row.
    void Tri(Vec3 a, Vec3 b, Vec3 c, Vec3 na, Vec3 nb, Vec3 nc, const float st[6] = nullptr) {
        ModelTriangle t;
        const Vec3 corners[3] = {a, b, c}, normals[3] = {na, nb, nc};
        for (int i = 0; i < 3; ++i) {
            t.vertexIndices[i] = Vertex(corners[i]);
            t.normals[i][0] = normals[i].x;
            t.normals[i][1] = normals[i].y;
            t.normals[i][2] = normals[i].z;
            t.s[i] = st ? st[2 * i] : 0.0f;
            t.t[i] = st ? st[2 * i + 1] : 0.0f;
        }
        data.groups.back().triangleIndices.push_back(static_cast<int32_t>(data.triangles.size()));
        data.triangles.push_back(t);
    }
    void FlatTri(Vec3 a, Vec3 b, Vec3 c, Vec3 n) { Tri(a, b, c, n, n, n); }
};

struct Point2 {
    float x, y;
};

Vec3 Normalised(Vec3 v) {
    float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return len > 0 ? Vec3{v.x / len, v.y / len, v.z / len} : Vec3{0, 0, 1};
}

// Extrudes a convex polygon (counter-clockwise in x/y) between z = front and z = back, with flat
// normals: the cap facing the viewer, the back cap and one quad per edge.
void ExtrudeConvex(Mesh& m, const std::vector<Point2>& poly, float front, float back) {
    const size_t n = poly.size();
    for (size_t i = 1; i + 1 < n; ++i) {
        m.FlatTri({poly[0].x, poly[0].y, front}, {poly[i].x, poly[i].y, front},
                  {poly[i + 1].x, poly[i + 1].y, front}, {0, 0, 1});
        m.FlatTri({poly[0].x, poly[0].y, back}, {poly[i + 1].x, poly[i + 1].y, back},
                  {poly[i].x, poly[i].y, back}, {0, 0, -1});
    }
    for (size_t i = 0; i < n; ++i) {
        Point2 a = poly[i], b = poly[(i + 1) % n];
        Vec3 normal = Normalised({b.y - a.y, a.x - b.x, 0});
        m.FlatTri({a.x, a.y, front}, {a.x, a.y, back}, {b.x, b.y, back}, normal);
        m.FlatTri({a.x, a.y, front}, {b.x, b.y, back}, {b.x, b.y, front}, normal);
    }
}

void Box(Mesh& m, float x0, float y0, float x1, float y1, float front, float back) {
    ExtrudeConvex(m, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, front, back);
}

// A bar of the given half length and half width, centred at the origin, turned by `degrees`.
std::vector<Point2> RotatedBar(float halfLength, float halfWidth, float degrees) {
    const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    std::vector<Point2> out;
    for (Point2 p : {Point2{-halfLength, -halfWidth}, Point2{halfLength, -halfWidth},
                     Point2{halfLength, halfWidth}, Point2{-halfLength, halfWidth}}) {
        out.push_back({p.x * c - p.y * s, p.x * s + p.y * c});
    }
    return out;
}

// An arrow pointing along +x: a triangular head and a shaft, centred on the origin, then turned.
void Arrow(Mesh& m, float length, float headWidth, float headLength, float shaftWidth, float depth,
           float degrees) {
    const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    auto turn = [&](std::vector<Point2> poly) {
        for (Point2& p : poly) p = {p.x * c - p.y * s, p.x * s + p.y * c};
        return poly;
    };
    const float tip = length / 2, headBase = tip - headLength, tail = -length / 2;
    ExtrudeConvex(m, turn({{headBase, -headWidth / 2}, {tip, 0}, {headBase, headWidth / 2}}), depth / 2,
                  -depth / 2);
    // The shaft reaches a little into the head so the two parts read as one solid.
    ExtrudeConvex(m,
                  turn({{tail, -shaftWidth / 2},
                        {headBase + 0.01f, -shaftWidth / 2},
                        {headBase + 0.01f, shaftWidth / 2},
                        {tail, shaftWidth / 2}}),
                  depth / 2, -depth / 2);
}

const Material kBlue = {{0.15f, 0.15f, 0.35f, 1}, {0.4f, 0.4f, 0.9f, 1}, {0.6f, 0.6f, 0.6f, 1}, 40};
const Material kRed = {{0.3f, 0.1f, 0.1f, 1}, {0.8f, 0.25f, 0.25f, 1}, {0.6f, 0.6f, 0.6f, 1}, 40};
const Material kSteel = {{0.2f, 0.2f, 0.22f, 1}, {0.45f, 0.45f, 0.5f, 1}, {0.8f, 0.8f, 0.8f, 1}, 60};
const Material kCloth = {{0.5f, 0.5f, 0.5f, 1}, {1.0f, 1.0f, 1.0f, 1}, {0.1f, 0.1f, 0.1f, 1}, 5};

Mesh ListArrow(float degrees) {
    Mesh m;
    m.BeginGroup(kBlue);
    Arrow(m, 0.3f, 0.28f, 0.16f, 0.1f, 0.08f, degrees);
    return m;
}

Mesh Button(float degrees) {
    Mesh m;
    m.BeginGroup(kBlue);
    Arrow(m, 0.8f, 0.5f, 0.34f, 0.2f, 0.15f, degrees);
    return m;
}

Mesh AbortCross() {
    Mesh m;
    m.BeginGroup(kRed);
    ExtrudeConvex(m, RotatedBar(0.25f, 0.06f, 45), 0.05f, -0.05f);
    ExtrudeConvex(m, RotatedBar(0.25f, 0.06f, -45), 0.05f, -0.05f);
    return m;
}

// A cloth of 0.84 x 0.5 in a gentle wave that grows away from the hoist. It sits 0.1 above the
// object's position so that the text line placed under each flag clears its lower edge.
// Texture coordinates span the whole picture: s = 0 at the hoist, the top row at the top edge.
Mesh Flag() {
    const int cols = 16, rows = 8;
    const float width = 0.84f, height = 0.5f, lift = 0.1f, amplitude = 0.05f;
    auto z = [&](float u) { return amplitude * u * std::sin(u * 2.2f * 3.14159265f); };
    auto dzdx = [&](float u) {
        const float k = 2.2f * 3.14159265f;
        return amplitude * (std::sin(u * k) + u * k * std::cos(u * k)) / width;
    };
    Mesh m;
    m.BeginGroup(kCloth);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            float u0 = float(c) / cols, u1 = float(c + 1) / cols;
            float v0 = float(r) / rows, v1 = float(r + 1) / rows;
            auto p = [&](float u, float v) {
                return Vec3{(u - 0.5f) * width, (v - 0.5f) * height + lift, z(u)};
            };
            auto n = [&](float u) { return Normalised({-dzdx(u), 0, 1}); };
            const float st1[6] = {u0, 1 - v0, u1, 1 - v0, u1, 1 - v1};
            m.Tri(p(u0, v0), p(u1, v0), p(u1, v1), n(u0), n(u1), n(u1), st1);
            const float st2[6] = {u0, 1 - v0, u1, 1 - v1, u0, 1 - v1};
            m.Tri(p(u0, v0), p(u1, v1), p(u0, v1), n(u0), n(u1), n(u0), st2);
        }
    }
    return m;
}

// A frame around the test counters. They stand 2.5 units in front of it, centred on the same line
// of sight, so the frame is their extent scaled by 8 / 5.5; its left side lies past the view's edge.
Mesh ScoreBoard() {
    const float x0 = -2.3f, x1 = 2.3f, y0 = -1.05f, y1 = 1.1f, bar = 0.1f;
    Mesh m;
    m.BeginGroup(kSteel);
    Box(m, x0, y1 - bar, x1, y1, 0.05f, -0.05f);
    Box(m, x0, y0, x1, y0 + bar, 0.05f, -0.05f);
    Box(m, x0, y0 + bar, x0 + bar, y1 - bar, 0.05f, -0.05f);
    Box(m, x1 - bar, y0 + bar, x1, y1 - bar, 0.05f, -0.05f);
    m.BeginGroup(kBlue);
    const float k = 0.09f;
    for (Point2 c : {Point2{x0 + bar / 2, y0 + bar / 2}, Point2{x1 - bar / 2, y0 + bar / 2},
                     Point2{x1 - bar / 2, y1 - bar / 2}, Point2{x0 + bar / 2, y1 - bar / 2}}) {
        Box(m, c.x - k, c.y - k, c.x + k, c.y + k, 0.08f, -0.02f);
    }
    return m;
}

bool WriteModel(const Mesh& mesh, const std::string& path) {
    if (mesh.data.vertices.size() > 0xFFFF || mesh.data.triangles.size() > 0xFFFF) return false;
    const std::vector<uint8_t> bytes = ms3d_writer::WriteMs3d(mesh.data);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        Mesh mesh;
    } models[] = {
        {"score_board.ms3d", ScoreBoard()},  {"arrow_up.MS3D", ListArrow(90)},
        {"arrow_down.MS3D", ListArrow(-90)}, {"button_next.ms3d", Button(0)},
        {"button_prev.ms3d", Button(180)},   {"flag.ms3d", Flag()},
        {"przerwij.ms3d", AbortCross()},
    };
    for (const auto& model : models) {
        if (!WriteModel(model.mesh, dir + model.name)) {
            std::fprintf(stderr, "make_models: cannot write %s%s\n", dir.c_str(), model.name);
            return 1;
        }
    }
    return 0;
}
