// Static meshes from MS3D files: triangle groups with per-group materials. Model keeps `bounds`
// in step with what it drew (untransformed vertices shifted by the position) for the hover test.
// The file parser is pure (Ms3dReader.h); Load() reads the file and takes the parsed mesh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/GLObject.h"
#include "engine/Ms3dReader.h"

class Model : public GLObject {
public:
    Model(const std::string& name, double x, double y, double z);
    void SetColour(double r, double g, double b, double a) override;
    void DrawGeometry() override;
    // `file` is relative to the executable's folder, e.g. "data/flag.ms3d". False leaves it empty.
    virtual bool Load(const std::string& file) = 0;
    virtual bool SetFlatColour(double r, double g, double b, double a);

    bool useObjectColour = false;
    Ms3dMesh mesh;  // groups, materials, triangles, vertices
};

class MilkshapeModel : public Model {
public:
    MilkshapeModel(const std::string& name, double x, double y, double z);
    bool Load(const std::string& file) override;
};
