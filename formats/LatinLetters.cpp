#include "formats/LatinLetters.h"

namespace {

// The plain letter of U+00C0-U+00FF, then of U+0100-U+017F; '*' keeps the letter itself.
constexpr char kPlainLatin1[] = "AAAAAA*CEEEEIIII*NOOOOO*OUUUUY**aaaaaa*ceeeeiiii*nooooo*ouuuuy*y";
constexpr char kPlainExtendedA[] =
    "AaAaAa"
    "CcCcCcCc"
    "DdDd"
    "EeEeEeEeEe"
    "GgGgGgGg"
    "HhHh"
    "IiIiIiIiIi"
    "**"
    "Jj"
    "Kk"
    "*"
    "LlLlLlLlLl"
    "NnNnNn"
    "n"
    "**"
    "OoOoOo"
    "**"
    "RrRrRr"
    "SsSsSsSs"
    "TtTtTt"
    "UuUuUuUuUuUu"
    "Ww"
    "Yy"
    "Y"
    "ZzZzZz"
    "*";
static_assert(sizeof kPlainLatin1 == 0x40 + 1, "one entry per letter of U+00C0-U+00FF");
static_assert(sizeof kPlainExtendedA == 0x80 + 1, "one entry per letter of U+0100-U+017F");

constexpr char16_t kFirstPastTable = u'\u0180';

// The letters spelt out in plain letters when a keyboard lacks them.
constexpr struct {
    char16_t letter;
    const char16_t* speltOut;
} kSpeltOut[] = {
    {u'\u00C4', u"ae"}, {u'\u00E4', u"ae"}, {u'\u00D6', u"oe"}, {u'\u00F6', u"oe"},
    {u'\u00DC', u"ue"}, {u'\u00FC', u"ue"}, {u'\u00DF', u"ss"}, {u'\u00C6', u"ae"},
    {u'\u00E6', u"ae"}, {u'\u0152', u"oe"}, {u'\u0153', u"oe"},
};

// The design's check: the capitals it lowers beside A-Z, and the seven letters of its fold.
constexpr char16_t kDesignedCapitals[] = {u'\u00C1', u'\u00C9', u'\u00CD', u'\u00D3',
                                          u'\u00DA', u'\u00D1', u'\u00DC'};
constexpr char16_t kDesignedFold[] = {u'\u00C1', u'\u00E1', u'\u00E9', u'\u00ED',
                                      u'\u00F1', u'\u00F3', u'\u00FA'};

template <size_t n>
constexpr bool Holds(const char16_t (&letters)[n], char16_t letter) {
    for (char16_t held : letters) {
        if (held == letter) return true;
    }
    return false;
}

}  // namespace

bool IsListLetter(char16_t letter) {
    return (letter >= 0x20 && letter < 0x7F) || (letter >= 0xA0 && letter < kFirstPastTable);
}

char16_t SmallLetterOf(char16_t letter) {
    if ((letter >= u'A' && letter <= u'Z') || (letter >= 0xC0 && letter <= 0xDE && letter != 0xD7))
        return static_cast<char16_t>(letter + 0x20);
    if (letter == 0x130) return u'i';  // İ
    if (letter == 0x178) return 0xFF;  // Ÿ
    // Latin Extended-A pairs each capital with the small letter after it; the pairs start on an
    // even code except in U+0139-U+0148 and U+0179-U+017E.
    const bool oddCapitals = (letter >= 0x139 && letter <= 0x148) || (letter >= 0x179 && letter <= 0x17E);
    const bool evenCapitals = (letter >= 0x100 && letter <= 0x137) || (letter >= 0x14A && letter <= 0x177);
    if ((oddCapitals && letter % 2 == 1) || (evenCapitals && letter % 2 == 0))
        return static_cast<char16_t>(letter + 1);
    return letter;
}

char16_t PlainLetterOf(char16_t letter) {
    char plain = '*';
    if (letter >= 0xC0 && letter <= 0xFF) plain = kPlainLatin1[letter - 0xC0];
    if (letter >= 0x100 && letter < kFirstPastTable) plain = kPlainExtendedA[letter - 0x100];
    return plain == '*' ? letter : static_cast<char16_t>(plain);
}

const char16_t* SpeltOutLetter(char16_t letter) {
    for (const auto& entry : kSpeltOut) {
        if (entry.letter == letter) return entry.speltOut;
    }
    return u"";
}

bool DesignedCheckLowers(char16_t letter) {
    return (letter >= u'A' && letter <= u'Z') || Holds(kDesignedCapitals, letter);
}

char16_t DesignedFoldOf(char16_t letter) {
    return Holds(kDesignedFold, letter) ? SmallLetterOf(PlainLetterOf(letter)) : letter;
}

std::u16string SmallPlainLetters(std::u16string text) {
    for (char16_t& unit : text) unit = SmallLetterOf(PlainLetterOf(unit));
    return text;
}

std::u16string SmallLetters(std::u16string text) {
    for (char16_t& unit : text) unit = SmallLetterOf(unit);
    return text;
}

std::u16string SpeltOutLetters(const std::u16string& text) {
    std::u16string spelt;
    spelt.reserve(text.size());
    for (char16_t unit : text) {
        const char16_t* out = SpeltOutLetter(unit);
        if (*out != 0) {
            spelt += out;
        } else {
            spelt.push_back(SmallLetterOf(PlainLetterOf(unit)));
        }
    }
    return spelt;
}
