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

}  // namespace

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
    if (letter >= 0x100 && letter <= 0x17F) plain = kPlainExtendedA[letter - 0x100];
    return plain == '*' ? letter : static_cast<char16_t>(plain);
}

std::u16string SmallPlainLetters(std::u16string text) {
    for (char16_t& unit : text) unit = SmallLetterOf(PlainLetterOf(unit));
    return text;
}

std::u16string SmallLetters(std::u16string text) {
    for (char16_t& unit : text) unit = SmallLetterOf(unit);
    return text;
}
