#include "database/value.h"

#include <charconv>
#include <cmath>

#include "database/dbError.h"

namespace pos {

Value Value::integer(long long v) {
    Value r;
    r.kind_ = Kind::Integer;
    r.i_ = v;
    return r;
}

Value Value::real(double v) {
    Value r;
    r.kind_ = Kind::Real;
    r.d_ = v;
    return r;
}

Value Value::text(std::string v) {
    Value r;
    r.kind_ = Kind::Text;
    r.s_ = std::move(v);
    return r;
}

Value Value::boolean(bool v) {
    Value r;
    r.kind_ = Kind::Boolean;
    r.i_ = v ? 1 : 0;
    return r;
}

// Numbers are written and read without the process's locale: Qt sets it from
// the environment, and a decimal comma would break every statement.
std::string formatNumber(double v) {
    if (v == 0) return "0";  // also folds -0
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

bool parseNumber(std::string_view text, double& out) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return false;
    size_t e = text.find_last_not_of(' ');
    std::string_view s = text.substr(b, e - b + 1);
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
    out = v;
    return true;
}

long long textToInteger(std::string_view text) {
    double d;
    if (!parseNumber(text, d) || d != std::trunc(d) || std::fabs(d) > 9.2e18)
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return static_cast<long long>(d);
}

std::string Value::asText() const {
    switch (kind_) {
        case Kind::Null:
            return {};
        case Kind::Integer:
            return std::to_string(i_);
        case Kind::Real:
            return formatNumber(d_);
        case Kind::Text:
            return s_;
        case Kind::Boolean:
            return i_ ? "True" : "False";
    }
    return {};
}

long long Value::asInteger() const {
    switch (kind_) {
        case Kind::Null:
            return 0;
        case Kind::Integer:
        case Kind::Boolean:
            return i_;
        case Kind::Real:
            return static_cast<long long>(std::trunc(d_));
        case Kind::Text:
            if (s_.empty()) return 0;
            return textToInteger(s_);
    }
    return 0;
}

double Value::asFloat() const {
    switch (kind_) {
        case Kind::Null:
            return 0;
        case Kind::Integer:
        case Kind::Boolean:
            return static_cast<double>(i_);
        case Kind::Real:
            return d_;
        case Kind::Text: {
            if (s_.empty()) return 0;
            double d;
            if (!parseNumber(s_, d))
                throw ConversionError("'" + s_ + "' is not a valid floating point value");
            return d;
        }
    }
    return 0;
}

bool Value::asBoolean() const {
    switch (kind_) {
        case Kind::Null:
            return false;
        case Kind::Integer:
        case Kind::Boolean:
            return i_ != 0;
        case Kind::Real:
            return d_ != 0;
        case Kind::Text:
            return !(s_.empty() || s_ == "0" || s_ == "False" || s_ == "false");
    }
    return false;
}

bool Value::operator==(const Value& o) const {
    return kind_ == o.kind_ && i_ == o.i_ && d_ == o.d_ && s_ == o.s_;
}

}  // namespace pos
