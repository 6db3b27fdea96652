// The glyph code table: one place for both directions of the conversion.
#include "formats/GlyphCodes.h"

#include <array>

#include "formats/LatinLetters.h"

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

// The letters with extended codes: U+00C0 up to U+017F.
constexpr char16_t kFirstExtendedLetter = u'\u00C0';
constexpr char16_t kEndOfExtendedLetters = u'\u0180';
constexpr int kExtendedRange = kEndOfExtendedLetters - kFirstExtendedLetter;
static_assert(kFirstExtendedCode + kExtendedRange - kTableSize == kArrowCode,
              "every letter of the range not in the table has one extended code");

constexpr int TableIndexOf(char16_t letter) {
    for (int i = 0; i < kTableSize; ++i) {
        if (kTableLetters[i] == letter) return i;
    }
    return -1;
}

// Both directions of the extended codes, in the letters' order, the table's letters skipped.
struct ExtendedCodes {
    std::array<GlyphCode, kExtendedRange> codeOfLetter{};  // 0: the letter is in the table
    std::array<char16_t, kArrowCode - kFirstExtendedCode> letterOfCode{};
};

constexpr ExtendedCodes MakeExtendedCodes() {
    ExtendedCodes codes;
    int next = kFirstExtendedCode;
    for (int i = 0; i < kExtendedRange; ++i) {
        const char16_t letter = static_cast<char16_t>(kFirstExtendedLetter + i);
        if (TableIndexOf(letter) >= 0) continue;
        codes.codeOfLetter[i] = static_cast<GlyphCode>(next);
        codes.letterOfCode[next - kFirstExtendedCode] = letter;
        ++next;
    }
    return codes;
}

constexpr ExtendedCodes kExtended = MakeExtendedCodes();

bool InExtendedRange(char16_t letter) {
    return letter >= kFirstExtendedLetter && letter < kEndOfExtendedLetters;
}

}  // namespace

GlyphCode GlyphCodeOf(char16_t letter) {
    const int tableIndex = TableIndexOf(letter);
    if (tableIndex >= 0) return static_cast<GlyphCode>(kFirstTableCode + tableIndex);
    if (InExtendedRange(letter)) return kExtended.codeOfLetter[letter - kFirstExtendedLetter];
    if (letter == kArrowLetter) return kArrowCode;
    return static_cast<GlyphCode>(letter & 0xFF);
}

// The font draws exactly the letters a list may hold (formats/LatinLetters.h).
bool HasGlyphFor(char16_t letter) { return IsListLetter(letter); }

char16_t LetterOfGlyphCode(GlyphCode code) {
    if (code >= kFirstTableCode && code < kFirstTableCode + kTableSize)
        return kTableLetters[code - kFirstTableCode];
    if (code >= kFirstExtendedCode && code < kArrowCode)
        return kExtended.letterOfCode[code - kFirstExtendedCode];
    if (code == kArrowCode) return kArrowLetter;
    return code;
}

std::u16string GlyphTextToLetters(const std::u16string& getTextResult) {
    std::u16string letters;
    letters.reserve(getTextResult.size());
    for (char16_t unit : getTextResult) {
        // 8-bit codes come back sign-extended; anything between is a letter past the table already.
        const bool eightBitCode = unit < 0x80 || unit >= 0xFF80;
        letters.push_back(eightBitCode ? LetterOfGlyphCode(static_cast<GlyphCode>(unit & 0xFF)) : unit);
    }
    return letters;
}

bool HasEightBitGlyphFor(char16_t letter) {
    return HasGlyphFor(letter) && GlyphCodeOf(letter) < kFirstExtendedCode;
}
