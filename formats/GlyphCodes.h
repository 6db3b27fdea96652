// The glyph code of the text objects: Latin-1 below 192, 24 Polish and Spanish letters at 192-215
// and the Spanish letters a learner types that those lack (É Í Ú Ñ Ü ü) at 216-221, as the game
// always drew them; from 256 on, every other letter of Latin-1 Supplement and Latin Extended-A
// (À-ſ), so the words of an imported list show as themselves; last, the arrow "→" of the game's own
// texts ("English → Spanish"), which no list may hold. The one table both the text objects and the
// answer check use.
#pragma once

#include <cstdint>
#include <string>

using GlyphCode = uint16_t;

// Codes 0 up to this one have a glyph; 222-255 stay empty.
constexpr int kGlyphCodesFilled = 222;
// The first code of the letters past the 8-bit table, the arrow's code after them, and one past the
// last code of all.
constexpr int kFirstExtendedCode = 256;
constexpr int kArrowCode = 418;
constexpr char16_t kArrowLetter = u'\u2192';
constexpr int kGlyphCodeCount = 419;

// The letter's code: 192-221 in the table, 256 and up for the other letters of U+00C0-U+017F, else
// the low byte of the code unit (what the 8-bit codes 128-255 come back as from GetText).
GlyphCode GlyphCodeOf(char16_t letter);
// True when the font draws the letter as itself: printable Latin-1 or a letter of U+00C0-U+017F.
// A typed character without a glyph is not entered (its low byte would show another letter).
bool HasGlyphFor(char16_t letter);
// True when the letter has one of the 8-bit codes the designed content is limited to (the word
// file, the hall of fame's encoding), not only a glyph.
bool HasEightBitGlyphFor(char16_t letter);
// The letter a code stands for: the table's letter for 192-221, the letter of an extended code,
// else the code itself.
char16_t LetterOfGlyphCode(GlyphCode code);
// Turns text as GLObjectText::GetText returns it (codes 128-255 as 0xFF80-0xFFFF, letters past the
// table as themselves) back into letters.
std::u16string GlyphTextToLetters(const std::u16string& getTextResult);
