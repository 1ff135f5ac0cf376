#include "common/textGuards.h"

#include <gtest/gtest.h>

#include "common/rounding.h"

namespace pos {
namespace {

TEST(TextGuards, ReplaceSpecialCharactersByLookAlikes) {
    struct Case {
        const char* input;
        const char* full;
        const char* light;
    } cases[] = {
        {"O'Neil (50%)", "O‘Neil （50％）", "O‘Neil (50％)"},
        {"a^b`c", "abc", "abc"},
        {"13800-138 000", "13800－138 000", "13800-138 000"},
        {"?!$&,@~\"", "？！￥＆，＠～“", "？！￥＆，＠～“"},
        {"1+2/3*4#", "1＋2／3*4#", "1+2/3*4#"},
        {"王小明", "王小明", "王小明"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.full, safeText(c.input)) << c.input;
        EXPECT_EQ(c.light, safeTextLight(c.input)) << c.input;
    }
}

TEST(TextGuards, IsTrueReadsStoredFlags) {
    for (const char* f : {"", "0", "False"}) EXPECT_FALSE(isTrue(f)) << f;
    for (const char* t : {"false", "FALSE", "1", "True", "-1", " 0"}) EXPECT_TRUE(isTrue(t)) << t;
}

TEST(Rounding, HalfAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {1.234, 2, 1.23},
        {1.235 + 1e-9, 2, 1.24},
        {-1.235 - 1e-9, 2, -1.24},
        {1.005 + 1e-9, 2, 1.01},
        {12345.6789, 3, 12345.679},
        {0.4, 0, 0},
        {7, 2, 7},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.expected, roundDec(c.value, c.decimals))
            << c.value << " @" << c.decimals;
}

}  // namespace
}  // namespace pos
