// Extruded text objects: glyph-code storage, bounds from the glyph advances, and the caret.
#include "engine/GLObjectText.h"

#include <algorithm>
#include <cstring>

#include "engine/GlyphFont.h"
#include "formats/GlyphCodes.h"

namespace {

constexpr size_t kMaxCharacters = sizeof(GLObjectText::glyphs) / sizeof(GlyphCode) - 1;
constexpr uint32_t kBlinkMs = 500;
constexpr double kGlyphScale = 0.5;
constexpr double kDrop = 0.1;  // the text sits this far below its position
constexpr double kHalfHeight = 0.22;

// Stored characters: up to the terminating zero, never past the last character the buffer holds.
size_t StoredLength(const GlyphCode* glyphs) {
    const GlyphCode* end = std::find(glyphs, glyphs + kMaxCharacters, 0);
    return static_cast<size_t>(end - glyphs);
}

// A run of letters drawn in another colour.
struct MarkedRun {
    size_t first = 0;
    size_t end = 0;
    const GLdouble* colour = nullptr;  // RGBA
};

// Draws `count` glyph codes from the pen position, in the font's units scaled to the text size.
void DrawCodes(const GlyphCode* codes, size_t count, const MarkedRun* mark = nullptr) {
    GLuint base = glyphfont::ListBase();
    if (base == 0 || count == 0) return;
    // The lists change the current normal; this changes the list base. Saving just those (not
    // every attribute group) keeps the state after the call exactly as before.
    glPushAttrib(GL_CURRENT_BIT | GL_LIST_BIT);
    // Normals are not renormalised: scaled down, they light the text brighter, and the texts'
    // colours were chosen for that brightness.
    glListBase(base);
    glScaled(kGlyphScale, kGlyphScale, kGlyphScale);
    if (mark == nullptr) {
        glCallLists(static_cast<GLsizei>(count), GL_UNSIGNED_SHORT, codes);
    } else {
        // Each glyph's list moves the pen past it, so the three runs follow each other as one text.
        glCallLists(static_cast<GLsizei>(mark->first), GL_UNSIGNED_SHORT, codes);
        glPushAttrib(GL_CURRENT_BIT);
        glColor4dv(mark->colour);
        glCallLists(static_cast<GLsizei>(mark->end - mark->first), GL_UNSIGNED_SHORT, codes + mark->first);
        glPopAttrib();
        glCallLists(static_cast<GLsizei>(count - mark->end), GL_UNSIGNED_SHORT, codes + mark->end);
    }
    glPopAttrib();
}

}  // namespace

GLObjectText::GLObjectText(const std::string& name, const std::u16string& text, double x, double y, double z)
    : GLObject(name, x, y, z) {
    glyphfont::Acquire();
    SetText(text);
    UpdateBounds();
}

GLObjectText::~GLObjectText() { glyphfont::Release(); }

void GLObjectText::SetClicked(bool on) {
    clicked = on;
    if (editable) SetActive(on);
}

void GLObjectText::SetText(const std::u16string& text) {
    markFirst = markCount = 0;
    std::memset(glyphs, 0, sizeof glyphs);
    size_t count = std::min(text.size(), kMaxCharacters);
    for (size_t i = 0; i < count; ++i) glyphs[i] = GlyphCodeOf(text[i]);
}

void GLObjectText::SetMark(size_t first, size_t count) {
    const size_t length = StoredLength(glyphs);
    markFirst = std::min(first, length);
    markCount = std::min(count, length - markFirst);
}

std::u16string GLObjectText::GetText() const {
    std::u16string text;
    for (size_t i = 0, n = StoredLength(glyphs); i < n; ++i) {
        const GlyphCode code = glyphs[i];
        text.push_back(code < kFirstExtendedCode
                           ? static_cast<char16_t>(static_cast<int16_t>(static_cast<int8_t>(code)))
                           : LetterOfGlyphCode(code));
    }
    return text;
}

double GLObjectText::TextWidth() const {
    double width = 0;
    for (size_t i = 0, n = StoredLength(glyphs); i < n; ++i) width += glyphfont::Advance(glyphs[i]);
    return width;
}

void GLObjectText::UpdateBounds() {
    double halfWidth = 0.25 * std::max(TextWidth(), 1.0);
    bounds[0] = position[0] - halfWidth;
    bounds[3] = position[0] + halfWidth;
    bounds[1] = position[1] - kHalfHeight;
    bounds[4] = position[1] + kHalfHeight;
    bounds[2] = position[2] - kHalfHeight;
    bounds[5] = position[2] + kHalfHeight;
}

void GLObjectText::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    const size_t length = StoredLength(glyphs);
    look.Add(length);
    look.AddBytes(glyphs, length * sizeof(GlyphCode));
    look.Add(active);
    look.Add(caretOn);
    look.Add(markFirst);
    look.Add(markCount);
}

bool GLObjectText::GeometryBox(const Pose&, double box[6]) const {
    // The glyphs run from the pen at -width / 4 to +width / 4 (advances are never negative) and
    // the caret starts there; each one reaches at most the font's box beyond its pen.
    const glyphfont::GlyphBox& glyph = glyphfont::Box();
    const double halfWidth = 0.25 * TextWidth();
    const double corners[6] = {-halfWidth + kGlyphScale * std::min(glyph.minX, 0.0),
                               -kDrop + kGlyphScale * glyph.minY,
                               -kGlyphScale * glyph.depth,
                               halfWidth + kGlyphScale * std::max(glyph.maxX, 0.0),
                               -kDrop + kGlyphScale * glyph.maxY,
                               0};
    for (int i = 0; i < 6; ++i) box[i] = corners[i];
    return true;
}

void GLObjectText::StepContent(uint32_t clockMs) {
    UpdateBounds();
    if (active) {
        if (clockMs - lastBlink > kBlinkMs) {
            lastBlink = clockMs;
            caretOn = !caretOn;
        }
    }
}

void GLObjectText::DrawGeometry(const DrawPass&, const Pose& pose) const {
    const double width = TextWidth();
    const size_t length = StoredLength(glyphs);
    glPushMatrix();
    glTranslated(-0.25 * width, -kDrop, 0);
    if (markCount == 0 || markFirst >= length) {
        DrawCodes(glyphs, length);
    } else {
        const GLdouble colour[4] = {markColour[0], markColour[1], markColour[2], pose.colour[3]};
        const MarkedRun mark{markFirst, std::min(length, markFirst + markCount), colour};
        DrawCodes(glyphs, length, &mark);
    }
    glPopMatrix();

    glPushMatrix();
    if (active) {
        glTranslated(0.25 * width, -kDrop, 0);
        const GlyphCode caret = caretOn ? '_' : ' ';
        DrawCodes(&caret, 1);
    }
    glPopMatrix();
}
