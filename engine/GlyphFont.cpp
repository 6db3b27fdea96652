// The shared glyph font: FontSearch finds the face, GlyphOutline makes the geometry, and the
// display lists are compiled the first time a text is drawn (when a GL context is sure to exist).
#include "engine/GlyphFont.h"

#include <algorithm>
#include <vector>

#include "engine/FontSearch.h"
#include "engine/GlyphOutline.h"
#include "formats/GlyphCodes.h"
#include "platform/Platform.h"

namespace glyphfont {
namespace {

constexpr int kListCount = kGlyphCodeCount;
constexpr int kFilledCodes = kGlyphCodesFilled;  // 0-221: Latin-1 below 192, the table's letters at 192-221

// Codes with a glyph: the 8-bit ones up to the table's end and every extended letter.
bool IsFilledCode(int code) {
    return code < kFilledCodes || (code >= kFirstExtendedCode && code < kListCount);
}
// Width of a printable character when no font exists, so hover boxes still follow the text.
constexpr double kNominalAdvance = 0.5;

struct FontState {
    int references = 0;
    bool available = false;
    std::string file;
    double advance[kListCount] = {};
    std::vector<GlyphGeometry> geometry;  // until the lists are compiled
    GLuint listBase = 0;
    GlyphBox box;
};

// The font, the program's one instance of it in the one GL context (owner: this file; the text
// objects hold references to it).
FontState state;

// Names the font the Debian package depends on first (cmake/Install.cmake), the face the layout
// was made for.
const char* const kNoFontMessage =
    "No outline font found, so no text can be shown. Install the package fonts-crosextra-carlito.";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

void TakeIntoBox(const GlyphGeometry& g) {
    GlyphBox& box = state.box;
    auto take = [&box](float x, float y) {
        box.minX = std::min(box.minX, static_cast<double>(x));
        box.maxX = std::max(box.maxX, static_cast<double>(x));
        box.minY = std::min(box.minY, static_cast<double>(y));
        box.maxY = std::max(box.maxY, static_cast<double>(y));
    };
    for (const auto& p : g.triangles) take(p[0], p[1]);
    for (const GlyphWall& w : g.walls) {
        take(w.x0, w.y0);
        take(w.x1, w.y1);
    }
    box.depth = kGlyphDepth;
}

void Load() {
    state.file = FindFontFile();
    GlyphOutlineSource source(state.file);
    state.available = !state.file.empty() && source.Ok();
    if (!state.available) {
        // Without a face no text is drawn at all: the player must learn why and what cures it.
        platform::ShowMessage(kNoFontMessage, platform::MessageKind::Error);
        state.file.clear();
        for (int code = 0; code < kListCount; ++code) {
            if (!IsFilledCode(code)) continue;
            char16_t letter = LetterOfGlyphCode(static_cast<GlyphCode>(code));
            state.advance[code] = IsControl(letter) ? 0.0 : kNominalAdvance;
        }
        return;
    }
    state.geometry.resize(kListCount);
    for (int code = 0; code < kListCount; ++code) {
        char16_t letter = LetterOfGlyphCode(static_cast<GlyphCode>(code));
        // Control codes have no glyph; the font's fallback box would only show up as noise.
        if (!IsFilledCode(code) || IsControl(letter)) continue;
        source.Build(letter, state.geometry[code]);
        state.advance[code] = state.geometry[code].advance;
        TakeIntoBox(state.geometry[code]);
    }
}

void CompileGlyph(const GlyphGeometry& g) {
    if (!g.triangles.empty()) {
        glBegin(GL_TRIANGLES);
        glNormal3f(0, 0, 1);
        for (const auto& p : g.triangles) glVertex3f(p[0], p[1], 0);
        // The back cap faces -z, so its corners run the other way round.
        glNormal3f(0, 0, -1);
        for (size_t i = g.triangles.size(); i >= 3; i -= 3) {
            for (size_t k = 0; k < 3; ++k)
                glVertex3f(g.triangles[i - 1 - k][0], g.triangles[i - 1 - k][1], -kGlyphDepth);
        }
        glEnd();
    }
    if (!g.walls.empty()) {
        glBegin(GL_QUADS);
        for (const GlyphWall& w : g.walls) {
            glNormal3f(w.nx, w.ny, 0);
            // Counter-clockwise seen from outside: pick the corner order from the normal's side.
            bool forward = (w.x1 - w.x0) * w.ny - (w.y1 - w.y0) * w.nx < 0;
            float ax = forward ? w.x0 : w.x1, ay = forward ? w.y0 : w.y1;
            float bx = forward ? w.x1 : w.x0, by = forward ? w.y1 : w.y0;
            glVertex3f(ax, ay, 0);
            glVertex3f(ax, ay, -kGlyphDepth);
            glVertex3f(bx, by, -kGlyphDepth);
            glVertex3f(bx, by, 0);
        }
        glEnd();
    }
    glTranslated(g.advance, 0, 0);
}

}  // namespace

void Acquire() {
    if (state.references++ == 0) Load();
}

void Release() {
    if (state.references <= 0) return;
    if (--state.references > 0) return;
    if (state.listBase != 0) glDeleteLists(state.listBase, kListCount);
    state = FontState{};
}

bool Available() { return state.available; }

const GlyphBox& Box() { return state.box; }

double Advance(GlyphCode code) { return code < kListCount ? state.advance[code] : 0.0; }

GLuint ListBase() {
    if (!state.available || state.references == 0) return 0;
    if (state.listBase != 0) return state.listBase;
    GLuint base = glGenLists(kListCount);
    if (base == 0) return 0;
    for (int code = 0; code < kListCount; ++code) {
        glNewList(base + code, GL_COMPILE);
        if (code < static_cast<int>(state.geometry.size())) CompileGlyph(state.geometry[code]);
        glEndList();
    }
    state.listBase = base;
    state.geometry.clear();
    state.geometry.shrink_to_fit();
    return base;
}

const std::string& FontFile() { return state.file; }

}  // namespace glyphfont
