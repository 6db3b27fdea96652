// Glyph codes and glyph geometry without GL: the code table both ways, and the flattened,
// tessellated outlines of the system's font (holes kept, walls facing out, curves smooth).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>

#include "engine/FontSearch.h"
#include "engine/GlyphFont.h"
#include "engine/GlyphOutline.h"
#include "formats/GlyphCodes.h"

namespace {

using Point = std::array<float, 2>;

TEST(GlyphCodes, TableLettersBothWays) {
    const std::u16string lodz = u"Łódź";
    const uint8_t expected[] = {198, 205, 100, 207};
    for (size_t i = 0; i < lodz.size(); ++i) EXPECT_EQ(GlyphCodeOf(lodz[i]), expected[i]);

    const std::u16string table = u"ĄąĆćĘęŁłŃńŚśÓóŹźŻżáéíñúÁÉÍÚÑÜü";
    ASSERT_EQ(table.size(), 30u);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(GlyphCodeOf(table[i]), 192 + i);
        EXPECT_EQ(LetterOfGlyphCode(static_cast<uint8_t>(192 + i)), table[i]);
    }
    // Outside the table: the low byte of the code unit, and codes stand for themselves.
    EXPECT_EQ(GlyphCodeOf(u'a'), 'a');
    EXPECT_EQ(GlyphCodeOf(u'\u00B0'), 0xB0);
    EXPECT_EQ(GlyphCodeOf(u'\u0441'), 0x41);
    EXPECT_EQ(LetterOfGlyphCode(0xB0), u'\u00B0');
    EXPECT_EQ(LetterOfGlyphCode(222), 222);
}

TEST(GlyphCodes, SignExtendedTextBecomesLettersAgain) {
    // What GetText returns for "é ñ!" (é = 211 = 0xD3, ñ = 213 = 0xD5).
    EXPECT_EQ(GlyphTextToLetters(u"\uFFD3 \uFFD5!"), u"é ñ!");
    EXPECT_EQ(GlyphTextToLetters(u"\uFFC6\uFFCDd\uFFCF"), u"Łódź");
    EXPECT_EQ(GlyphTextToLetters(u"\uFFB0"), u"\u00B0");
}

// The system's font as the game finds it; tests skip when the machine has none.
class GlyphGeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = glyphfont::FindFontFile();
        if (file.empty()) {
            GTEST_SKIP() << "no outline font on this machine";
        }
        source = std::make_unique<GlyphOutlineSource>(file);
        ASSERT_TRUE(source->Ok()) << file;
    }
    GlyphGeometry Glyph(char32_t c) {
        GlyphGeometry g;
        EXPECT_TRUE(source->Build(c, g));
        return g;
    }

    std::string file;
    std::unique_ptr<GlyphOutlineSource> source;
};

double TriangleArea(const Point& a, const Point& b, const Point& c) {
    return 0.5 * ((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]));
}

bool Covered(const GlyphGeometry& g, double x, double y) {
    const Point p{static_cast<float>(x), static_cast<float>(y)};
    for (size_t i = 0; i + 2 < g.triangles.size(); i += 3) {
        if (TriangleArea(g.triangles[i], g.triangles[i + 1], p) >= 0 &&
            TriangleArea(g.triangles[i + 1], g.triangles[i + 2], p) >= 0 &&
            TriangleArea(g.triangles[i + 2], g.triangles[i], p) >= 0)
            return true;
    }
    return false;
}

// Inside the outline by the non-zero winding rule, from the contours alone (independent of the
// tessellator). Overlapping contours, like the ogonek of "ą" on its stem, count once.
bool InsideOutline(const GlyphGeometry& g, double x, double y) {
    int winding = 0;
    for (const auto& c : g.contours) {
        for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
            const Point& a = c[j];
            const Point& b = c[i];
            if ((a[1] > y) == (b[1] > y)) continue;
            double crossX = a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1]);
            if (x < crossX) winding += b[1] > a[1] ? 1 : -1;
        }
    }
    return winding != 0;
}

double CoveredArea(const GlyphGeometry& g) {
    double area = 0;
    for (size_t i = 0; i + 2 < g.triangles.size(); i += 3)
        area += TriangleArea(g.triangles[i], g.triangles[i + 1], g.triangles[i + 2]);
    return area;
}

double OutlineArea(const GlyphGeometry& g) {
    double area = 0;  // outer contours and holes run opposite ways, so the signed sum is the fill
    for (const auto& c : g.contours) {
        for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++)
            area += 0.5 * (c[j][0] * c[i][1] - c[i][0] * c[j][1]);
    }
    return std::fabs(area);
}

