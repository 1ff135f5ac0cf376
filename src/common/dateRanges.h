#pragma once
// The date ranges offered under the small button of the list dialogs: each
// entry sets the "from" and "to" dates of a search from today's date.
#include <array>
#include <string>

namespace pos {

class Clock;
struct LocalDateTime;

enum class DateRange {
    Today,
    Yesterday,
    DayBeforeYesterday,
    LastSevenDays,  // today − 7 to today
    LastMonth,      // first day of the previous month to today
    ThisMonth,
    PreviousMonth,  // the whole previous month
    AllTime,        // 2000-01-01 to 9999-12-31
};

// Both dates as "yyyy-MM-dd".
struct DatePair {
    std::string from;
    std::string to;
    bool operator==(const DatePair&) const = default;
};

struct DateRangeEntry {
    DateRange range;
    const char* caption;  // menu text with its accelerator
};

// The entries in menu order.
inline constexpr std::array<DateRangeEntry, 8> kDateRangeEntries = {{
    {DateRange::Today, "今天(&T)"},
    {DateRange::Yesterday, "昨天(&U)"},
    {DateRange::DayBeforeYesterday, "前天(&V)"},
    {DateRange::LastSevenDays, "最近七天(&W)"},
    {DateRange::LastMonth, "最近一月(&X)"},
    {DateRange::ThisMonth, "本月(&Y)"},
    {DateRange::PreviousMonth, "上月(&Z)"},
    {DateRange::AllTime, "所有时间(&A)"},
}};

// The dates of `range` seen from the day of `today` (its time is ignored).
DatePair datesOf(DateRange range, const LocalDateTime& today);
// The same from the clock's today.
DatePair datesOf(DateRange range, const Clock& clock);

}  // namespace pos
