// Judging a typed answer: capitals (A-Z and Á É Í Ó Ú Ñ Ü) count as small letters, the accented letters of
// the fold table as plain ones, and a trailing " (f)"/" (m)" of the expected answer may be left out.
#pragma once

#include <cstddef>
#include <string>

// What judging a typed answer found, for the designed topics and own lists alike.
struct AnswerVerdict {
    bool right = false;
    // For a right answer typed in another spelling than the one it matched (accents, a marker,
    // punctuation or parenthesised text left out), letter case aside: that spelling, worth showing
    // as the answer leaves; else empty.
    std::u16string spellingToShow;
    // A wrong answer one letter off a word of five letters or more (learning/NearMiss.h): the
    // spelling it missed, and which of its units differ.
    bool almost = false;
    std::u16string almostSpelling;
    size_t markFirst = 0;
    size_t markCount = 0;
};

void FoldAccents(std::u16string& text);
bool CheckAnswer(std::u16string typed, std::u16string expected);
// For an answer judged right: whether it was typed in another spelling than the expected one
// (accents or the gender marker left out), letter case aside, so the expected one is worth showing.
bool TypedInAnotherSpelling(std::u16string typed, std::u16string expected);
// The design's check on a wrong answer: whether it is one letter off the expected answer (with or
// without its gender marker), compared with the design's case and accent rules.
AnswerVerdict DesignedNearMiss(std::u16string typed, std::u16string expected);
// The answer without its trailing gender marker " (m)" or " (f)".
std::u16string WithoutGenderMarker(const std::u16string& answer);
