#include "learning/NearMiss.h"

namespace {

// The first place the two differ; the shorter one's length when one begins the other.
size_t FirstDifference(const std::u16string& a, const std::u16string& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

bool SameFrom(const std::u16string& a, size_t fromA, const std::u16string& b, size_t fromB) {
    return a.size() - fromA == b.size() - fromB && a.compare(fromA, std::u16string::npos, b, fromB) == 0;
}

}  // namespace

NearMiss OneLetterOff(const std::u16string& typed, const std::u16string& expected) {
    NearMiss miss;
    if (expected.size() < kNearMissLetters || typed == expected) return miss;
    const size_t i = FirstDifference(typed, expected);
    if (typed.size() == expected.size()) {
        if (SameFrom(typed, i + 1, expected, i + 1)) return {true, i, 1};  // one letter wrong
        const bool swapped = i + 1 < expected.size() && typed[i] == expected[i + 1] &&
                             typed[i + 1] == expected[i] && SameFrom(typed, i + 2, expected, i + 2);
        if (swapped) return {true, i, 2};
    } else if (typed.size() + 1 == expected.size()) {
        if (SameFrom(typed, i, expected, i + 1)) return {true, i, 1};  // one letter missing
    } else if (typed.size() == expected.size() + 1) {
        // One letter too many, typed before expected[i]: the letters on either side of it are marked.
        if (SameFrom(typed, i + 1, expected, i)) {
            const size_t first = i == 0 ? 0 : i - 1;
            return {true, first, i == 0 || i == expected.size() ? size_t{1} : size_t{2}};
        }
    }
    return miss;
}
