// The hooks' state, and the stand-ins the linker puts in front of the game's own functions for the
// tests and the benchmark (--wrap, tests/CMakeLists.txt): a call the game's libraries make to
// `name` reaches `__wrap_name` here, which calls the real one as `__real_name` unless a hook says
// otherwise. C++ functions go by their symbols.
#include "tests/hooks/TestHooks.h"

#include <cerrno>
#include <climits>
#include <optional>
#include <utility>

#include "platform/Speech.h"

namespace {

// Owner of each: the test that sets it; the suite's listener (tests/CleanGameState.cpp) resets the
// day and the watch before every test, the tests that set a fault, a font or a word source reset
// them themselves.
safe_file_write_testing::Fault injectedFault = safe_file_write_testing::Fault::None;
std::optional<std::string> fontFileOverride;
constexpr int32_t kClockDay = INT32_MIN;
int32_t fixedToday = kClockDay;
std::function<void(const std::string& text, const std::string& language)> speechObserver;
int (*wordChoiceSource)() = nullptr;

}  // namespace

namespace safe_file_write_testing {
void InjectFault(Fault fault) { injectedFault = fault; }
}  // namespace safe_file_write_testing

namespace glyphfont {
void UseFontFileForTesting(const std::string& path) { fontFileOverride = path; }
void UseSystemFont() { fontFileOverride.reset(); }
}  // namespace glyphfont

void SetWordChoiceRandom(int (*source)()) { wordChoiceSource = source; }

namespace platform {
void SetToday(int32_t day) { fixedToday = day; }
void UseClockDay() { fixedToday = kClockDay; }

void ObserveSpeechRequests(
    std::function<void(const std::string& text, const std::string& language)> observer) {
    speechObserver = std::move(observer);
}
}  // namespace platform

// A save's steps: the write reaches the disk with its fsync, the rename puts it in place.
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    if (injectedFault != safe_file_write_testing::Fault::Write) return __real_fsync(fd);
    errno = ENOSPC;
    return -1;
}

extern "C" int __real_rename(const char* from, const char* to);
extern "C" int __wrap_rename(const char* from, const char* to) {
    if (injectedFault != safe_file_write_testing::Fault::Rename) return __real_rename(from, to);
    errno = EACCES;
    return -1;
}

// platform::Today()
int32_t RealToday() asm("__real__ZN8platform5TodayEv");
int32_t WrappedToday() asm("__wrap__ZN8platform5TodayEv");
int32_t WrappedToday() { return fixedToday != kClockDay ? fixedToday : RealToday(); }

// platform::Speak(text, language): watched as the game asks, before the text is handed over, as
// long as speech is on.
void RealSpeak(const std::string& text, const std::string& language) asm(
    "__real__ZN8platform5SpeakERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES7_");
void WrappedSpeak(const std::string& text, const std::string& language) asm(
    "__wrap__ZN8platform5SpeakERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES7_");
void WrappedSpeak(const std::string& text, const std::string& language) {
    if (speechObserver && platform::SpeechEnabled() && !text.empty()) speechObserver(text, language);
    RealSpeak(text, language);
}

// glyphfont::FindFontFile()
std::string RealFindFontFile() asm("__real__ZN9glyphfont12FindFontFileB5cxx11Ev");
std::string WrappedFindFontFile() asm("__wrap__ZN9glyphfont12FindFontFileB5cxx11Ev");
std::string WrappedFindFontFile() { return fontFileOverride ? *fontFileOverride : RealFindFontFile(); }

// WordChoiceDraw()
int RealWordChoiceDraw() asm("__real__Z14WordChoiceDrawv");
int WrappedWordChoiceDraw() asm("__wrap__Z14WordChoiceDrawv");
int WrappedWordChoiceDraw() {
    return wordChoiceSource != nullptr ? wordChoiceSource() : RealWordChoiceDraw();
}
