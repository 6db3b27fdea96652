#include "learning/SpokenAnswer.h"

#include "learning/AnswerCheck.h"
#include "learning/WordList.h"
#include "platform/Speech.h"
#include "unicode/Utf8Utf16.h"

void SpeakAnswer(const std::u16string& answer) {
    // A list whose languages could not be told is not spoken: a wrong voice teaches wrong sounds.
    if (wordList.answerLanguage.empty()) return;
    platform::Speak(Utf16ToUtf8(WithoutGenderMarker(answer)), wordList.answerLanguage);
}
