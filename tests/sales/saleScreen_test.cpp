#include "sales/saleScreen.h"

#include <gtest/gtest.h>

#include "checkout/customerDisplay.h"
#include "common/textGuards.h"
#include "sales/lineChecks.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class NoRegistration : public RegistrationPrompt {
  public:
    int asked = 0;
    BuyerRegistration ask() override {
        ++asked;
        return {"张三", "", "", "", "", ""};
    }
};

class RecordingDisplay : public CustomerDisplay {
  public:
    std::vector<std::string> shown;
    void showTotal(const std::string& a) override { shown.push_back(a); }
};

class SaleScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.params = SystemParameters{};
        loadSystemParameters(store.ctx, {});
        ASSERT_EQ(ResetOutcome::Ready, screen.setInitValue(""));
    }
    // A goods of our own with batches in the counter's warehouse 100001.
    void goods(const std::string& code, double price, const std::string& extra = "") {
        store.db.execSql(
            "insert into jxc_goods (g_sn,g_name,g_sptm,g_sj,g_lsj,dw_name,g_jy,g_dzll," +
            std::string("g_pjjj") + (extra.empty() ? "" : "," + extra.substr(0, extra.find('='))) +
            ") values ('" + code + "','测试" + code + "','69" + code + "'," +
            std::to_string(price) + "," + std::to_string(price) + ",'盒',0,1,2" +
            (extra.empty() ? "" : "," + extra.substr(extra.find('=') + 1)) + ")");
    }
    void batch(const std::string& code, const std::string& no, const std::string& expiry,
               double qty) {
        store.db.execSql(
            "insert into jxc_tkc (g_sn,ck_sn,t_ph,t_yxq,t_scrq,t_mjph,t_sl) values ('" + code +
            "','100001','" + no + "','" + expiry + "','','','" + std::to_string(qty) + "')");
    }
    std::string line(const std::string& field, int row = -1) {
        Query& q = store.db.Q_Posxs;
        if (row < 0)
            q.last();
        else
            q.moveTo(row);
        return q.fieldText(field);
    }
    LookupOutcome scan(const std::string& key) { return screen.setFilterGoods(key, prompt); }

    TestStore store;
    RecordingDisplay display;
    NoRegistration prompt;
    SaleScreen screen{store.ctx, display};
};

TEST_F(SaleScreenTest, ANewSaleHasANumberTheListsAndNoLines) {
    EXPECT_EQ("XS24061510001", screen.saleNumber);
    EXPECT_EQ("门店药房", screen.warehouses[static_cast<size_t>(screen.warehouse)].text);
    EXPECT_EQ("100001", screen.warehouseCode());
    EXPECT_GE(screen.guide, 0);
    EXPECT_EQ(10, screen.gridFontSize);  // the demo's grid font
    store.db.execSql("delete from jxc_posfont");
    screen.setInitValue(screen.saleNumber);
    EXPECT_EQ(14, screen.gridFontSize);  // none stored
    EXPECT_EQ("XS24061510001", screen.saleNumber);
    EXPECT_EQ("待销售状态", screen.status);
    EXPECT_FALSE(screen.hasLines());
    EXPECT_EQ("0.00", display.shown.front());
}

TEST_F(SaleScreenTest, AScanAddsALineWithPriceCostAndTotals) {
    EXPECT_EQ(LookupOutcome::Added, scan("2001000000104"));  // 血糖试纸 89.00
    ASSERT_EQ(1, store.db.Q_Posxs.recordCount());
    EXPECT_EQ("10000010", line("g_sn"));
    EXPECT_EQ("89", line("ls_dj"));
    EXPECT_EQ("1", line("ls_dzl"));
    EXPECT_EQ("1", line("ls_sl"));
    EXPECT_EQ("1", line("ls_zsl"));
    EXPECT_EQ("52", line("ls_cbj"));  // average cost of the ledger
    EXPECT_EQ("血糖试纸", line("g_name"));
    EXPECT_EQ("收银员", line("a_name"));
    EXPECT_EQ("89", screen.total);
    EXPECT_EQ("销售状态", screen.status);
    EXPECT_FALSE(screen.warehouseEnabled);
    EXPECT_EQ("89", display.shown.back());
    // Scanning again adds a second line; lines are never merged.
    EXPECT_EQ(LookupOutcome::Added, scan("10000010"));
    EXPECT_EQ(2, store.db.Q_Posxs.recordCount());
    EXPECT_EQ("178", screen.total);
}

