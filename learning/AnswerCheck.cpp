#include "learning/AnswerCheck.h"

#include "formats/LatinLetters.h"
#include "learning/NearMiss.h"

namespace {

// The design's case rule, from the one letter table: A-Z and the Spanish capitals.
void LowerCapitals(std::u16string& text) {
    for (char16_t& unit : text) {
        if (DesignedCheckLowers(unit)) unit = SmallLetterOf(unit);
    }
}

bool ContainsGenderMarker(const std::u16string& text) {
    return text.find(u"(f)") != std::u16string::npos || text.find(u"(m)") != std::u16string::npos;
}

}  // namespace

void FoldAccents(std::u16string& text) {
    for (char16_t& unit : text) unit = DesignedFoldOf(unit);
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

AnswerVerdict DesignedNearMiss(std::u16string typed, std::u16string expected) {
    AnswerVerdict verdict;
    std::u16string folded = expected;
    LowerCapitals(typed);
    LowerCapitals(folded);
    FoldAccents(typed);
    FoldAccents(folded);
    // Both folds keep every unit in its place, so a place in the folded answer is one in the answer.
    for (const std::u16string& form : {folded, WithoutGenderMarker(folded)}) {
        const NearMiss miss = OneLetterOff(typed, form);
        if (!miss.almost) continue;
        verdict.almost = true;
        verdict.almostSpelling = expected;
        verdict.markFirst = miss.first;
        verdict.markCount = miss.count;
        break;
    }
    return verdict;
}
