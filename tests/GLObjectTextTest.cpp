// Text objects on a headless GL context: glyph codes, the length limit, bounds, the caret and its
// clock, clicks giving and taking the caret, pixels drawn where the bounds say, and no font at all.
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "GLTestContext.h"
#include "TestDrawables.h"
#include "engine/GLObjectText.h"
#include "engine/GlyphFont.h"
#include "engine/GlyphOutline.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

// Draws objects the way the game's view sees them (from 6 units in front), lit by one white light,
// into the back buffer, and reads the frame back.
class TextPixelsTest : public GLTestContext {
protected:
    void BeginFrame() {
        BeginGameView();
        WhiteLight(0, 2, 10);
    }

    // Window pixel (x from the left, y from the top) of a world point at the view of BeginFrame().
    static std::array<double, 2> Project(double x, double y, double z) {
        GLdouble modelView[16], projection[16], wx, wy, wz;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz);
        return {wx, kHeight - wy};
    }

    // Lit pixels of the back buffer, as (x, y) from the top left.
    static std::vector<std::array<int, 2>> LitPixels() {
        std::vector<uint8_t> rgba(kWidth * kHeight * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::vector<std::array<int, 2>> lit;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p = &rgba[(y * kWidth + x) * 4];
                if (p[0] + p[1] + p[2] > 60) lit.push_back({x, kHeight - 1 - y});
            }
        }
        return lit;
    }

    static bool LitAt(double x, double y) {
        uint8_t rgba[4];
        glReadPixels(static_cast<int>(x), kHeight - 1 - static_cast<int>(y), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     rgba);
        return rgba[0] + rgba[1] + rgba[2] > 60;
    }
};

using TextTest = GLTestContext;

TEST_F(TextTest, TextIsStoredInGlyphCodes) {
    GLObjectText text("t", u"Łódź", 0, 0, 0);
    EXPECT_EQ(text.glyphs[0], 198);
    EXPECT_EQ(text.glyphs[1], 205);
    EXPECT_EQ(text.glyphs[2], 100);
    EXPECT_EQ(text.glyphs[3], 207);
    EXPECT_EQ(text.glyphs[4], 0);

    text.SetText(u"é");
    EXPECT_EQ(text.GetText(), u"\uFFD3");
    text.SetText(text.GetText());
    EXPECT_EQ(text.glyphs[0], 211);
    EXPECT_EQ(text.glyphs[1], 0);

    text.SetText(u"az");  // shorter: nothing of the old text is left behind
    EXPECT_EQ(text.GetText(), u"az");
}

TEST_F(TextTest, LongTextsAreCutAt999Characters) {
    GLObjectText text("t", std::u16string(1500, u'a'), 0, 0, 0);
    EXPECT_EQ(text.GetText().size(), 999u);
    EXPECT_EQ(text.glyphs[998], 'a');
    EXPECT_EQ(text.glyphs[999], 0);
    text.SetText(std::u16string(999, u'b'));
    EXPECT_EQ(text.GetText(), std::u16string(999, u'b'));
}

TEST_F(TextTest, BoundsFollowTheAdvancesWithAMinimumWidth) {
    GLObjectText empty("e", u"", 1, 2, 3);
    EXPECT_DOUBLE_EQ(empty.bounds[3] - empty.bounds[0], 0.5);
    EXPECT_DOUBLE_EQ(empty.bounds[4] - empty.bounds[1], 0.44);
    EXPECT_DOUBLE_EQ(empty.bounds[0], 0.75);
    EXPECT_DOUBLE_EQ(empty.bounds[1], 1.78);
    EXPECT_DOUBLE_EQ(empty.bounds[5], 3.22);

    ASSERT_TRUE(glyphfont::Available());
    const std::u16string phrase = u"lexa DRILL árbol";
    GLObjectText word("w", phrase, 0, 0, 0);
    GlyphOutlineSource font(glyphfont::FontFile());
    double sum = 0;
    for (char16_t c : phrase) {
        GlyphGeometry g;
        ASSERT_TRUE(font.Build(c, g));
        sum += g.advance;
    }
    EXPECT_NEAR(word.TextWidth(), sum, 1e-12);
    EXPECT_GT(sum, 5);
    EXPECT_DOUBLE_EQ(word.bounds[3] - word.bounds[0], 0.5 * sum);
    // Codes 222-255, past the table and below the extended letters, draw nothing and take no room
    // (units outside Latin-1 and Latin Extended-A whose low byte is one of them).
    GLObjectText beyond("b", u"\u04FF\u04DE", 0, 0, 0);
    EXPECT_EQ(beyond.TextWidth(), 0);
}

