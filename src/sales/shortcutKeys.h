#pragma once
// The configurable shortcut keys of the sales screen. Assignments are stored
// in jxc_gnb as Windows virtual-key codes (gn_jz), so a shop's stored
// assignments keep working; the windows map Qt's keys to those codes.
#include <array>
#include <string>
#include <string_view>

namespace pos {

struct PosContext;

// The twelve functions of the sales screen that can be put on keys, in the
// order of the key legend.
inline constexpr std::array<const char*, 12> kKeyFunctions = {
    "付款结账", "修改折扣", "修改数量", "删除当前", "删除全部", "选择会员",
    "打开钱箱", "挂单",     "解挂",     "浏览图片", "锁定屏幕", "设为赠品"};

inline constexpr const char* kCheckoutFunction = "付款结账";
// F5 always pays and F1 is help, whatever jxc_gnb says.
inline constexpr int kFixedCheckoutKey = 116;
inline constexpr int kHelpKey = 112;
inline constexpr const char* kHelpFunction = "帮助";

// Name shown for a virtual-key code; empty for a code that cannot be assigned
// (letters, digits, Up and Down among them).
std::string keyName(int code);

// Name of the key assigned to a function; empty when none or when the stored
// code has no name.
std::string functionKeyName(PosContext& ctx, const std::string& function);

// Stored code of a function's key; 0 when none.
int getKeyValue(PosContext& ctx, const std::string& function);

// The sales window's key table, read once and consulted on every key press.
struct KeyTable {
    // Codes in the order of kKeyFunctions; 0 for a function without a key.
    std::array<int, kKeyFunctions.size()> codes{};

    int codeOf(std::string_view function) const;
    // Function of a pressed key: F5 and the configured checkout key both pay;
    // empty when no function has the code. Code 0 (no key) never matches.
    std::string functionOfKey(int code) const;
};

KeyTable loadKey(PosContext& ctx);

// What pressing a key in the key settings did.
struct KeyAssignment {
    enum class Outcome {
        Saved,    // the function now has the key; its previous key is free
        Refused,  // the key belongs to a function (or is F5/F1): message says which
        Ignored,  // the key has no name and cannot be assigned
    };
    Outcome outcome = Outcome::Ignored;
    std::string message;  // the refusal; empty otherwise
};

// Gives `function` the key `code` unless another function (or the function
// itself) already has it; saved at once.
KeyAssignment assignKey(PosContext& ctx, const std::string& function, int code);

}  // namespace pos
