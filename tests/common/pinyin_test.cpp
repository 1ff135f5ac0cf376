#include "common/pinyin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

#include "common/pinyinTable.inc"

struct Case {
    const char* text;
    const char* code;
};

TEST(PinyinCode, ConvertsNamesAndKeepsOtherCharacters) {
    const Case cases[] = {
        {"王小明", "WXM"},
        {"Li张3", "LIZ3"},
        {"", ""},
        {"abc-王 1!", "ABC-W 1!"},
        {"陈 Anna/李", "C ANNA/L"},
        {"é张", "éZ"},         // Latin-1 letter: kept, not upper-cased
        {"Ａ张ａ", "ＡZａ"},   // full-width letters kept as they are
        {"一龥", "YY"},        // first and last ideograph of the table
        {"䷿鿦", "䷿鿦"},  // U+4DFF and U+9FA6, just outside it
        {"㐀𠀀😀", "㐀𠀀😀"},    // extension A, extension B, emoji
        {"兙王", "兙W"},       // no known reading: copied unchanged
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pos::getPinyinCode(c.text), c.code) << "text: " << c.text;
    }
}

TEST(PinyinCode, UsesMostCommonReadingFirst) {
    const Case cases[] = {
        {"一", "Y"}, {"王", "W"}, {"张", "Z"}, {"李", "L"}, {"会", "H"},
        {"行", "X"}, {"长", "C"}, {"重", "Z"}, {"乐", "L"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pos::getPinyinCode(c.text), c.code) << "text: " << c.text;
    }
}

TEST(PinyinCode, CopiesInvalidUtf8BytesUnchanged) {
    const Case cases[] = {
        {"\x80王", "\x80W"},  // stray continuation byte
        {"a\xFF"
         "b",
         "A\xFF"
         "B"},  // byte never valid in UTF-8
        {"\xE7\x8E"
         "a",
         "\xE7\x8E"
         "A"},                                     // 王 cut short, then ASCII
        {"\xE7\x8E王", "\xE7\x8EW"},               // 王 cut short, then 王
        {"王\xE7\x8E", "W\xE7\x8E"},               // cut short at end of text
        {"\xC0\xAF", "\xC0\xAF"},                  // overlong '/'
        {"\xF0\x84\xB8\x80", "\xF0\x84\xB8\x80"},  // overlong 一
        {"\xED\xA0\x80", "\xED\xA0\x80"},          // surrogate
        {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pos::getPinyinCode(c.text), c.code) << "text: " << c.text;
    }
}

TEST(PinyinCode, EveryIdeographMapsToItsTableInitial) {
    for (char32_t cp = 0x4E00; cp <= 0x9FA5; ++cp) {
        const std::string utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                                  static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                                  static_cast<char>(0x80 | (cp & 0x3F))};
        const char initial = kPinyinInitials[(cp - 0x4E00) * 3];
        const std::string expected =
            initial == ' ' ? utf8 : std::string(1, static_cast<char>(initial - 'a' + 'A'));
        ASSERT_EQ(pos::getPinyinCode(utf8), expected)
            << "U+" << std::hex << std::uppercase << static_cast<unsigned>(cp);
    }
}

TEST(PinyinTable, HasThreeDistinctBlankPaddedInitialsPerIdeograph) {
    constexpr std::size_t kCount = 0x9FA5 - 0x4E00 + 1;
    ASSERT_EQ(kCount, 20902u);
    ASSERT_EQ(std::strlen(kPinyinInitials), kCount * 3);

    std::size_t withoutReading = 0;
    for (std::size_t i = 0; i < kCount; ++i) {
        const std::string entry(kPinyinInitials + i * 3, 3);
        const std::size_t letters = entry.find(' ') == std::string::npos ? 3 : entry.find(' ');
        EXPECT_EQ(entry.find_first_not_of(' ', letters), std::string::npos) << "entry " << i;
        for (std::size_t j = 0; j < letters; ++j) {
            EXPECT_TRUE(entry[j] >= 'a' && entry[j] <= 'z') << "entry " << i;
            EXPECT_EQ(entry.find(entry[j]), j) << "repeated initial in entry " << i;
        }
        withoutReading += letters == 0;
    }
    // Almost every ideograph has a reading; a jump here means the generator lost a source.
    EXPECT_LT(withoutReading, 100u);
}

}  // namespace
