#pragma once
// A value read from or written to the store, and its text form. The text form
// is the one every statement and every screen uses: numbers in the general
// format with up to 15 significant digits and a point, booleans "True"/"False",
// null as empty.
#include <string>
#include <string_view>

namespace pos {

class Value {
  public:
    enum class Kind { Null, Integer, Real, Text, Boolean };

    Value() = default;
    static Value integer(long long v);
    static Value real(double v);
    static Value text(std::string v);
    static Value boolean(bool v);

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }

    std::string asText() const;   // empty for null
    long long asInteger() const;  // 0 for null; throws ConversionError for non-numeric text
    double asFloat() const;       // 0 for null; throws ConversionError for non-numeric text
    bool asBoolean() const;       // non-zero / "True"; false for null

    long long integerValue() const { return i_; }
    double realValue() const { return d_; }
    const std::string& textValue() const { return s_; }

    bool operator==(const Value& o) const;

  private:
    Kind kind_ = Kind::Null;
    long long i_ = 0;
    double d_ = 0;
    std::string s_;
};

// General decimal form of a double: up to 15 significant digits, no grouping,
// no trailing zeros, point as separator ("10", "12.5", "0.3").
std::string formatNumber(double v);

// Parses a whole text as a number (surrounding blanks allowed); false if it is not one.
bool parseNumber(std::string_view text, double& out);

// Integer of a text as the terminal converts it: throws ConversionError when
// the text is not an integer.
long long textToInteger(std::string_view text);

}  // namespace pos
