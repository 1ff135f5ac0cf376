#include "common/stockLedger.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "common/rounding.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/dbError.h"
#include "database/posContext.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"

namespace pos {

namespace {

// A running balance is written only where it changes: rows of the same day
// before the new one keep theirs, and a busy day would otherwise rewrite
// thousands of rows for every sale. The figures that result are the same.
bool changed(const Query& q, const char* column, double value) {
    const Value old = q.field(column);
    return old.isNull() || old.asText() != sqlNumber(value);
}

// The pseudo goods code of the warehouse placeholder rows.
const char* const kPlaceholderGoods = "00000000";

// A number text read from the store: empty counts as "0".
std::string orZero(std::string text) { return text.empty() ? std::string("0") : text; }

double toNumber(const std::string& text) {
    if (text.empty()) return 0;
    return Value::text(text).asFloat();
}

// Every rounding of the ledgers nudges the value up first, so an amount stored
// as 10.00499… (10.005) still rounds up.
double ledgerRound(double value, int decimals) { return roundDec(value + 0.000000001, decimals); }

bool oneOf(const std::string& flag, std::initializer_list<std::string_view> codes) {
    for (std::string_view c : codes)
        if (flag == c) return true;
    return false;
}

bool isInbound(const std::string& f) {
    return oneOf(f, {"cj", "sc", "pd", "ct", "st", "db", "bh", "cf", "kb", "bs", "by", "jg", "pl",
                     "bf", "wp", "ws", "wt", "qc", "hh"});
}

bool isOutbound(const std::string& f) { return oneOf(f, {"xs", "xt", "lt", "ly", "dh", "jh"}); }

// Inbound kinds that re-price the stock; the transfers and similar kinds only
// when they bring goods in.
bool isAverageCostKind(const std::string& f, double quantity) {
    if (oneOf(f, {"cj", "ct", "jg", "sc", "st", "qc", "kb", "ws", "pd"})) return true;
    return quantity > 0 && oneOf(f, {"db", "bh", "cf"});
}

// Kinds whose unit price becomes the average cost when the stock comes out at zero.
bool isUnitPriceFallbackKind(const std::string& f, double quantity) {
    return f != "qc" && isAverageCostKind(f, quantity);
}

// The query's row-id column as text.
std::string rowId(const Query& q) { return q.fieldText("id"); }

}  // namespace

int ledgerPriceDecimals(const SystemParameters& params) {
    return params.cs_xsws >= 0 && params.cs_xsws <= 6 ? params.cs_xsws : 2;
}

int ledgerQuantityDecimals(const SystemParameters& params) { return params.cs_cbjs; }

int ledgerAmountDecimals(const SystemParameters& params) {
    if (!isTrue(params.cs_zjews)) return ledgerPriceDecimals(params);
    double d = 0;
    if (!parseNumber(params.cs_jews, d) || d != std::floor(d) || d < 0 || d > 6) return 2;
    return static_cast<int>(d);
}

// ---------------------------------------------------------------------------
// Monthly stock totals

void openStockMonth(PosContext& ctx, const std::string& month) {
    TF_DataModule& db = ctx.db;
    Query& q = db.QuerySelect;

    // 1. The placeholder stock row of every warehouse.
    db.openSelect(
        "select ck_sn from jxc_ckxx where (ck_sn not in (select ck_sn from jxc_kcsp where "
        "g_sn='00000000'))");
    for (q.first(); !q.eof(); q.next())
        db.execSql("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,ck_sn,g_sn,kc_zsl) values (0,0,0," +
                   sqlQuote(q.fieldText("ck_sn")) + "," + sqlQuote(kPlaceholderGoods) + ",0)");

    // 2. Warehouses without their row for the month; none: the month is open.
    db.openSelect(
        "select ck_sn from jxc_ckxx where ck_sn not in (select ck_sn from jxc_kcjs where js_rq=" +
        sqlQuote(month) + ") order by ck_sn");
    if (q.isEmpty()) {
        q.close();
        return;
    }

    // 3. The month rows, all figures 0.
    for (q.first(); !q.eof(); q.next())
        db.execSql(
            "insert into jxc_kcjs "
            "(js_rq,js_sl,js_zje,ck_sn,js_xssl,js_xsje,js_cgsl,js_cgje,js_xslr,js_xscb) select " +
            sqlQuote(month) +
            ",0,0,ck_sn,0,0,0,0,0,0 from jxc_ckxx where ck_sn=" + sqlQuote(q.fieldText("ck_sn")));

    // 4. The totals of every warehouse.
    db.openSelect(
        "select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje,ck_sn from jxc_kcsp group by ck_sn");
    for (q.first(); !q.eof(); q.next())
        db.execSql("update jxc_kcjs set js_sl=" + orZero(q.fieldText("sl")) +
                   ",js_zje=" + orZero(q.fieldText("zje")) + " where js_rq=" + sqlQuote(month) +
                   " and ck_sn=" + sqlQuote(q.fieldText("ck_sn")));
    q.close();
}

void refreshStockMonth(PosContext& ctx, const std::string& warehouse, const std::string& month) {
    TF_DataModule& db = ctx.db;
    Query& q = db.QuerySelect;
    db.openSelect("select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje from jxc_kcsp where ck_sn=" +
                  sqlQuote(warehouse));
    const std::string sl = orZero(q.fieldText("sl"));
    const std::string zje = orZero(q.fieldText("zje"));
    q.close();
    db.execSql("update jxc_kcjs set js_sl=" + sl + ",js_zje=" + zje +
               " where js_rq=" + sqlQuote(month) + " and ck_sn=" + sqlQuote(warehouse));
}

// ---------------------------------------------------------------------------
// Stock per batch

void deductBatchStock(PosContext& ctx, const std::string& goods, const std::string& warehouse,
                      const std::string& quantity, const std::string& expiry,
                      const std::string& batch, const std::string& sterilisationBatch,
                      const std::string& productionDate) {
    if (quantity == "0") return;
    // The quantity is pasted as given inside parentheses (a negative one adds);
    // it must be a number, never a piece of statement.
    double parsed = 0;
    if (!parseNumber(quantity, parsed))
        throw ConversionError("'" + quantity + "' is not a valid quantity");

    TF_DataModule& db = ctx.db;
    const std::string g = sqlQuote(goods);
    const std::string w = sqlQuote(warehouse);
    const std::string found =
        batch.empty()
            ? db.getSqlValue("select top 1 id from jxc_tkc where ck_sn=" + w + " and g_sn=" + g +
                             " and t_ph='' ")
            : db.getSqlValue("select top 1 id from jxc_tkc where ck_sn=" + w + " and g_sn=" + g +
                             " and t_yxq=" + sqlQuote(expiry) + " and t_ph=" + sqlQuote(batch) +
                             " and t_scrq=" + sqlQuote(productionDate) +
                             " and t_mjph=" + sqlQuote(sterilisationBatch));
    if (found.empty()) {
        // The receipt date takes the production date.
        db.execSql(
            "insert into jxc_tkc (g_sn,t_jhrq,t_ph,t_yxq,t_sl,ck_sn,t_scrq,t_mjph) values (" + g +
            "," + sqlQuote(productionDate) + "," + sqlQuote(batch) + "," + sqlQuote(expiry) +
            ",-1*(" + quantity + ")," + w + "," + sqlQuote(productionDate) + "," +
            sqlQuote(sterilisationBatch) + ")");
    } else if (!batch.empty()) {
        db.execSql("update jxc_tkc set t_sl=t_sl-(" + quantity + ") where g_sn=" + g +
                   " and ck_sn=" + w + " and t_yxq=" + sqlQuote(expiry) +
                   " and t_ph=" + sqlQuote(batch) + " and t_mjph=" + sqlQuote(sterilisationBatch) +
                   " and t_scrq=" + sqlQuote(productionDate));
    } else {
        db.execSql("update jxc_tkc set t_sl=t_sl-(" + quantity + ") where g_sn=" + g +
                   " and ck_sn=" + w + " and t_ph='' ");
    }
}

// ---------------------------------------------------------------------------
// Customer account ledger

std::string getLastBalance(PosContext& ctx, const std::string& customer, const std::string& date) {
    return orZero(ctx.db.getSqlValue(
        "select top 1 k_ljje from jxc_ysyfk where k_type='kh' and k_ghskh=" + sqlQuote(customer) +
        " and k_rq<=" + sqlQuote(date) + " order by k_rq desc,id desc"));
}

void recalcBalances(PosContext& ctx, const std::string& customer, const std::string& date) {
    TF_DataModule& db = ctx.db;
    const std::string c = sqlQuote(customer);
    const std::string d = sqlQuote(date);
    // The balance of the last row strictly before the date: every row of the
    // date itself is recomputed.
    double balance = toNumber(
        db.getSqlValue("select top 1 k_ljje from jxc_ysyfk where k_type='kh' and k_ghskh=" + c +
                       " and k_rq<" + d + " order by k_rq desc,id desc"));

    Query& q = db.QuerySelect;
    db.openSelect("select * from jxc_ysyfk where k_type='kh' and  k_ghskh=" + c +
                  " and k_rq>=" + d + " order by k_rq,id");
    for (q.first(); !q.eof(); q.next()) {
        balance =
            balance + q.fieldFloat("k_qcje") + q.fieldFloat("k_yfje") - q.fieldFloat("k_sfje");
        if (changed(q, "k_ljje", balance))
            db.execSql("update jxc_ysyfk set k_ljje=" + sqlNumber(balance) +
                       " where id=" + rowId(q));
    }
    q.close();
    db.execSql("update jxc_khxx set kh_lwje=" + sqlNumber(balance) + " where kh_sn=" + c);
}

// ---------------------------------------------------------------------------
// Invoice register

std::string getLastInvoiceBalance(PosContext& ctx, const std::string& customer,
                                  const std::string& date) {
    return orZero(ctx.db.getSqlValue(
        "select top 1 fp_ljje from jxc_fpdjb where fp_check<>0 and fp_type='kh' and fp_ghskh=" +
        sqlQuote(customer) + " and fp_rq<=" + sqlQuote(date) + " order by fp_rq desc,id desc"));
}

void recalcInvoiceBalances(PosContext& ctx, const std::string& customer, const std::string& date) {
    TF_DataModule& db = ctx.db;
    const std::string c = sqlQuote(customer);
    const std::string d = sqlQuote(date);
    double balance = toNumber(db.getSqlValue(
        "select top 1 fp_ljje from jxc_fpdjb where fp_check<>0 and fp_type='kh' and fp_ghskh=" + c +
        " and fp_rq<" + d + " order by fp_rq desc,id desc"));

    Query& q = db.QuerySelect;
    db.openSelect("select * from jxc_fpdjb where fp_check<>0 and fp_type='kh' and fp_ghskh=" + c +
                  " and fp_rq>=" + d + " order by fp_rq,id");
    for (q.first(); !q.eof(); q.next()) {
        balance =
            q.fieldFloat("fp_qcje") + balance + q.fieldFloat("fp_yfje") - q.fieldFloat("fp_kpje");
        if (changed(q, "fp_ljje", balance))
            db.execSql("update jxc_fpdjb set fp_ljje=" + sqlNumber(balance) +
                       " where id=" + rowId(q));
    }
    q.close();
}

// ---------------------------------------------------------------------------
// Cash and bank journal

void recalcCashJournal(PosContext& ctx, const std::string& account, const std::string& date) {
    TF_DataModule& db = ctx.db;
    const std::string a = sqlQuote(account);
    const std::string d = sqlQuote(date);
    double balance = toNumber(
        db.getSqlValue("select top 1 xj_ljje from jxc_xjyh where xj_chk='1' and xj_kmmc=" + a +
                       " and xj_rq<" + d + " order by xj_rq desc,id desc"));

    Query& q = db.QueryTmp2;
    db.openSql(q, "select * from jxc_xjyh where xj_chk='1' and xj_kmmc=" + a + " and xj_rq>=" + d +
                      " order by xj_rq,id");
    for (q.first(); !q.eof(); q.next()) {
        balance = balance + q.fieldFloat("xj_je");
        if (changed(q, "xj_ljje", balance))
            db.execSql("update jxc_xjyh set xj_ljje=" + sqlNumber(balance) +
                       " where id=" + rowId(q));
    }
}

// ---------------------------------------------------------------------------
// Goods movement ledger

void recalcGoodsList(PosContext& ctx, const std::string& id) {
    TF_DataModule& db = ctx.db;
    Query& q = db.QueryTmp2;
    const int priceDecimals = ledgerPriceDecimals(ctx.params);
    const int qtyDecimals = ledgerQuantityDecimals(ctx.params);
    const int amountDecimals = ledgerAmountDecimals(ctx.params);

    // 1. The changed row: its goods, warehouse and date.
    textToInteger(id);  // a row id, never a piece of statement: otherwise ConversionError
    const std::string rowSelect =
        "select gl_djh,g_sn,gl_kdrq,gl_chkrq,ck_sn,gl_pjjj,gl_flag from jxc_goodslist where id=";
    db.openSql(q, rowSelect + id);
    if (q.isEmpty()) return;
    const std::string g = sqlQuote(q.fieldText("g_sn"));
    const std::string w = sqlQuote(q.fieldText("ck_sn"));
    const std::string date = sqlQuote(q.fieldText("gl_kdrq"));

    // 2. Starting point: the latest row strictly before the date.
    double Q = 0, P = 0, V = 0;
    db.openSql(q, "select top 1 gl_kc,gl_pjjj,gl_kczje from jxc_goodslist where g_sn=" + g +
                      " and ck_sn=" + w + " and gl_kdrq<" + date +
                      " order by gl_kdrq desc,id desc");
    if (!q.isEmpty()) {
        Q = q.fieldFloat("gl_kc");
        P = q.fieldFloat("gl_pjjj");
        V = q.fieldFloat("gl_kczje");
    } else {
        P = toNumber(db.getSqlValue("select g_pjjj from jxc_goods where g_sn=" + g));
    }
    std::string Qt = sqlNumber(Q), Vt = sqlNumber(V);

    // 3. Every row from the date on, in ledger order.
    db.openSql(q, "select * from jxc_goodslist where g_sn=" + g + " and ck_sn=" + w +
                      " and gl_kdrq>=" + date + " order by gl_kdrq,id");
    double Qb = 0, Vb = 0;
    for (q.first(); !q.eof(); q.next()) {
        const double s = q.fieldFloat("gl_sl");
        const double j = q.fieldFloat("gl_je");
        const double d = q.fieldFloat("gl_dj");
        const std::string flag = q.fieldText("gl_flag");
        const std::string rid = rowId(q);
        if (q.fieldText("gl_sqsl") != Qt || q.fieldText("gl_sqje") != Vt)
            db.execSql("update jxc_goodslist set gl_sqsl=" + Qt + ",gl_sqje=" + Vt +
                       " where id=" + rid);

        // 4. The running quantity; inbound rows also give the stock and value
        // the average cost is taken over, in absolute values when the inbound
        // quantity reverses the sign of the stock.
        if (isInbound(flag)) {
            double qa = Q, va = V, sa = s, ja = j;
            if ((s > 0 && Q < 0) || (s < 0 && Q > 0)) {
                qa = std::fabs(qa);
                sa = std::fabs(sa);
                ja = std::fabs(ja);
                va = std::fabs(va);
            }
            Q = Q + s;
            Qb = qa + sa;
            Vb = va + ja;
        } else if (isOutbound(flag)) {
            Q = Q - s;
        }

        // 5. Re-pricing.
        if (isAverageCostKind(flag, s) && Q != 0 && Qb != 0) {
            Q = ledgerRound(Q, qtyDecimals);
            if (Q != 0) P = std::fabs(Vb / Qb);
        }
        // 6. Stock at zero: the row's unit price.
        if (isUnitPriceFallbackKind(flag, s) && Q == 0 && Qb != 0) P = d;

        // 7. Rounding and the stock value at the average cost.
        P = ledgerRound(P, priceDecimals);
        Q = ledgerRound(Q, qtyDecimals);
        V = Q == 0 ? 0 : ledgerRound(P * Q, amountDecimals);

        // 8.
        if (changed(q, "gl_pjjj", P) || changed(q, "gl_kc", Q) || changed(q, "gl_kczje", V))
            db.execSql("update jxc_goodslist set gl_pjjj=" + sqlNumber(P) +
                       ",gl_kc=" + sqlNumber(Q) + ",gl_kczje=" + sqlNumber(V) + " where id=" + rid);
        Qt = sqlNumber(Q);
        Vt = sqlNumber(V);
    }
}

}  // namespace pos