TEST_F(TextTest, CaretTogglesAtMostOncePer500Ms) {
    GLObjectText text("t", u"ana", 0, 0, 0);
    platform::headless::SetClockMs(10000);
    StepAndDraw(text);
    EXPECT_FALSE(text.caretOn) << "an inactive text has no caret";
    text.SetActive(true);
    StepAndDraw(text);
    EXPECT_TRUE(text.caretOn);
    EXPECT_EQ(text.lastBlink, 10000u);
    for (uint32_t ms = 10000; ms <= 10500; ms += 50) {
        platform::headless::SetClockMs(ms);
        for (int frame = 0; frame < 5; ++frame) StepAndDraw(text);
        EXPECT_TRUE(text.caretOn) << ms;
    }
    platform::headless::SetClockMs(10501);
    StepAndDraw(text);
    StepAndDraw(text);
    EXPECT_FALSE(text.caretOn);
    EXPECT_EQ(text.lastBlink, 10501u);
}

TEST_F(TextTest, FontIsSharedAndDeletedWithTheLastText) {
    GLuint base;
    {
        GLObjectText first("a", u"a", 0, 0, 0);
        StepAndDraw(first);
        base = glyphfont::ListBase();
        ASSERT_NE(base, 0u);
        {
            GLObjectText second("b", u"b", 0, 0, 0);
            StepAndDraw(second);
            EXPECT_EQ(glyphfont::ListBase(), base);
        }
        EXPECT_TRUE(glIsList(base + 'a'));
        EXPECT_TRUE(glyphfont::Available());
    }
    EXPECT_FALSE(glIsList(base + 'a'));
    EXPECT_FALSE(glyphfont::Available());
}

TEST_F(TextPixelsTest, GlyphsDrawInsideTheirBounds) {
    // Letters within the x-height and the ogoneks: accents and capitals rise above the bounds.
    GLObjectText text("t", u"oaxe ąęw", 0.3, -0.2, 0);
    text.SetVertexColour(1, 1, 1, 1);
    BeginFrame();
    StepAndDraw(text);
    glFinish();
    const auto lit = LitPixels();
    ASSERT_GT(lit.size(), 500u);
    const auto topLeft = Project(text.bounds[0], text.bounds[4], 0);
    const auto bottomRight = Project(text.bounds[3], text.bounds[1], 0);
    int outside = 0, minX = kWidth, maxX = 0;
    for (const auto& p : lit) {
        outside += p[0] < topLeft[0] - 1 || p[0] > bottomRight[0] + 1 || p[1] < topLeft[1] - 1 ||
                   p[1] > bottomRight[1] + 1;
        minX = std::min(minX, p[0]);
        maxX = std::max(maxX, p[0]);
    }
    EXPECT_EQ(outside, 0);
    // The drawn text spans its bounds: the advance is the width metric of what is drawn.
    EXPECT_LT(minX - topLeft[0], 6);
    EXPECT_LT(bottomRight[0] - maxX, 6);
}

TEST_F(TextPixelsTest, HolesStayOpen) {
    GLObjectText text("t", u"o", 0, 0, 0);
    text.scale = 4;
    text.SetVertexColour(1, 1, 1, 1);
    BeginFrame();
    StepAndDraw(text);
    glFinish();
    GlyphOutlineSource source(glyphfont::FontFile());
    GlyphGeometry o;
    ASSERT_TRUE(source.Build(U'o', o));
    ASSERT_EQ(o.contours.size(), 2u);
    // Inner contour: the one with the smaller extent. Its centre is the middle of the hole.
    auto extent = [](const std::vector<std::array<float, 2>>& c) {
        std::array<float, 4> box{1e9f, 1e9f, -1e9f, -1e9f};
        for (const auto& p : c)
            box = {std::min(box[0], p[0]), std::min(box[1], p[1]), std::max(box[2], p[0]),
                   std::max(box[3], p[1])};
        return box;
    };
    auto a = extent(o.contours[0]), b = extent(o.contours[1]);
    const auto inner = (a[2] - a[0] < b[2] - b[0]) ? a : b, outer = (a[2] - a[0] < b[2] - b[0]) ? b : a;
    // Glyph units to the world: centred by the advance, dropped 0.1, scaled 0.5, then the object's scale.
    auto world = [&](double gx, double gy) {
        return Project(4 * (-0.25 * o.advance + 0.5 * gx), 4 * (-0.1 + 0.5 * gy), 0);
    };
    const double cy = (inner[1] + inner[3]) / 2;
    const auto hole = world((inner[0] + inner[2]) / 2, cy);
    const auto ring = world((outer[0] + inner[0]) / 2, cy);
    EXPECT_FALSE(LitAt(hole[0], hole[1]));
    EXPECT_TRUE(LitAt(ring[0], ring[1]));
}

