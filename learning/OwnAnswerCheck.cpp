#include "learning/OwnAnswerCheck.h"

#include <vector>

#include "formats/LatinLetters.h"

namespace {

bool IsSpace(char16_t unit) { return unit == u' ' || unit == u'\t' || unit == 0xA0; }

// Runs of spaces become one space; none is left at either end.
std::u16string SingleSpaced(const std::u16string& text) {
    std::u16string spaced;
    for (char16_t unit : text) {
        if (IsSpace(unit)) {
            if (!spaced.empty() && spaced.back() != u' ') spaced.push_back(u' ');
        } else {
            spaced.push_back(unit);
        }
    }
    if (!spaced.empty() && spaced.back() == u' ') spaced.pop_back();
    return spaced;
}

// The alternatives of an answer field, split at ';' and '/' outside parentheses ("perro (m/f)"
// is one alternative).
std::vector<std::u16string> Alternatives(const std::u16string& expected) {
    std::vector<std::u16string> alternatives;
    std::u16string current;
    int depth = 0;
    for (char16_t unit : expected) {
        if (unit == u'(') ++depth;
        if (unit == u')' && depth > 0) --depth;
        if (depth == 0 && (unit == u';' || unit == u'/')) {
            alternatives.push_back(SingleSpaced(current));
            current.clear();
        } else {
            current.push_back(unit);
        }
    }
    alternatives.push_back(SingleSpaced(current));
    return alternatives;
}

// The alternative with its parenthesised parts left out ("to take (a photo)" -> "to take"), or
// with only the parentheses left out ("to take a photo").
std::u16string WithoutParentheses(const std::u16string& text, bool keepTheirText) {
    std::u16string kept;
    int depth = 0;
    for (char16_t unit : text) {
        if (unit == u'(') {
            ++depth;
        } else if (unit == u')' && depth > 0) {
            --depth;
        } else if (depth == 0 || keepTheirText) {
            kept.push_back(unit);
        }
    }
    return SingleSpaced(kept);
}

}  // namespace

OwnAnswerVerdict CheckOwnAnswer(const std::u16string& typed, const std::u16string& expected) {
    OwnAnswerVerdict verdict;
    const std::u16string typedSpaced = SingleSpaced(typed);
    const std::u16string typedFolded = SmallPlainLetters(typedSpaced);
    if (typedFolded.empty()) return verdict;
    // The whole field first, so an answer that holds a slash itself ("and/or") is right as typed.
    std::vector<std::u16string> alternatives = Alternatives(expected);
    alternatives.insert(alternatives.begin(), SingleSpaced(expected));
    for (const std::u16string& alternative : alternatives) {
        for (const std::u16string& form :
             {alternative, WithoutParentheses(alternative, false), WithoutParentheses(alternative, true)}) {
            if (form.empty() || SmallPlainLetters(form) != typedFolded) continue;
            verdict.right = true;
            if (SmallLetters(typedSpaced) != SmallLetters(alternative)) verdict.spellingToShow = alternative;
            return verdict;
        }
    }
    return verdict;
}
