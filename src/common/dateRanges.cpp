#include "common/dateRanges.h"

#include "platform/clock.h"

namespace pos {

namespace {

struct Day {
    int year, month, day;
};

// The civil date of a count of days since 1970-01-01 (inverse of daysFromCivil).
Day civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), m, d};
}

std::string text(Day d) { return LocalDateTime{d.year, d.month, d.day}.date(); }

}  // namespace

DatePair datesOf(DateRange range, const LocalDateTime& now) {
    const long long today = daysFromCivil(now.year, now.month, now.day);
    auto back = [&](int days) { return text(civilFromDays(today - days)); };
    const Day firstOfMonth{now.year, now.month, 1};
    const Day firstOfPrevious =
        now.month == 1 ? Day{now.year - 1, 12, 1} : Day{now.year, now.month - 1, 1};
    const std::string lastOfPrevious =
        text(civilFromDays(daysFromCivil(now.year, now.month, 1) - 1));
    switch (range) {
        case DateRange::Today:
            return {back(0), back(0)};
        case DateRange::Yesterday:
            return {back(1), back(1)};
        case DateRange::DayBeforeYesterday:
            return {back(2), back(2)};
        case DateRange::LastSevenDays:
            return {back(7), back(0)};
        case DateRange::LastMonth:
            return {text(firstOfPrevious), back(0)};
        case DateRange::ThisMonth:
            return {text(firstOfMonth), back(0)};
        case DateRange::PreviousMonth:
            return {text(firstOfPrevious), lastOfPrevious};
        case DateRange::AllTime:
            return {"2000-01-01", "9999-12-31"};
    }
    return {back(0), back(0)};
}

DatePair datesOf(DateRange range, const Clock& clock) { return datesOf(range, clock.now()); }

}  // namespace pos
