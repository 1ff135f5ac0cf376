#include "returns/supervisor.h"

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "login/passwords.h"
#include "platform/messages.h"

namespace pos {

ComboItems supervisorNames(PosContext& ctx) {
    return fillComboWhere(ctx, "jxc_admin", "a_name", "id", "where a_pos<>0", "0", "");
}

void clearSupervisor(SessionState& session) {
    session.supervisorName.clear();
    session.supervisorRole.clear();
}

bool acceptSupervisor(PosContext& ctx, const std::string& name, std::string_view typedPassword) {
    // The counter right is tested here as well as in the list of names, so no
    // caller can pass an operator the window would not offer.
    Query& q = ctx.db.QuerySelect;
    ctx.db.openSelect("select * from jxc_admin where a_pos<>0 and a_name=" + sqlQuote(name) +
                      " and a_pwd=" + sqlQuote(storedPasswordForm(typedPassword)));
    if (q.isEmpty()) {
        q.close();
        clearSupervisor(ctx.session);
        ctx.messages.inform(kWrongSupervisorPassword);
        return false;
    }
    ctx.session.supervisorName = q.fieldText("a_name");
    ctx.session.supervisorRole = q.fieldText("r_sn");
    q.close();
    return true;
}

bool askSupervisor(PosContext& ctx, SupervisorPrompt& prompt, const std::string& caption) {
    clearSupervisor(ctx.session);
    prompt.ask(caption);
    return !ctx.session.supervisorName.empty();
}

}  // namespace pos
