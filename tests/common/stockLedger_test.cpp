#include "common/stockLedger.h"

#include <gtest/gtest.h>

#include "database/dbError.h"
#include "database/sqlText.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class StockLedger : public ::testing::Test {
  protected:
    StockLedger() {
        store.params.cs_xsws = 2;
        store.params.cs_cbjs = 2;
        store.params.cs_zjews = "0";
        store.params.cs_jews = "2";
    }

    TestStore store{false};
    PosContext& ctx = store.ctx;

    std::string lastId(const std::string& table) {
        return store.value("select max(id) from " + table);
    }

    // A goods ledger row; its balance columns as stored (by an earlier posting).
    std::string goodsRow(const std::string& flag, const std::string& goods, const std::string& date,
                         double sl, double je = 0, double dj = 0, double kc = 0, double pjjj = 0,
                         double kczje = 0, const std::string& warehouse = "01") {
        store.db.execSql(
            "insert into jxc_goodslist "
            "(gl_flag,g_sn,ck_sn,gl_kdrq,gl_sl,gl_je,gl_dj,gl_kc,gl_pjjj,gl_kczje,gl_sqsl,gl_sqje)"
            " values (" +
            sqlQuote(flag) + "," + sqlQuote(goods) + "," + sqlQuote(warehouse) + "," +
            sqlQuote(date) + "," + sqlNumber(sl) + "," + sqlNumber(je) + "," + sqlNumber(dj) + "," +
            sqlNumber(kc) + "," + sqlNumber(pjjj) + "," + sqlNumber(kczje) + ",-1,-1)");
        return lastId("jxc_goodslist");
    }

    // The values of `columns` (or "|") of the first row of `table` matching `where`,
    // separated by blanks.
    std::string fields(const std::string& table, const std::string& where,
                       std::initializer_list<const char*> columns) {
        std::string r;
        for (const char* c : columns) {
            if (!r.empty()) r += ' ';
            r += std::string(c) == "|" ? std::string("|")
                                       : store.value(std::string("select ") + c + " from " + table +
                                                     " where " + where);
        }
        return r;
    }

    // "gl_sqsl gl_sqje | gl_kc gl_pjjj gl_kczje" of a ledger row.
    std::string balances(const std::string& id) {
        return fields("jxc_goodslist", "id=" + id,
                      {"gl_sqsl", "gl_sqje", "|", "gl_kc", "gl_pjjj", "gl_kczje"});
    }
    // "gl_kc gl_pjjj gl_kczje" of a ledger row.
    std::string after(const std::string& id) {
        return fields("jxc_goodslist", "id=" + id, {"gl_kc", "gl_pjjj", "gl_kczje"});
    }
};

// ---------------------------------------------------------------------------
// Goods movement ledger

TEST_F(StockLedger, GoodsWithoutEarlierRowsStartFromTheGoodsAverageCost) {
    store.db.execSql("insert into jxc_goods (g_sn,g_pjjj) values ('G1',12.5)");
    std::string sale = goodsRow("xs", "G1", "2024-06-15", 2, 30);
    std::string receipt = goodsRow("cj", "G1", "2024-06-15 09:00:00", 4, 60);
    recalcGoodsList(ctx, sale);
    // Q = 0 - 2 at P = 12.5; then (-2 → 2 opposite signs) Qb = 2 + 4, Vb = 25 + 60.
    EXPECT_EQ("0 0 | -2 12.5 -25", balances(sale));
    EXPECT_EQ("-2 -25 | 2 14.17 28.34", balances(receipt));

    // Unknown goods: average cost 0.
    std::string other = goodsRow("xs", "G2", "2024-06-15", 1, 10);
    recalcGoodsList(ctx, other);
    EXPECT_EQ("0 0 | -1 0 0", balances(other));
}

