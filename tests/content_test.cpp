// The generated game folder read back through the game's own readers: the encoded word list
// against its source, every model, every picture.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/FontSearch.h"
#include "engine/GlyphFont.h"
#include "engine/GlyphOutline.h"
#include "formats/JpegReader.h"
#include "formats/Ms3dReader.h"
#include "formats/TgaReader.h"
#include "learning/LearningRun.h"
#include "learning/WordList.h"

namespace {

const std::string kBuild = LEXADRILL_BUILD_DIR "/";
const char* const kTitles[12] = {
    "constructions",        "human body 1", "time",        "food and drink 1", "places 1",   "house 1",
    "fruits and vegatales", "travel",       "utilities 1", "nature 1",         "clothing 1", "look",
};

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// UTF-8 (the source file) to UTF-16 (what the game loads); the source holds no surrogates.
std::u16string Utf16(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        if (c < 0x80) {
            out += char16_t(c);
            i += 1;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
            out += char16_t(((c & 0x1F) << 6) | (s[i + 1] & 0x3F));
            i += 2;
        } else if (i + 2 < s.size()) {
            out += char16_t(((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F));
            i += 3;
        } else {
            break;
        }
    }
    return out;
}

struct SourceEntry {
    std::u16string prompt, answer;
};

// The vocabulary source: entries in file order, and the topic headings ("# <title>").
void ReadSource(std::vector<SourceEntry>& entries, std::vector<std::string>& headings) {
    std::ifstream in(LEXADRILL_SOURCE_DIR "/content/words.txt");
    ASSERT_TRUE(in) << "content/words.txt missing";
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("# ", 0) == 0 && line.find(';') == std::string::npos)
            headings.push_back(line.substr(2));
        if (line.empty() || line[0] == '#') continue;
        const size_t semi = line.find(';');
        ASSERT_NE(semi, std::string::npos) << line;
        entries.push_back({Utf16(line.substr(0, semi)), Utf16(line.substr(semi + 1))});
    }
}

bool AnswerAllowed(std::u16string a) {
    if (a.size() > 4 &&
        (a.compare(a.size() - 4, 4, u" (m)") == 0 || a.compare(a.size() - 4, 4, u" (f)") == 0)) {
        a.resize(a.size() - 4);
    }
    if (a.empty() || a.front() == u' ' || a.back() == u' ' || a.find(u"  ") != std::u16string::npos)
        return false;
    return std::all_of(a.begin(), a.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || c == u' ' ||
               std::u16string(u"áéíóúñ").find(c) != std::u16string::npos;
    });
}

TEST(ContentWords, EncodedListDecodesToTheSourceTopicByTopic) {
    LearningRun currentRun;
    std::vector<SourceEntry> source;
    std::vector<std::string> headings;
    ReadSource(source, headings);
    ASSERT_EQ(source.size(), 360u);
    // The headings document the topic order; it must be the order of the topics table.
    ASSERT_GE(headings.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(headings.end() - 12, headings.end()),
              std::vector<std::string>(std::begin(kTitles), std::end(kTitles)));

    for (int topic = 0; topic < 12; ++topic) {
        SCOPED_TRACE(kTitles[topic]);
        LoadTopicEntries(currentRun.words, kBuild + "data/words_free.enc", topic * 30, topic * 30 + 30);
        ASSERT_EQ(WordCount(currentRun.words), 30u);
        std::set<std::u16string> prompts;
        for (int k = 0; k < 30; ++k) {
            const SourceEntry& expected = source[topic * 30 + k];
            EXPECT_EQ(currentRun.words.entries[k].prompt, expected.prompt) << "entry " << k;
            EXPECT_EQ(currentRun.words.entries[k].answer, expected.answer) << "entry " << k;
            EXPECT_TRUE(AnswerAllowed(currentRun.words.entries[k].answer)) << "entry " << k;
            EXPECT_TRUE(prompts.insert(currentRun.words.entries[k].prompt).second)
                << "prompt twice, entry " << k;
        }
    }
    ReleaseEntries(currentRun.words);
}