// The glyph lists are drawn scaled (by 0.5 and the object's scale) without renormalising their
// normals, so a smaller text is lit brighter: with a head-on light of diffuse 0.5 and no ambient,
// a unit normal would give 0.5 of the colour, whatever the scale.
TEST_F(TextPixelsTest, GlyphNormalsKeepTheLengthTheirScaleGivesThem) {
    struct Case {
        double scale;
        int red;  // 0.4 x 0.5 x 1 / (0.5 x scale), of 255
    };
    for (const Case c : {Case{1.0, 102}, Case{1.5, 68}, Case{0.5, 204}}) {
        GLObjectText text("t", u"HHH", 0, 0, 0);
        text.scale = c.scale;
        text.SetVertexColour(0.4, 0.4, 0.4, 1);
        BeginGameView();
        const GLfloat none[4] = {0, 0, 0, 1}, half[4] = {0.5f, 0.5f, 0.5f, 1}, headOn[4] = {0, 0, 1, 0};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
        Light0(none, half, headOn);
        StepAndDraw(text);
        glFinish();
        std::vector<uint8_t> rgb(kWidth * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        std::vector<int> reds;
        for (size_t i = 0; i < rgb.size(); i += 3)
            if (rgb[i] > 10) reds.push_back(rgb[i]);
        ASSERT_GT(reds.size(), 100u) << c.scale;
        std::nth_element(reds.begin(), reds.begin() + reds.size() / 2, reds.end());
        EXPECT_NEAR(reds[reds.size() / 2], c.red, 2) << "scale " << c.scale;
    }
}

TEST_F(TextPixelsTest, CaretShowsAfterTheTextAndGoesAtOnce) {
    GLObjectText text("t", u"ana", 0, 0, 0);
    text.SetVertexColour(1, 1, 1, 1);
    text.SetActive(true);
    platform::headless::SetClockMs(5000);
    BeginFrame();
    StepAndDraw(text);
    ASSERT_TRUE(text.caretOn);
    glFinish();
    const double textEnd = Project(0.25 * text.TextWidth(), 0, 0)[0];
    auto litRightOfText = [&] {
        int count = 0;
        for (const auto& p : LitPixels()) count += p[0] > textEnd + 1;
        return count;
    };
    EXPECT_GT(litRightOfText(), 20);
    text.SetActive(false);
    BeginFrame();
    StepAndDraw(text);
    glFinish();
    EXPECT_EQ(litRightOfText(), 0);
}

TEST_F(GLSceneTest, ClickGivesAnEditableTextTheCaretAndAClickElsewhereTakesIt) {
    auto* name = scene->Add(std::make_unique<GLObjectText>("name", u"ana", 0, 0, 0));
    auto* label = scene->Add(std::make_unique<GLObjectText>("label", u"label", 0, 1.2, 0));
    name->editable = true;
    // (0, 0) is the middle of the window; the label is 1.2 units (about 93 pixels) above.
    platform::headless::SetCursor(kWidth / 2, kHeight / 2);
    scene->clickPending = true;
    scene->Render();
    EXPECT_TRUE(name->active);
    EXPECT_TRUE(name->clicked);
    EXPECT_FALSE(label->clicked);

    platform::headless::SetCursor(kWidth / 2, kHeight / 2 - 93);
    scene->clickPending = true;
    scene->Render();
    EXPECT_FALSE(name->active);
    EXPECT_TRUE(label->clicked);
    EXPECT_FALSE(label->active) << "only editable texts take the caret";
}

// As on a machine without any outline font.
class NoFontTest : public GLTestContext {
protected:
    void SetUp() override {
        glyphfont::UseFontFileForTesting("");
        GLTestContext::SetUp();
    }
    void TearDown() override {
        GLTestContext::TearDown();
        glyphfont::UseSystemFont();
    }
};

TEST_F(NoFontTest, ObjectsKeepSaneWidthsAndDrawNothing) {
    GLObjectText text("t", u"hola", 0, 0, 0);
    EXPECT_FALSE(glyphfont::Available());
    ASSERT_EQ(platform::headless::Messages().size(), 1u) << "the player is told";
    EXPECT_NE(platform::headless::Messages()[0].find("fonts-crosextra-carlito"), std::string::npos);
    EXPECT_DOUBLE_EQ(text.TextWidth(), 2.0);
    EXPECT_DOUBLE_EQ(text.bounds[3] - text.bounds[0], 1.0);
    text.SetActive(true);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    StepAndDraw(text);
    EXPECT_EQ(glyphfont::ListBase(), 0u);
    std::vector<uint8_t> rgb(kWidth * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    EXPECT_EQ(std::count(rgb.begin(), rgb.end(), 0), static_cast<std::ptrdiff_t>(rgb.size()));
}

}  // namespace
