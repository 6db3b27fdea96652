// Telling the language of a list's side from its words, for a list that names none: CLD2, the
// compact language detector the distribution ships (libcld2), over the side's words joined into
// one text. Only a confident answer counts: the detector must call its answer reliable, give it at
// least 80 % of the text, and each half of the side (in file order) must not be reliably another
// language, so a side that mixes two languages stays unknown. Run when a list is imported, never
// when the game starts.
#pragma once

#include <string>
#include <vector>

#include "formats/WordListImport.h"

// The ISO 639-1 code of the words' language, or "" when the detector is not confident or names a
// language the game does not know. Reads at most kGuessSampleBytes of text, taken across the list.
std::string GuessLanguage(const std::vector<std::u16string>& words);
constexpr size_t kGuessSampleBytes = 64 * 1024;

// Guesses each side of the list whose language is still unknown, from its cards' words.
void GuessUnknownLanguages(WordListImport& list);