TEST_F(SaleScreenTest, BatchesGoByEarliestExpiryWithinTheStockRule) {
    goods("T1", 10);
    batch("T1", "B2", "2025-03-31", 5);
    batch("T1", "B1", "2025-01-31", 1);
    EXPECT_EQ(LookupOutcome::Added, scan("69T1"));
    EXPECT_EQ("B1", line("t_ph"));
    EXPECT_EQ(LookupOutcome::Added, scan("69T1"));  // B1 has no stock left for this sale
    EXPECT_EQ("B2", line("t_ph"));

    // Negative stock allowed: the earliest batch again.
    store.params.cs_kc = "1";
    EXPECT_EQ(LookupOutcome::Added, scan("69T1"));
    EXPECT_EQ("B1", line("t_ph"));
}

TEST_F(SaleScreenTest, TiesOnTheEarliestExpiryAreOfferedForAPick) {
    goods("T2", 10);
    batch("T2", "X1", "2025-06-30", 5);
    batch("T2", "X2", "2025-06-30", 5);
    batch("T2", "X3", "2026-06-30", 5);
    EXPECT_EQ(LookupOutcome::Choose, scan("T2"));
    EXPECT_EQ(2, store.db.Q_PosGoods.recordCount());
    EXPECT_FALSE(screen.hasLines());
    store.db.Q_PosGoods.moveTo(1);
    std::string picked = store.db.Q_PosGoods.fieldText("t_ph");
    EXPECT_TRUE(screen.selectGoods(prompt));
    EXPECT_EQ(picked, line("t_ph"));
}

TEST_F(SaleScreenTest, APartOfANameListsEveryBatchOfEveryMatchingGoods) {
    EXPECT_EQ(LookupOutcome::Choose, scan("布洛芬"));
    // Three batches in the warehouse; the expired one has stock and is listed too.
    EXPECT_EQ(3, store.db.Q_PosGoods.recordCount());
    EXPECT_EQ(LookupOutcome::Choose, scan("MXL"));  // letter code 阿莫西林: two batches
    EXPECT_EQ(LookupOutcome::NotFound, scan("没有这种商品"));
    EXPECT_EQ("仓库里没有所查询的商品信息，请重新输入！", store.messages.shown().back().text);
    EXPECT_EQ(LookupOutcome::NotFound, scan("10000016"));  // off sale
}

TEST_F(SaleScreenTest, BoxUnitAndExtraBarcode) {
    EXPECT_EQ(LookupOutcome::Added, scan("2002000000019"));  // 口罩 box of 10
    EXPECT_EQ("盒", line("dw_name"));
    EXPECT_EQ("1", line("ls_sl"));
    EXPECT_EQ("10", line("ls_zsl"));
    EXPECT_EQ("95", line("ls_dj"));  // the box price
    EXPECT_EQ("100", line("ls_lsj"));
    EXPECT_EQ("52", line("ls_cbj"));  // ten times the base cost 5.2
    EXPECT_EQ("5.2", line("ls_cbj2"));

    EXPECT_EQ(LookupOutcome::Added, scan("2003000000016"));  // 维生素C, old packaging
    EXPECT_EQ(" 旧包装", line("g_tmbz"));
    EXPECT_EQ("维生素C片 旧包装", line("g_name"));
}

