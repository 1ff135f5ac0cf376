#include "common/dateRanges.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/clock.h"

namespace pos::test {
namespace {

TEST(DateRanges, EachEntryGivesItsPairOfDates) {
    struct Case {
        LocalDateTime today;
        DateRange range;
        const char *from, *to;
    } cases[] = {
        {{2024, 6, 15, 23, 59, 59}, DateRange::Today, "2024-06-15", "2024-06-15"},
        {{2024, 6, 15}, DateRange::Yesterday, "2024-06-14", "2024-06-14"},
        {{2024, 6, 15}, DateRange::DayBeforeYesterday, "2024-06-13", "2024-06-13"},
        {{2024, 6, 15}, DateRange::LastSevenDays, "2024-06-08", "2024-06-15"},
        // The last month starts on the first day of the previous month, not a month back.
        {{2024, 6, 15}, DateRange::LastMonth, "2024-05-01", "2024-06-15"},
        {{2024, 6, 15}, DateRange::ThisMonth, "2024-06-01", "2024-06-15"},
        {{2024, 6, 15}, DateRange::PreviousMonth, "2024-05-01", "2024-05-31"},
        {{2024, 6, 15}, DateRange::AllTime, "2000-01-01", "9999-12-31"},
        // Across the start of a month and of a year.
        {{2024, 3, 1}, DateRange::Yesterday, "2024-02-29", "2024-02-29"},
        {{2023, 3, 1}, DateRange::DayBeforeYesterday, "2023-02-27", "2023-02-27"},
        {{2024, 1, 3}, DateRange::LastSevenDays, "2023-12-27", "2024-01-03"},
        {{2024, 1, 1}, DateRange::Yesterday, "2023-12-31", "2023-12-31"},
        {{2024, 1, 20}, DateRange::LastMonth, "2023-12-01", "2024-01-20"},
        {{2024, 1, 20}, DateRange::PreviousMonth, "2023-12-01", "2023-12-31"},
        {{2024, 3, 31}, DateRange::PreviousMonth, "2024-02-01", "2024-02-29"},
        {{2100, 3, 10}, DateRange::PreviousMonth, "2100-02-01", "2100-02-28"},  // not leap
        {{2024, 12, 31}, DateRange::ThisMonth, "2024-12-01", "2024-12-31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.date() + " entry " + std::to_string(static_cast<int>(c.range)));
        EXPECT_EQ((DatePair{c.from, c.to}), datesOf(c.range, c.today));
    }
}

TEST(DateRanges, TheMenuListsEveryRangeOnceWithItsAcceleratorAndReadsTheClock) {
    std::set<DateRange> ranges;
    std::set<std::string> keys;
    for (const DateRangeEntry& e : kDateRangeEntries) {
        ranges.insert(e.range);
        std::string caption = e.caption;
        size_t amp = caption.find('&');
        ASSERT_NE(std::string::npos, amp) << caption;
        keys.insert(caption.substr(amp + 1, 1));
    }
    EXPECT_EQ(kDateRangeEntries.size(), ranges.size());
    EXPECT_EQ(kDateRangeEntries.size(), keys.size());
    EXPECT_STREQ("今天(&T)", kDateRangeEntries.front().caption);
    EXPECT_STREQ("所有时间(&A)", kDateRangeEntries.back().caption);

    FixedClock clock({2024, 6, 15, 10, 30, 0});
    EXPECT_EQ((DatePair{"2024-06-01", "2024-06-15"}), datesOf(DateRange::ThisMonth, clock));
}

}  // namespace
}  // namespace pos::test
