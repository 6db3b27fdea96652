// Judging a typed answer to a card of the learner's own list, where the answer field is written
// the way people write word lists: "car; automobile", "to take (a photo)", "Straße".
#pragma once

#include <string>

struct OwnAnswerVerdict {
    bool right = false;
    // For a right answer typed in another spelling than the one it matched (accents, the
    // parenthesised text left out), letter case aside: that spelling, worth showing; else empty.
    std::u16string spellingToShow;
};

// Right when the typed text matches any one alternative of `expected` (separated by ';' or '/'),
// with or without the alternative's parenthesised parts, capitals and accents optional for every
// letter of Latin-1 Supplement and Latin Extended-A.
OwnAnswerVerdict CheckOwnAnswer(const std::u16string& typed, const std::u16string& expected);