TEST_F(SaleScreenTest, PricingPrecedence) {
    struct Case {
        const char* what;
        const char* memberDay;
        const char* member;      // hy_bh, empty for none
        const char* memberRate;  // hl_zk label
        const char* key;
        const char* price;
        const char* rate;
    } cases[] = {
        {"special price, non-member", "", "", "", "2001000000203", "7.5", "1"},
        {"special member price", "", "8800002", "0.9", "2001000000203", "7", "1"},
        {"level discount beats special and level rate", "", "8800002", "0.9", "2001000000098",
         "199", "0.85"},
        {"member level rate", "", "8800001", "0.95", "2001000000104", "89", "0.95"},
        {"goods' own rate for a non-member", "", "", "", "2001000000340", "45", "0.9"},
        {"goods' own rate gives way to the member's", "", "8800001", "0.95", "2001000000340", "45",
         "0.95"},
        {"member day, member", "1", "8800004", "0.85", "2001000000104", "89", "0.95"},
        {"member day, non-member pays the full price", "1", "", "", "2001000000340", "45", "1"},
    };
    for (const Case& c : cases) {
        store.params.memberDay = c.memberDay;
        screen.member.number = c.member;
        screen.member.discount = c.memberRate;
        ASSERT_EQ(LookupOutcome::Added, scan(c.key)) << c.what;
        EXPECT_EQ(c.price, line("ls_dj")) << c.what;
        EXPECT_EQ(c.rate, line("ls_dzl")) << c.what;
    }
}

TEST_F(SaleScreenTest, SpecialPriceOnlyWithinItsPeriod) {
    // 维生素C: special 6.5 limited to a period.
    store.db.execSql(
        "update jxc_goods set g_ks='2024-06-01 00:00:00', g_js='2024-06-15 10:00:00' "
        "where g_sn='10000007'");
    scan("2001000000074");
    EXPECT_EQ("8", line("ls_dj"));  // the period ended this morning
    store.db.execSql("update jxc_goods set g_js='2024-06-15 23:59:59' where g_sn='10000007'");
    scan("2001000000074");
    EXPECT_EQ("6.5", line("ls_dj"));
}

TEST_F(SaleScreenTest, CustomerPriceTypesAndQuotations) {
    store.params.cs_xsdj = "1";
    store.params.cs_cs013 = "1";
    store.db.execSql("update jxc_khxx set kt_sn='1002' where kh_sn='100001'");
    store.db.execSql("update jxc_goods set g_sj2=80 where g_sn='10000010'");
    EXPECT_EQ("80", screen.getPrice("100001", "10000010"));
    EXPECT_EQ("85.5", screen.getUnitPrice("100001", "10000008", "盒"));  // g_sj2 of the box
    store.db.execSql("insert into jxc_khbj (kh_sn,g_sn,kb_bj) values ('100001','10000010',77.456)");
    EXPECT_EQ("77.46", screen.getPrice("100001", "10000010"));  // newest quotation, rounded
    EXPECT_EQ(10, screen.getUnitFactor("10000008", "盒"));
    EXPECT_EQ(1, screen.getUnitFactor("10000008", "包"));
}

TEST_F(SaleScreenTest, CostFallsBackFromLedgerToStockToGoods) {
    goods("T3", 10);
    EXPECT_EQ("2", screen.getCostPrice("T3", "100001", "2024-06-15"));  // g_pjjj
    store.db.execSql("insert into jxc_kcsp (ck_sn,g_sn,kc_cbj,kc_sl) values ('100001','T3',3,0)");
    EXPECT_EQ("3", screen.getCostPrice("T3", "100001", "2024-06-15"));
    store.db.execSql(
        "insert into jxc_goodslist (g_sn,ck_sn,gl_kdrq,gl_pjjj) values "
        "('T3','100001','2024-06-20',4.444)");
    EXPECT_EQ("4.44", screen.getCostPrice("T3", "100001", "2024-06-15"));  // first after the date
    store.db.execSql(
        "insert into jxc_goodslist (g_sn,ck_sn,gl_kdrq,gl_pjjj) values "
        "('T3','100001','2024-06-10',5)");
    EXPECT_EQ("5", screen.getCostPrice("T3", "100001", "2024-06-15"));
    store.db.execSql("update jxc_goods set g_gdcbj=1, g_jj=6 where g_sn='T3'");
    EXPECT_EQ("6", screen.getCostPrice("T3", "100001", "2024-06-15"));  // fixed cost
}

