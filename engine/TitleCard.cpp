#include "engine/TitleCard.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

namespace {

constexpr int kBorder = 6;
constexpr int kSmallestPixels = 14;

struct Rgb {
    uint8_t r, g, b;
};
// The colours of the designed topic pictures: lavender, a white label with a violet edge, blue words.
constexpr Rgb kBackdrop{190, 170, 225};
constexpr Rgb kCard{245, 245, 250};
constexpr Rgb kBorderColour{60, 40, 140};
constexpr Rgb kText{30, 60, 140};
constexpr Rgb kWhite{255, 255, 255};

// How a card is laid out: its size, the margin the text keeps from the edge (the border half way
// in it), the largest text size and how many lines the text may take.
struct CardLook {
    int width;
    int height;
    int margin;
    int largestPixels;
    int mostLines;
    Rgb backdrop;
    Rgb card;
    bool fitHeight;  // lines that would reach past the margins make the text smaller
};
constexpr CardLook kTitleLook{kTitleCardSide, kTitleCardSide, 28, 44, 4, kBackdrop, kCard, false};
constexpr CardLook kLanguageLook{kLanguageCardWidth, kLanguageCardHeight, 36, 88, 2, kWhite, kWhite, true};

void Put(Image& image, int x, int y, Rgb colour, int alpha = 255) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
    p[0] = static_cast<uint8_t>((p[0] * (255 - alpha) + colour.r * alpha) / 255);
    p[1] = static_cast<uint8_t>((p[1] * (255 - alpha) + colour.g * alpha) / 255);
    p[2] = static_cast<uint8_t>((p[2] * (255 - alpha) + colour.b * alpha) / 255);
}

void FillRect(Image& image, int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) Put(image, x, y, colour);
}

class Face {
public:
    explicit Face(const std::string& file) {
        if (FT_Init_FreeType(&library) != 0) return;
        if (!file.empty() && FT_New_Face(library, file.c_str(), 0, &face) != 0) face = nullptr;
    }
    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    bool Ok() const { return face != nullptr; }
    void SetPixels(int pixels) { FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)); }
    bool HasEveryLetter(const std::u16string& text) const {
        for (char16_t c : text) {
            if (c != u' ' && FT_Get_Char_Index(face, c) == 0) return false;
        }
        return true;
    }
    int Width(const std::u16string& text) {
        int width = 0;
        for (char16_t c : text) {
            if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) == 0)
                width += static_cast<int>(face->glyph->advance.x >> 6);
        }
        return width;
    }
    int LineHeight() const { return static_cast<int>(face->size->metrics.height >> 6); }
    int Ascender() const { return static_cast<int>(face->size->metrics.ascender >> 6); }
    void Draw(Image& image, const std::u16string& text, int x, int baseline, Rgb colour) {
        for (char16_t c : text) {
            if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) continue;
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            for (unsigned row = 0; row < bitmap.rows; ++row) {
                for (unsigned col = 0; col < bitmap.width; ++col) {
                    const int alpha = bitmap.buffer[row * bitmap.pitch + col];
                    if (alpha > 0)
                        Put(image, x + face->glyph->bitmap_left + static_cast<int>(col),
                            baseline - face->glyph->bitmap_top + static_cast<int>(row), colour, alpha);
                }
            }
            x += static_cast<int>(face->glyph->advance.x >> 6);
        }
    }

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// The title's words in lines no wider than `width` at the face's size; empty when a word alone is
// wider or more than `mostLines` lines are needed.
std::vector<std::u16string> Wrap(Face& face, const std::u16string& title, int width, int mostLines) {
    std::vector<std::u16string> lines;
    std::u16string line;
    size_t at = 0;
    while (at <= title.size()) {
        size_t space = title.find(u' ', at);
        if (space == std::u16string::npos) space = title.size();
        const std::u16string word = title.substr(at, space - at);
        at = space + 1;
        if (word.empty()) continue;
        const std::u16string joined = line.empty() ? word : line + u" " + word;
        if (face.Width(joined) <= width) {
            line = joined;
            continue;
        }
        if (line.empty() || face.Width(word) > width) return {};
        lines.push_back(line);
        line = word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines.size() <= static_cast<size_t>(mostLines) ? lines : std::vector<std::u16string>{};
}

// As much of `text` as fits `width` with "…" after it; the whole text when it fits.
std::u16string CutToWidth(Face& face, const std::u16string& text, int width) {
    if (face.Width(text) <= width) return text;
    const int room = width - face.Width(u"\u2026");
    size_t fits = 0;
    for (int used = 0; fits < text.size(); ++fits) {
        used += face.Width(text.substr(fits, 1));
        if (used > room) break;
    }
    return text.substr(0, fits) + u"\u2026";
}

// A text too long for the card at its smallest size: its words in `mostLines` lines, a word wider
// than a line cut, and the last line ending in "…" when words are left over.
std::vector<std::u16string> CutLines(Face& face, const std::u16string& title, int width, int mostLines) {
    std::vector<std::u16string> lines(1);
    size_t at = 0;
    while (at < title.size()) {
        size_t space = title.find(u' ', at);
        if (space == std::u16string::npos) space = title.size();
        const std::u16string word = title.substr(at, space - at);
        at = space + 1;
        if (word.empty()) continue;
        const std::u16string joined = lines.back().empty() ? word : lines.back() + u" " + word;
        if (face.Width(joined) <= width) {
            lines.back() = joined;
            continue;
        }
        if (lines.back().empty()) {
            lines.back() = CutToWidth(face, word, width);
            continue;
        }
        if (lines.size() == static_cast<size_t>(mostLines)) {
            lines.back() = CutToWidth(face, lines.back() + u"\u2026", width);
            return lines;
        }
        lines.push_back(CutToWidth(face, word, width));
    }
    return lines;
}

// The card with its border; the text centred inside, wrapped at spaces and made smaller until it
// fits. Without a font file the card is drawn without the text.
Image DrawCard(const CardLook& look, const std::u16string& text, Face& face) {
    Image image;
    image.width = look.width;
    image.height = look.height;
    image.channels = 3;
    image.pixels.resize(image.RowBytes() * image.height);
    FillRect(image, 0, 0, look.width, look.height, look.backdrop);
    const int inset = look.margin / 2;
    FillRect(image, inset, inset, look.width - inset, look.height - inset, kBorderColour);
    FillRect(image, inset + kBorder, inset + kBorder, look.width - inset - kBorder,
             look.height - inset - kBorder, look.card);

    if (!face.Ok()) return image;
    const int width = look.width - 2 * look.margin;
    for (int pixels = look.largestPixels; pixels >= kSmallestPixels; pixels -= 2) {
        face.SetPixels(pixels);
        std::vector<std::u16string> lines = Wrap(face, text, width, look.mostLines);
        const int lineHeight = face.LineHeight();
        const bool tooHigh =
            look.fitHeight && lineHeight * static_cast<int>(lines.size()) > look.height - 2 * look.margin;
        if ((lines.empty() || tooHigh) && pixels > kSmallestPixels) continue;
        if (lines.empty()) lines = CutLines(face, text, width, look.mostLines);  // too long at any size
        int baseline = (look.height - lineHeight * static_cast<int>(lines.size())) / 2 + face.Ascender();
        for (const std::u16string& line : lines) {
            face.Draw(image, line, (look.width - face.Width(line)) / 2, baseline, kText);
            baseline += lineHeight;
        }
        break;
    }
    return image;
}

}  // namespace

