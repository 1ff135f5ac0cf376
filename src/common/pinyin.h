// Letter code of a Chinese name: the upper-case initials of its Mandarin
// readings (王小明 -> "WXM"). Members are looked up by this code at the till.
#pragma once

#include <string>
#include <string_view>

namespace pos {

// Returns the letter code of UTF-8 text. Each ideograph U+4E00..U+9FA5 becomes
// the initial of its most common reading; every other character, and any
// invalid UTF-8 byte, is copied unchanged. ASCII letters are then upper-cased.
std::string getPinyinCode(std::string_view text);

}  // namespace pos