TEST_F(SaleScreenTest, EntryKeysAndRefusedCharacters) {
    EXPECT_EQ("ABC", SaleScreen::entryKey("  ABC，123 "));
    EXPECT_EQ("", SaleScreen::entryKey("   "));
    EXPECT_EQ("A B", SaleScreen::entryKey(" A B "));
    for (char c : std::string("!%&',=?@[\\]^\"")) EXPECT_TRUE(isRefusedInputCharacter(c));
    for (char c : std::string("aZ09-./ ")) EXPECT_FALSE(isRefusedInputCharacter(c));
}

TEST_F(SaleScreenTest, DeletingLinesAndTheRegistration) {
    scan("2001000000104");
    scan("2001000000128");
    store.session.buyerName = "张三";
    screen.delCurrRec(0);
    EXPECT_EQ(1, store.db.Q_Posxs.recordCount());
    EXPECT_EQ("10000012", line("g_sn"));
    EXPECT_EQ("张三", store.session.buyerName);  // a line is left
    store.messages.answer(Answer::No);
    screen.delAllRec();
    EXPECT_EQ(1, store.db.Q_Posxs.recordCount());
    store.messages.answer(Answer::Yes);
    screen.delAllRec();
    EXPECT_EQ("您确定要删除所有信息吗！", store.messages.shown().back().text);
    EXPECT_FALSE(screen.hasLines());
    EXPECT_EQ("", store.session.buyerName);
    screen.updateBottomHjje();
    EXPECT_EQ("0", screen.total);
    EXPECT_EQ("待销售状态", screen.status);
    EXPECT_TRUE(screen.warehouseEnabled);
}

TEST_F(SaleScreenTest, AmountsAreRoundedToTheirDecimalsAndTheNumberMovesOnWhenTaken) {
    store.db.execSql("update jxc_goods set g_sj=10.005 where g_sn='10000012'");
    scan("2001000000128");
    EXPECT_EQ("10.01", line("ls_zje"));  // cs_zjews on, two amount decimals
    EXPECT_EQ("10.005", line("ls_dj"));
    // Another operator used the number meanwhile: the next line goes under a fresh one.
    store.db.execSql("insert into jxc_lsxssp (gl_djh,a_name,g_sn) values ('" + screen.saleNumber +
                     "','管理员','10000012')");
    std::string old = screen.saleNumber;
    scan("2001000000128");
    EXPECT_NE(old, screen.saleNumber);
    EXPECT_EQ(1, store.db.Q_Posxs.recordCount());
}

TEST_F(SaleScreenTest, TheMemberIsReleasedOnlyWithoutLines) {
    screen.member.number = "8800001";
    screen.member.discount = "0.95";
    store.session.memberBalance = "100";
    scan("2001000000104");
    EXPECT_FALSE(screen.releaseMember());
    EXPECT_EQ("正在销售商品，不能隐藏会员信息！", store.messages.shown().back().text);
    EXPECT_EQ("8800001", screen.member.number);
    screen.delCurrRec(0);
    EXPECT_TRUE(screen.releaseMember());
    EXPECT_EQ("", screen.member.number);
    EXPECT_EQ("", screen.member.discount);
    EXPECT_EQ("", store.session.memberBalance);
}

TEST_F(SaleScreenTest, ResetKeepsTheGuideAndStopsWithoutWarehouses) {
    screen.guide = static_cast<int>(screen.guides.size()) - 1;
    std::string chosen = screen.guides.back().text;
    screen.setInitValue("");
    EXPECT_EQ(chosen, screen.guides[static_cast<size_t>(screen.guide)].text);

    store.db.execSql("delete from jxc_ckxx");
    EXPECT_EQ(ResetOutcome::NoWarehouse, screen.setInitValue(""));
    EXPECT_EQ("请添加仓库信息！", store.messages.shown().back().text);
}

}  // namespace
}  // namespace pos::test
