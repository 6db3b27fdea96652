// Writes a mesh as an MS3D file (little-endian, packed), the exact inverse of ParseMs3d: t is
// written back as 1 - t, so ParseMs3d(WriteMs3d(mesh)) gives the mesh again. Used by the model
// generator and by the tests. Header-only so both can include it without a library of their own.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "formats/Ms3dReader.h"

namespace ms3d_writer {

class Bytes {
public:
    void U8(uint8_t v) { out.push_back(v); }
    void I8(int8_t v) { out.push_back(static_cast<uint8_t>(v)); }
    void U16(uint16_t v) {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) U8(static_cast<uint8_t>(v >> shift));
    }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void F32(float f) {
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        U32(bits);
    }
    void Floats(const float* f, int n) {
        for (int i = 0; i < n; ++i) F32(f[i]);
    }
    // A fixed-size, zero-padded text field (always keeps one terminating zero).
    void Text(const std::string& s, size_t field) {
        for (size_t i = 0; i < field; ++i) U8(i + 1 < field && i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    }
    void Zeros(size_t n) { out.insert(out.end(), n, 0); }

    std::vector<uint8_t> out;
};

inline std::vector<uint8_t> WriteMs3d(const Ms3dMesh& mesh, int32_t version = 4) {
    Bytes b;
    b.Text("MS3D000000", 11);
    b.out.pop_back();  // the identifier has no terminator
    b.I32(version);

    b.U16(static_cast<uint16_t>(mesh.vertices.size()));
    for (const ModelVertex& v : mesh.vertices) {
        b.U8(0);
        b.F32(v.x);
        b.F32(v.y);
        b.F32(v.z);
        b.I8(v.boneId);
        b.U8(0);
    }

    b.U16(static_cast<uint16_t>(mesh.triangles.size()));
    for (const ModelTriangle& t : mesh.triangles) {
        b.U16(0);
        for (int32_t index : t.vertexIndices) b.U16(static_cast<uint16_t>(index));
        for (const auto& normal : t.normals) b.Floats(normal, 3);
        b.Floats(t.s, 3);
        for (float value : t.t) b.F32(1.0f - value);
        b.U8(1);  // smoothing group
        b.U8(0);  // group index
    }

    b.U16(static_cast<uint16_t>(mesh.groups.size()));
    int groupNumber = 0;
    for (const ModelGroup& g : mesh.groups) {
        b.U8(0);
        b.Text("group" + std::to_string(groupNumber++), 32);
        b.U16(static_cast<uint16_t>(g.triangleIndices.size()));
        for (int32_t index : g.triangleIndices) b.U16(static_cast<uint16_t>(index));
        b.I8(static_cast<int8_t>(g.materialIndex));
    }

    b.U16(static_cast<uint16_t>(mesh.materials.size()));
    int materialNumber = 0;
    for (const ModelMaterial& m : mesh.materials) {
        b.Text("material" + std::to_string(materialNumber++), 32);
        b.Floats(m.ambient, 4);
        b.Floats(m.diffuse, 4);
        b.Floats(m.specular, 4);
        b.Floats(m.emissive, 4);
        b.F32(m.shininess);
        b.F32(1.0f);  // transparency
        b.U8(0);      // mode
        b.Text(m.textureFile, 128);
        b.Zeros(128);  // alpha map
    }

    // Version 4 files carry the joint section; an empty one keeps readers of the rest happy.
    b.F32(24.0f);  // animation frames per second
    b.F32(0.0f);   // current time
    b.I32(1);      // total frames
    b.U16(0);      // joints
    return b.out;
}

}  // namespace ms3d_writer
