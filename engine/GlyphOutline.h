// Glyph geometry for the extruded font, on the CPU: FreeType outlines flattened into closed
// polygons, the front cap triangulated by the GLU tessellator, and one side wall per flattened edge.
// Units are the em square (1.0 = one em). No GL context is needed; GlyphFont compiles the result.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

struct GlyphWall {
    float x0, y0, x1, y1;  // the edge, in the direction the outline runs
    float nx, ny;          // outward unit normal (away from the filled area)
};

struct GlyphGeometry {
    // Front cap (z = 0): x, y of three corners per triangle, counter-clockwise seen from +z.
    std::vector<std::array<float, 2>> triangles;
    std::vector<GlyphWall> walls;
    // Flattened closed contours (the first point is not repeated at the end).
    std::vector<std::vector<std::array<float, 2>>> contours;
    double advance = 0;  // pen movement after the glyph
};

// Largest distance between a flattened curve and the true curve, in ems.
constexpr double kGlyphFlatness = 0.001;
// Depth of the extrusion: the back cap lies at z = -kGlyphDepth.
constexpr float kGlyphDepth = 0.1f;

// One outline font file opened with FreeType.
class GlyphOutlineSource {
public:
    explicit GlyphOutlineSource(const std::string& fontFile);
    ~GlyphOutlineSource();
    GlyphOutlineSource(const GlyphOutlineSource&) = delete;
    GlyphOutlineSource& operator=(const GlyphOutlineSource&) = delete;

    // True when the file opened as a scalable face.
    bool Ok() const;
    // The glyph of `codePoint`. False when the font has no glyph for it or no outline could be
    // loaded; `out` is then empty with advance 0. A glyph without contours (space) gives true.
    bool Build(char32_t codePoint, GlyphGeometry& out) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
