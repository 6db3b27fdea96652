#include "learning/SpokenAnswer.h"

#include "learning/AnswerCheck.h"
#include "platform/Speech.h"
#include "platform/TextInput.h"

namespace {

constexpr char kAnswerLanguage[] = "es";

}  // namespace

void SpeakAnswer(const std::u16string& answer) {
    platform::Speak(platform::Utf16ToUtf8(WithoutGenderMarker(answer)), kAnswerLanguage);
}
