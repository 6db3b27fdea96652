// An answer one letter off the expected word: one letter missing, one too many, one wrong, or two
// neighbours swapped. Such an answer still counts as wrong; the test says "almost" and marks where
// the expected word differs. Only words of kNearMissLetters letters or more, where one slip is a
// slip and not another word.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kNearMissLetters = 5;

struct NearMiss {
    bool almost = false;
    // The units of the expected text that differ: the missing, wrong or swapped letters, or the
    // two around the place an extra letter was typed.
    size_t first = 0;
    size_t count = 0;
};

// Compares two texts already folded alike (case, accents), unit by unit.
NearMiss OneLetterOff(const std::u16string& typed, const std::u16string& expected);