Image DrawInfoPanel(const std::vector<PanelLine>& lines, const std::string& fontFile) {
    constexpr Rgb kPaper{0xFB, 0xF4, 0xE4}, kFrame{0xAA, 0x15, 0x1B}, kLexa{0xB3, 0x33, 0x33},
        kDrill{0x1F, 0x4F, 0x9F}, kTitle{0x33, 0x33, 0x33}, kLine{0x22, 0x22, 0x22},
        kFooter{0x55, 0x55, 0x55};
    constexpr int side = kInfoPanelSide, frame = 10, inset = 14;
    Image image;
    image.width = image.height = side;
    image.channels = 3;
    image.pixels.resize(image.RowBytes() * image.height);
    FillRect(image, 0, 0, side, side, kFrame);
    FillRect(image, inset + frame, inset + frame, side - inset - frame, side - inset - frame, kPaper);
    FillRect(image, 0, 0, side, inset, kPaper);
    FillRect(image, 0, side - inset, side, side, kPaper);
    FillRect(image, 0, 0, inset, side, kPaper);
    FillRect(image, side - inset, 0, side, side, kPaper);

    Face face(fontFile);
    if (!face.Ok()) return image;
    const auto centred = [&](const std::u16string& text, int baseline, int pixels, Rgb colour) {
        face.SetPixels(pixels);
        face.Draw(image, text, (side - face.Width(text)) / 2, baseline, colour);
    };
    // The logo: "lexa" and a larger "DRILL", centred together.
    face.SetPixels(62);
    const int lexaWidth = face.Width(u"lexa");
    face.SetPixels(74);
    const int logoLeft = (side - lexaWidth - face.Width(u"DRILL")) / 2;
    face.Draw(image, u"DRILL", logoLeft + lexaWidth, 110, kDrill);
    face.SetPixels(62);
    face.Draw(image, u"lexa", logoLeft, 110, kLexa);
    centred(u"how to play", 175, 46, kTitle);

    int baseline = 240;
    for (const PanelLine& line : lines) {
        const bool heading = line.style == PanelLine::Style::Heading;
        if (heading) baseline += 6;
        face.SetPixels(heading ? 42 : 35);
        face.Draw(image, line.text, heading ? 64 : 84, baseline, heading ? kDrill : kLine);
        baseline += heading ? 50 : 44;
    }
    centred(u"click the arrow or press Enter to go on", side - 48, 32, kFooter);
    return image;
}

Image DrawTitleCard(const std::u16string& title, const std::string& fontFile) {
    Face face(fontFile);
    return DrawCard(kTitleLook, title, face);
}

Image DrawLanguageCard(const std::u16string& name, const std::u16string& fallback,
                       const std::string& fontFile) {
    Face face(fontFile);
    return DrawCard(kLanguageLook, face.Ok() && !face.HasEveryLetter(name) ? fallback : name, face);
}
