// The extruded font as the player sees it: centred on its position, closed by side walls, lit.
// With LEXADRILL_FONT_SHOT=<file.ppm> the lit, turned phrase is also saved as a picture
// (docs/font.png is made from it).
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "TestDrawables.h"
#include "engine/GLObjectText.h"
#include "engine/GlyphFont.h"
#include "formats/GlyphCodes.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

namespace {

class FontRenderTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 2800, kHeight = 520;  // twice the saved picture, for smooth edges

    void SetUp() override {
        platform::headless::Enable();
        ASSERT_TRUE(platform::Start());
        ASSERT_TRUE(platform::OpenWindow(0, 0, kWidth, kHeight));
        ASSERT_EQ(platform::CreateGLContext(), platform::ContextResult::Ok);
        ASSERT_TRUE(platform::MakeContextCurrent());
    }
    void TearDown() override {
        platform::DestroyGLContext();
        platform::Stop();
    }

    void Frame(GLObjectText& text) {
        glViewport(0, 0, kWidth, kHeight);
        glClearColor(0.05f, 0.07f, 0.16f, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, static_cast<double>(kWidth) / kHeight, 0.1, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -6);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_LIGHTING);
        const GLfloat ambient[4] = {0.25f, 0.25f, 0.25f, 1}, diffuse[4] = {1, 1, 1, 1};
        const GLfloat place[4] = {-4, 3, 6, 1};
        glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glLightfv(GL_LIGHT0, GL_POSITION, place);
        glEnable(GL_LIGHT0);
        StepAndDraw(text);
        glFinish();
        pixels.resize(kWidth * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    }

