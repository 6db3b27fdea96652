// Letter case and accents for the letters of ASCII, Latin-1 Supplement and Latin Extended-A: what
// comparing words of the Latin-script languages of Europe needs, without a locale.
#pragma once

#include <string>

// The small letter of a capital (A-Z, À-Þ, the capitals of Latin Extended-A); any other unit as is.
char16_t SmallLetterOf(char16_t letter);
// The letter without its accent, cedilla, ogonek, stroke or ring (é -> e, Ł -> L, ø -> o, ç -> c);
// letters that are letters of their own (ß æ œ þ ð ĳ ŋ) and every other unit as is.
char16_t PlainLetterOf(char16_t letter);

// Both, over a text: what two spellings that differ only in case and accents have in common.
std::u16string SmallPlainLetters(std::u16string text);
// Only the case, over a text.
std::u16string SmallLetters(std::u16string text);
