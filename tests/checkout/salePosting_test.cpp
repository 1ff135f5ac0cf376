#include "checkout/salePosting.h"

#include <gtest/gtest.h>

#include "checkout/customerDisplay.h"
#include "database/dbError.h"
#include "sales/lineChecks.h"
#include "sales/saleScreen.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class NoRegistration : public RegistrationPrompt {
  public:
    BuyerRegistration ask() override { return {}; }
};

class SalePostingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        loadSystemParameters(store.ctx, {});
        ASSERT_EQ(ResetOutcome::Ready, screen.setInitValue(""));
    }
    void scan(const std::string& code) {
        ASSERT_EQ(LookupOutcome::Added, screen.setFilterGoods(code, prompt)) << code;
    }
    SaleToPost sale(double cash, double roundingOff = 0) {
        SaleToPost s;
        s.number = screen.saleNumber;
        s.amountDue = screen.total;
        s.cash = cash;
        s.roundingOff = roundingOff;
        s.change = "0.00";
        s.warehouse = screen.warehouseCode();
        s.salesperson = getComboValue(screen.guides, screen.guide);
        return s;
    }
    std::string v(const std::string& sql) { return store.value(sql); }
    // Row counts of every table a posting writes.
    std::string counts() {
        std::string r;
        for (const char* t :
             {"jxc_posxsd", "jxc_posxssp", "jxc_lsxsd", "jxc_lsxssp", "jxc_xjyh", "jxc_ysyfk",
              "jxc_goodslist", "jxc_kcsp", "jxc_tkc", "jxc_log", "jxc_kcjs"})
            r += std::string(t) + "=" + v(std::string("select count(*) from ") + t) + " ";
        r += "stock=" + v("select sum(kc_sl) from jxc_kcsp") +
             " batches=" + v("select sum(t_sl) from jxc_tkc");
        return r;
    }

    TestStore store;
    NoCustomerDisplay display;
    NoRegistration prompt;
    SaleScreen screen{store.ctx, display};
};

TEST_F(SalePostingTest, ASalePostsTheRecordTheDocumentAndTheLedgers) {
    scan("2001000000104");  // 血糖试纸 89, cost 52, batch T… stock 18
    scan("2001000000104");
    scan("2001000000128");  // 医用棉签 3
    const std::string n = screen.saleNumber;
    const std::string stockBefore =
        v("select kc_sl from jxc_kcsp where ck_sn='100001' and g_sn='10000010'");
    const std::string batchBefore =
        v("select t_sl from jxc_tkc where ck_sn='100001' and g_sn='10000010'");
    postSale(store.ctx, sale(200));

    const std::string w = " where gl_djh='" + n + "'";
    EXPECT_EQ("181", v("select pos_yfje from jxc_posxsd" + w));
    EXPECT_EQ("200", v("select pos_xj from jxc_posxsd" + w));
    EXPECT_EQ("5", v("select pos_zffs from jxc_posxsd" + w));
    EXPECT_EQ("100001", v("select kh_sn from jxc_posxsd" + w));
    EXPECT_EQ("2024-06-15 10:30:00", v("select pos_xsrq from jxc_posxsd" + w));
    EXPECT_EQ("3", v("select count(*) from jxc_posxssp" + w));
    EXPECT_EQ("181", v("select ls_yfje from jxc_lsxsd" + w));
    EXPECT_EQ("1", v("select ls_status from jxc_lsxsd" + w));
    EXPECT_EQ("2024-06-15", v("select ls_xsrq from jxc_lsxsd" + w));
    // Cash journal and customer account.
    EXPECT_EQ("181", v("select xj_je from jxc_xjyh" + w));
    EXPECT_EQ("商品销售", v("select xj_dlx from jxc_xjyh" + w));
    EXPECT_EQ("181", v("select k_sfje from jxc_ysyfk" + w));
    EXPECT_EQ("181", v("select k_yfje from jxc_ysyfk" + w));
    // Goods ledger: one row per line, running stock recomputed, marked as ours.
    EXPECT_EQ("3", v("select count(*) from jxc_goodslist" + w));
    EXPECT_EQ("99", v("select max(gl_fdmc) from jxc_goodslist" + w));
    EXPECT_EQ(std::to_string(std::stoi(stockBefore) - 2),
              v("select top 1 gl_kc from jxc_goodslist where g_sn='10000010' and ck_sn='100001' "
                "order by gl_kdrq desc, id desc"));
    // Stock of the warehouse and the batch.
    EXPECT_EQ(std::to_string(std::stoi(stockBefore) - 2),
              v("select kc_sl from jxc_kcsp where ck_sn='100001' and g_sn='10000010'"));
    EXPECT_EQ(std::to_string(std::stoi(batchBefore) - 2),
              v("select t_sl from jxc_tkc where ck_sn='100001' and g_sn='10000010'"));
    EXPECT_EQ("审核销售单" + n + "，共3种商品",
              v("select top 1 log_note from jxc_log order by id desc"));
    EXPECT_EQ("1", v("select count(*) from jxc_kcjs where js_rq='2024-06' and ck_sn='100001'"));
}

TEST_F(SalePostingTest, RoundingOffAsALine) {
    store.params.cs_xsjgts = "1";
    scan("2001000000104");
    const std::string n = screen.saleNumber, w = " where gl_djh='" + n + "'";
    postSale(store.ctx, sale(88.7, 0.3));
    EXPECT_EQ("88.7", v("select pos_yfje from jxc_posxsd" + w));
    EXPECT_EQ("89", v("select ls_yfje from jxc_lsxsd" + w));
    EXPECT_EQ("88.7", v("select ls_sfje from jxc_lsxsd" + w));
    EXPECT_EQ("-0.3", v("select ls_zje from jxc_lsxssp" + w + " and g_sn='00000000'"));
    EXPECT_EQ("1", v("select count(*) from jxc_posxssp" + w));  // the POS record keeps its lines
}

