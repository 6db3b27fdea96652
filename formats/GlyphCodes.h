// The 8-bit glyph code of the text objects: Latin-1 below 192, 24 Polish and Spanish letters at
// 192-215 and the Spanish letters a learner types that those lack (É Í Ú Ñ Ü ü) at 216-221. The one
// table both the text objects and the answer check use.
#pragma once

#include <cstdint>
#include <string>

// Codes 0 up to this one have a glyph; the font leaves the rest empty.
constexpr int kGlyphCodesFilled = 222;

// The letter's code (192-221) when it is in the table, else the low byte of the code unit.
uint8_t GlyphCodeOf(char16_t letter);
// True when the font draws the letter as itself: printable Latin-1 below 192 or a table letter.
// A typed character without a glyph is not entered (its low byte would show another letter).
bool HasGlyphFor(char16_t letter);
// The letter a code stands for: the table's letter for 192-221, else the code itself.
char16_t LetterOfGlyphCode(uint8_t code);
// Turns text as GLObjectText::GetText returns it (codes 128-255 as 0xFF80-0xFFFF) back into letters.
std::u16string GlyphTextToLetters(const std::u16string& getTextResult);
