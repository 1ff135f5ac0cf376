#include "common/textGuards.h"

namespace pos {

namespace {

// Replacement of one ASCII character; nullptr keeps it, "" removes it.
const char* fullGuard(char c) {
    switch (c) {
        case '\'':
            return "‘";
        case '?':
            return "？";
        case '%':
            return "％";
        case '!':
            return "！";
        case '$':
            return "￥";
        case '&':
            return "＆";
        case ',':
            return "，";
        case '(':
            return "（";
        case ')':
            return "）";
        case '+':
            return "＋";
        case '-':
            return "－";
        case '/':
            return "／";
        case '@':
            return "＠";
        case '^':
            return "";
        case '~':
            return "～";
        case '`':
            return "";
        case '"':
            return "“";
        default:
            return nullptr;
    }
}

const char* lightGuard(char c) {
    switch (c) {
        case '(':
        case ')':
        case '+':
        case '-':
        case '/':
            return nullptr;
        default:
            return fullGuard(c);
    }
}

template <typename Guard>
std::string guard(std::string_view text, Guard g) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const char* r = g(c);
        if (r)
            out += r;
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string safeText(std::string_view text) { return guard(text, fullGuard); }

std::string safeTextLight(std::string_view text) { return guard(text, lightGuard); }

bool isRefusedInputCharacter(char c) {
    static constexpr std::string_view refused = "!%&',=?@[\\]^\"";
    return c != '\0' && refused.find(c) != std::string_view::npos;
}

std::string trimBlanks(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return std::string(text.substr(b, text.find_last_not_of(' ') - b + 1));
}

bool isTrue(std::string_view text) { return !(text.empty() || text == "0" || text == "False"); }

}  // namespace pos
