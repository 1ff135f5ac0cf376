#include "sales/heldSales.h"

#include "common/comboLists.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/saleScreen.h"

namespace pos {

namespace {

double numberOf(const std::string& text) {
    double d = 0;
    return parseNumber(text, d) ? d : 0;
}

// The held header of `number` (never a posted sale's).
std::string heldHeader(const std::string& number) {
    return " where gl_djh=" + sqlQuote(number) + " and pos_note=" + sqlQuote(kHeldMark);
}

// Attaches the member `code` to the screen as the member selection would;
// no member when the code is empty or no longer names a member.
void attachMember(PosContext& ctx, SaleScreen& screen, const std::string& code) {
    screen.member.clear();
    ctx.session.memberBalance.clear();
    if (code.empty()) return;
    TF_DataModule& db = ctx.db;
    db.openSelect(
        "select a.*,b.hl_name,b.hl_zk from jxc_hyxx a,jxc_hyfl b where a.hl_sn=b.hl_sn and "
        "a.hy_sn=" +
        sqlQuote(code));
    Query& m = db.QuerySelect;
    if (!m.isEmpty()) {
        MemberPanel& p = screen.member;
        p.number = m.fieldText("hy_bh");
        p.name = m.fieldText("hy_name");
        p.points = m.fieldText("hy_jf");
        p.level = m.fieldText("hl_name");
        p.discount = m.fieldText("hl_zk");
        p.balance = m.fieldText("hy_zhje");
        p.mobile = m.fieldText("hy_mobile");
        // Set exactly while a member is attached, whatever the balance.
        ctx.session.memberBalance = p.balance.empty() ? "0" : p.balance;
    }
    m.close();
}

}  // namespace

bool posGD(PosContext& ctx, SaleScreen& screen, const std::function<void()>& startNewSale) {
    TF_DataModule& db = ctx.db;
    const std::string number = screen.saleNumber;
    const std::string op = ctx.session.operatorName;
    const std::string salesperson = getComboValue(screen.guides, screen.guide);
    const std::string warehouse = screen.warehouseCode();
    const std::string member = screen.member.number.empty()
                                   ? std::string()
                                   : db.getSqlValue("select hy_sn from jxc_hyxx where hy_bh=" +
                                                    sqlQuote(screen.member.number));
    const std::string working = " where gl_djh=" + sqlQuote(number) + " and a_name=" + sqlQuote(op);
    {
        TF_DataModule::Transaction tx(db);
        const long long held = db.execSql(
            // The buyer's registration travels with the lines, so a recalled
            // prescription line is still registered when it is paid.
            "insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,"
            "t_yxq,t_ph,t_mjph,t_scrq,pos_cbj,pos_zcb,pos_lsj,pos_zsl,dw_name,g_sptm,g_zhxs,t_zp,"
            "g_tmbz,pos_xm,pos_cardno,t_cfsm,t_cfhm,t_addr,t_mobile,t_yaoshi) select gl_djh,g_sn,"
            "ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,t_yxq,t_ph,t_mjph,t_scrq,ls_cbj,ls_zcb,"
            "ls_lsj,ls_zsl,dw_name,g_sptm,g_zhxs,t_zp,g_tmbz,ls_xm,ls_cardno,t_cfsm,t_cfhm,"
            "t_addr,t_mobile,t_yaoshi from "
            "jxc_lsxssp" +
            working + " order by id");
        if (held == 0) {
            tx.commit();  // nothing was written
            return false;
        }
        db.execSql(
            "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_sfje,pos_note,a_name,"
            "u_sn,ck_sn) values (" +
            sqlQuote(number) + "," + sqlQuote(member) + "," + sqlQuote(ctx.clock.now().date()) +
            "," + sqlNumber(numberOf(screen.total)) + ",0," + sqlQuote(kHeldMark) + "," +
            sqlQuote(op) + "," + sqlQuote(salesperson) + "," + sqlQuote(warehouse) + ")");
        db.execSql("delete from jxc_lsxssp" + working);
        tx.commit();
    }
    screen.openGridViewData(number);
    ctx.messages.inform("挂单成功！");
    if (startNewSale)
        startNewSale();
    else
        screen.setInitValue("");
    return true;
}

RecallOutcome posJG(PosContext& ctx, SaleScreen& screen,
                    const std::function<bool()>& showHeldSales) {
    if (screen.hasLines()) {
        ctx.messages.inform("系统处于销售状态，不能解挂！");
        return RecallOutcome::Refused;
    }
    std::string& balance = ctx.session.memberBalance;
    const std::string before = balance;
    balance.clear();
    const bool recalled = showHeldSales && showHeldSales();
    // Nothing came back: the (empty) sale keeps the member it had.
    if (!recalled) balance = before;
    screen.openGridViewData(screen.saleNumber);
    screen.updateBottomHjje();
    return balance.empty() ? RecallOutcome::KeyLegend : RecallOutcome::MemberPanel;
}

void searchHeldSales(PosContext& ctx, const std::string& memberText, const std::string& from,
                     const std::string& to) {
    const std::string key = safeText(trimBlanks(memberText));
    const std::string like = sqlQuote("%" + key + "%");
    ctx.db.openSql(ctx.db.Q_PosJg,
                   "select * from (select a.*,iif(b.hy_name is null,'',b.hy_name) as hyname,"
                   "iif(b.hy_bh is null,'',b.hy_bh) as hybh from jxc_posxsd a left outer join "
                   "jxc_hyxx b on a.hy_sn=b.hy_sn) where pos_note=" +
                       sqlQuote(kHeldMark) + " and pos_xsrq>=" + sqlQuote(from) +
                       " and pos_xsrq<=" + sqlQuote(to + " 23:59:59") + " and (hyname like " +
                       like + " or hybh like " + like + ") order by id");
}

std::string openHeldSaleLines(PosContext& ctx) {
    TF_DataModule& db = ctx.db;
    Query& list = db.Q_PosJg;
    if (!list.active() || list.isEmpty()) {
        db.Q_PosJg2.close();
        return {};
    }
    const std::string number = list.fieldText("gl_djh");
    db.openSql(db.Q_PosJg2,
               "select a.*,(b.g_name+a.t_zp) as g_name,a.pos_dj*a.pos_dzl as dhdj from "
               "jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and gl_djh=" +
                   sqlQuote(number) + " order by a.id");
    return number;
}

std::string heldSaleLinesCaption(const std::string& number) {
    return "单据 " + number + " 的详细信息";
}

bool recallHeldSale(PosContext& ctx, SaleScreen& screen) {
    TF_DataModule& db = ctx.db;
    Query& list = db.Q_PosJg;
    if (!list.active() || list.isEmpty() || list.eof()) return false;
    const std::string number = list.fieldText("gl_djh");
    const std::string member = list.fieldText("hy_sn");
    {
        TF_DataModule::Transaction tx(db);
        // Taking the header first makes a second recall of the same sale (another
        // till, a stale list) find nothing instead of copying the lines twice.
        if (db.execSql("delete from jxc_posxsd" + heldHeader(number)) == 0) {
            tx.commit();
            list.open();
            openHeldSaleLines(ctx);
            return false;
        }
        // The lines come back under the operator recalling them, so they show on
        // this screen whoever held them.
        db.execSql(
            "insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,"
            "ls_je,ls_tax,ls_taxdj,ls_taxje,ls_lsj,ls_cksl,ls_cbj,ls_zcb,ls_dhdj,t_yxq,t_ph,"
            "t_mjph,t_scrq,ls_zsl,dw_name,g_sptm,g_zhxs,g_tmbz,ls_xm,ls_cardno,t_cfsm,t_cfhm,"
            "t_addr,t_mobile,t_yaoshi) select gl_djh,pos_dj,pos_sl,"
            "pos_zje,g_sn," +
            sqlQuote(ctx.session.operatorName) +
            ",pos_dzl,pos_zje,t_zp,pos_zje,0,pos_dj,0,pos_lsj,pos_sl,pos_cbj,pos_zcb,"
            "pos_dj*pos_dzl,t_yxq,t_ph,t_mjph,t_scrq,pos_zsl,dw_name,g_sptm,g_zhxs,g_tmbz,"
            "pos_xm,pos_cardno,t_cfsm,t_cfhm,t_addr,t_mobile,t_yaoshi from "
            "jxc_posxssp where gl_djh=" +
            sqlQuote(number) + " order by id");
        db.execSql("delete from jxc_posxssp where gl_djh=" + sqlQuote(number));
        tx.commit();
    }
    screen.setInitValue(number);
    attachMember(ctx, screen, member);
    return true;
}

bool deleteHeldSale(PosContext& ctx) {
    TF_DataModule& db = ctx.db;
    Query& list = db.Q_PosJg;
    if (!list.active() || list.isEmpty() || list.eof()) return false;
    if (ctx.messages.askYesNo("您确定要删除单据信息吗！") != Answer::Yes) return false;
    const std::string number = list.fieldText("gl_djh");
    {
        TF_DataModule::Transaction tx(db);
        if (db.execSql("delete from jxc_posxsd" + heldHeader(number)) > 0)
            db.execSql("delete from jxc_posxssp where gl_djh=" + sqlQuote(number));
        tx.commit();
    }
    list.open();
    openHeldSaleLines(ctx);
    return true;
}

void clearHeldSales(PosContext& ctx) {
    const std::string& keep = ctx.params.cs_poshooktoday;
    if (keep == "0" || keep == "False") return;
    TF_DataModule& db = ctx.db;
    const std::string earlier =
        "select gl_djh from jxc_posxsd where pos_note=" + sqlQuote(kHeldMark) + " and pos_xsrq<" +
        sqlQuote(ctx.clock.now().date());
    TF_DataModule::Transaction tx(db);
    db.execSql("delete from jxc_posxssp where gl_djh in (" + earlier + ")");
    db.execSql("delete from jxc_posxsd where pos_note=" + sqlQuote(kHeldMark) + " and pos_xsrq<" +
               sqlQuote(ctx.clock.now().date()));
    tx.commit();
}

}  // namespace pos
