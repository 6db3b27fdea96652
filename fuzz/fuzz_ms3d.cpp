// libFuzzer target for the MS3D parser: any byte string must parse or be refused without a fault,
// and an accepted mesh must be self-consistent (every index inside its array).
#include <cstdlib>

#include "formats/Ms3dReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Ms3dMesh mesh;
    if (!ParseMs3d(data, size, mesh)) {
        if (!mesh.vertices.empty() || !mesh.triangles.empty() || !mesh.groups.empty() ||
            !mesh.materials.empty())
            std::abort();
        return 0;
    }
    for (const ModelTriangle& t : mesh.triangles) {
        for (int32_t v : t.vertexIndices) {
            if (v < 0 || static_cast<size_t>(v) >= mesh.vertices.size()) std::abort();
        }
    }
    for (const ModelGroup& g : mesh.groups) {
        for (int32_t t : g.triangleIndices) {
            if (t < 0 || static_cast<size_t>(t) >= mesh.triangles.size()) std::abort();
        }
        if (g.materialIndex >= 0 && static_cast<size_t>(g.materialIndex) >= mesh.materials.size())
            std::abort();
    }
    return 0;
}
