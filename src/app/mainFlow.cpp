#include "app/mainFlow.h"

#include "app/makerInfo.h"
#include "common/operationLog.h"
#include "common/stockLedger.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "login/rights.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/heldSales.h"
#include "sales/shortcutKeys.h"

namespace pos {

StartupOutcome runStartupSequence(PosContext& ctx, SalesWindowSetup& window) {
    // Settings first: the rights test needs the warehouse binding setting.
    loadSystemParameters(ctx, [&](const std::string& g, int n) { return hasRight(ctx, g, n); });
    if (!hasRight(ctx, "xsgl", 23)) {
        ctx.messages.inform("您没有使用POS系统的权限，系统将退出！");
        return StartupOutcome::NoRight;
    }
    openStockMonth(ctx, ctx.clock.now().month7());
    window.untickWholeSaleDiscount();

    std::vector<std::string> keys;
    for (const char* f : kKeyFunctions) keys.push_back(functionKeyName(ctx, f));
    window.showKeyNames(keys);
    window.setSoftPane(std::string(kMaker.shortestName) + "软件");

    ctx.session.shiftStart = computeShiftStart(ctx);
    window.setCompanyName(ctx.params.c_jc);
    window.setCaption(std::string(kMaker.shortestName) + kProductTitle + " " + kMaker.version);

    auto staff = [&](const char* duty) {
        return fillCodeComboWhere(ctx, "jxc_user", "u_name", "u_sn", "id",
                                  std::string("where ") + duty + "<>0", " ");
    };
    window.setStaffLists(staff("u_yg"), staff("u_jg"), staff("u_xsy"));

    clearHeldSales(ctx);
    setPoscs(ctx);
    window.initCustomerDisplay();
    window.newSale();
    window.showWindow();
    window.applyNumberFormats();
    window.showDiscountColumns(isTrue(ctx.params.cs_posdj));
    return StartupOutcome::Ready;
}

std::string computeShiftStart(PosContext& ctx) {
    std::string start = ctx.clock.now().dateTime();
    const std::string op = sqlQuote(ctx.session.operatorName);
    const std::string today = " and datediff('d',pos_xsrq,date())=0";
    std::string other = ctx.db.getSqlValue("select top 1 id from jxc_posxsd where a_name<>" + op +
                                           today + " order by id desc");
    std::string first;
    if (!other.empty())
        first = ctx.db.getSqlValue("select top 1 pos_xsrq from jxc_posxsd where a_name=" + op +
                                   today + " and id>" + other + " order by id");
    else
        first = ctx.db.getSqlValue("select top 1 pos_xsrq from jxc_posxsd where a_name=" + op +
                                   today + " order by id");
    // Held sales carry a date without a time: they do not start a shift.
    if (first.size() > 10) start = first;
    return start;
}

CloseOutcome closeSalesWindow(PosContext& ctx, const std::string& saleNumber, bool hasLines,
                              const std::function<void()>& pay) {
    const std::string deleteLines = "delete from jxc_lsxssp where gl_djh=" + sqlQuote(saleNumber) +
                                    " and a_name=" + sqlQuote(ctx.session.operatorName);
    if (hasLines) {
        Answer a = ctx.messages.askYesNoCancel("所选商品还未保存，是否保存？");
        try {
            if (a == Answer::Yes && pay) pay();
            if (a == Answer::No) ctx.db.execSql(deleteLines);
        } catch (const std::exception&) {
        }
    }
    if (ctx.messages.askYesNo("是否要退出POS系统？") != Answer::Yes) return CloseOutcome::Stay;
    try {
        ctx.db.execSql(deleteLines);
        ctx.session.memberBalance.clear();
        ctx.db.Q_Posxs.close();
        ctx.db.Q_PosGoods.close();
        writeLog(ctx, "退出POS系统");
    } catch (const std::exception&) {
    }
    return CloseOutcome::Exit;
}

}  // namespace pos