TEST_F(SalePostingTest, RoundingOffSpreadOverTheLines) {
    store.params.cs_xsjgts = "0";
    store.db.execSql("update jxc_goods set g_sj=10 where g_sn='10000012'");
    for (int i = 0; i < 4; ++i) scan("2001000000128");
    std::string n = screen.saleNumber, w = " where gl_djh='" + n + "'";
    postSale(store.ctx, sale(39, 1));
    EXPECT_EQ("9.75", v("select max(ls_zje) from jxc_lsxssp" + w));
    EXPECT_EQ("9.75", v("select min(ls_zje) from jxc_lsxssp" + w));
    EXPECT_EQ("39", v("select ls_yfje from jxc_lsxsd" + w));
    EXPECT_EQ("39", v("select ls_sfje from jxc_lsxsd" + w));
    EXPECT_EQ("10", v("select max(pos_zje) from jxc_posxssp" + w));

    // 0.30 is not spread: the lines stay, both amounts are D.
    screen.setInitValue("");
    for (int i = 0; i < 2; ++i) scan("2001000000128");
    n = screen.saleNumber;
    w = " where gl_djh='" + n + "'";
    postSale(store.ctx, sale(19.7, 0.3));
    EXPECT_EQ("10", v("select min(ls_zje) from jxc_lsxssp" + w));
    EXPECT_EQ("20", v("select ls_sfje from jxc_lsxsd" + w));
}

TEST_F(SalePostingTest, MergedLinesAndZeroQuantities) {
    store.params.cs_possk = "1";
    scan("2001000000128");
    scan("2001000000128");
    scan("2001000000104");
    const std::string n = screen.saleNumber, w = " where gl_djh='" + n + "'";
    store.db.execSql("update jxc_lsxssp set ls_sl=0" + w + " and g_sn='10000010'");
    postSale(store.ctx, sale(6));
    EXPECT_EQ("1", v("select count(*) from jxc_posxssp" + w));
    EXPECT_EQ("2", v("select pos_sl from jxc_posxssp" + w));
    EXPECT_EQ("6", v("select pos_zje from jxc_posxssp" + w));
    EXPECT_EQ("2", v("select count(*) from jxc_lsxssp" + w));  // the document keeps both
    EXPECT_EQ("0", v("select count(*) from jxc_goodslist" + w + " and g_sn='10000010'"));
}

TEST_F(SalePostingTest, AFailureLateInThePostingLeavesNothing) {
    scan("2001000000104");
    scan("2001000000128");
    const std::string before = counts();
    // The month totals are the last step of the document: without their table it fails.
    store.db.execSql("alter table jxc_kcjs rename to jxc_kcjs_away");
    EXPECT_THROW(postSale(store.ctx, sale(100)), DbError);
    store.db.execSql("alter table jxc_kcjs_away rename to jxc_kcjs");
    EXPECT_EQ(before, counts());
    // The sale is still there to pay again, and then it posts once.
    EXPECT_EQ("2", v("select count(*) from jxc_lsxssp where gl_djh='" + screen.saleNumber + "'"));
    postSale(store.ctx, sale(100));
    EXPECT_EQ("1", v("select count(*) from jxc_posxsd where gl_djh='" + screen.saleNumber + "'"));
    EXPECT_EQ("2",
              v("select count(*) from jxc_goodslist where gl_djh='" + screen.saleNumber + "'"));
}

TEST_F(SalePostingTest, AHeaderWithoutSalespersonIsRefused) {
    scan("2001000000104");
    const std::string before = counts();
    SaleToPost s = sale(89);
    s.salesperson = "-1";  // none chosen
    EXPECT_THROW(postSale(store.ctx, s), PostingRefused);
    EXPECT_EQ(before, counts());
}

}  // namespace
}  // namespace pos::test

#include "checkout/payment.h"

namespace pos::test {
namespace {

// Before the payment window opens: the per-sale limit refuses, a batch shortage
// refuses or, when negative stock is allowed, asks.
TEST_F(SalePostingTest, ChecksBeforePayment) {
    scan("2001000000104");  // 血糖试纸, batch stock 18
    const std::string n = screen.saleNumber, w = screen.warehouseCode();
    EXPECT_TRUE(checkBeforePayment(store.ctx, n, w));
    EXPECT_TRUE(store.messages.shown().empty());

    store.db.execSql("update jxc_lsxssp set ls_sl=20, ls_zsl=20 where gl_djh='" + n + "'");
    EXPECT_FALSE(checkBeforePayment(store.ctx, n, w));
    EXPECT_NE(store.messages.shown().back().text.find("不能销售！"), std::string::npos);
    store.params.cs_kc = "1";
    store.messages.answer(Answer::No);
    EXPECT_FALSE(checkBeforePayment(store.ctx, n, w));
    store.messages.answer(Answer::Yes);
    EXPECT_TRUE(checkBeforePayment(store.ctx, n, w));
    EXPECT_EQ("信息提醒", store.messages.shown().back().caption);

    store.db.execSql("update jxc_goods set g_xzsl=3 where g_sn='10000010'");
    store.messages.clear();
    EXPECT_FALSE(checkBeforePayment(store.ctx, n, w));  // the limit comes first
    ASSERT_EQ(1u, store.messages.shown().size());
    EXPECT_NE(store.messages.shown()[0].text.find("不能超过这个数量"), std::string::npos);
}

}  // namespace
}  // namespace pos::test
