#include "common/numberFormats.h"

#include <gtest/gtest.h>

namespace pos {
namespace {

TEST(NumberFormats, FormatsWithPattern) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        // Prices and amounts: grouping, symbol, the sign from the negative section.
        {1234.5, "#,0.00", "1,234.50"},
        {1234.5, "￥,0.00;-￥,0.00", "￥1,234.50"},
        {-1234.5, "￥,0.00;-￥,0.00", "-￥1,234.50"},
        {0, "￥,0.00;-￥,0.00", "￥0.00"},
        {0.5, "#,0.00;-#,0.00", "0.50"},
        {7, "￥,0;-￥,0", "￥7"},
        // Quantities: "#" hides a zero integer part, the negative section has no "0".
        {1.5, "#0.00;-#.00", "1.50"},
        {-0.5, "#0.00;-#.00", "-.50"},
        {-12.25, "#0.00;-#.00", "-12.25"},
        {0, "#0.00;-#.00", "0.00"},
        {0, "#;-#", ""},
        {0.4, "#;-#", ""},
        {-3, "#;-#", "-3"},
        {0.5, "#.00", ".50"},
        // Grouping of large numbers, and only between digits.
        {100, "#,0", "100"},
        {1000, "#,0", "1,000"},
        {123456, "#,0", "123,456"},
        {-1234567, "#,0;-#,0", "-1,234,567"},
        {1234567890.126, "#,0.00", "1,234,567,890.13"},
        {999.995, "#,0.00", "1,000.00"},
        {1234567, "0.00", "1234567.00"},
        // Half away from zero, with binary fractions just below the half.
        {2.5, "#;-#", "3"},
        {-2.5, "#;-#", "-3"},
        {1.005, "#,0.00", "1.01"},
        {-1.005, "#,0.00;-#,0.00", "-1.01"},
        {2.675, "0.00", "2.68"},
        {1.0049, "0.00", "1.00"},
        {0.0000005, "#,0.000000", "0.000001"},
        {0.123456784, "0.00000000", "0.12345678"},  // no nudge where it would be a digit
        {0.1, "0.00000000000000000000", "0.10000000000000000000"},  // beyond a double's digits
        // A negative value that rounds to zero takes the positive section.
        {-0.001, "#,0.00;-#,0.00", "0.00"},
        {-0.004, "#0.00;-#.00", "0.00"},
        {-0.4, "#;-#", ""},
        // Without a negative section the sign goes in front.
        {-2.5, "0.00", "-2.50"},
        {-2.5, "0.00;", "-2.50"},
        {-0.001, "0.00", "0.00"},
        // Optional decimals, minimum integer digits, literals.
        {12.5, "0.0#", "12.5"},
        {12.345, "0.0#", "12.35"},
        {12, "0.0#", "12.0"},
        {12, "0.##", "12"},
        {5, "000", "005"},
        {3.5, "0.00元", "3.50元"},
        {3, "\"Fr.\"0.00", "Fr.3.00"},
        {12.5, "", "12.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, formatWithPattern(c.value, c.pattern))
            << c.value << " with " << c.pattern;
}

TEST(NumberFormats, PatternDecimalsCountsThePositiveSection) {
    EXPECT_EQ(2, patternDecimals("￥,0.00;-￥,0.0"));
    EXPECT_EQ(0, patternDecimals("#;-#"));
    EXPECT_EQ(3, patternDecimals("0.0##"));
    EXPECT_EQ(1, patternDecimals("\"a.b\"0.0"));
    EXPECT_EQ(0, patternDecimals(""));
}

TEST(NumberFormats, PricePatternFromDecimalsAndSymbol) {
    struct Case {
        int decimals;
        const char* symbol;
        const char* pattern;
    } cases[] = {
        {2, "￥", "￥,0.00;-￥,0.00"},
        {2, "", "#,0.00;-#,0.00"},
        {2, "#", "#,0.00;-#,0.00"},
        {0, "￥", "￥,0;-￥,0"},
        {4, "￥", "￥,0.0000;-￥,0.0000"},
        {6, "$", "$,0.000000;-$,0.000000"},
        {2, "Fr.", "\"Fr.\",0.00;-\"Fr.\",0.00"},  // a point in the symbol is not the decimal point
        {7, "￥", ""},
    };
    for (const Case& c : cases) {
        SystemParameters p;
        p.cs_xsws = c.decimals;
        p.cs_hbfh = c.symbol;
        EXPECT_EQ(c.pattern, pricePattern(p)) << c.decimals << " " << c.symbol;
    }

    SystemParameters p;
    p.cs_xsws = 2;
    p.cs_hbfh = "Fr.";
    EXPECT_EQ("-Fr.1,234.50", formatWithPattern(-1234.5, pricePattern(p)));
}

TEST(NumberFormats, AmountAndQuantityPatterns) {
    struct AmountCase {
        const char* jews;
        const char* pattern;
    } amounts[] = {
        {"0", "#,0;-#,0"},
        {"1", "#,0.0;-#,0.0"},
        {"2", "#,0.00;-#,0.00"},
        {"6", "#,0.000000;-#,0.000000"},
        {"7", ""},
        {"x", ""},
        {"", ""},
        {"02", ""},
    };
    for (const AmountCase& c : amounts) {
        SystemParameters p;
        p.cs_jews = c.jews;
        EXPECT_EQ(c.pattern, amountPattern(p)) << c.jews;
    }

    struct QtyCase {
        int decimals;
        const char* pattern;
    } quantities[] = {
        {0, "#;-#"}, {1, "#0.0;-#.0"}, {2, "#0.00;-#.00"}, {6, "#0.000000;-#.000000"},
        {8, ""},     {-1, ""},
    };
    for (const QtyCase& c : quantities) {
        SystemParameters p;
        p.cs_cbjs = c.decimals;
        EXPECT_EQ(c.pattern, qtyPattern(p)) << c.decimals;
    }
}

TEST(NumberFormats, EditFormatsSetDecimalsAndLengthEvenOutOfRange) {
    SystemParameters p;
    p.cs_xsws = 2;
    p.cs_hbfh = "￥";
    p.cs_cbjs = 3;
    EditFormat price = priceEditFormat(p);
    EXPECT_EQ(2, price.decimals);
    EXPECT_EQ(15, price.maxLength);
    EXPECT_EQ("￥,0.00;-￥,0.00", price.pattern);
    EditFormat qty = qtyEditFormat(p);
    EXPECT_EQ(3, qty.decimals);
    EXPECT_EQ(16, qty.maxLength);
    EXPECT_EQ("#0.000;-#.000", qty.pattern);

    p.cs_xsws = 0;
    EXPECT_EQ(13, priceEditFormat(p).maxLength);

    // Decimals beyond the patterns still apply; the display pattern is kept.
    p.cs_cbjs = 8;
    qty = qtyEditFormat(p);
    EXPECT_EQ(8, qty.decimals);
    EXPECT_EQ(21, qty.maxLength);
    EXPECT_FALSE(qty.pattern.has_value());
}

TEST(NumberFormats, ColumnAndFooterPatternsKeepThePreviousOneOutOfRange) {
    SystemParameters p;
    p.cs_xsws = 2;
    p.cs_hbfh = "";
    p.cs_jews = "1";
    p.cs_cbjs = 0;
    EXPECT_EQ("#,0.00;-#,0.00", priceColumnPattern(p));
    EXPECT_EQ("#,0.0;-#,0.0", amountFooterPattern(p));
    EXPECT_EQ("#;-#", qtyColumnPattern(p));
    EXPECT_EQ("#;-#", qtyFooterPattern(p));

    // An unusable amount setting clears the footer's pattern rather than keeping it.
    p.cs_jews = "x";
    EXPECT_EQ("", amountFooterPattern(p));

    p.cs_cbjs = 8;
    EXPECT_EQ(std::nullopt, qtyColumnPattern(p));
    EXPECT_EQ(std::nullopt, qtyFooterPattern(p));

    p.cs_xsws = 9;
    EXPECT_EQ(std::nullopt, priceColumnPattern(p));
    EXPECT_EQ(std::nullopt, amountFooterPattern(p));
}

}  // namespace
}  // namespace pos
