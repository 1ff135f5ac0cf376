#pragma once
// Supervisor authorisation at the counter: before a return, cash in, cash out
// and a price change on the sales screen, an operator with the counter right
// (a_pos) confirms with name and password. The authoriser is left in
// supervisorName and supervisorRole of the session for the caller, who clears
// both before asking and after use.
#include <string>
#include <string_view>

#include "common/comboLists.h"

namespace pos {

struct PosContext;
struct SessionState;

// Captions of the authorisation window, one per purpose.
inline constexpr const char* kReturnAuthorisation = "退货-柜长授权";
inline constexpr const char* kCashInAuthorisation = "入款-柜长授权";
inline constexpr const char* kCashOutAuthorisation = "出款-柜长授权";
inline constexpr const char* kPriceChangeAuthorisation = "修改售价-柜长授权";

inline constexpr const char* kWrongSupervisorPassword = "用户密码不正确，请重新输入！";

// Shows the authorisation window modally with `caption`; on return
// supervisorName is set when somebody authorised, empty otherwise.
class SupervisorPrompt {
  public:
    virtual ~SupervisorPrompt() = default;
    virtual void ask(const std::string& caption) = 0;
};

// The operators offered for authorisation: those with the counter right
// (a_pos<>0), in the order of their rows, no blank item.
ComboItems supervisorNames(PosContext& ctx);

// Checks name and password (compared in the stored form of passwords). Right:
// the operator's a_name and r_sn go to supervisorName and supervisorRole.
// Wrong, or an operator without the counter right: both are cleared, the
// cashier is told "用户密码不正确，请重新输入！" and the result is false.
bool acceptSupervisor(PosContext& ctx, const std::string& name, std::string_view typedPassword);

void clearSupervisor(SessionState& session);

// Clears the supervisor fields and asks through `prompt`; true when somebody
// authorised. The fields stay set for the caller, who clears them after use.
bool askSupervisor(PosContext& ctx, SupervisorPrompt& prompt, const std::string& caption);

}  // namespace pos
