#include "login/rights.h"

#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"

namespace pos {

bool hasRight(PosContext& ctx, const std::string& group, int position) {
    const SessionState& s = ctx.session;
    if (ctx.params.cs_cgyh == "1" && s.roleCode != kAdministratorRole) {
        std::string bound = ctx.db.getSqlValue("select ck_sn from jxc_ckxx where ck_asn like " +
                                               sqlQuote("%" + s.operatorCode + "%"));
        if (bound.empty()) return false;
    }
    std::string flags =
        ctx.db.getSqlValue("select " + group + " from jxc_role where r_sn=" + sqlQuote(s.roleCode));
    return position >= 1 && static_cast<size_t>(position) <= flags.size() &&
           flags[static_cast<size_t>(position) - 1] == '1';
}

}  // namespace pos