TEST_F(GlyphGeometryTest, CapsFillTheOutlineAndKeepTheHoles) {
    for (char32_t c : {U'o', U'e', U'ą', U'Ł', U'8', U'W'}) {
        GlyphGeometry g = Glyph(c);
        ASSERT_FALSE(g.triangles.empty()) << static_cast<int>(c);
        EXPECT_EQ(g.triangles.size() % 3, 0u);
        for (size_t i = 0; i < g.triangles.size(); i += 3)
            EXPECT_GE(TriangleArea(g.triangles[i], g.triangles[i + 1], g.triangles[i + 2]), -1e-7)
                << "clockwise";
        EXPECT_NEAR(CoveredArea(g), OutlineArea(g), 1e-4) << static_cast<int>(c);
        // Sample a grid: the caps cover exactly the inside of the outline.
        int mismatches = 0, insideSamples = 0;
        for (double y = -0.3; y < 1.0; y += 0.0137) {
            for (double x = -0.05; x < g.advance + 0.05; x += 0.0131) {
                bool inside = InsideOutline(g, x, y);
                insideSamples += inside;
                mismatches += inside != Covered(g, x, y);
            }
        }
        EXPECT_GT(insideSamples, 50);
        EXPECT_LE(mismatches, 2) << static_cast<int>(c);  // samples exactly on an edge may go either way
    }
    GlyphGeometry o = Glyph(U'o');
    EXPECT_EQ(o.contours.size(), 2u);
    const double middle = o.advance / 2, xHeight = 0.27;
    EXPECT_FALSE(Covered(o, middle, xHeight)) << "the hole of o is filled";
    EXPECT_TRUE(Covered(o, middle, 0.01)) << "the bottom of the ring is missing";
}

TEST_F(GlyphGeometryTest, WallsFaceAwayFromTheFill) {
    for (char32_t c : {U'o', U'e', U'ą', U'A', U'ó'}) {
        GlyphGeometry g = Glyph(c);
        ASSERT_FALSE(g.walls.empty());
        int inward = 0, seams = 0, probed = 0;
        for (const GlyphWall& w : g.walls) {
            EXPECT_NEAR(std::hypot(w.nx, w.ny), 1.0, 1e-5);
            const double length = std::hypot(w.x1 - w.x0, w.y1 - w.y0);
            if (length < 0.004) continue;  // too short to probe beside it reliably
            ++probed;
            const double mx = (w.x0 + w.x1) / 2, my = (w.y0 + w.y1) / 2, eps = 0.001;
            inward += !InsideOutline(g, mx - eps * w.nx, my - eps * w.ny);
            // Where two contours touch (the ogonek of "ą" on the stem) a wall has fill on both sides.
            seams += InsideOutline(g, mx + eps * w.nx, my + eps * w.ny);
        }
        EXPECT_EQ(inward, 0) << static_cast<int>(c);
        EXPECT_LE(seams, probed / 50) << static_cast<int>(c);
    }
}

TEST_F(GlyphGeometryTest, CurvesAreFlattenedFinely) {
    GlyphGeometry o = Glyph(U'o');
    for (const auto& contour : o.contours) {
        ASSERT_GT(contour.size(), 24u);
        double sharpest = 0;
        for (size_t i = 0; i < contour.size(); ++i) {
            const Point& a = contour[(i + contour.size() - 1) % contour.size()];
            const Point& b = contour[i];
            const Point& c = contour[(i + 1) % contour.size()];
            double turn =
                std::fabs(std::atan2((b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0]),
                                     (b[0] - a[0]) * (c[0] - b[0]) + (b[1] - a[1]) * (c[1] - b[1])));
            sharpest = std::max(sharpest, turn);
        }
        // An "o" has no corners: every bend between chords stays small.
        EXPECT_LT(sharpest * 180 / M_PI, 20.0);
    }
}

TEST_F(GlyphGeometryTest, AdvancesAreInEms) {
    GlyphGeometry space = Glyph(U' ');
    EXPECT_TRUE(space.triangles.empty());
    EXPECT_GT(space.advance, 0.1);
    EXPECT_LT(space.advance, 0.6);
    GlyphGeometry w = Glyph(U'W');
    EXPECT_GT(w.advance, 0.6);
    EXPECT_LT(w.advance, 1.3);
    if (file.find("DejaVuSans.ttf") != std::string::npos) {
        EXPECT_NEAR(w.advance, 2025.0 / 2048.0, 1e-9);
    }
    GlyphGeometry none;
    EXPECT_FALSE(source->Build(U'\uE000', none));  // private use: no glyph
    EXPECT_EQ(none.advance, 0);
}

// CFF fonts give cubic curves; the same checks must hold for them.
TEST(GlyphCubicOutlines, PostScriptFontTessellatesWithHoles) {
    const char* file = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf";
    if (access(file, R_OK) != 0) {
        GTEST_SKIP() << "no CFF font here";
    }
    GlyphOutlineSource source(file);
    ASSERT_TRUE(source.Ok());
    GlyphGeometry o;
    ASSERT_TRUE(source.Build(U'o', o));
    EXPECT_EQ(o.contours.size(), 2u);
    EXPECT_NEAR(CoveredArea(o), OutlineArea(o), 1e-4);
    EXPECT_FALSE(Covered(o, o.advance / 2, 0.26));
    for (const GlyphWall& w : o.walls) {
        const double mx = (w.x0 + w.x1) / 2, my = (w.y0 + w.y1) / 2;
        EXPECT_FALSE(InsideOutline(o, mx + 0.001 * w.nx, my + 0.001 * w.ny));
    }
}

}  // namespace
