#include "checkout/salePosting.h"

#include <cmath>

#include "common/defaultLookups.h"
#include "common/operationLog.h"
#include "common/rounding.h"
#include "common/stockLedger.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "members/memberAccount.h"
#include "platform/clock.h"

namespace pos {

namespace {

double number(const std::string& text) {
    double d = 0;
    return parseNumber(text, d) ? d : 0;
}

std::string orZero(const std::string& v) { return v.empty() ? "0" : v; }

const char* kLineColumns =
    "gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,t_yxq,t_ph,t_mjph,t_scrq,pos_cbj,"
    "pos_zcb,pos_lsj,pos_zsl,dw_name,g_sptm,g_zhxs,t_zp,pos_xm,pos_cardno,t_cfsm,t_cfhm,t_addr,"
    "t_mobile,t_yaoshi,g_tmbz";

// Copies the working lines into the POS record, one line each or merged by
// goods, unit and unit factor.
void copyLines(TF_DataModule& db, const std::string& n, bool merge) {
    const std::string into = std::string("insert into jxc_posxssp (") + kLineColumns + ") ";
    if (!merge) {
        db.execSql(into +
                   "select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,t_yxq,t_ph,t_mjph,"
                   "t_scrq,ls_cbj,ls_zcb,ls_lsj,ls_zsl,dw_name,g_sptm,g_zhxs,t_zp,ls_xm,ls_cardno,"
                   "t_cfsm,t_cfhm,t_addr,t_mobile,t_yaoshi,g_tmbz from jxc_lsxssp where gl_djh=" +
                   n + " order by id");
        return;
    }
    db.execSql(into +
               "select max(gl_djh),g_sn,max(ls_dj),sum(ls_sl),sum(ls_zje),max(ls_dzl),sum(ls_zhje),"
               "max(a_name),max(t_yxq),max(t_ph),max(t_mjph),max(t_scrq),max(ls_cbj),sum(ls_zcb),"
               "max(ls_lsj),sum(ls_zsl),dw_name,max(g_sptm),g_zhxs,max(t_zp),max(ls_xm),"
               "max(ls_cardno),max(t_cfsm),max(t_cfhm),max(t_addr),max(t_mobile),max(t_yaoshi),"
               "max(g_tmbz) from jxc_lsxssp where gl_djh=" +
               n + " group by g_sn,dw_name,g_zhxs order by g_sn");
}

}  // namespace

void postSale(PosContext& ctx, const SaleToPost& sale) {
    TF_DataModule& db = ctx.db;
    const SystemParameters& p = ctx.params;
    const std::string n = sqlQuote(sale.number);
    const double due = number(sale.amountDue);
    const double m = sale.roundingOff;
    const LocalDateTime started = ctx.clock.now();
    const std::string today = started.date();

    TF_DataModule::Transaction tx(db);

    db.execSql(
        "update jxc_lsxssp set ls_cksl=ls_sl,ls_zcb=ls_cbj*ls_sl,ls_zsl=ls_sl*g_zhxs,"
        "ls_je=ls_zje,ls_taxdj=ls_dj,ls_cbj2=ls_cbj/g_zhxs where gl_djh=" +
        n);
    const std::string member = sale.memberNumber.empty()
                                   ? std::string()
                                   : db.getSqlValue("select hy_sn from jxc_hyxx where hy_bh=" +
                                                    sqlQuote(sale.memberNumber));

    // Whatever an earlier attempt left behind; lines of quantity 0 leave the sale.
    db.execSql("delete from jxc_posxssp where gl_djh=" + n);
    db.execSql("delete from jxc_posxsd where gl_djh=" + n);
    db.execSql("delete from jxc_lsxssp where ls_sl=0 and gl_djh=" + n);
    db.execSql("delete from jxc_lsxsd where gl_djh=" + n);

    copyLines(db, n, isTrue(p.cs_possk));
    db.execSql("update jxc_posxssp set t_zp='' where t_zp is null and gl_djh=" + n);
    const double lineDiscount = number(db.getSqlValue(
        "select sum(ls_dj*ls_sl-ls_zje) as yhzkje from jxc_lsxssp where gl_djh=" + n));

    // The POS record's header.
    Query& q = db.QuerySelect;
    db.openSelect("select * from jxc_posxsd where 1>2");
    q.append();
    auto text = [&](const char* f, const std::string& v) { q.setField(f, Value::text(v)); };
    auto real = [&](const char* f, double v) { q.setField(f, Value::real(v)); };
    text("gl_djh", sale.number);
    text("pos_xsrq", started.dateTime());
    text("hy_sn", member);
    text("kh_sn", getDefaultKhSn(ctx));
    text("ck_sn", sale.warehouse);
    text("u_sn", sale.salesperson == "-1" ? "" : sale.salesperson);
    text("a_name", ctx.session.operatorName);
    real("pos_yfje", due - m);
    real("pos_sfje", due - m);
    real("pos_mlje", m);
    real("pos_yhje", m);
    real("pos_yhzkje", m + lineDiscount);
    q.setField("pos_zffs", Value::integer(5));
    real("pos_xj", sale.cash);
    real("pos_czk", sale.card);
    real("pos_yhk", sale.bank);
    real("pos_djq", sale.insurance);
    real("pos_wxje", sale.wechat);
    real("pos_zfbje", sale.alipay);
    text("pos_zlje", sale.change);
    text("pos_note", sale.remark);
    text("pos_rjid", "");
    text("pos_bcjf", "0");
    text("pos_zjf", "0");
    real("pos_jfye", 0);
    text("pos_name", trimBlanks(sale.customerName));
    text("pos_tele", trimBlanks(sale.customerPhone));
    const char* optical[] = {"pos_qjz", "pos_qjy",   "pos_zjz",   "pos_zjy", "pos_zxz",
                             "pos_zxy", "pos_jzslz", "pos_jzsly", "pos_tj",  "pos_add"};
    for (size_t i = 0; i < sale.optical.size(); ++i) text(optical[i], trimBlanks(sale.optical[i]));
    text("pos_yt", sale.purpose);
    text("pos_qjrq", sale.pickupDate);
    text("pos_bz", trimBlanks(sale.opticalRemark));
    text("pos_ygs", sale.optometristName);
    text("pos_jgy", sale.processorName);
    text("pos_xsy", sale.sellerName);
    text("u_ygs", sale.optometristCode);
    text("u_jgy", sale.processorCode);
    text("u_xsy", sale.sellerCode);
    q.post();
    q.close();

    if (!member.empty()) postMemberAccount(ctx, sale.number, member, "XS");
    const std::string profit =
        orZero(db.getSqlValue("select sum(a.pos_zje-a.pos_sl*b.g_pjjj) as lr from jxc_posxssp "
                              "a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=" +
                              n));
    const std::string saleDate = isTrue(p.cs_cs014) ? started.dateTime() : today;
    db.execSql(
        "insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,"
        "ls_yhje,ls_th,ls_qk,ls_lr,hy_sn,pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_rjid,ls_jsfs,"
        "ls_kmmc,ls_status,ls_checker,ls_chkrq,ls_dhbz,ls_hkje,ls_fpno,ls_fpje,ls_yf,ls_bzf) "
        "select "
        "gl_djh,kh_sn,ck_sn," +
        sqlQuote(saleDate) + "," + sqlNumber(due) + ",pos_sfje,u_sn,pos_note,a_name," +
        sqlNumber(m) + ",0,0," + profit + "," + sqlQuote(member) +
        ",pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_rjid,0,'现金',1,a_name," + sqlQuote(today) +
        ",1,0,'',0,0,0 from jxc_posxsd where gl_djh=" + n);
    if (m != 0) applyRoundingOff(ctx, sale.number, due, due - m);
    postSaleDocument(ctx, sale.number);
    db.execSql("update jxc_goodslist set gl_fdmc='99' where gl_djh=" + n);
    tx.commit();

    // The notice goes out only for a sale that is in the books.
    if (!member.empty()) sendPurchaseNotice(ctx, sale.number, member, due - m);
}

void applyRoundingOff(PosContext& ctx, const std::string& number, double due, double newDue) {
    if (std::fabs(newDue - due) < 0.000001) return;
    TF_DataModule& db = ctx.db;
    const std::string n = sqlQuote(number);
    const std::string mode = ctx.params.cs_xsjgts;
    if (mode == "1") {
        // −M, without the binary noise of the subtraction (89 − 88.7).
        const std::string s = sqlNumber(roundDec(newDue - due, 6));
        if (!db.getSqlValue("select g_sn from jxc_lsxssp where g_sn='00000000' and gl_djh=" + n)
                 .empty()) {
            db.execSql("update jxc_lsxssp set ls_zje=" + s + ",ls_je=" + s +
                       " where g_sn='00000000' and gl_djh=" + n);
        } else {
            db.execSql(
                "insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,"
                "ghs_sn,ls_je,ls_tax,ls_taxdj,ls_taxje,ls_cksl,ls_lsj,ls_cbj,ls_zcb,ls_zsl,g_zhxs,"
                "dw_name,g_sptm,t_yxq,t_ph,t_scrq,ls_cbj2,g_tmbz) values (" +
                n + ",0,0," + s + ",'00000000'," + sqlQuote(ctx.session.operatorName) + ",1,0,''," +
                sqlQuote(getDefaultGhsSn(ctx)) + "," + s +
                ",0,0,0,0,0,0,0,0,1,'','','','','',0,'')");
        }
    } else if (mode == "0") {
        const long long lines =
            Value::text(orZero(db.getSqlValue("select count(*) from jxc_lsxssp where t_zp='' "
                                              "and ls_sl>0 and gl_djh=" +
                                              n)))
                .asInteger();
        if (lines == 0) return;
        const std::string decimals = std::to_string(ctx.params.cs_xsws);
        const std::string own = " where t_zp='' and ls_sl>0 and gl_djh=" + n;
        std::string sum = sqlNumber(due);
        double rest = due - newDue;
        while (rest > 0.4) {
            const std::string share = sqlNumber(
                roundDec(rest / static_cast<double>(lines) + 0.000000001, ctx.params.cs_xsws));
            db.execSql("update jxc_lsxssp set ls_zje=ls_zje-(" + share +
                       ") where t_zp='' and ls_zje>=" + share + " and ls_sl>0 and gl_djh=" + n);
            db.execSql("update jxc_lsxssp set ls_taxdj=round(ls_zje/(ls_dzl*ls_sl)+0.000000001," +
                       decimals + ")" + own);
            db.execSql("update jxc_lsxssp set ls_dj=round(ls_taxdj/(1+ls_tax/100)+0.000000001," +
                       decimals + ")" + own);
            db.execSql(
                "update jxc_lsxssp set ls_je=ls_dj*ls_sl,ls_taxje=ls_zje-ls_dj*ls_sl where "
                "ls_sl>0 and gl_djh=" +
                n);
            sum = orZero(
                db.getSqlValue("select sum(ls_zje) as zje from jxc_lsxssp where gl_djh=" + n));
            const double before = rest;
            rest = Value::text(sum).asFloat() - newDue;
            // No line can carry another share: stop rather than loop for ever.
            if (rest >= before) break;
        }
        db.execSql("update jxc_lsxsd set ls_yfje=" + sum + ",ls_sfje=" + sum +
                   " where gl_djh=" + n);
    }
}

void postSaleDocument(PosContext& ctx, const std::string& number) {
    TF_DataModule& db = ctx.db;
    const SystemParameters& p = ctx.params;
    const std::string n = sqlQuote(number);
    const std::string op = ctx.session.operatorName;
    Query& q = db.QuerySelect;

    db.openSelect(
        "select a.*,b.u_name,c.kh_name,d.ck_name from jxc_lsxsd a,jxc_user b,jxc_khxx c,"
        "jxc_ckxx d where a.u_sn=b.u_sn and a.kh_sn=c.kh_sn and a.ck_sn=d.ck_sn and "
        "a.gl_djh=" +
        n);
    // Without its salesperson, customer or warehouse row the document would be
    // booked half: the sale is refused and, inside the posting, rolled back.
    if (q.isEmpty())
        throw PostingRefused(
            "该单据的导购员、客户或仓库资料不存在，不能结账！\r\n\r\n请选择导购员后重新结账。");
    std::string due = orZero(q.fieldText("ls_yfje")), paid = orZero(q.fieldText("ls_sfje"));
    const std::string invoiced = orZero(q.fieldText("ls_fpje")), invoiceNo = q.fieldText("ls_fpno");
    const std::string customer = q.fieldText("kh_sn"), salesperson = q.fieldText("u_sn");
    const std::string warehouse = q.fieldText("ck_sn"), salespersonName = q.fieldText("u_name");
    const std::string customerName = q.fieldText("kh_name"), warehouseName = q.fieldText("ck_name");
    const std::string account = q.fieldText("ls_kmmc"), note = q.fieldText("ls_note");
    const std::string date = q.fieldText("ls_xsrq"), settlement = q.fieldText("ls_jsfs");
    q.close();

    // Cash journal, with bound values.
    db.backend().insertRow("jxc_xjyh", {{"xj_rq", Value::text(date)},
                                        {"gl_djh", Value::text(number)},
                                        {"xj_dlx", Value::text("商品销售")},
                                        {"xj_je", Value::real(Value::text(paid).asFloat())},
                                        {"u_name", Value::text(salespersonName)},
                                        {"ghs_name", Value::text(customerName)},
                                        {"ghs_sn", Value::text(customer)},
                                        {"ck_name", Value::text(warehouseName)},
                                        {"xj_kmmc", Value::text(account)},
                                        {"xj_note", Value::text(note)},
                                        {"a_name", Value::text(op)},
                                        {"xj_chk", Value::text("1")},
                                        {"xj_ljje", Value::real(0)}});
    recalcCashJournal(ctx, account, date);

    // Customer account: a sale settled at once adds nothing to the balance.
    double balance = Value::text(orZero(getLastBalance(ctx, customer, date))).asFloat();
    if (settlement != "0")
        balance += Value::text(due).asFloat() - Value::text(paid).asFloat();
    else
        due = paid;
    db.execSql(
        "insert into jxc_ysyfk (k_ghskh,a_name,u_sn,k_fkfs,k_sfje,k_yhje,k_qcje,k_ljje,"
        "k_yfje,k_type,k_djlx,k_djtxt,k_note,k_flag,k_rq,gl_djh) values (" +
        sqlQuote(customer) + "," + sqlQuote(op) + "," + sqlQuote(salesperson) + "," +
        sqlQuote(account) + "," + paid + ",0,0," + sqlNumber(balance) + "," + due +
        ",'kh','XS','商品销售单'," + sqlQuote(note) + ",1," + sqlQuote(date) + "," + n + ")");
    recalcBalances(ctx, customer, date);

    if (isTrue(p.cs_kp)) {
        double invoiceBalance =
            Value::text(orZero(getLastInvoiceBalance(ctx, customer, date))).asFloat();
        if (settlement != "0")
            invoiceBalance += Value::text(due).asFloat() - Value::text(invoiced).asFloat();
        else
            due = paid;
        db.execSql(
            "insert into jxc_fpdjb (fp_ghskh,a_name,u_sn,fp_sfje,fp_qcje,fp_ljje,fp_yfje,"
            "fp_kpje,fp_no,fp_type,fp_djlx,fp_djtxt,fp_note,fp_flag,fp_rq,gl_djh,fp_check,"
            "fp_checker,fp_chkrq) values (" +
            sqlQuote(customer) + "," + sqlQuote(op) + "," + sqlQuote(salesperson) + "," + paid +
            ",0," + sqlNumber(invoiceBalance) + "," + due + "," + invoiced + "," +
            sqlQuote(invoiceNo) + ",'kh','XS','商品销售单'," + sqlQuote(note) + ",1," +
            sqlQuote(date) + "," + n + ",1," + sqlQuote(op) + "," + sqlQuote(date.substr(0, 10)) +
            ")");
        recalcInvoiceBalances(ctx, customer, date);
    }

    if (!isTrue(p.cs_spck)) db.execSql("update jxc_lsxssp set ls_cksl=ls_sl where gl_djh=" + n);
    db.execSql("update jxc_lsxssp set id2=id,ls_qxsl=0 where gl_djh=" + n);

    db.execSql(
        "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,"
        "gl_zje,gl_lr,gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_"
        "sysl,"
        "gl_fdmc,gl_dqkc,t_yxq,t_ph,t_mjph,gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,"
        "gl_sqje,gl_bz,gl_note,t_scrq,gl_tax,gl_taxdj,gl_taxje,gl_je,gl_lsj,gl_cbj,gl_zcb,id2,"
        "gl_djh2,t_cfsm,gl_xm,gl_cardno,gl_qxsl,t_cfhm,t_addr,t_mobile,t_yaoshi) select 'xs' as "
        "glflag,b.gl_djh,c.ls_xsrq,b.g_sn,d.g_name+b.g_tmbz+b.t_zp,d.g_jm,d.dw_name,"
        "b.ls_dj/b.g_zhxs,b.ls_zsl,b.ls_zje,b.ls_je-b.ls_zcb as lr,b.ls_dzl,e.u_name,b.a_name,"
        "c.ck_sn,f.ck_name,c.kh_sn,g.kh_name,d.gg_name,d.color_name,b.ls_sl,'',0,b.t_yxq,b.t_ph,"
        "b.t_mjph,0,d.g_pjjj,0," +
        sqlQuote(op) + "," + sqlQuote(ctx.clock.now().date()) +
        ",0,0,b.ls_bz,c.ls_note,b.t_scrq,b.ls_tax,b.ls_taxdj/b.g_zhxs,b.ls_taxje,b.ls_je,"
        "b.ls_lsj/b.g_zhxs,b.ls_cbj/b.g_zhxs,b.ls_zcb,b.id2,c.gl_djh2,t_cfsm,b.ls_xm,b.ls_cardno,"
        "b.ls_qxsl,b.t_cfhm,b.t_addr,b.t_mobile,t_yaoshi from jxc_lsxssp b,jxc_lsxsd c,jxc_goods "
        "d,jxc_user e,jxc_ckxx f,jxc_khxx g where b.gl_djh=c.gl_djh and b.g_sn=d.g_sn and "
        "c.u_sn=e.u_sn and c.ck_sn=f.ck_sn and c.kh_sn=g.kh_sn and b.gl_djh=" +
        n + " order by b.id");
    db.execSql("update jxc_goodslist set gl_lr=gl_je where g_sn='00000000' and gl_djh=" + n);

    const std::string ck = sqlQuote(warehouse);
    db.openSelect(
        "select distinct a.id,a.g_sn,a.g_name,a.gl_sl,a.t_ph,a.t_scrq,a.t_yxq,a.t_mjph,"
        "a.gl_cbj,iif(c.ls_cksl=0,c.ls_cksl,c.ls_zsl) as ls_cksl from jxc_goodslist "
        "a,jxc_lsxssp c where a.g_sn<>'00000000' and a.gl_djh=c.gl_djh and a.id2=c.id2 "
        "and a.g_sn=c.g_sn and a.gl_djh=" +
        n + " order by a.id");
    const int rows = q.recordCount();
    for (q.first(); !q.eof(); q.next()) {
        const std::string goods = q.fieldText("g_sn"), g = sqlQuote(goods);
        const std::string qty = orZero(q.fieldText("gl_sl"));
        const std::string delivered = orZero(q.fieldText("ls_cksl"));
        if (recordExists(ctx, "jxc_kcsp", "g_sn", "where ck_sn=" + ck + " and g_sn=" + g))
            db.execSql("update jxc_kcsp set kc_xssl=kc_xssl+" + qty + ",kc_sl=kc_sl-(" + delivered +
                       "),kc_zsl=kc_zsl-(" + qty + ") where ck_sn=" + ck + " and g_sn=" + g);
        else
            db.execSql("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn,kc_zsl) values (" +
                       sqlNumber(-Value::text(delivered).asFloat()) + "," +
                       orZero(q.fieldText("gl_cbj")) + "," + qty + "," + g + "," + ck + "," +
                       sqlNumber(-Value::text(qty).asFloat()) + ")");
        db.execSql("update jxc_goods set g_kc=g_kc-(" + delivered +
                   "),g_xspl=g_xspl+1 where g_sn=" + g);
        recalcGoodsList(ctx, q.fieldText("id"));
        if (Value::text(delivered).asFloat() > 0)
            deductBatchStock(ctx, goods, warehouse, qty, q.fieldText("t_yxq"), q.fieldText("t_ph"),
                             q.fieldText("t_mjph"), q.fieldText("t_scrq"));
    }
    q.close();
    writeLog(ctx, "审核销售单" + number + "，共" + std::to_string(rows) + "种商品");

    const std::string month = date.substr(0, 7);
    openStockMonth(ctx, month);
    refreshStockMonth(ctx, warehouse, month);

    db.openSelect(
        "select a.id2,c.ls_sl from jxc_xssp a,jxc_lsxssp c where a.id2=c.id3 and "
        "a.g_sn=c.g_sn and c.gl_djh=" +
        n + " order by a.id");
    for (q.first(); !q.eof(); q.next()) {
        const std::string id = q.fieldText("id2");
        db.execSql("update jxc_xssp set ls_cksl=ls_cksl+" + orZero(q.fieldText("ls_sl")) +
                   " where id2=" + id);
        db.execSql("update jxc_xssp set ls_dhbz=1 where ls_cksl>=ls_sl and id=" + id);
    }
    q.close();
}

}  // namespace pos
