#include "common/pinyin.h"

#include <cstddef>
#include <cstdint>

namespace pos {
namespace {

#include "common/pinyinTable.inc"

constexpr char32_t kFirstIdeograph = 0x4E00;
constexpr char32_t kLastIdeograph = 0x9FA5;
constexpr std::size_t kInitialsPerChar = 3;

static_assert(sizeof(kPinyinInitials) ==
              (kLastIdeograph - kFirstIdeograph + 1) * kInitialsPerChar + 1);

// Decodes one well-formed UTF-8 sequence starting at text[pos] (a non-ASCII
// lead byte). Returns its length, or 0 if the bytes are not valid UTF-8
// (bad lead or continuation byte, truncation, overlong form, surrogate or a
// value above U+10FFFF).
std::size_t decodeMultiByte(std::string_view text, std::size_t pos, char32_t& cp) {
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byteAt(pos);

    std::size_t length = 0;
    char32_t minValue = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minValue = 0x80, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minValue = 0x800, cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minValue = 0x10000, cp = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - pos < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byteAt(pos + i);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minValue || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

char toUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string getPinyinCode(std::string_view text) {
    std::string code;
    code.reserve(text.size());

    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<std::uint8_t>(text[pos]) < 0x80) {
            code += toUpperAscii(text[pos]);
            ++pos;
            continue;
        }

        char32_t cp = 0;
        const std::size_t length = decodeMultiByte(text, pos, cp);
        if (length == 0) {
            code += text[pos];  // invalid byte: copy it and resynchronise
            ++pos;
            continue;
        }

        if (cp >= kFirstIdeograph && cp <= kLastIdeograph) {
            const char initial = kPinyinInitials[(cp - kFirstIdeograph) * kInitialsPerChar];
            if (initial != ' ') {
                code += toUpperAscii(initial);
                pos += length;
                continue;
            }
        }
        code.append(text.substr(pos, length));  // unchanged, already UTF-8
        pos += length;
    }
    return code;
}

}  // namespace pos
