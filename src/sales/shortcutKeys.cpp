#include "sales/shortcutKeys.h"

#include <utility>

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sqlText.h"
#include "database/value.h"

namespace pos {

namespace {

// The keys a function may be put on. Up and Down move between records, and
// letters and digits are typed into the sale, so none of them is here.
// clang-format off
constexpr std::pair<int, const char*> kKeyNames[] = {
    {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"},
    {37, "←"},     {39, "→"},       {45, "Insert"},    {46, "Delete"},
    // keypad
    {107, "+"}, {109, "-"}, {111, "/"},
    {112, "F1"}, {113, "F2"}, {114, "F3"}, {115, "F4"}, {116, "F5"}, {117, "F6"},
    {118, "F7"}, {119, "F8"}, {120, "F9"}, {121, "F10"}, {122, "F11"}, {123, "F12"},
    // main-keyboard punctuation (US layout)
    {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {191, "/"}, {192, "`"},
    {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"}};
// clang-format on

std::string keyOf(PosContext& ctx, const std::string& function) {
    return ctx.db.getSqlValue("select gn_jz from jxc_gnb where gn_name=" + sqlQuote(function));
}

}  // namespace

std::string keyName(int code) {
    for (const auto& [c, name] : kKeyNames)
        if (c == code) return name;
    return {};
}

std::string functionKeyName(PosContext& ctx, const std::string& function) {
    std::string code = keyOf(ctx, function);
    if (code.empty()) return {};
    return keyName(static_cast<int>(textToInteger(code)));
}

int getKeyValue(PosContext& ctx, const std::string& function) {
    std::string code = keyOf(ctx, function);
    return code.empty() ? 0 : static_cast<int>(textToInteger(code));
}

int KeyTable::codeOf(std::string_view function) const {
    for (size_t i = 0; i < kKeyFunctions.size(); ++i)
        if (function == kKeyFunctions[i]) return codes[i];
    return 0;
}

std::string KeyTable::functionOfKey(int code) const {
    if (code == kFixedCheckoutKey) return kCheckoutFunction;
    if (code == 0) return {};
    // Two functions share a code only in hand-edited data; the legend's order decides.
    for (size_t i = 0; i < kKeyFunctions.size(); ++i)
        if (codes[i] == code) return kKeyFunctions[i];
    return {};
}

KeyTable loadKey(PosContext& ctx) {
    KeyTable table;
    for (size_t i = 0; i < kKeyFunctions.size(); ++i)
        table.codes[i] = getKeyValue(ctx, kKeyFunctions[i]);
    return table;
}

KeyAssignment assignKey(PosContext& ctx, const std::string& function, int code) {
    // 0 is "no key" (an unmapped key, or a stored function without a key): it
    // must never read as a key some function already has.
    if (code == 0) return {};
    std::string owner =
        ctx.db.getSqlValue("select gn_name from jxc_gnb where gn_jz=" + std::to_string(code));
    if (owner.empty() && code == kFixedCheckoutKey) owner = kCheckoutFunction;
    if (owner.empty() && code == kHelpKey) owner = kHelpFunction;
    if (!owner.empty())
        return {KeyAssignment::Outcome::Refused,
                "该键已设置为 “" + owner + "” 的快捷键，\r\n\r\n请选择其它键！"};
    if (keyName(code).empty()) return {};

    const std::string name = sqlQuote(function);
    const std::string key = std::to_string(code);
    if (!ctx.db.getSqlValue("select gn_name from jxc_gnb where gn_name=" + name).empty())
        ctx.db.execSql("update jxc_gnb set gn_jz=" + key + " where gn_name=" + name);
    else
        ctx.db.execSql("insert into jxc_gnb (gn_name,gn_jz) values (" + name + "," + key + ")");
    return {KeyAssignment::Outcome::Saved, {}};
}

}  // namespace pos
