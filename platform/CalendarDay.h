// The player's local calendar day, as a day number: days since 1970-01-01 counted on the local
// calendar (not in seconds), so a day of 23 or 25 hours at a daylight-saving change is still one
// day, and the number moves only at local midnight. The schedule of words counts in these days.
#pragma once

#include <cstdint>

namespace platform {

// Today's day number from the system clock (time() and the local time zone, so a process run
// under faketime sees the faked day).
int32_t Today();

// The day number of a local calendar date (month 1..12, day 1..31); pure, for tests and figures.
int32_t DayNumberOfDate(int year, int month, int day);

}  // namespace platform
