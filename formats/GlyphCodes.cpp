// The glyph code table: one place for both directions of the conversion.
#include "formats/GlyphCodes.h"

namespace {

constexpr int kFirstTableCode = 192;
// Codes 192-221 in order: Polish letters, then the Spanish ones Latin-1 would put elsewhere, then
// the Spanish capitals and the diaeresis added after them (codes below 216 never move: every text
// shown before looks the same).
constexpr char16_t kTableLetters[] = {
    u'\u0104', u'\u0105', u'\u0106', u'\u0107', u'\u0118', u'\u0119', u'\u0141', u'\u0142',
    u'\u0143', u'\u0144', u'\u015A', u'\u015B', u'\u00D3', u'\u00F3', u'\u0179', u'\u017A',
    u'\u017B', u'\u017C', u'\u00E1', u'\u00E9', u'\u00ED', u'\u00F1', u'\u00FA', u'\u00C1',
    u'\u00C9', u'\u00CD', u'\u00DA', u'\u00D1', u'\u00DC', u'\u00FC',
};
constexpr int kTableSize = static_cast<int>(sizeof kTableLetters / sizeof kTableLetters[0]);
static_assert(kFirstTableCode + kTableSize == kGlyphCodesFilled, "the font fills every table code");

bool InTable(char16_t letter) {
    for (char16_t tableLetter : kTableLetters) {
        if (tableLetter == letter) return true;
    }
    return false;
}

}  // namespace

uint8_t GlyphCodeOf(char16_t letter) {
    for (int i = 0; i < kTableSize; ++i) {
        if (kTableLetters[i] == letter) return static_cast<uint8_t>(kFirstTableCode + i);
    }
    return static_cast<uint8_t>(letter & 0xFF);
}

bool HasGlyphFor(char16_t letter) {
    const bool printableLatin1 =
        (letter >= 0x20 && letter < 0x7F) || (letter >= 0xA0 && letter < kFirstTableCode);
    return printableLatin1 || InTable(letter);
}

char16_t LetterOfGlyphCode(uint8_t code) {
    if (code >= kFirstTableCode && code < kFirstTableCode + kTableSize)
        return kTableLetters[code - kFirstTableCode];
    return code;
}

std::u16string GlyphTextToLetters(const std::u16string& getTextResult) {
    std::u16string letters;
    letters.reserve(getTextResult.size());
    for (char16_t unit : getTextResult)
        letters.push_back(LetterOfGlyphCode(static_cast<uint8_t>(unit & 0xFF)));
    return letters;
}
