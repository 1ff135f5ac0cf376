#include "common/numberFormats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "common/rounding.h"
#include "database/value.h"

namespace pos {

namespace {

// Nudge before rounding so that 1.005, stored as 1.00499…, shows as 1.01.
constexpr double kNudge = 0.000000001;

// Edits take the digits of the decimals plus this many characters.
constexpr int kEditExtraLength = 13;

bool inFormatRange(int decimals) { return decimals >= 0 && decimals <= 6; }

struct Token {
    enum Kind { Literal, Zero, Hash, Point, Comma } kind;
    std::string_view text;  // for literals
};

std::vector<std::string_view> splitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    char quote = 0;
    size_t start = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

// Bytes other than the pattern characters are literals, so a UTF-8 symbol
// passes through whole.
std::vector<Token> tokenize(std::string_view section) {
    std::vector<Token> tokens;
    bool pointSeen = false;
    for (size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (c == '"' || c == '\'') {
            size_t end = section.find(c, i + 1);
            if (end == std::string_view::npos) end = section.size();
            tokens.push_back({Token::Literal, section.substr(i + 1, end - i - 1)});
            i = end;
        } else if (c == '0') {
            tokens.push_back({Token::Zero, {}});
        } else if (c == '#') {
            tokens.push_back({Token::Hash, {}});
        } else if (c == ',') {
            tokens.push_back({Token::Comma, {}});
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            tokens.push_back({Token::Point, {}});
        } else {
            tokens.push_back({Token::Literal, section.substr(i, 1)});
        }
    }
    return tokens;
}

struct Layout {
    int intPlaceholders = 0;
    int minIntDigits = 0;  // placeholders from the first integer "0" on
    bool grouping = false;
    int decPlaceholders = 0;
    int minDecDigits = 0;  // up to the last decimal "0"
};

Layout layoutOf(const std::vector<Token>& tokens) {
    Layout l;
    bool inDecimals = false;
    bool zeroSeen = false;
    for (const Token& t : tokens) {
        bool digit = t.kind == Token::Zero || t.kind == Token::Hash;
        if (t.kind == Token::Point) {
            inDecimals = true;
        } else if (!inDecimals) {
            if (t.kind == Token::Comma) l.grouping = true;
            if (t.kind == Token::Zero) zeroSeen = true;
            if (digit) {
                ++l.intPlaceholders;
                if (zeroSeen) ++l.minIntDigits;
            }
        } else if (digit) {
            ++l.decPlaceholders;
            if (t.kind == Token::Zero) l.minDecDigits = l.decPlaceholders;
        }
    }
    return l;
}

// A double holds no more than 15 decimals; placeholders beyond show zeros.
constexpr int kMaxDecimals = 15;

// The nudge serves the settings' 0..6 decimals; with more it would show up as a digit.
double roundedMagnitude(double magnitude, int decimals) {
    double nudge = decimals <= 6 ? kNudge : 0;
    return roundDec(magnitude + nudge, std::min(decimals, kMaxDecimals));
}

// The decimal text with a point whatever the C locale says.
std::string fixedText(double value, int decimals) {
    char buffer[400];  // the largest double has 309 digits
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string formatSection(double magnitude, std::string_view section) {
    std::vector<Token> tokens = tokenize(section);
    Layout l = layoutOf(tokens);

    int decimals = std::min(l.decPlaceholders, kMaxDecimals);
    std::string digits = fixedText(roundedMagnitude(magnitude, decimals), decimals);
    size_t point = digits.find('.');
    std::string intDigits = digits.substr(0, point);
    std::string decDigits = point == std::string::npos ? "" : digits.substr(point + 1);
    if (intDigits == "0") intDigits.clear();  // a zero integer part is not significant
    if (static_cast<int>(intDigits.size()) < l.minIntDigits)
        intDigits.insert(0, l.minIntDigits - intDigits.size(), '0');
    while (static_cast<int>(decDigits.size()) > l.minDecDigits && decDigits.back() == '0')
        decDigits.pop_back();
    if (static_cast<int>(decDigits.size()) < l.minDecDigits)
        decDigits.append(l.minDecDigits - decDigits.size(), '0');

    const int n = static_cast<int>(intDigits.size());
    const int extra = n - l.intPlaceholders;  // digits beyond the placeholders go with the first
    std::string out;
    auto putIntDigit = [&](int i) {
        out += intDigits[i];
        int rest = n - i - 1;
        if (l.grouping && rest > 0 && rest % 3 == 0) out += ',';
    };
    bool intDone = false;
    auto finishInt = [&] {
        if (intDone) return;
        intDone = true;
        if (l.intPlaceholders == 0)  // no place for the integer digits: where the integer part ends
            for (int i = 0; i < n; ++i) putIntDigit(i);
    };

    bool inDecimals = false;
    int k = 0;     // integer placeholder
    size_t j = 0;  // decimal placeholder
    for (const Token& t : tokens) {
        switch (t.kind) {
            case Token::Literal:
                out += t.text;
                break;
            case Token::Comma:
                break;
            case Token::Point:
                finishInt();
                inDecimals = true;
                if (!decDigits.empty()) out += '.';
                break;
            case Token::Zero:
            case Token::Hash:
                if (inDecimals) {
                    if (j < decDigits.size()) out += decDigits[j];
                    ++j;
                } else {
                    for (int i = k == 0 ? 0 : k + extra; i <= k + extra; ++i)
                        if (i >= 0) putIntDigit(i);
                    ++k;
                }
                break;
        }
    }
    finishInt();
    return out;
}

std::string zeros(int count) { return std::string(static_cast<size_t>(count), '0'); }

std::string decimalPart(int decimals) { return decimals > 0 ? "." + zeros(decimals) : ""; }

// An empty symbol (or "#") leaves a digit placeholder: no symbol. A symbol
// holding pattern characters is quoted so that it is shown as written.
std::string symbolText(const std::string& symbol) {
    if (symbol.empty() || symbol == "#") return "#";
    if (symbol.find_first_of("0#,.;\"'") == std::string::npos) return symbol;
    char quote = symbol.find('"') == std::string::npos ? '"' : '\'';
    return quote + symbol + quote;
}

std::optional<std::string> ifInRange(int decimals, std::string pattern) {
    if (!inFormatRange(decimals)) return std::nullopt;
    return pattern;
}

}  // namespace

std::string formatWithPattern(double value, std::string_view pattern) {
    if (pattern.empty()) return formatNumber(value);
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    std::vector<std::string_view> sections = splitSections(pattern);
    std::string_view positive = sections[0];
    std::string_view negative = sections.size() > 1 ? sections[1] : std::string_view();
    if (value < 0) {
        double magnitude = -value;
        if (!negative.empty()) {
            if (roundedMagnitude(magnitude, layoutOf(tokenize(negative)).decPlaceholders) != 0)
                return formatSection(magnitude, negative);
        } else if (roundedMagnitude(magnitude, patternDecimals(positive)) != 0) {
            return "-" + formatSection(magnitude, positive);
        }
        return formatSection(0, positive);
    }
    return formatSection(value, positive);
}

int patternDecimals(std::string_view pattern) {
    return layoutOf(tokenize(splitSections(pattern)[0])).decPlaceholders;
}

std::string pricePattern(const SystemParameters& params) {
    if (!inFormatRange(params.cs_xsws)) return "";
    std::string section = symbolText(params.cs_hbfh) + ",0" + decimalPart(params.cs_xsws);
    return section + ";-" + section;
}

std::string amountPattern(const SystemParameters& params) {
    const std::string& jews = params.cs_jews;
    if (jews.size() != 1 || jews[0] < '0' || jews[0] > '6') return "";
    std::string section = "#,0" + decimalPart(jews[0] - '0');
    return section + ";-" + section;
}

std::string qtyPattern(const SystemParameters& params) {
    int d = params.cs_cbjs;
    if (!inFormatRange(d)) return "";
    if (d == 0) return "#;-#";
    // The negative section has no leading zero: -0.5 shows as "-.50".
    return "#0." + zeros(d) + ";-#." + zeros(d);
}

EditFormat priceEditFormat(const SystemParameters& params) {
    return {params.cs_xsws, params.cs_xsws + kEditExtraLength, priceColumnPattern(params)};
}

EditFormat qtyEditFormat(const SystemParameters& params) {
    return {params.cs_cbjs, params.cs_cbjs + kEditExtraLength, qtyColumnPattern(params)};
}

EditFormat patternEditFormat(std::string_view pattern) {
    int decimals = patternDecimals(pattern);
    return {decimals, decimals + kEditExtraLength, std::string(pattern)};
}

std::optional<std::string> priceColumnPattern(const SystemParameters& params) {
    return ifInRange(params.cs_xsws, pricePattern(params));
}

std::optional<std::string> amountFooterPattern(const SystemParameters& params) {
    // Set together with the price columns, so it follows their condition.
    return ifInRange(params.cs_xsws, amountPattern(params));
}

std::optional<std::string> qtyColumnPattern(const SystemParameters& params) {
    return ifInRange(params.cs_cbjs, qtyPattern(params));
}

std::optional<std::string> qtyFooterPattern(const SystemParameters& params) {
    return qtyColumnPattern(params);
}

}  // namespace pos
