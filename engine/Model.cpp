// MS3D models: the file is read whole and handed to the pure parser; drawing replays one display
// list per group, compiled from the immediate-mode calls on the first draw, and the bounds are
// the extent of exactly those vertices shifted by the position.
#include "engine/Model.h"

#include <vector>

#include "formats/BoundedFileRead.h"
#include "platform/GameFolder.h"

namespace {

constexpr double kEmptyBound = 11110;

}  // namespace

Model::Model(const std::string& name, double x, double y, double z) : GLObject(name, x, y, z) {}

void Model::SetColour(double r, double g, double b, double a) {
    GLObject::SetColour(r, g, b, a);
    useObjectColour = true;
}

bool Model::SetFlatColour(double r, double g, double b, double a) {
    SetVertexColour(r, g, b, a);
    useObjectColour = true;
    return true;
}

Model::~Model() { ForgetCompiledGeometry(); }

void Model::ForgetCompiledGeometry() {
    for (GLuint list : groupLists) {
        if (list != 0) glDeleteLists(list, 1);
    }
    groupLists.clear();
    compiled = extentTaken = false;
}

void Model::SendGroup(const ModelGroup& group) const {
    glBegin(GL_TRIANGLES);
    for (int32_t triangleIndex : group.triangleIndices) {
        const ModelTriangle& triangle = mesh.triangles[triangleIndex];
        for (int corner = 0; corner < 3; ++corner) {
            const ModelVertex& v = mesh.vertices[triangle.vertexIndices[corner]];
            glNormal3fv(triangle.normals[corner]);
            glTexCoord2f(triangle.s[corner], triangle.t[corner]);
            glVertex3f(v.x, v.y, v.z);
        }
    }
    glEnd();
}

void Model::TakeExtent() {
    for (int i = 0; i < 3; ++i) {
        meshExtent[i] = kEmptyBound;
        meshExtent[i + 3] = -kEmptyBound;
    }
    for (const ModelGroup& group : mesh.groups) {
        for (int32_t triangleIndex : group.triangleIndices) {
            for (int32_t vertexIndex : mesh.triangles[triangleIndex].vertexIndices) {
                const ModelVertex& v = mesh.vertices[vertexIndex];
                const double at[3] = {v.x, v.y, v.z};
                for (int axis = 0; axis < 3; ++axis) {
                    if (at[axis] < meshExtent[axis]) meshExtent[axis] = at[axis];
                    if (at[axis] > meshExtent[axis + 3]) meshExtent[axis + 3] = at[axis];
                }
            }
        }
    }
    extentTaken = true;
}

void Model::CompileGeometry() {
    if (!extentTaken) TakeExtent();
    groupLists.clear();
    for (const ModelGroup& group : mesh.groups) {
        const GLuint list = glGenLists(1);
        if (list != 0) {
            glNewList(list, GL_COMPILE);
            SendGroup(group);
            glEndList();
        }
        groupLists.push_back(list);
    }
    compiled = true;
}

bool Model::GeometryBox(const Pose&, double box[6]) const {
    for (int i = 0; i < 6; ++i) box[i] = meshExtent[i];
    return extentTaken;  // the extent is taken on the first step
}

void Model::BuildLists() {
    if (!compiled) CompileGeometry();
    GLObject::BuildLists();
}

void Model::StepContent(uint32_t) {
    if (!extentTaken) TakeExtent();
    // Shifting the extent gives what adding the position to every vertex gave, bit for bit: both
    // add the same two doubles, and the minimum of the sums is the sum with the minimum.
    for (int axis = 0; axis < 3; ++axis) {
        const bool empty = meshExtent[axis] > meshExtent[axis + 3];
        bounds[axis] = empty ? kEmptyBound : meshExtent[axis] + position[axis];
        bounds[axis + 3] = empty ? -kEmptyBound : meshExtent[axis + 3] + position[axis];
    }
}

bool Model::ApplyGroupMaterial(const ModelGroup& group, const Pose& pose) const {
    if (useObjectColour || group.materialIndex < 0 ||
        static_cast<size_t>(group.materialIndex) >= mesh.materials.size()) {
        return false;
    }
    // The material follows the object's fade: its alpha is the object's at every draw.
    const ModelMaterial& material = mesh.materials[group.materialIndex];
    GLfloat ambient[4], diffuse[4];
    for (int i = 0; i < 3; ++i) {
        ambient[i] = material.ambient[i];
        diffuse[i] = material.diffuse[i];
    }
    ambient[3] = diffuse[3] = static_cast<float>(pose.colour[3]);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    return true;
}

void Model::DrawGeometry(const DrawPass&, const Pose& pose) const {
    for (size_t g = 0; g < mesh.groups.size(); ++g) {
        const ModelGroup& group = mesh.groups[g];
        ApplyGroupMaterial(group, pose);
        if (g < groupLists.size() && groupLists[g] != 0) {
            glCallList(groupLists[g]);
        } else {
            SendGroup(group);
        }
    }
}

void Model::LeaveGeometryState(const Pose& pose) const {
    // Only the last group that brings a material of its own leaves it behind.
    for (size_t g = mesh.groups.size(); g-- > 0;) {
        if (ApplyGroupMaterial(mesh.groups[g], pose)) return;
    }
}

void Model::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    look.Add(useObjectColour);
    look.Add(compiled);  // a newly loaded mesh is drawn once it is compiled
    const size_t sizes[] = {mesh.groups.size(), mesh.triangles.size(), mesh.vertices.size(),
                            mesh.materials.size()};
    look.Add(sizes);
}

MilkshapeModel::MilkshapeModel(const std::string& name, double x, double y, double z)
    : Model(name, x, y, z) {}

bool MilkshapeModel::Load(const std::string& file) {
    mesh = Ms3dMesh{};
    ForgetCompiledGeometry();
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(platform::GameFolder() + file, kModelLimit, bytes)) return false;
    return ParseMs3d(bytes.data(), bytes.size(), mesh);
}
