#pragma once
// The login and the password change, as the windows call them.
#include <string>
#include <string_view>

#include "common/comboLists.h"

namespace pos {

struct PosContext;

// Operators who may log in (a_jyt=0), coded by a_sn; an older store without
// a_jyt offers every operator, uncoded.
ComboItems loginOperators(PosContext& ctx);

// "初始密码为空" while an operator without a password is selected, else empty.
std::string passwordHint(PosContext& ctx, const std::string& operatorName);

// Checks name and password. Accepted: fills the operator into the session,
// runs the login-time member processing and sets loginAccepted. Refused: shows
// "用户密码不正确，请重新输入！" and returns false.
bool acceptLogin(PosContext& ctx, const std::string& operatorName, std::string_view typedPassword);

// Changes the logged-in operator's password: the two new ones must agree and
// the current one must be right. Shows the outcome; true when changed.
bool changePassword(PosContext& ctx, std::string_view current, std::string_view newPassword,
                    std::string_view repeated);

}  // namespace pos
