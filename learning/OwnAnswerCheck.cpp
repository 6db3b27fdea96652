#include "learning/OwnAnswerCheck.h"

#include <vector>

#include "formats/LatinLetters.h"
#include "learning/NearMiss.h"

namespace {

bool IsSpace(char16_t unit) { return unit == u' ' || unit == u'\t' || unit == 0xA0; }

// Marks a learner never has to type.
bool IsOptionalPunctuation(char16_t unit) {
    for (char16_t mark : u"\u00BF\u00A1?!.,:\"\u00AB\u00BB\u2026") {
        if (mark != 0 && unit == mark) return true;
    }
    return false;
}

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

// A text as it is compared: small letters, punctuation and extra spaces gone, and either the marks
// dropped (ä -> a) or the letters spelt out (ä -> ae); ß is "ss" either way. `origin` gives each
// unit's place in the text it came from.
struct Folded {
    std::u16string text;
    std::vector<size_t> origin;
};

Folded Fold(const std::u16string& text, bool speltOut) {
    Folded folded;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsOptionalPunctuation(unit)) continue;
        if (IsSpace(unit)) {
            if (!folded.text.empty() && folded.text.back() != u' ')
                folded.text.push_back(u' '), folded.origin.push_back(i);
            continue;
        }
        const char16_t* spelt = SpeltOutLetter(unit);
        const bool sharpS = SmallLetterOf(unit) == u'\u00DF';
        if (*spelt != 0 && (speltOut || sharpS)) {
            for (; *spelt != 0; ++spelt) folded.text.push_back(*spelt), folded.origin.push_back(i);
        } else {
            folded.text.push_back(SmallLetterOf(PlainLetterOf(unit)));
            folded.origin.push_back(i);
        }
    }
    if (!folded.text.empty() && folded.text.back() == u' ') folded.text.pop_back(), folded.origin.pop_back();
    return folded;
}

// How many units an English answer's leading article or "to" takes, with its space; 0 for none.
size_t EnglishArticleLength(const std::u16string& folded) {
    for (const char16_t* article : {u"the ", u"an ", u"a ", u"to "}) {
        const std::u16string lead(article);
        if (folded.size() > lead.size() && folded.compare(0, lead.size(), lead) == 0) return lead.size();
    }
    return 0;
}

// The answer without it, which a learner may leave out or add.
std::u16string WithoutEnglishArticle(const std::u16string& folded) {
    return folded.substr(EnglishArticleLength(folded));
}

bool SameAnswer(const std::u16string& typed, const std::u16string& form, bool englishArticles) {
    for (const bool speltOut : {false, true}) {
        std::u16string a = Fold(typed, speltOut).text, b = Fold(form, speltOut).text;
        if (englishArticles) a = WithoutEnglishArticle(a), b = WithoutEnglishArticle(b);
        if (!b.empty() && a == b) return true;
    }
    return false;
}

}  // namespace

AnswerVerdict CheckOwnAnswer(const std::u16string& typed, const std::u16string& expected,
                             bool englishArticles) {
    AnswerVerdict verdict;
    const std::u16string typedSpaced = SingleSpaced(typed);
    if (Fold(typedSpaced, false).text.empty()) return verdict;
    // The whole field first, so an answer that holds a slash itself ("and/or") is right as typed.
    std::vector<std::u16string> alternatives = Alternatives(expected);
    alternatives.insert(alternatives.begin(), SingleSpaced(expected));
    for (const std::u16string& alternative : alternatives) {
        for (const std::u16string& form :
             {alternative, WithoutParentheses(alternative, false), WithoutParentheses(alternative, true)}) {
            if (!SameAnswer(typedSpaced, form, englishArticles)) continue;
            verdict.right = true;
            if (SmallLetters(typedSpaced) != SmallLetters(alternative)) verdict.spellingToShow = alternative;
            return verdict;
        }
    }
    // Not right: one letter off one of the alternatives' forms, compared with the marks dropped.
    std::u16string typedFolded = Fold(typedSpaced, false).text;
    if (englishArticles) typedFolded = WithoutEnglishArticle(typedFolded);
    for (size_t i = 1; i < alternatives.size(); ++i) {
        const std::u16string& alternative = alternatives[i];
        for (const std::u16string& form : {alternative, WithoutParentheses(alternative, false)}) {
            Folded folded = Fold(form, false);
            if (englishArticles) {
                const size_t article = EnglishArticleLength(folded.text);
                folded.text.erase(0, article);
                folded.origin.erase(folded.origin.begin(),
                                    folded.origin.begin() + static_cast<std::ptrdiff_t>(article));
            }
            const NearMiss miss = OneLetterOff(typedFolded, folded.text);
            if (!miss.almost) continue;
            verdict.almost = true;
            verdict.almostSpelling = form;
            verdict.markFirst = folded.origin[miss.first];
            const size_t last = folded.origin[miss.first + miss.count - 1];
            verdict.markCount = last + 1 - verdict.markFirst;
            return verdict;
        }
    }
    return verdict;
}