// Prompts that had more than one natural answer in the Spanish of Spain, as they now read: each
// says which one word it wants, and the old wording is gone.
TEST(ContentWords, AmbiguousPromptsSayWhichAnswerTheyWant) {
    std::vector<SourceEntry> source;
    std::vector<std::string> headings;
    ReadSource(source, headings);
    auto answerOf = [&](const std::u16string& prompt) {
        for (const SourceEntry& entry : source)
            if (entry.prompt == prompt) return entry.answer;
        return std::u16string(u"(no such prompt)");
    };
    const std::pair<std::u16string, std::u16string> reworded[] = {
        {u"field (of a farm)", u"campo (m)"},
        {u"staircase", u"escalera (f)"},
        {u"lunch", u"comida (f)"},
        {u"corridor", u"pasillo (m)"},
        {u"sandwich (in a baguette)", u"bocadillo (m)"},
        {u"how much does it cost", u"cuánto cuesta"},
        {u"nice to meet you (man)", u"encantado"},
        {u"how are you (estar, tú)", u"cómo estás"},
        {u"why (asking)", u"por qué"},
        {u"cake", u"tarta (f)"},
        {u"school", u"colegio (m)"},
        {u"button mushroom", u"champiñón (m)"},
    };
    for (const auto& [prompt, answer] : reworded) EXPECT_EQ(answerOf(prompt), answer);
    for (const std::u16string old :
         {u"field (meadow)", u"stairs", u"bedroom", u"sandwich", u"how much is it", u"nice to meet you",
          u"how are you (informal)", u"of course", u"mushroom"})
        EXPECT_EQ(answerOf(old), u"(no such prompt)");
}

// The prompt and the answer are drawn centred at x = 0.5, 0.1 in front of the origin, half an em
// per unit of advance; the play window is 5:3 with a 45 degree vertical field of view.
TEST(ContentWords, EveryPromptAndAnswerFitsTheView) {
    const std::string fontFile = glyphfont::FindFontFile();
    ASSERT_FALSE(fontFile.empty());
    GlyphOutlineSource font(fontFile);
    ASSERT_TRUE(font.Ok());
    std::vector<SourceEntry> source;
    std::vector<std::string> headings;
    ReadSource(source, headings);
    const double halfWidth = (6.0 - 0.1) * std::tan(22.5 * M_PI / 180) * 5.0 / 3.0;
    for (const SourceEntry& entry : source) {
        for (const std::u16string* text : {&entry.prompt, &entry.answer}) {
            double advance = 0;
            for (char16_t c : *text) {
                GlyphGeometry glyph;
                ASSERT_TRUE(font.Build(c, glyph));
                advance += glyph.advance;
            }
            EXPECT_LT(0.5 + 0.25 * advance, halfWidth - 0.2)
                << "too wide: " << std::string(text->begin(), text->end());
        }
    }
}

struct Bounds {
    float min[3] = {1e9f, 1e9f, 1e9f}, max[3] = {-1e9f, -1e9f, -1e9f};
    float Size(int axis) const { return max[axis] - min[axis]; }
};

Bounds MeshBounds(const Ms3dMesh& mesh) {
    Bounds b;
    for (const ModelVertex& v : mesh.vertices) {
        const float p[3] = {v.x, v.y, v.z};
        for (int i = 0; i < 3; ++i) {
            b.min[i] = std::min(b.min[i], p[i]);
            b.max[i] = std::max(b.max[i], p[i]);
        }
    }
    return b;
}

bool LoadModel(const std::string& name, Ms3dMesh& mesh) {
    const std::vector<uint8_t> bytes = ReadAll(kBuild + "data/" + name);
    return !bytes.empty() && ParseMs3d(bytes.data(), bytes.size(), mesh);
}

// The tip of an arrow: every vertex at the far end along `axis` (sign `dir`) lies on the centre line.
bool PointsAlong(const Ms3dMesh& mesh, int axis, int dir) {
    const Bounds b = MeshBounds(mesh);
    const float far = dir > 0 ? b.max[axis] : b.min[axis];
    const int across = axis == 0 ? 1 : 0;
    for (const ModelVertex& v : mesh.vertices) {
        const float p[3] = {v.x, v.y, v.z};
        if (std::fabs(p[axis] - far) < 1e-4f && std::fabs(p[across]) > 1e-3f) return false;
    }
    return true;
}

