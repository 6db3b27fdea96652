// Pure MS3D (versions 3 and 4) parser: bytes in, mesh out. Reads field by field, little-endian,
// and refuses any file whose counts run past its end or whose indices point outside their arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ModelVertex {
    int8_t boneId = 0;
    float x = 0, y = 0, z = 0;
};

struct ModelTriangle {
    float normals[3][3] = {};
    float s[3] = {};
    float t[3] = {};  // stored as 1 - the file's value
    int32_t vertexIndices[3] = {};
};

struct ModelGroup {
    int32_t materialIndex = -1;  // -1: none
    std::vector<int32_t> triangleIndices;
};

struct ModelMaterial {
    float ambient[4] = {}, diffuse[4] = {}, specular[4] = {}, emissive[4] = {};
    float shininess = 0;
    std::string textureFile;
};

struct Ms3dMesh {
    std::vector<ModelGroup> groups;
    std::vector<ModelMaterial> materials;
    std::vector<ModelTriangle> triangles;
    std::vector<ModelVertex> vertices;
};

// True and `mesh` filled when the bytes are a valid MS3D file; false leaves `mesh` empty.
bool ParseMs3d(const uint8_t* data, size_t size, Ms3dMesh& mesh);
