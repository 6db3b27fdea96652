// Static meshes from MS3D files: triangle groups with per-group materials. Model keeps `bounds`
// in step with what it drew (untransformed vertices shifted by the position) for the hover test.
// The file parser is pure (Ms3dReader.h); Load() reads the file and takes the parsed mesh.
// BuildLists() compiles each group's triangles into a display list, the first step takes the
// mesh's extent once; draws replay the lists, so the mesh's geometry stays as loaded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/GLObject.h"
#include "formats/Ms3dReader.h"

class Model : public GLObject {
public:
    Model(const std::string& name, double x, double y, double z);
    ~Model() override;
    void SetColour(double r, double g, double b, double a) override;
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    void BuildLists() override;
    void AppendLook(FrameLook& look) const override;
    // `file` is relative to the executable's folder, e.g. "data/flag.ms3d". False leaves it empty.
    virtual bool Load(const std::string& file) = 0;
    virtual bool SetFlatColour(double r, double g, double b, double a);

    bool useObjectColour = false;
    Ms3dMesh mesh;  // groups, materials, triangles, vertices

protected:
    // Drops the compiled lists and the extent (a new mesh was loaded).
    void ForgetCompiledGeometry();
    // Brings the bounds to the position.
    void StepContent(uint32_t clockMs) override;
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
    void LeaveGeometryState(const Pose& pose) const override;  // the groups' materials

private:
    void TakeExtent();
    void CompileGeometry();
    void SendGroup(const ModelGroup& group) const;
    // The group's own material with the pose's alpha; false when the group draws in the object's.
    bool ApplyGroupMaterial(const ModelGroup& group, const Pose& pose) const;

    bool compiled = false, extentTaken = false;
    std::vector<GLuint> groupLists;             // 0 where no list could be made: that group is sent each draw
    double meshExtent[6] = {0, 0, 0, 0, 0, 0};  // untransformed min x, y, z, max x, y, z
};

class MilkshapeModel : public Model {
public:
    MilkshapeModel(const std::string& name, double x, double y, double z);
    bool Load(const std::string& file) override;
};
