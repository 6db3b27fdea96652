// Hooks the tests and the benchmark use to put the game's modules into a known state: a save that
// fails at a chosen step, a chosen font file, a fixed word choice. They live in the test-only
// library beside the headless platform, so the shipped game cannot call them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/SafeFileWrite.h"

namespace safe_file_write_testing {
// Makes every following WriteFileAtomically fail at the given step, until reset with None.
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
