#pragma once
// How prices, amounts and quantities are shown and typed. A display pattern
// has a positive and a negative section ("￥,0.00;-￥,0.00"): "0" is a digit
// always shown, "#" a digit shown only when significant, "," anywhere in the
// integer part groups by three, the first "." is the decimal point, text in
// double or single quotes and any other character are shown as written.
#include <optional>
#include <string>
#include <string_view>

#include "database/systemParameters.h"

namespace pos {

// Formats `value` rounded half away from zero to the decimal placeholders of
// the section used. A negative value takes the negative section with its
// absolute value (the sign comes from the section itself; without a negative
// section a "-" is put in front); a value that rounds to zero takes the
// positive section. An empty pattern gives the general number text.
std::string formatWithPattern(double value, std::string_view pattern);

// Decimal placeholders of the positive section ("#,0.00" → 2).
int patternDecimals(std::string_view pattern);

// Patterns built from the settings; empty when the decimals are outside 0..6.
std::string pricePattern(const SystemParameters& params);   // cs_xsws, cs_hbfh
std::string amountPattern(const SystemParameters& params);  // cs_jews
std::string qtyPattern(const SystemParameters& params);     // cs_cbjs

// What a numeric edit gets: its decimals, its maximum length in characters
// and its display pattern (nullopt: keep the one it has).
struct EditFormat {
    int decimals = 0;
    int maxLength = 0;
    std::optional<std::string> pattern;
};

EditFormat priceEditFormat(const SystemParameters& params);
EditFormat qtyEditFormat(const SystemParameters& params);
// The editor of a grid column shown with `pattern`: its decimals.
EditFormat patternEditFormat(std::string_view pattern);

// Patterns of grid columns and their footer sums; nullopt: keep the one it has.
std::optional<std::string> priceColumnPattern(const SystemParameters& params);
std::optional<std::string> amountFooterPattern(const SystemParameters& params);
std::optional<std::string> qtyColumnPattern(const SystemParameters& params);
std::optional<std::string> qtyFooterPattern(const SystemParameters& params);

}  // namespace pos
