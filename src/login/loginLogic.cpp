#include "login/loginLogic.h"

#include <cstring>

#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/dbError.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "login/passwords.h"
#include "members/loginBonusRelease.h"
#include "platform/messages.h"

namespace pos {

ComboItems loginOperators(PosContext& ctx) {
    try {
        return fillCodeComboWhere(ctx, "jxc_admin", "a_name", "a_sn", "id", "where a_jyt=0", "");
    } catch (const DbError&) {
        return fillCombo(ctx, "jxc_admin", "a_name", "id", "0", "");
    }
}

std::string passwordHint(PosContext& ctx, const std::string& operatorName) {
    std::string pwd =
        ctx.db.getSqlValue("select a_pwd from jxc_admin where a_name=" + sqlQuote(operatorName));
    return pwd.empty() ? "初始密码为空" : "";
}

bool acceptLogin(PosContext& ctx, const std::string& operatorName, std::string_view typedPassword) {
    Query& q = ctx.db.QuerySelect;
    ctx.db.openSelect("select * from jxc_admin where a_name=" + sqlQuote(operatorName) +
                      " and a_pwd=" + sqlQuote(storedPasswordForm(typedPassword)));
    if (q.isEmpty()) {
        q.close();
        ctx.messages.inform("用户密码不正确，请重新输入！");
        return false;
    }
    ctx.session.operatorName = q.fieldText("a_name");
    ctx.session.operatorCode = q.fieldText("a_sn");
    ctx.session.roleCode = q.fieldText("r_sn");
    q.close();
    releaseLoginBonuses(ctx);
    ctx.session.loginAccepted = "1";
    return true;
}

bool changePassword(PosContext& ctx, std::string_view current, std::string_view newPassword,
                    std::string_view repeated) {
    if (trimBlanks(newPassword) != trimBlanks(repeated)) {
        ctx.messages.inform("两次密码输入不一致，不能修改密码！");
        return false;
    }
    const std::string who = sqlQuote(ctx.session.operatorName);
    if (ctx.db
            .getSqlValue("select a_sn from jxc_admin where a_name=" + who +
                         " and a_pwd=" + sqlQuote(storedPasswordForm(current)))
            .empty()) {
        ctx.messages.inform("当前密码错误，不能修改密码！");
        return false;
    }
    ctx.db.execSql("update jxc_admin set a_pwd=" + sqlQuote(storedPasswordForm(newPassword)) +
                   " where a_name=" + who);
    ctx.messages.inform("密码修改成功！");
    return true;
}

}  // namespace pos
