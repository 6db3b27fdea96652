// The 8-bit glyph code of the text objects: Latin-1 below 192, and 24 Polish and Spanish letters
// at 192-215. The one table both the text objects and the answer check use.
#pragma once

#include <cstdint>
#include <string>

// The letter's code (192-215) when it is in the table, else the low byte of the code unit.
uint8_t GlyphCodeOf(char16_t letter);
// The letter a code stands for: the table's letter for 192-215, else the code itself.
char16_t LetterOfGlyphCode(uint8_t code);
// Turns text as GLObjectText::GetText returns it (codes 128-255 as 0xFF80-0xFFFF) back into letters.
std::u16string GlyphTextToLetters(const std::u16string& getTextResult);
