// Hooks the tests and the benchmark use to put the game's modules into a known state: a save that
// fails at a chosen step, a chosen font file, a fixed day, a fixed word choice, a watch on the words
// spoken. They live in the test-only library beside the headless platform, so the shipped game
// cannot call them. Most stand in front of one of the game's own functions at link time
// (tests/CMakeLists.txt): the game's libraries hold no trace of them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace safe_file_write_testing {
enum class Fault { None, Write, Rename };
// Makes every following WriteFileAtomically fail at the given step, until reset with None: a
// failed write reports ENOSPC, as on a full disk (the file's data never reaches the disk), a
// failed rename EACCES.
void InjectFault(Fault fault);
}  // namespace safe_file_write_testing

namespace glyphfont {
// Uses this file instead of asking fontconfig; "" means no font is found. Takes effect when the
// font is next loaded (no text object alive); UseSystemFont() goes back to fontconfig.
void UseFontFileForTesting(const std::string& path);
void UseSystemFont();
}  // namespace glyphfont

// The generator the word choice draws from; nullptr restores the C library's rand().
void SetWordChoiceRandom(int (*source)());

namespace platform {
// Today() reports this day number (platform/CalendarDay.h) until UseClockDay().
void SetToday(int32_t day);
void UseClockDay();

// Calls observer on the game's thread whenever the game asks for a text to be spoken, before the
// text is handed over; nullptr stops it.
void ObserveSpeechRequests(
    std::function<void(const std::string& text, const std::string& language)> observer);
}  // namespace platform
