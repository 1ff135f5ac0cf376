#pragma once
// The screen lock: the sales screen stays covered until the logged-in
// operator types their own password.
#include <string_view>

namespace pos {

struct PosContext;

inline constexpr const char* kWrongLockPassword = "用户密码错误，请重新输入！";

// Whether `typed` is the logged-in operator's password (compared in the stored
// form the login uses, so surrounding blanks do not matter).
bool unlockMatches(PosContext& ctx, std::string_view typed);

// unlockMatches, telling the operator when the password is wrong.
bool tryUnlock(PosContext& ctx, std::string_view typed);

}  // namespace pos
