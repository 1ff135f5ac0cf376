#pragma once
// Pasting values into statement text. Every text value goes through sqlQuote,
// which doubles single quotes, so no input can end a literal early and change a
// statement; the text guards still decide the stored form where they apply.
#include <string>
#include <string_view>

#include "database/value.h"

namespace pos {

// 'text' with every ' doubled.
inline std::string sqlQuote(std::string_view text) {
    std::string r;
    r.reserve(text.size() + 2);
    r += '\'';
    for (char c : text) {
        if (c == '\'') r += '\'';
        r += c;
    }
    r += '\'';
    return r;
}

// "name" with every " doubled: an identifier in SQLite's quoting.
inline std::string sqlQuoteName(std::string_view name) {
    std::string r = "\"";
    for (char c : name) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

// A number in the general form with a point, never a locale's comma.
inline std::string sqlNumber(double v) { return formatNumber(v); }

}  // namespace pos