    bool Lit(int x, int row) const {
        const uint8_t* p = &pixels[(row * kWidth + x) * 3];
        return p[0] > 40 || p[1] > 40;  // brighter than the dark blue background
    }
    // First and last columns holding a lit pixel.
    std::pair<int, int> LitColumns() const {
        int first = kWidth, last = -1;
        for (int row = 0; row < kHeight; ++row) {
            for (int x = 0; x < kWidth; ++x) {
                if (Lit(x, row)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return {first, last};
    }

    int LitCount() const {
        int lit = 0;
        for (int row = 0; row < kHeight; ++row) {
            for (int x = 0; x < kWidth; ++x) lit += Lit(x, row);
        }
        return lit;
    }

    std::vector<uint8_t> pixels;  // bottom row first
};

TEST_F(FontRenderTest, TextIsCentredOnItsPosition) {
    GLObjectText text("t", u"lexa DRILL árbol Łódź", 0, 0, 0);
    ASSERT_TRUE(glyphfont::Available());
    text.scale = 2.5;
    text.SetVertexColour(0.9, 0.55, 0.1, 1);
    Frame(text);
    auto [first, last] = LitColumns();
    ASSERT_LT(first, last);
    // Side bearings of the first and last glyph differ a little; the advances are what is centred.
    EXPECT_NEAR((first + last) / 2.0, kWidth / 2.0, 12);
    EXPECT_GT(last - first, kWidth / 3);
}

TEST_F(FontRenderTest, SideWallsCloseTheExtrusion) {
    // Seen exactly edge-on, the caps have no area: whatever shows is the side walls.
    GLObjectText text("t", u"ILO", 0, 0, 0);
    text.scale = 6;
    text.SetVertexColour(1, 1, 1, 1);
    text.rotation[1] = 90;
    Frame(text);
    EXPECT_GT(LitCount(), 2000);
}

// Every letter of the code table, drawn alone, lights pixels and moves the pen; a name holding the
// Spanish capitals draws wider than the same name without them.
TEST_F(FontRenderTest, EveryTableLetterIsDrawn) {
    GLObjectText probe("t", u"", 0, 0, 0);
    ASSERT_TRUE(glyphfont::Available());
    for (int code = 192; code < kGlyphCodesFilled; ++code) {
        const char16_t letter = LetterOfGlyphCode(static_cast<uint8_t>(code));
        SCOPED_TRACE(code);
        EXPECT_GT(glyphfont::Advance(static_cast<uint8_t>(code)), 0.2);
        GLObjectText text("t", std::u16string(1, letter), 0, 0, 0);
        text.scale = 4;
        text.SetVertexColour(1, 1, 1, 1);
        Frame(text);
        EXPECT_GT(LitCount(), 2000);
    }
    const std::pair<std::u16string, std::u16string> names[] = {
        {u"\u00CD\u00D1IGO", u"IGO"}, {u"D\u00CDAS", u"DAS"}, {u"\u00C9L \u00DAN \u00DCE \u00FC", u"L N E "}};
    for (const auto& [with, without] : names) {
        SCOPED_TRACE(without.size());
        GLObjectText full("t", with, 0, 0, 0), bare("t", without, 0, 0, 0);
        full.scale = bare.scale = 2;
        full.SetVertexColour(1, 1, 1, 1);
        bare.SetVertexColour(1, 1, 1, 1);
        Frame(full);
        const auto [fullFirst, fullLast] = LitColumns();
        Frame(bare);
        const auto [bareFirst, bareLast] = LitColumns();
        // An "I" alone is some 25 columns wide here; a letter without a glyph would add none.
        EXPECT_GT(fullLast - fullFirst, bareLast - bareFirst + 15);
    }
}

TEST_F(FontRenderTest, EveryLatinLetterIsDrawnAsItselfNotAsItsPlainLetter) {
    // Letters of the 8-bit table and letters with codes past it, each beside the plain letter it
    // could be mistaken for: each is drawn, has a width, and looks different from that letter.
    const struct {
        char16_t letter;
        char16_t plain;
    } cases[] = {{u'ł', u'l'}, {u'ą', u'a'}, {u'ø', u'o'}, {u'œ', u'o'}, {u'ä', u'a'}, {u'ß', u'B'},
                 {u'ç', u'c'}, {u'ř', u'r'}, {u'Ž', u'Z'}, {u'å', u'a'}, {u'Ő', u'O'}, {u'ŋ', u'n'}};
    const GLObjectText keepsTheFont("keep", u"", 0, 0, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.letter));
        GLObjectText text("t", std::u16string(1, c.letter), 0, 0, 0);
        text.scale = 6;
        text.SetVertexColour(1, 1, 1, 1);
        EXPECT_GT(text.TextWidth(), 0.2);
        Frame(text);
        const std::vector<uint8_t> drawn = pixels;
        auto [first, last] = LitColumns();
        EXPECT_LT(first, last) << "nothing drawn";
        text.SetText(std::u16string(1, c.plain));
        Frame(text);
        EXPECT_NE(drawn, pixels) << "drawn as its plain letter";
    }
}

TEST_F(FontRenderTest, LitPhraseTurnedTowardTheLight) {
    GLObjectText text("shot", u"lexa DRILL árbol Łódź", 0, 0.05, 0);
    text.scale = 2.6;
    text.rotation[1] = -6;
    text.SetVertexColour(0.9, 0.55, 0.1, 1);
    Frame(text);
    // The front faces the light more than the walls do: the picture holds clearly different shades.
    int bright = 0, dim = 0;
    for (size_t i = 0; i < pixels.size(); i += 3) {
        if (pixels[i] > 200)
            ++bright;
        else if (pixels[i] > 50 && pixels[i] < 150)
            ++dim;
    }
    EXPECT_GT(bright, 5000);
    EXPECT_GT(dim, 500);

    const char* shot = std::getenv("LEXADRILL_FONT_SHOT");
    if (shot == nullptr) return;
    FILE* out = std::fopen(shot, "wb");
    ASSERT_NE(out, nullptr);
    std::fprintf(out, "P6\n%d %d\n255\n", kWidth, kHeight);
    for (int row = kHeight - 1; row >= 0; --row) std::fwrite(&pixels[row * kWidth * 3], 1, kWidth * 3, out);
    std::fclose(out);
}

}  // namespace
