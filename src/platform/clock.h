#pragma once
// The one source of "now" for the whole terminal. Nothing reads the system time
// directly: member days, expiry months, shift start, document numbers and date
// ranges all depend on it, and tests set it.
#include <string>

namespace pos {

struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;

    std::string date() const;      // yyyy-MM-dd
    std::string dateTime() const;  // yyyy-MM-dd HH:mm:ss
    std::string yymmdd() const;    // document-number form
    std::string month7() const;    // yyyy-mm (stock month)
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The machine's local time.
class SystemClock : public Clock {
  public:
    LocalDateTime now() const override;
};

// A clock that stands still until it is set; for tests and benchmarks.
class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalDateTime t) : t_(t) {}
    LocalDateTime now() const override { return t_; }
    void set(LocalDateTime t) { t_ = t; }

  private:
    LocalDateTime t_;
};

// Parses "yyyy-m-d" or "yyyy-m-d h:m:s" ('/' also accepted as the date
// separator); false when the text is not such a date.
bool parseDateTime(const std::string& text, LocalDateTime& out);

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long long daysFromCivil(int year, int month, int day);

}  // namespace pos
