// Judging a typed answer to a card of the learner's own list, where the answer field is written
// the way people write word lists: "car; automobile", "to take (a photo)", "¿Qué hora es?", "Straße".
#pragma once

#include <string>

#include "learning/AnswerCheck.h"

// Right when the typed text matches any one alternative of `expected` (separated by ';' or '/'),
// with or without the alternative's parenthesised parts, capitals, accents and the punctuation
// ¿ ¡ ? ! . , : " « » … optional, and ä ö ü ß æ œ typed as ae oe ue ss ae oe or without their marks.
// `englishArticles`: the answer is English, so a leading "the", "a", "an" or "to" may be left out
// (or typed where the list has none).
AnswerVerdict CheckOwnAnswer(const std::u16string& typed, const std::u16string& expected,
                             bool englishArticles = false);
