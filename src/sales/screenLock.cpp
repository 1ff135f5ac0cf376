#include "sales/screenLock.h"

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "login/passwords.h"
#include "platform/messages.h"

namespace pos {

bool unlockMatches(PosContext& ctx, std::string_view typed) {
    return !ctx.db
                .getSqlValue("select a_name from jxc_admin where a_name=" +
                             sqlQuote(ctx.session.operatorName) +
                             " and a_pwd=" + sqlQuote(storedPasswordForm(typed)))
                .empty();
}

bool tryUnlock(PosContext& ctx, std::string_view typed) {
    if (unlockMatches(ctx, typed)) return true;
    ctx.messages.inform(kWrongLockPassword, MessageIcon::Information);
    return false;
}

}  // namespace pos
