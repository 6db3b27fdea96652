#include "learning/AnswerCheck.h"

namespace {

// The capitals a Spanish learner types, beside A-Z: each has its small letter 0x20 above it.
constexpr char16_t kAccentedCapitals[] = {u'\u00C1', u'\u00C9', u'\u00CD', u'\u00D3',
                                          u'\u00DA', u'\u00D1', u'\u00DC'};

void LowerCapitals(std::u16string& text) {
    for (char16_t& unit : text) {
        bool capital = unit >= u'A' && unit <= u'Z';
        for (char16_t accented : kAccentedCapitals) capital = capital || unit == accented;
        if (capital) unit = static_cast<char16_t>(unit + 0x20);
    }
}

// Lower-casing has run before the fold, so a folded letter must come out small to be comparable.
constexpr struct {
    char16_t accented;
    char16_t plain;
} kFoldTable[] = {
    {u'\u00C1', u'a'}, {u'\u00E1', u'a'}, {u'\u00E9', u'e'}, {u'\u00ED', u'i'},
    {u'\u00F1', u'n'}, {u'\u00F3', u'o'}, {u'\u00FA', u'u'},
};

bool ContainsGenderMarker(const std::u16string& text) {
    return text.find(u"(f)") != std::u16string::npos || text.find(u"(m)") != std::u16string::npos;
}

}  // namespace

void FoldAccents(std::u16string& text) {
    for (char16_t& unit : text) {
        for (const auto& pair : kFoldTable) {
            if (unit == pair.accented) unit = pair.plain;
        }
    }
}

bool CheckAnswer(std::u16string typed, std::u16string expected) {
    LowerCapitals(typed);
    LowerCapitals(expected);
    FoldAccents(typed);
    FoldAccents(expected);
    if (typed == expected) return true;
    // The marker may be left out: drop it with the space before it.
    if (ContainsGenderMarker(expected) && expected.size() >= 4) {
        expected.resize(expected.size() - 4);
        return typed == expected;
    }
    return false;
}

bool TypedInAnotherSpelling(std::u16string typed, std::u16string expected) {
    LowerCapitals(typed);
    LowerCapitals(expected);
    return typed != expected;
}

std::u16string WithoutGenderMarker(const std::u16string& answer) {
    for (const char16_t* marker : {u" (m)", u" (f)"}) {
        const std::u16string tail(marker);
        if (answer.size() >= tail.size() &&
            answer.compare(answer.size() - tail.size(), tail.size(), tail) == 0)
            return answer.substr(0, answer.size() - tail.size());
    }
    return answer;
}
