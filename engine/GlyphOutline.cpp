// Outline flattening and tessellation of the extruded font's glyphs.
#include "engine/GlyphOutline.h"

#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <deque>

#ifndef CALLBACK
#define CALLBACK
#endif

namespace {

using Point = std::array<float, 2>;
using Contour = std::vector<Point>;

constexpr int kMaxCurveSegments = 64;

// Collects flattened contours while FreeType walks an outline (coordinates already in ems).
struct Flattener {
    double scale;  // 1 / units per em
    std::vector<Contour> contours;
    double penX = 0, penY = 0;

    void Add(double x, double y) {
        penX = x;
        penY = y;
        Point p{static_cast<float>(x), static_cast<float>(y)};
        Contour& c = contours.back();
        if (c.empty() || c.back() != p) c.push_back(p);
    }
    double X(const FT_Vector* v) const { return v->x * scale; }
    double Y(const FT_Vector* v) const { return v->y * scale; }

    // Segments enough that a curve whose second derivative is at most `bend` (per unit parameter,
    // squared) stays within kGlyphFlatness of its chords: error <= bend / (8 n^2).
    static int SegmentsFor(double bend) {
        int n = static_cast<int>(std::ceil(std::sqrt(bend / (8.0 * kGlyphFlatness))));
        return std::clamp(n, 1, kMaxCurveSegments);
    }
};

int MoveTo(const FT_Vector* to, void* user) {
    auto* f = static_cast<Flattener*>(user);
    f->contours.emplace_back();
    f->Add(f->X(to), f->Y(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    auto* f = static_cast<Flattener*>(user);
    f->Add(f->X(to), f->Y(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* f = static_cast<Flattener*>(user);
    double x0 = f->penX, y0 = f->penY;
    double x1 = f->X(control), y1 = f->Y(control), x2 = f->X(to), y2 = f->Y(to);
    // B'' = 2 (P0 - 2 P1 + P2)
    double bend = 2.0 * std::hypot(x0 - 2 * x1 + x2, y0 - 2 * y1 + y2);
    int n = Flattener::SegmentsFor(bend);
    for (int i = 1; i <= n; ++i) {
        double t = static_cast<double>(i) / n, u = 1 - t;
        f->Add(u * u * x0 + 2 * u * t * x1 + t * t * x2, u * u * y0 + 2 * u * t * y1 + t * t * y2);
    }
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* f = static_cast<Flattener*>(user);
    double x0 = f->penX, y0 = f->penY;
    double x1 = f->X(c1), y1 = f->Y(c1), x2 = f->X(c2), y2 = f->Y(c2), x3 = f->X(to), y3 = f->Y(to);
    // |B''| <= 6 max(|P0 - 2 P1 + P2|, |P1 - 2 P2 + P3|)
    double bend = 6.0 * std::max(std::hypot(x0 - 2 * x1 + x2, y0 - 2 * y1 + y2),
                                 std::hypot(x1 - 2 * x2 + x3, y1 - 2 * y2 + y3));
    int n = Flattener::SegmentsFor(bend);
    for (int i = 1; i <= n; ++i) {
        double t = static_cast<double>(i) / n, u = 1 - t;
        double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        f->Add(a * x0 + b * x1 + c * x2 + d * x3, a * y0 + b * y1 + c * y2 + d * y3);
    }
    return 0;
}

// Collects the tessellator's triangles. The tessellator keeps vertex pointers until the polygon
// ends, so every vertex (given or combined) lives in a deque, whose elements never move.
struct Tessellation {
    std::deque<std::array<GLdouble, 3>> vertices;
    std::vector<Point> triangles;
    bool failed = false;
};

void CALLBACK TessBegin(GLenum, void*) {}
void CALLBACK TessEdgeFlag(GLboolean, void*) {}  // its presence makes GLU emit plain triangles
void CALLBACK TessEnd(void*) {}

void CALLBACK TessVertex(void* vertex, void* data) {
    auto* v = static_cast<const GLdouble*>(vertex);
    static_cast<Tessellation*>(data)->triangles.push_back(
        {static_cast<float>(v[0]), static_cast<float>(v[1])});
}

void CALLBACK TessCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data) {
    auto* t = static_cast<Tessellation*>(data);
    t->vertices.push_back({coords[0], coords[1], coords[2]});
    *out = t->vertices.back().data();
}

void CALLBACK TessError(GLenum, void* data) { static_cast<Tessellation*>(data)->failed = true; }

std::vector<Point> Tessellate(const std::vector<Contour>& contours, bool evenOdd) {
    Tessellation t;
    GLUtesselator* tess = gluNewTess();
    if (tess == nullptr) return {};
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(TessBegin));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(TessEdgeFlag));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(TessVertex));
    gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(TessEnd));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(TessCombine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(TessError));
    // Never the positive rule: TrueType outer contours run clockwise and would vanish.
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, evenOdd ? GLU_TESS_WINDING_ODD : GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);  // triangles come out counter-clockwise seen from +z
    gluTessBeginPolygon(tess, &t);
    for (const Contour& c : contours) {
        gluTessBeginContour(tess);
        for (const Point& p : c) {
            t.vertices.push_back({p[0], p[1], 0.0});
            gluTessVertex(tess, t.vertices.back().data(), t.vertices.back().data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    if (t.failed || t.triangles.size() % 3 != 0) return {};
    return std::move(t.triangles);
}

std::vector<GlyphWall> Walls(const std::vector<Contour>& contours, bool fillOnRight) {
    std::vector<GlyphWall> walls;
    for (const Contour& c : contours) {
        for (size_t i = 0; i < c.size(); ++i) {
            const Point& a = c[i];
            const Point& b = c[(i + 1) % c.size()];
            double dx = b[0] - a[0], dy = b[1] - a[1];
            double length = std::hypot(dx, dy);
            if (length == 0) continue;
            // Outward is the side away from the fill: left of the direction when fill is on the right.
            double nx = fillOnRight ? -dy / length : dy / length;
            double ny = fillOnRight ? dx / length : -dx / length;
            walls.push_back({a[0], a[1], b[0], b[1], static_cast<float>(nx), static_cast<float>(ny)});
        }
    }
    return walls;
}

}  // namespace

struct GlyphOutlineSource::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

GlyphOutlineSource::GlyphOutlineSource(const std::string& fontFile) : impl_(new Impl) {
    if (FT_Init_FreeType(&impl_->library) != 0) {
        impl_->library = nullptr;
        return;
    }
    if (FT_New_Face(impl_->library, fontFile.c_str(), 0, &impl_->face) != 0) {
        impl_->face = nullptr;
        return;
    }
    if (!FT_IS_SCALABLE(impl_->face) || impl_->face->units_per_EM == 0) {
        FT_Done_Face(impl_->face);
        impl_->face = nullptr;
    }
}

GlyphOutlineSource::~GlyphOutlineSource() {
    if (impl_->face != nullptr) FT_Done_Face(impl_->face);
    if (impl_->library != nullptr) FT_Done_FreeType(impl_->library);
}

bool GlyphOutlineSource::Ok() const { return impl_->face != nullptr; }

bool GlyphOutlineSource::Build(char32_t codePoint, GlyphGeometry& out) const {
    out = GlyphGeometry{};
    if (!Ok()) return false;
    FT_Face face = impl_->face;
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
        return false;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    const double scale = 1.0 / face->units_per_EM;
    out.advance = slot->advance.x * scale;

    Flattener flattener{scale, {}};
    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    if (FT_Outline_Decompose(&slot->outline, &funcs, &flattener) != 0) {
        out = GlyphGeometry{};
        return false;
    }
    for (Contour& c : flattener.contours) {
        if (c.size() > 1 && c.front() == c.back()) c.pop_back();  // FreeType closes contours itself
        if (c.size() >= 3) out.contours.push_back(std::move(c));
    }
    if (out.contours.empty()) return true;

    const bool evenOdd = (slot->outline.flags & FT_OUTLINE_EVEN_ODD_FILL) != 0;
    const bool fillOnRight = FT_Outline_Get_Orientation(&slot->outline) == FT_ORIENTATION_FILL_RIGHT;
    out.triangles = Tessellate(out.contours, evenOdd);
    out.walls = Walls(out.contours, fillOnRight);
    return true;
}
