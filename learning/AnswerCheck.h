// Judging a typed answer: capitals (A-Z and Á É Í Ó Ú Ñ Ü) count as small letters, the accented letters of
// the fold table as plain ones, and a trailing " (f)"/" (m)" of the expected answer may be left out.
#pragma once

#include <string>

void FoldAccents(std::u16string& text);
bool CheckAnswer(std::u16string typed, std::u16string expected);
// For an answer judged right: whether it was typed in another spelling than the expected one
// (accents or the gender marker left out), letter case aside, so the expected one is worth showing.
bool TypedInAnotherSpelling(std::u16string typed, std::u16string expected);
// The answer without its trailing gender marker " (m)" or " (f)".
std::u16string WithoutGenderMarker(const std::u16string& answer);
