#include "formats/LanguageGuess.h"

#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

#include <cstdio>  // compact_lang_det.h uses FILE without including it

#include "formats/LanguageCodes.h"
#include "unicode/Utf8Utf16.h"

namespace {

// The share of the text the first language must hold for the guess to count.
constexpr int kLeastPercent = 80;

struct Detected {
    std::string code;  // "" when unknown to the game or to the detector
    bool reliable = false;
    int percent = 0;
};

Detected Detect(const std::string& utf8) {
    if (utf8.empty()) return {};
    CLD2::Language languages[3];
    int percents[3];
    double scores[3];
    int textBytes = 0;
    bool reliable = false;
    const CLD2::CLDHints hints = {nullptr, nullptr, CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    // The text is our own UTF-8 (TextEncoding's, never malformed), so the unchecked call is safe.
    CLD2::ExtDetectLanguageSummary(utf8.data(), static_cast<int>(utf8.size()), true, &hints, 0, languages,
                                   percents, scores, nullptr, &textBytes, &reliable);
    if (languages[0] == CLD2::UNKNOWN_LANGUAGE) return {};
    return {LanguageCodeOf(CLD2::LanguageCode(languages[0])), reliable, percents[0]};
}

// The words from `first` to `last`, one a line, at most kGuessSampleBytes: when they are longer,
// every n-th word, so the sample still spans them all.
std::string Sample(const std::vector<std::u16string>& words, size_t first, size_t last) {
    size_t units = 0;
    for (size_t i = first; i < last; ++i) units += words[i].size() + 1;
    // UTF-8 takes at most three bytes a unit.
    const size_t step = units * 3 <= kGuessSampleBytes ? 1 : units * 3 / kGuessSampleBytes + 1;
    std::string text;
    for (size_t i = first; i < last && text.size() < kGuessSampleBytes; i += step) {
        text += Utf16ToUtf8(words[i]);
        text += '\n';
    }
    return text;
}

}  // namespace

std::string GuessLanguage(const std::vector<std::u16string>& words) {
    const Detected whole = Detect(Sample(words, 0, words.size()));
    if (whole.code.empty() || !whole.reliable || whole.percent < kLeastPercent) return "";
    const size_t middle = words.size() / 2;
    for (const Detected& half :
         {Detect(Sample(words, 0, middle)), Detect(Sample(words, middle, words.size()))}) {
        if (half.reliable && half.code != whole.code) return "";
    }
    return whole.code;
}

void GuessUnknownLanguages(WordListImport& list) {
    if (list.refused) return;
    for (const bool prompt : {true, false}) {
        SideLanguage& side = prompt ? list.promptLanguage : list.answerLanguage;
        if (!side.code.empty()) continue;
        std::vector<std::u16string> words;
        words.reserve(list.CardCount());
        for (const ImportedLesson& lesson : list.lessons) {
            for (const ImportedCard& card : lesson.cards) words.push_back(prompt ? card.prompt : card.answer);
        }
        const std::string code = GuessLanguage(words);
        if (!code.empty()) side = {code, LanguageFound::Guessed};
    }
}
