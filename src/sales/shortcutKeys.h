#pragma once
#include <array>
#include <string>

namespace pos {

struct PosContext;

// The twelve functions of the sales screen that can be put on keys, in the
// order of the key legend.
inline constexpr std::array<const char*, 12> kKeyFunctions = {
    "付款结账", "修改折扣", "修改数量", "删除当前", "删除全部", "选择会员",
    "打开钱箱", "挂单",     "解挂",     "浏览图片", "锁定屏幕", "设为赠品"};

// Name of the key assigned to a function; empty when none. Built with the
// key assignments; until then every function reads as unassigned.
std::string functionKeyName(PosContext& ctx, const std::string& function);

}  // namespace pos