TEST(ContentModels, EveryModelLoadsWithGeometryOfASensibleSize) {
    const struct {
        const char* file;
        float minWidth, maxWidth;  // x extent, scene units
    } models[] = {
        {"score_board.ms3d", 3.0f, 5.0f}, {"arrow_up.MS3D", 0.15f, 0.5f},   {"arrow_down.MS3D", 0.15f, 0.5f},
        {"button_next.ms3d", 0.4f, 1.2f}, {"button_prev.ms3d", 0.4f, 1.2f}, {"flag.ms3d", 0.6f, 1.3f},
        {"przerwij.ms3d", 0.2f, 0.7f},
    };
    for (const auto& m : models) {
        SCOPED_TRACE(m.file);
        Ms3dMesh mesh;
        ASSERT_TRUE(LoadModel(m.file, mesh));
        EXPECT_FALSE(mesh.vertices.empty());
        EXPECT_FALSE(mesh.triangles.empty());
        ASSERT_FALSE(mesh.groups.empty());
        for (const ModelGroup& g : mesh.groups) {
            EXPECT_FALSE(g.triangleIndices.empty());
            ASSERT_GE(g.materialIndex, 0);
            ASSERT_LT(g.materialIndex, int(mesh.materials.size()));
            EXPECT_GT(mesh.materials[g.materialIndex].diffuse[0] +
                          mesh.materials[g.materialIndex].diffuse[1] +
                          mesh.materials[g.materialIndex].diffuse[2],
                      0.3f)
                << "a material too dark to see";
        }
        const Bounds b = MeshBounds(mesh);
        EXPECT_GE(b.Size(0), m.minWidth);
        EXPECT_LE(b.Size(0), m.maxWidth);
        EXPECT_GT(b.Size(1), 0.1f);
        EXPECT_LT(b.Size(2), 0.5f) << "props are flat, facing the viewer";
        // Centred on the position the scene gives the object.
        EXPECT_NEAR((b.min[0] + b.max[0]) / 2, 0.0f, 0.1f);
        EXPECT_NEAR((b.min[1] + b.max[1]) / 2, 0.0f, 0.1f);
    }
}

TEST(ContentModels, ArrowsPointTheWayTheirNamesSay) {
    const struct {
        const char* file;
        int axis, dir;
    } arrows[] = {{"arrow_up.MS3D", 1, 1},
                  {"arrow_down.MS3D", 1, -1},
                  {"button_next.ms3d", 0, 1},
                  {"button_prev.ms3d", 0, -1}};
    for (const auto& a : arrows) {
        SCOPED_TRACE(a.file);
        Ms3dMesh mesh;
        ASSERT_TRUE(LoadModel(a.file, mesh));
        EXPECT_TRUE(PointsAlong(mesh, a.axis, a.dir));
        EXPECT_FALSE(PointsAlong(mesh, a.axis, -a.dir)) << "the tail end is as narrow as the tip";
    }
}

TEST(ContentModels, FlagTextureCoversTheWholePictureTopUp) {
    Ms3dMesh mesh;
    ASSERT_TRUE(LoadModel("flag.ms3d", mesh));
    const Bounds b = MeshBounds(mesh);
    float sMin = 1, sMax = 0, tMin = 1, tMax = 0;
    for (const ModelTriangle& t : mesh.triangles) {
        for (int c = 0; c < 3; ++c) {
            sMin = std::min(sMin, t.s[c]);
            sMax = std::max(sMax, t.s[c]);
            tMin = std::min(tMin, t.t[c]);
            tMax = std::max(tMax, t.t[c]);
            // Pictures are uploaded top row first, so the top edge must carry t = 0, the hoist s = 0.
            const ModelVertex& v = mesh.vertices[t.vertexIndices[c]];
            if (v.y == b.max[1]) {
                EXPECT_NEAR(t.t[c], 0.0f, 1e-5f);
            }
            if (v.x == b.min[0]) {
                EXPECT_NEAR(t.s[c], 0.0f, 1e-5f);
            }
        }
    }
    EXPECT_FLOAT_EQ(sMin, 0.0f);
    EXPECT_FLOAT_EQ(sMax, 1.0f);
    EXPECT_FLOAT_EQ(tMin, 0.0f);
    EXPECT_FLOAT_EQ(tMax, 1.0f);
}

bool LoadJpeg(const std::string& name, Image& image) {
    const std::vector<uint8_t> bytes = ReadAll(kBuild + "gfx/" + name);
    return !bytes.empty() && DecodeJpeg(bytes.data(), bytes.size(), kPictureLimits, image);
}

