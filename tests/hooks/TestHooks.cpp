#include "tests/hooks/TestHooks.h"

#include "engine/GlyphFont.h"
#include "learning/RepetitionStore.h"
#include "platform/CalendarDay.h"
#include "platform/SpeechObserver.h"

namespace safe_file_write_testing {
void InjectFault(Fault fault) { injectedFault = fault; }
}  // namespace safe_file_write_testing

namespace glyphfont {
void UseFontFileForTesting(const std::string& path) { testing::fontFileOverride = path; }
void UseSystemFont() { testing::fontFileOverride.reset(); }
}  // namespace glyphfont

void SetWordChoiceRandom(int (*source)()) { wordChoiceRandom = source; }

namespace platform {
void SetToday(int32_t day) { calendar_testing::fixedToday = day; }
void UseClockDay() { calendar_testing::fixedToday = calendar_testing::kClockDay; }

void ObserveSpeechRequests(
    std::function<void(const std::string& text, const std::string& language)> observer) {
    speech_observer::observer = std::move(observer);
}
}  // namespace platform
