#include "platform/CalendarDay.h"

#include <ctime>

namespace platform {

int32_t DayNumberOfDate(int year, int month, int day) {
    // Days from the civil date (proleptic Gregorian), counted from a March-based year so the leap
    // day falls at the end.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<int32_t>(era * 146097 + dayOfEra - 719468);
}

int32_t Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    return DayNumberOfDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace platform
