// MS3D parsing. The file is packed (no padding), so every field is read at its own offset through a
// bounds-checked cursor; a read past the end fails the whole parse instead of touching memory.
#include "formats/Ms3dReader.h"

#include <cstring>

namespace {

constexpr size_t kVertexBytes = 15;
constexpr size_t kTriangleBytes = 70;
constexpr size_t kGroupFixedBytes = 1 + 32 + 2 + 1;  // + 2 per triangle index
constexpr size_t kMaterialBytes = 361;

class ByteCursor {
public:
    ByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Has(size_t bytes) const { return ok_ && size_ - pos_ >= bytes; }
    // Checks that `count` records of `each` bytes are still in the file, without overflow.
    bool HasRecords(size_t count, size_t each) const { return ok_ && count <= (size_ - pos_) / each; }
    bool Ok() const { return ok_; }

    void Skip(size_t bytes) {
        if (!Has(bytes))
            ok_ = false;
        else
            pos_ += bytes;
    }
    uint8_t U8() {
        if (!Has(1)) return Fail<uint8_t>();
        return data_[pos_++];
    }
    int8_t I8() { return static_cast<int8_t>(U8()); }
    uint16_t U16() {
        if (!Has(2)) return Fail<uint16_t>();
        uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    uint32_t U32() {
        if (!Has(4)) return Fail<uint32_t>();
        uint32_t v = static_cast<uint32_t>(data_[pos_]) | static_cast<uint32_t>(data_[pos_ + 1]) << 8 |
                     static_cast<uint32_t>(data_[pos_ + 2]) << 16 |
                     static_cast<uint32_t>(data_[pos_ + 3]) << 24;
        pos_ += 4;
        return v;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() {
        uint32_t bits = U32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    void Floats(float* out, int n) {
        for (int i = 0; i < n; ++i) out[i] = F32();
    }
    // A fixed-size field holding a zero-terminated string (the whole field when no zero is found).
    std::string FixedString(size_t field) {
        if (!Has(field)) return Fail<std::string>();
        const char* begin = reinterpret_cast<const char*>(data_ + pos_);
        size_t length = 0;
        while (length < field && begin[length] != '\0') ++length;
        pos_ += field;
        return std::string(begin, length);
    }

private:
    template <typename T>
    T Fail() {
        ok_ = false;
        return T{};
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

bool ReadVertices(ByteCursor& in, Ms3dMesh& mesh) {
    uint16_t count = in.U16();
    if (!in.HasRecords(count, kVertexBytes)) return false;
    mesh.vertices.resize(count);
    for (ModelVertex& v : mesh.vertices) {
        in.Skip(1);  // flags
        v.x = in.F32();
        v.y = in.F32();
        v.z = in.F32();
        v.boneId = in.I8();
        in.Skip(1);  // reference count
    }
    return in.Ok();
}

bool ReadTriangles(ByteCursor& in, Ms3dMesh& mesh) {
    uint16_t count = in.U16();
    if (!in.HasRecords(count, kTriangleBytes)) return false;
    mesh.triangles.resize(count);
    for (ModelTriangle& t : mesh.triangles) {
        in.Skip(2);  // flags
        for (int32_t& index : t.vertexIndices) {
            index = in.U16();
            if (static_cast<size_t>(index) >= mesh.vertices.size()) return false;
        }
        for (auto& normal : t.normals) in.Floats(normal, 3);
        in.Floats(t.s, 3);
        for (float& value : t.t) value = 1.0f - in.F32();
        in.Skip(2);  // smoothing group, group index
    }
    return in.Ok();
}

bool ReadGroups(ByteCursor& in, Ms3dMesh& mesh) {
    uint16_t count = in.U16();
    if (!in.HasRecords(count, kGroupFixedBytes)) return false;
    mesh.groups.resize(count);
    for (ModelGroup& g : mesh.groups) {
        in.Skip(1 + 32);  // flags, name
        uint16_t n = in.U16();
        if (!in.HasRecords(n, 2)) return false;
        g.triangleIndices.resize(n);
        for (int32_t& index : g.triangleIndices) {
            index = in.U16();
            if (static_cast<size_t>(index) >= mesh.triangles.size()) return false;
        }
        g.materialIndex = in.I8();
    }
    return in.Ok();
}

bool ReadMaterials(ByteCursor& in, Ms3dMesh& mesh) {
    uint16_t count = in.U16();
    if (!in.HasRecords(count, kMaterialBytes)) return false;
    mesh.materials.resize(count);
    for (ModelMaterial& m : mesh.materials) {
        in.Skip(32);  // name
        in.Floats(m.ambient, 4);
        in.Floats(m.diffuse, 4);
        in.Floats(m.specular, 4);
        in.Floats(m.emissive, 4);
        m.shininess = in.F32();
        in.Skip(4 + 1);  // transparency, mode
        m.textureFile = in.FixedString(128);
        in.Skip(128);  // alpha map
    }
    if (!in.Ok()) return false;
    // Groups come before materials in the file, so their material indices are checked here.
    for (const ModelGroup& g : mesh.groups) {
        if (g.materialIndex >= 0 && static_cast<size_t>(g.materialIndex) >= mesh.materials.size())
            return false;
    }
    return true;
}

bool Parse(const uint8_t* data, size_t size, Ms3dMesh& mesh) {
    ByteCursor in(data, size);
    if (!in.Has(10) || std::memcmp(data, "MS3D000000", 10) != 0) return false;
    in.Skip(10);
    int32_t version = in.I32();
    if (!in.Ok() || version < 3 || version > 4) return false;
    return ReadVertices(in, mesh) && ReadTriangles(in, mesh) && ReadGroups(in, mesh) &&
           ReadMaterials(in, mesh);
}

}  // namespace

bool ParseMs3d(const uint8_t* data, size_t size, Ms3dMesh& mesh) {
    mesh = Ms3dMesh{};
    if (data == nullptr) return false;
    if (!Parse(data, size, mesh)) {
        mesh = Ms3dMesh{};
        return false;
    }
    return true;
}