TEST_F(StockLedger, RecomputesFromTheChangedDateOnInLedgerOrder) {
    // Earlier dates: their stored figures are the starting point and stay untouched,
    // even when they do not add up (a recomputation never starts at the beginning).
    std::string old = goodsRow("cj", "G1", "2024-06-01", 1, 5, 5, 1, 5, 5);
    std::string before = goodsRow("cj", "G1", "2024-06-14 18:00:00", 4, 40, 10, 10, 10, 100);
    std::string sameDayEarlier = goodsRow("xs", "G1", "2024-06-15", 1);
    std::string laterThatDay = goodsRow("xt", "G1", "2024-06-15 11:00:00", -5);
    std::string changed = goodsRow("xs", "G1", "2024-06-15", 2);
    std::string nextDay = goodsRow("cj", "G1", "2024-06-16", 8, 160);
    std::string otherWarehouse = goodsRow("xs", "G1", "2024-06-15", 3, 0, 0, 0, 0, 0, "02");
    std::string otherGoods = goodsRow("xs", "G2", "2024-06-15", 3);

    recalcGoodsList(ctx, changed);

    EXPECT_EQ("-1 -1 | 1 5 5", balances(old));
    EXPECT_EQ("-1 -1 | 10 10 100", balances(before));
    // "2024-06-15" sorts before "2024-06-15 11:00:00": rows go by date text, then id.
    EXPECT_EQ("10 100 | 9 10 90", balances(sameDayEarlier));
    EXPECT_EQ("9 90 | 7 10 70", balances(changed));
    EXPECT_EQ("7 70 | 12 10 120", balances(laterThatDay));
    EXPECT_EQ("12 120 | 20 14 280", balances(nextDay));
    EXPECT_EQ("-1 -1 | 0 0 0", balances(otherWarehouse));
    EXPECT_EQ("-1 -1 | 0 0 0", balances(otherGoods));

    // A change dated on a timestamp starts after the plain date of that day.
    store.db.execSql("update jxc_goodslist set gl_sl=1 where id=" + laterThatDay);
    recalcGoodsList(ctx, laterThatDay);
    EXPECT_EQ("9 90 | 7 10 70", balances(changed));
    EXPECT_EQ("7 70 | 6 10 60", balances(laterThatDay));
    EXPECT_EQ("6 60 | 14 15.71 219.94", balances(nextDay));
}

