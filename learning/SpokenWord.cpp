#include "learning/SpokenWord.h"

#include "learning/AnswerCheck.h"
#include "platform/Speech.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr char kPlayersLanguage[] = "en";

void Say(const std::u16string& word, const std::string& language) {
    if (language.empty()) return;
    platform::Speak(Utf16ToUtf8(WithoutGenderMarker(word)), language);
}

}  // namespace

bool PromptIsForeign(const SideLanguages& languages) {
    // Which side is foreign is the list's own matter: asked the other way round, it is the other side
    // (of two languages besides English, still the list's answer side).
    if (languages.reversed) return !PromptIsForeign(Reversed(languages));
    const bool answerEnglishOrUnknown = languages.answer.empty() || languages.answer == kPlayersLanguage;
    if (languages.prompt.empty()) return languages.answer == kPlayersLanguage;
    return languages.prompt != kPlayersLanguage && answerEnglishOrUnknown;
}

void SpeakForeignWord(const WordEntry& entry, const SideLanguages& languages) {
    if (PromptIsForeign(languages)) {
        Say(entry.prompt, languages.prompt);
    } else {
        Say(entry.answer, languages.answer);
    }
}

void SpeakWhenAsked(const WordEntry& entry, const SideLanguages& languages) {
    if (PromptIsForeign(languages)) Say(entry.prompt, languages.prompt);
}

void SpeakWhenJudged(const WordEntry& entry, const SideLanguages& languages) {
    if (!PromptIsForeign(languages)) Say(entry.answer, languages.answer);
}
