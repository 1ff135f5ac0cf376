#include "platform/clock.h"

#include <cstdio>
#include <ctime>

namespace pos {

std::string LocalDateTime::date() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

std::string LocalDateTime::dateTime() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute,
                  second);
    return buf;
}

std::string LocalDateTime::yymmdd() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", year % 100, month, day);
    return buf;
}

std::string LocalDateTime::month7() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d", year, month);
    return buf;
}

LocalDateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

namespace {
// Reads up to maxDigits digits at pos; false when there is none.
bool readNumber(const std::string& s, size_t& pos, int maxDigits, int& out) {
    int n = 0, digits = 0;
    while (pos < s.size() && digits < maxDigits && s[pos] >= '0' && s[pos] <= '9') {
        n = n * 10 + (s[pos] - '0');
        ++pos;
        ++digits;
    }
    out = n;
    return digits > 0;
}

bool validDate(int y, int m, int d) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    int limit = days[m - 1] + (m == 2 && leap ? 1 : 0);
    return d <= limit;
}
}  // namespace

bool parseDateTime(const std::string& text, LocalDateTime& out) {
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    std::string s = text.substr(b, e - b + 1);
    size_t pos = 0;
    LocalDateTime t;
    if (!readNumber(s, pos, 4, t.year) || pos != 4) return false;
    if (pos >= s.size() || (s[pos] != '-' && s[pos] != '/')) return false;
    char sep = s[pos++];
    if (!readNumber(s, pos, 2, t.month)) return false;
    if (pos >= s.size() || s[pos] != sep) return false;
    ++pos;
    if (!readNumber(s, pos, 2, t.day)) return false;
    if (!validDate(t.year, t.month, t.day)) return false;
    t.hour = t.minute = t.second = 0;
    if (pos < s.size()) {
        if (s[pos] != ' ' && s[pos] != 'T') return false;
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == 'T')) ++pos;
        if (!readNumber(s, pos, 2, t.hour) || pos >= s.size() || s[pos] != ':') return false;
        ++pos;
        if (!readNumber(s, pos, 2, t.minute)) return false;
        if (pos < s.size() && s[pos] == ':') {
            ++pos;
            if (!readNumber(s, pos, 2, t.second)) return false;
            // Fractions of a second are ignored.
            if (pos < s.size() && s[pos] == '.') {
                ++pos;
                while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') ++pos;
            }
        }
        if (pos != s.size() || t.hour > 23 || t.minute > 59 || t.second > 59) return false;
    }
    out = t;
    return true;
}

long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

}  // namespace pos