TEST_F(StockLedger, EachMovementKindMovesStockAndCost) {
    struct Case {
        const char* what;
        const char* flag;
        double Q, P, V;     // before the row
        double s, j, d;     // the row
        const char* after;  // "gl_kc gl_pjjj gl_kczje"
    } cases[] = {
        {"receipt averages", "cj", 10, 10, 100, 10, 300, 30, "20 20 400"},
        {"receipt reversing negative stock", "cj", -2, 10, -20, 5, 60, 12, "3 11.43 34.29"},
        {"negative inbound reversing stock", "pd", 4, 10, 40, -6, -30, 5, "-2 7 -14"},
        {"purchase return to exactly 0 takes the unit price", "ct", 5, 10, 50, -5, -40, 8, "0 8 0"},
        {"opening stock leaving 0 keeps the cost", "qc", 5, 10, 50, -5, -40, 8, "0 10 0"},
        {"transfer in re-prices", "db", 10, 10, 100, 10, 200, 20, "20 15 300"},
        {"transfer out does not re-price", "db", 10, 10, 100, -4, -60, 15, "6 10 60"},
        {"split out does not re-price", "cf", 10, 10, 100, -4, -60, 15, "6 10 60"},
        {"inbound kind that never re-prices", "bs", 10, 10, 100, 5, 200, 40, "15 10 150"},
        {"sale", "xs", 10, 10, 100, 3, 45, 15, "7 10 70"},
        {"return", "xt", 10, 10, 100, -2, -30, 15, "12 10 120"},
        {"redemption", "dh", 10, 10, 100, 1, 0, 0, "9 10 90"},
        {"other kind revalues only", "zz", 10, 10, 99, 4, 40, 10, "10 10 100"},
        {"sale to exactly 0", "xs", 3, 10, 30, 3, 45, 15, "0 10 0"},
        {"quantity rounded up from ...4999", "cj", 0, 10, 0, 1.005, 10, 10, "1.01 9.95 10.05"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string goods = "G" + std::to_string(++n);
        goodsRow("qc", goods, "2024-06-01", c.Q, 0, 0, c.Q, c.P, c.V);
        std::string id = goodsRow(c.flag, goods, "2024-06-02", c.s, c.j, c.d);
        recalcGoodsList(ctx, id);
        EXPECT_EQ(c.after, after(id)) << c.what;
    }
}

TEST_F(StockLedger, PricesQuantitiesAndAmountsRoundToTheirOwnDecimals) {
    struct Case {
        int xsws, cbjs;
        const char* zjews;
        const char* jews;
        const char* after;
    } cases[] = {
        {2, 2, "0", "0", "3 11.43 34.29"},      // amounts at the price decimals
        {4, 2, "0", "0", "3 11.4286 34.2858"},  // idem
        {4, 2, "1", "1", "3 11.4286 34.3"},     // amounts at their own decimals
        {9, 2, "0", "0", "3 11.43 34.29"},      // price decimals out of range count as 2
        {0, 0, "1", "3", "3 11 33"},
    };
    int n = 0;
    for (const Case& c : cases) {
        store.params.cs_xsws = c.xsws;
        store.params.cs_cbjs = c.cbjs;
        store.params.cs_zjews = c.zjews;
        store.params.cs_jews = c.jews;
        const std::string goods = "G" + std::to_string(++n);
        goodsRow("qc", goods, "2024-06-01", -2, 0, 0, -2, 10, -20);
        std::string id = goodsRow("cj", goods, "2024-06-02", 5, 60, 12);
        recalcGoodsList(ctx, id);
        EXPECT_EQ(c.after, after(id)) << c.xsws << " " << c.zjews << " " << c.jews;
    }
    // 2.5 units at the quantity decimals 0 round half away from zero.
    store.params.cs_cbjs = 0;
    std::string id = goodsRow("xs", "Q", "2024-06-02", -2.5);
    recalcGoodsList(ctx, id);
    EXPECT_EQ("3", store.value("select gl_kc from jxc_goodslist where id=" + id));
}

TEST_F(StockLedger, PostingLoopOnTheSelectQuery) {
    // A posting iterates its own ledger rows on QuerySelect while it recomputes
    // them and deducts the batches.
    goodsRow("cj", "G1", "2024-06-14", 10, 100, 10, 10, 10, 100);
    goodsRow("xs", "G1", "2024-06-15", 1);
    goodsRow("xs", "G1", "2024-06-15", 2);
    goodsRow("xs", "G1", "2024-06-15", 3);
    store.db.openSelect("select * from jxc_goodslist where gl_flag='xs' order by id");
    Query& q = store.db.QuerySelect;
    int rows = 0;
    for (q.first(); !q.eof(); q.next(), ++rows) {
        recalcGoodsList(ctx, q.fieldText("id"));
        deductBatchStock(ctx, "G1", "01", q.fieldText("gl_sl"), "", "", "", "");
    }
    EXPECT_EQ(3, rows);
    EXPECT_EQ("4",
              store.value("select gl_kc from jxc_goodslist where id=" + lastId("jxc_goodslist")));
    EXPECT_EQ("-6", store.value("select t_sl from jxc_tkc where g_sn='G1'"));
}

TEST_F(StockLedger, GoodsLedgerRejectsAnIdThatIsNotANumber) {
    EXPECT_THROW(recalcGoodsList(ctx, "1 or 1=1"), ConversionError);
    recalcGoodsList(ctx, "999");  // no such row: nothing to do
}

// ---------------------------------------------------------------------------
// Stock per batch

TEST_F(StockLedger, BatchStock) {
    auto tkc = [&] {
        return fields("jxc_tkc", "g_sn='G1' and ck_sn='01'", {"count(*)", "sum(t_sl)"});
    };
    // Without batch number: the row is created with the negated quantity, the
    // receipt date taking the production date.
    deductBatchStock(ctx, "G1", "01", "3", "2026-01-01", "", "", "2024-01-01");
    EXPECT_EQ("1 -3", tkc());
    EXPECT_EQ("2024-01-01 2024-01-01 2026-01-01",
              fields("jxc_tkc", "g_sn='G1'", {"t_jhrq", "t_scrq", "t_yxq"}));
    // The empty-batch row is found whatever its expiry; "0" does nothing; a return adds.
    deductBatchStock(ctx, "G1", "01", "2", "2027-05-05", "", "", "");
    deductBatchStock(ctx, "G1", "01", "0", "", "", "", "");
    deductBatchStock(ctx, "G1", "01", "-1.5", "", "", "", "");
    EXPECT_EQ("1 -3.5", tkc());

    // Numbered batches are told apart by expiry, number, production date and
    // sterilisation batch.
    store.db.execSql(
        "insert into jxc_tkc (g_sn,ck_sn,t_ph,t_yxq,t_scrq,t_mjph,t_sl) values "
        "('G1','01','B1','2026-01-01','2024-01-01','M1',10),"
        "('G1','01','B1','2026-02-01','2024-01-01','M1',20),"
        "('G1','02','B1','2026-01-01','2024-01-01','M1',30)");
    deductBatchStock(ctx, "G1", "01", "4", "2026-01-01", "B1", "M1", "2024-01-01");
    deductBatchStock(ctx, "G1", "01", "-1", "2026-01-01", "B1", "M1", "2024-01-01");
    EXPECT_EQ("7", store.value("select t_sl from jxc_tkc where ck_sn='01' and t_yxq='2026-01-01' "
                               "and t_ph='B1'"));
    EXPECT_EQ("20", store.value("select t_sl from jxc_tkc where t_yxq='2026-02-01'"));
    EXPECT_EQ("30", store.value("select t_sl from jxc_tkc where ck_sn='02'"));
    // A batch not found (other sterilisation batch) gets its own row.
    deductBatchStock(ctx, "G1", "01", "2", "2026-01-01", "B1", "M2", "2024-01-01");
    EXPECT_EQ("-2", store.value("select t_sl from jxc_tkc where t_mjph='M2'"));
    // Beside numbered batches, an empty batch number still takes only the row without one.
    deductBatchStock(ctx, "G1", "01", "0.5", "2026-01-01", "", "M1", "2024-01-01");
    EXPECT_EQ("-4", store.value("select t_sl from jxc_tkc where ck_sn='01' and t_ph=''"));
    EXPECT_EQ("4 21", tkc());

    // The quantity is pasted into the statement: it has to be a number.
    EXPECT_THROW(deductBatchStock(ctx, "G1", "01", "1);delete from jxc_tkc;--", "", "", "", ""),
                 ConversionError);
    EXPECT_EQ("4 21", tkc());
}

// ---------------------------------------------------------------------------
// Monthly stock totals

TEST_F(StockLedger, StockMonthRowsAreCreatedOnceAndRefreshedPerWarehouse) {
    store.db.execSql("insert into jxc_ckxx (ck_sn) values ('01'),('02')");
    store.db.execSql(
        "insert into jxc_kcsp (ck_sn,g_sn,kc_sl,kc_cbj) values ('01','G1',5,2),('01','G2',3,1.5)");
    auto month = [&](const std::string& m) {
        return fields("jxc_kcjs", "js_rq=" + sqlQuote(m),
                      {"count(*)", "sum(js_sl)", "sum(js_zje)"});
    };
    auto row = [&](const std::string& m, const std::string& w) {
        return fields("jxc_kcjs", "js_rq=" + sqlQuote(m) + " and ck_sn=" + sqlQuote(w),
                      {"count(*)", "js_sl", "js_zje", "js_xssl", "js_xscb"});
    };
    auto placeholders = [&] {
        return fields("jxc_kcsp", "g_sn='00000000'", {"count(*)", "sum(kc_sl)"});
    };

    openStockMonth(ctx, "2024-06");
    EXPECT_FALSE(store.db.QuerySelect.active());
    EXPECT_EQ("2 0", placeholders());
    EXPECT_EQ("1 8 14.5 0 0", row("2024-06", "01"));
    EXPECT_EQ("1 0 0 0 0", row("2024-06", "02"));

    // Every row exists: nothing is written, even though stock changed.
    store.db.execSql("update jxc_kcsp set kc_sl=kc_sl+1 where g_sn<>'00000000'");
    openStockMonth(ctx, "2024-06");
    EXPECT_EQ("2 0", placeholders());
    EXPECT_EQ("2 8 14.5", month("2024-06"));

    // A new warehouse lacks its rows: it gets them, and every warehouse its totals.
    store.db.execSql("insert into jxc_ckxx (ck_sn) values ('03')");
    openStockMonth(ctx, "2024-06");
    EXPECT_EQ("3 0", placeholders());
    EXPECT_EQ("1 10 18 0 0", row("2024-06", "01"));
    EXPECT_EQ("1 0 0 0 0", row("2024-06", "03"));

    // One warehouse rewritten; the others and other months left alone.
    openStockMonth(ctx, "2024-07");
    store.db.execSql("update jxc_kcsp set kc_sl=kc_sl+1 where g_sn='G1'");
    store.db.execSql("insert into jxc_kcsp (ck_sn,g_sn,kc_sl,kc_cbj) values ('02','G1',4,2)");
    refreshStockMonth(ctx, "01", "2024-07");
    EXPECT_FALSE(store.db.QuerySelect.active());
    EXPECT_EQ("1 11 20 0 0", row("2024-07", "01"));
    EXPECT_EQ("1 0 0 0 0", row("2024-07", "02"));
    EXPECT_EQ("1 10 18 0 0", row("2024-06", "01"));
    // A warehouse without stock rows sums to 0; a missing month row is not created.
    store.db.execSql("insert into jxc_ckxx (ck_sn) values ('04')");
    store.db.execSql("delete from jxc_kcsp where ck_sn='03'");
    store.db.execSql("update jxc_kcjs set js_sl=9,js_zje=9 where ck_sn='03'");
    refreshStockMonth(ctx, "03", "2024-07");
    EXPECT_EQ("1 0 0 0 0", row("2024-07", "03"));
    refreshStockMonth(ctx, "04", "2024-07");
    EXPECT_EQ("0", store.value("select count(*) from jxc_kcjs where ck_sn='04'"));
}

// ---------------------------------------------------------------------------
// Running balances

TEST_F(StockLedger, CustomerAccountBalances) {
    store.db.execSql("insert into jxc_khxx (kh_sn,kh_lwje) values ('C1',-1),('C2',-1)");
    auto add = [&](const std::string& type, const std::string& customer, const std::string& date,
                   double qc, double yf, double sf, double lj) {
        store.db.execSql(
            "insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_qcje,k_yfje,k_sfje,k_ljje) values (" +
            sqlQuote(type) + "," + sqlQuote(customer) + "," + sqlQuote(date) + "," + sqlNumber(qc) +
            "," + sqlNumber(yf) + "," + sqlNumber(sf) + "," + sqlNumber(lj) + ")");
        return lastId("jxc_ysyfk");
    };
    auto lj = [&](const std::string& id) {
        return store.value("select k_ljje from jxc_ysyfk where id=" + id);
    };
    std::string old = add("kh", "C1", "2024-06-10", 0, 100, 0, 100);
    std::string a = add("kh", "C1", "2024-06-15", 0, 50, 20, 999);
    std::string supplier = add("gh", "C1", "2024-06-15", 0, 70, 0, 70);
    std::string other = add("kh", "C2", "2024-06-15", 0, 10, 0, 10);
    std::string b = add("kh", "C1", "2024-06-15", 0, 0, 30.5, 999);
    std::string c = add("kh", "C1", "2024-06-20", 5, 10, 0, 999);

    recalcBalances(ctx, "C1", "2024-06-15");
    EXPECT_EQ("100", lj(old));
    EXPECT_EQ("130", lj(a));
    EXPECT_EQ("99.5", lj(b));
    EXPECT_EQ("114.5", lj(c));
    EXPECT_EQ("70", lj(supplier));
    EXPECT_EQ("10", lj(other));
    EXPECT_EQ("114.5", store.value("select kh_lwje from jxc_khxx where kh_sn='C1'"));
    EXPECT_EQ("-1", store.value("select kh_lwje from jxc_khxx where kh_sn='C2'"));
    EXPECT_FALSE(store.db.QuerySelect.active());

    struct {
        const char* date;
        const char* balance;
    } last[] = {{"2024-06-09", "0"},
                {"2024-06-10", "100"},
                {"2024-06-15", "99.5"},  // the highest id of the date
                {"2024-06-19", "99.5"},
                {"2024-12-31", "114.5"}};
    for (const auto& l : last) EXPECT_EQ(l.balance, getLastBalance(ctx, "C1", l.date)) << l.date;
    EXPECT_EQ("0", getLastBalance(ctx, "C9", "2024-12-31"));

    // No row on or after the date: the customer still gets the start balance.
    store.db.execSql("update jxc_khxx set kh_lwje=0");
    recalcBalances(ctx, "C1", "2024-07-01");
    EXPECT_EQ("114.5", store.value("select kh_lwje from jxc_khxx where kh_sn='C1'"));
    recalcBalances(ctx, "C1", "2024-06-12");
    EXPECT_EQ("99.5", lj(b));
    // A customer without any row: 0.
    store.db.execSql("update jxc_khxx set kh_lwje=-1 where kh_sn='C2'");
    store.db.execSql("delete from jxc_ysyfk where k_ghskh='C2'");
    recalcBalances(ctx, "C2", "2024-06-01");
    EXPECT_EQ("0", store.value("select kh_lwje from jxc_khxx where kh_sn='C2'"));
}

TEST_F(StockLedger, InvoiceRegisterBalancesCountCheckedRowsOnly) {
    auto add = [&](const std::string& customer, const std::string& date, int check, double qc,
                   double yf, double kp, double lj) {
        store.db.execSql(
            "insert into jxc_fpdjb "
            "(fp_type,fp_ghskh,fp_rq,fp_check,fp_qcje,fp_yfje,fp_kpje,fp_ljje)"
            " values ('kh'," +
            sqlQuote(customer) + "," + sqlQuote(date) + "," + std::to_string(check) + "," +
            sqlNumber(qc) + "," + sqlNumber(yf) + "," + sqlNumber(kp) + "," + sqlNumber(lj) + ")");
        return lastId("jxc_fpdjb");
    };
    auto lj = [&](const std::string& id) {
        return store.value("select fp_ljje from jxc_fpdjb where id=" + id);
    };
    add("C1", "2024-06-10", 1, 0, 80, 30, 50);
    std::string uncheckedBefore = add("C1", "2024-06-11", 0, 0, 0, 0, 777);
    std::string a = add("C1", "2024-06-15", 1, 10, 40, 0, 999);
    std::string unchecked = add("C1", "2024-06-15", 0, 0, 500, 0, 888);
    std::string b = add("C1", "2024-06-16", 1, 0, 0, 60, 999);
    std::string other = add("C2", "2024-06-15", 1, 0, 5, 0, 5);

    recalcInvoiceBalances(ctx, "C1", "2024-06-15");
    EXPECT_EQ("100", lj(a));
    EXPECT_EQ("40", lj(b));
    EXPECT_EQ("888", lj(unchecked));
    EXPECT_EQ("777", lj(uncheckedBefore));
    EXPECT_EQ("5", lj(other));
    EXPECT_FALSE(store.db.QuerySelect.active());

    EXPECT_EQ("50", getLastInvoiceBalance(ctx, "C1", "2024-06-11"));
    EXPECT_EQ("100", getLastInvoiceBalance(ctx, "C1", "2024-06-15"));
    EXPECT_EQ("0", getLastInvoiceBalance(ctx, "C1", "2024-06-01"));
}

TEST_F(StockLedger, CashJournalBalancesPerAccountOverCountedRows) {
    auto add = [&](const std::string& account, const std::string& date, const std::string& chk,
                   double je, double lj) {
        store.db.execSql("insert into jxc_xjyh (xj_kmmc,xj_rq,xj_chk,xj_je,xj_ljje) values (" +
                         sqlQuote(account) + "," + sqlQuote(date) + "," + sqlQuote(chk) + "," +
                         sqlNumber(je) + "," + sqlNumber(lj) + ")");
        return lastId("jxc_xjyh");
    };
    auto lj = [&](const std::string& id) {
        return store.value("select xj_ljje from jxc_xjyh where id=" + id);
    };
    add("现金", "2024-06-14", "1", 200, 200);
    add("现金", "2024-06-14 20:00:00", "0", 50, 666);  // does not count, even as the start
    std::string a = add("现金", "2024-06-15", "1", 35.5, 0);
    std::string notCounted = add("现金", "2024-06-15", "0", 1000, 0);
    std::string b = add("现金", "2024-06-15 10:00:00", "1", -20, 0);
    std::string bank = add("银行", "2024-06-15", "1", 300, 0);

    recalcCashJournal(ctx, "现金", "2024-06-15");
    EXPECT_EQ("235.5", lj(a));
    EXPECT_EQ("215.5", lj(b));
    EXPECT_EQ("0", lj(notCounted));
    EXPECT_EQ("0", lj(bank));

    recalcCashJournal(ctx, "银行", "2024-06-15");
    EXPECT_EQ("300", lj(bank));
}

}  // namespace
}  // namespace pos::test