TEST(ContentPictures, EveryJpegDecodesWithItsSize) {
    std::vector<std::tuple<std::string, int, int>> pictures = {
        {"loading.jpg", 1024, 512},          {"mirror.jpg", 1024, 512}, {"glowny_bg.jpg", 512, 512},
        {"infoscreen_free.jpg", 1024, 1024}, {"blocked.jpg", 512, 128}, {"flag uk.jpg", 512, 256},
        {"flag spain.jpg", 384, 256},
    };
    for (const char* title : kTitles) pictures.emplace_back(std::string("tem/") + title + ".jpg", 512, 512);
    for (const auto& [name, width, height] : pictures) {
        SCOPED_TRACE(name);
        Image image;
        ASSERT_TRUE(LoadJpeg(name, image));
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        EXPECT_EQ(image.RowBytes(), size_t(width) * 3);
        EXPECT_EQ(image.pixels.size(), size_t(width) * height * 3);
    }
}

// A locked topic's "blocked" sign lands on rows 443-470, columns 127-260 of the 400 x 500 picture:
// there each row holds only the background's gradient, no title or drawing for the sign to hide.
TEST(ContentPictures, TopicPicturesLeaveTheLockSignsPlaceEmpty) {
    for (const char* title : kTitles) {
        SCOPED_TRACE(title);
        Image image;
        ASSERT_TRUE(LoadJpeg(std::string("tem/") + title + ".jpg", image));
        const auto column = [&](double x) { return int(x * image.width / 400); };
        for (int y = 438 * image.height / 500; y < 476 * image.height / 500; ++y) {
            const uint8_t* row = &image.pixels[size_t(y) * image.RowBytes()];
            for (int x = column(120); x < column(268); ++x) {
                for (int c = 0; c < 3; ++c) {
                    ASSERT_NEAR(row[x * 3 + c], row[column(120) * 3 + c], 12) << "at " << x << ", " << y;
                }
            }
        }
    }
}

// The colour at (x, y) as a fraction of the picture, within a JPEG's tolerance of `rgb`.
void ExpectColour(const Image& image, double fx, double fy, unsigned rgb) {
    const int x = int(fx * image.width), y = int(fy * image.height);
    const uint8_t* p = &image.pixels[size_t(y) * image.RowBytes() + x * 3];
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(p[c], (rgb >> (16 - 8 * c)) & 0xFF, 12) << "channel " << c << " at " << fx << ", " << fy;
    }
}

TEST(ContentPictures, FlagsHaveTheirOfficialColoursAndLayout) {
    Image uk, spain;
    ASSERT_TRUE(LoadJpeg("flag uk.jpg", uk));
    ASSERT_TRUE(LoadJpeg("flag spain.jpg", spain));
    ExpectColour(uk, 0.5, 0.5, 0xC8102E);  // St George's cross
    ExpectColour(uk, 0.5, 0.05, 0xC8102E);
    ExpectColour(uk, 0.25, 0.06, 0x012169);  // field above the saltire at the hoist
    ExpectColour(uk, 0.2, 0.36, 0xFFFFFF);   // white fimbriation above the cross
    ExpectColour(spain, 0.5, 0.1, 0xAA151B);
    ExpectColour(spain, 0.5, 0.5, 0xF1BF00);
    ExpectColour(spain, 0.5, 0.9, 0xAA151B);
}

TEST(ContentPictures, ParticleIsASoftRoundSpriteWithAlpha) {
    const std::vector<uint8_t> bytes = ReadAll(kBuild + "gfx/particle.tga");
    TgaImage image;
    ASSERT_EQ(DecodeTga(bytes.data(), bytes.size(), kPictureLimits, image), TgaOk);
    ASSERT_EQ(image.bitsPerPixel, 32);
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 64);
    ASSERT_EQ(image.pixels.size(), 64u * 64 * 4);
    auto alpha = [&](int x, int y) { return image.pixels[(size_t(y) * 64 + x) * 4 + 3]; };
    EXPECT_GT(alpha(32, 32), 200);
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_GT(alpha(32, 20), alpha(32, 8)) << "alpha falls off towards the rim";
    EXPECT_EQ(alpha(32, 8), alpha(8, 32)) << "round";
}

TEST(ContentPictures, WindowIconLoadsThroughSdl) {
    SDL_Surface* icon = SDL_LoadBMP((kBuild + "gfx/icon.bmp").c_str());
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, 64);
    EXPECT_EQ(icon->h, 64);
    EXPECT_NE(icon->format->Amask, 0u);
    SDL_FreeSurface(icon);
}

}  // namespace
