#include "sales/lineEdit.h"

#include <gtest/gtest.h>

#include "checkout/customerDisplay.h"
#include "database/sqlText.h"
#include "returns/supervisor.h"
#include "sales/lineChecks.h"
#include "sales/saleScreen.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

constexpr const char* kNegativePrice = "单价不能为负数，请重新输入！";
constexpr const char* kBadQuantity = "数量必须大于0，请重新输入！";
constexpr const char* kBelowMinimum = "商品的最低折扣为：“0.8”，\r\n\r\n打折率不能低于最低折扣！";
constexpr const char* kOverLimit = "当前器械每次最多销售数量为“2”，不能超过这个数量！";
constexpr const char* kOutOfStock = "库存数量不足，不能出库！";

class NoRegistration : public RegistrationPrompt {
  public:
    BuyerRegistration ask() override { return {}; }
};

// Authorises as 管理员 with `password`, or cancels when it is empty.
class ScriptedSupervisor : public SupervisorPrompt {
  public:
    explicit ScriptedSupervisor(PosContext& ctx) : ctx_(ctx) {}
    std::string password;
    std::vector<std::string> captions;
    void ask(const std::string& caption) override {
        captions.push_back(caption);
        if (!password.empty()) acceptSupervisor(ctx_, "管理员", password);
    }

  private:
    PosContext& ctx_;
};

class LineEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.params = SystemParameters{};
        loadSystemParameters(ctx, {});
        ASSERT_EQ("0", store.params.cs_kc);  // sales stay within the batch stock
        ASSERT_EQ(ResetOutcome::Ready, screen.setInitValue(""));
    }

    // Goods of our own at `price`, average cost 2, in the base unit "盒".
    void goods(const std::string& code, double price) {
        store.db.execSql(
            "insert into jxc_goods (g_sn,g_name,g_sptm,g_sj,g_lsj,dw_name,g_jy,g_dzll,g_pjjj) "
            "values (" +
            sqlQuote(code) + "," + sqlQuote("测试" + code) + "," + sqlQuote("69" + code) + "," +
            sqlNumber(price) + "," + sqlNumber(price) + ",'盒',0,1,2)");
    }
    void batch(const std::string& code, const std::string& no, const std::string& expiry,
               double qty) {
        store.db.execSql("insert into jxc_tkc (g_sn,ck_sn,t_ph,t_yxq,t_scrq,t_mjph,t_sl) values (" +
                         sqlQuote(code) + ",'100001'," + sqlQuote(no) + "," + sqlQuote(expiry) +
                         ",'',''," + sqlNumber(qty) + ")");
    }
    // Scans `key`; the row of the new line.
    int scan(const std::string& key) {
        EXPECT_EQ(LookupOutcome::Added, screen.setFilterGoods(key, registration));
        return store.db.Q_Posxs.recordCount() - 1;
    }
    LineEditPanel open(int row, LineEditMode mode = LineEditMode::Quantity) {
        std::optional<LineEditPanel> panel = openLineEdit(ctx, screen, row, mode, supervisor);
        EXPECT_TRUE(panel.has_value());
        return panel.value_or(LineEditPanel{});
    }
    std::string at(int row, const std::string& field) {
        Query& q = store.db.Q_Posxs;
        const int current = q.currentRow();
        q.moveTo(row);
        std::string v = q.fieldText(field);
        q.moveTo(current);
        return v;
    }
    // One field of every line of the sale, in line order, each as "batch:value".
    std::vector<std::string> byBatch(const std::string& field) {
        std::vector<std::string> r;
        for (int i = 0; i < store.db.Q_Posxs.recordCount(); ++i)
            r.push_back(at(i, "t_ph") + ":" + at(i, field));
        return r;
    }
    std::vector<std::string> column(const std::string& field) {
        std::vector<std::string> r;
        for (int i = 0; i < store.db.Q_Posxs.recordCount(); ++i) r.push_back(at(i, field));
        return r;
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (const auto& s : store.messages.shown()) texts.push_back(s.text);
        return texts;
    }

    TestStore store;
    PosContext& ctx = store.ctx;
    NoCustomerDisplay display;
    NoRegistration registration;
    ScriptedSupervisor supervisor{ctx};
    SaleScreen screen{ctx, display};
};

TEST_F(LineEditTest, OpeningShowsTheLineAndTheModeDecidesWhatIsOpen) {
    goods("T1", 12.5);
    batch("T1", "B1", "2026-01", 10);
    const int row = scan("T1");
    store.db.execSql("update jxc_lsxssp set ls_dzl=0.8,ls_dhdj=10,ls_sl=2");
    screen.openGridViewData(screen.saleNumber);

    LineEditPanel p = open(row);
    EXPECT_EQ(std::stoll(at(row, "id")), p.lineId);
    EXPECT_EQ("测试T1", p.goodsName);
    EXPECT_EQ(12.5, p.listPrice);
    EXPECT_EQ(10, p.price);
    EXPECT_EQ(0.8, p.rate);
    EXPECT_EQ(2, p.currentQty);
    EXPECT_EQ(2, p.newQty);
    EXPECT_FALSE(p.priceEditable || p.permanentPrice || p.wholeSale);
    EXPECT_EQ("1", store.session.lineEditMode);

    // Cashiers may change prices: no supervisor.
    store.params.cs_posdj = "1";
    EXPECT_TRUE(open(row, LineEditMode::Price).priceEditable);
    EXPECT_EQ("", store.session.lineEditMode);
    EXPECT_TRUE(supervisor.captions.empty());

    // They may not: a supervisor authorises, and the authorisation is not kept.
    store.params.cs_posdj = "0";
    EXPECT_EQ(std::nullopt, openLineEdit(ctx, screen, row, LineEditMode::Price, supervisor));
    supervisor.password = "8888";
    EXPECT_TRUE(open(row, LineEditMode::Price).priceEditable);
    EXPECT_EQ((std::vector<std::string>{"修改售价-柜长授权", "修改售价-柜长授权"}),
              supervisor.captions);
    EXPECT_EQ("", store.session.supervisorName);
    EXPECT_EQ("", store.session.supervisorRole);
    // The quantity key never asks.
    open(row);
    EXPECT_EQ(2u, supervisor.captions.size());

    EXPECT_EQ(std::nullopt, openLineEdit(ctx, screen, 1, LineEditMode::Quantity, supervisor));
    EXPECT_EQ(std::nullopt, openLineEdit(ctx, screen, -1, LineEditMode::Quantity, supervisor));
}

TEST_F(LineEditTest, PriceAndRateFollowEachOther) {
    struct Case {
        double listPrice, typed;
        bool typedRate;  // typed into the rate box, else into the price box
        double price, rate;
    } cases[] = {
        {12.5, 0.85, true, 10.63, 0.85},  // 10.625 rounds half away from zero
        {2.01, 0.5, true, 1.01, 0.5},     // 1.005 held as 1.00499…
        {10, 8, false, 8, 0.8},           //
        {3, 1, false, 1, 0.3333},         //
        {3, 2, false, 2, 0.6667},         //
        {0, 5, false, 5, 1},              // no price before discount: rate 1
        {-2, 5, false, 5, 1},             //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.listPrice) + " / " + std::to_string(c.typed));
        LineEditPanel p;
        p.listPrice = c.listPrice;
        if (c.typedRate) {
            p.rate = c.typed;
            rateEdited(p);
        } else {
            p.price = c.typed;
            priceEdited(p);
        }
        EXPECT_DOUBLE_EQ(c.price, p.price);
        EXPECT_DOUBLE_EQ(c.rate, p.rate);
    }
}

TEST_F(LineEditTest, SaveChecksInOrderAndRefusalsWriteNothing) {
    goods("L1", 10);
    batch("L1", "B1", "2026-01", 50);
    store.params.cs_zdzk = "0.8";
    struct Case {
        const char* what;
        double listPrice, price, rate, qty;
        bool priceMode;
        double limit;      // g_xzsl of the goods
        double otherLine;  // quantity of a second line of the goods, 0 for none
        LineEditOutcome outcome;
        const char* message;  // "" when saved
    } cases[] = {
        {"negative price first", -1, -1, 1, 0, true, 2, 0, LineEditOutcome::NegativePrice,
         kNegativePrice},
        {"negative price after discount", 10, -5, 0.5, 0, true, 2, 0,
         LineEditOutcome::NegativePrice, kNegativePrice},
        {"quantity 0 before the rate", 10, 5, 0.5, 0, true, 2, 0, LineEditOutcome::BadQuantity,
         kBadQuantity},
        {"negative quantity", 10, 10, 1, -1, false, 0, 0, LineEditOutcome::BadQuantity,
         kBadQuantity},
        {"rate below the minimum before the limit", 10, 7.9, 0.79, 3, true, 2, 0,
         LineEditOutcome::BelowMinimumRate, kBelowMinimum},
        {"the minimum rate itself and the limit itself", 10, 8, 0.8, 2, true, 2, 0,
         LineEditOutcome::Saved, ""},
        {"a priced-in rate below the minimum does not stop a quantity change", 10, 5, 0.5, 2, false,
         0, 0, LineEditOutcome::Saved, ""},
        {"over the per-sale limit", 10, 10, 1, 3, false, 2, 0, LineEditOutcome::OverPerSaleLimit,
         kOverLimit},
        {"the limit counts the goods' other lines", 10, 10, 1, 2, false, 2, 1,
         LineEditOutcome::OverPerSaleLimit, kOverLimit},
        {"the limit before the stock", 10, 10, 1, 60, false, 2, 0,
         LineEditOutcome::OverPerSaleLimit, kOverLimit},
        {"more than the stock", 10, 10, 1, 60, false, 0, 0, LineEditOutcome::OutOfStock,
         kOutOfStock},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.messages.clear();
        store.db.execSql("delete from jxc_lsxssp");
        store.db.execSql("update jxc_goods set g_xzsl=0 where g_sn='L1'");
        screen.openGridViewData(screen.saleNumber);
        const int row = scan("L1");
        if (c.otherLine > 0) {
            scan("L1");
            // In another batch: the limit is the goods', not the batch's.
            store.db.execSql("update jxc_lsxssp set t_ph='B9',ls_sl=" + sqlNumber(c.otherLine) +
                             ",ls_zsl=" + sqlNumber(c.otherLine) + " where id>" + at(row, "id"));
        }
        store.db.execSql("update jxc_goods set g_xzsl=" + sqlNumber(c.limit) + " where g_sn='L1'");
        screen.openGridViewData(screen.saleNumber);

        LineEditPanel p = open(row, c.priceMode ? LineEditMode::Price : LineEditMode::Quantity);
        p.listPrice = c.listPrice;
        p.price = c.price;
        p.rate = c.rate;
        p.newQty = c.qty;
        const LineEditOutcome outcome = saveLineEdit(ctx, screen, p);
        EXPECT_EQ(c.outcome, outcome);
        EXPECT_EQ(*c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{},
                  shown());
        const std::string id = std::to_string(p.lineId);
        if (outcome == LineEditOutcome::Saved) {
            EXPECT_TRUE(closesPanel(outcome));
            EXPECT_EQ(sqlNumber(c.qty), store.value("select ls_sl from jxc_lsxssp where id=" + id));
            EXPECT_EQ(sqlNumber(c.rate),
                      store.value("select ls_dzl from jxc_lsxssp where id=" + id));
        } else {
            EXPECT_FALSE(closesPanel(outcome));
            EXPECT_EQ("1", store.value("select ls_sl from jxc_lsxssp where id=" + id));
            EXPECT_EQ("10", store.value("select ls_dhdj from jxc_lsxssp where id=" + id));
        }
    }
}

TEST_F(LineEditTest, AQuantityTheBatchCannotHoldIsSplitOverBatchesByExpiry) {
    goods("T5", 10);
    batch("T5", "B1", "2025-01", 3);
    const int row = scan("T5");
    ASSERT_EQ("B1", at(row, "t_ph"));
    batch("T5", "B3", "2026-06", 10);
    batch("T5", "B2", "2025-06", 4);
    batch("T5", "B0", "2024-05", 9);  // expired: never added without the cashier's answer
    store.db.execSql(
        "update jxc_lsxssp set t_cfsm='已实名登记，可以销售。',ls_xm='张三',t_yaoshi='管理员'");
    screen.openGridViewData(screen.saleNumber);

    LineEditPanel p = open(row, LineEditMode::Price);
    p.rate = 0.9;
    rateEdited(p);
    p.newQty = 5;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_TRUE(store.messages.shown().empty());

    ASSERT_EQ(2, store.db.Q_Posxs.recordCount());
    EXPECT_EQ(std::to_string(p.lineId), store.db.Q_Posxs.fieldText("id"));  // still selected
    EXPECT_EQ((std::vector<std::string>{"B1:3", "B2:2"}), byBatch("ls_sl"));
    EXPECT_EQ((std::vector<std::string>{"B1:3", "B2:2"}), byBatch("ls_zsl"));
    EXPECT_EQ((std::vector<std::string>{"B1:27", "B2:18"}), byBatch("ls_zje"));
    EXPECT_EQ((std::vector<std::string>{"B1:9", "B2:9"}), byBatch("ls_dhdj"));
    EXPECT_EQ((std::vector<std::string>{"B1:10", "B2:10"}), byBatch("ls_dj"));
    EXPECT_EQ((std::vector<std::string>{"B1:0.9", "B2:0.9"}), byBatch("ls_dzl"));
    EXPECT_EQ((std::vector<std::string>{"B1:6", "B2:4"}), byBatch("ls_zcb"));  // cost 2
    EXPECT_EQ("2025-06", at(1, "t_yxq"));
    EXPECT_EQ("已实名登记，可以销售。", at(1, "t_cfsm"));
    EXPECT_EQ("张三", at(1, "ls_xm"));
    EXPECT_EQ("管理员", at(1, "t_yaoshi"));
    EXPECT_EQ("测试T5", at(1, "g_name"));
    EXPECT_EQ("45", screen.total);
}

TEST_F(LineEditTest, BatchesHoldingTooLittleTogetherRefuseAndChangeNothing) {
    goods("T6", 10);
    batch("T6", "B1", "2025-01", 3);
    const int row = scan("T6");
    batch("T6", "B2", "2025-06", 1);
    batch("T6", "X", "2025-03", 5);
    store.db.execSql("update jxc_tkc set ck_sn='100002' where t_ph='X'");  // another warehouse

    LineEditPanel p = open(row, LineEditMode::Price);
    p.price = 9;
    priceEdited(p);
    p.permanentPrice = true;
    p.newQty = 5;
    EXPECT_EQ(LineEditOutcome::OutOfStock, saveLineEdit(ctx, screen, p));
    EXPECT_EQ(std::vector<std::string>{kOutOfStock}, shown());
    EXPECT_EQ((std::vector<std::string>{"B1:1"}), byBatch("ls_sl"));
    EXPECT_EQ("10", at(row, "ls_dhdj"));
    EXPECT_EQ("10", store.value("select g_sj from jxc_goods where g_sn='T6'"));

    p.newQty = 4;  // exactly what the batches hold
    EXPECT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"B1:3", "B2:1"}), byBatch("ls_sl"));
    EXPECT_EQ("9", store.value("select g_sj from jxc_goods where g_sn='T6'"));
}

TEST_F(LineEditTest, TheSalesOtherLinesOfABatchAreNotSoldTwice) {
    goods("T7", 10);
    batch("T7", "B1", "2025-01", 3);
    batch("T7", "B2", "2025-06", 4);
    const int first = scan("T7");
    const int second = scan("T7");
    ASSERT_EQ((std::vector<std::string>{"B1:1", "B1:1"}), byBatch("ls_sl"));

    LineEditPanel p = open(first);
    p.newQty = 4;  // B1 has 2 left beside the second line
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"B1:2", "B1:1", "B2:2"}), byBatch("ls_sl"));

    p = open(second);
    p.newQty = 3;  // B1 is used up; B2 has 2 left
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"B1:2", "B1:1", "B2:2", "B2:2"}), byBatch("ls_sl"));

    // Another till sold one of B1: the second line has nothing left there and
    // moves to the next batch with stock.
    store.db.execSql("update jxc_tkc set t_sl=2 where t_ph='B1'");
    batch("T7", "B3", "2026-01", 5);
    p = open(second);
    p.newQty = 2;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"B1:2", "B3:2", "B2:2", "B2:2"}), byBatch("ls_sl"));

    p = open(second);
    p.newQty = 6;  // B3 holds 5
    EXPECT_EQ(LineEditOutcome::OutOfStock, saveLineEdit(ctx, screen, p));
}

TEST_F(LineEditTest, BoxLinesCompareBaseUnitsWithTheStock) {
    // 医用外科口罩: a box of 10 packs at 95; 200 packs in the counter's one batch.
    const int row = scan("2002000000019");
    ASSERT_EQ("10", at(row, "ls_zsl"));
    LineEditPanel p = open(row);

    p.newQty = 21;  // 210 packs
    EXPECT_EQ(LineEditOutcome::OutOfStock, saveLineEdit(ctx, screen, p));
    p.newQty = 20;
    EXPECT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ("20", at(row, "ls_sl"));
    EXPECT_EQ("200", at(row, "ls_zsl"));
    EXPECT_EQ("1900", at(row, "ls_zje"));
    EXPECT_EQ(1, store.db.Q_Posxs.recordCount());

    // A later batch of 35 packs: 3.5 boxes more can come from it.
    store.db.execSql(
        "insert into jxc_tkc (g_sn,ck_sn,t_ph,t_yxq,t_scrq,t_mjph,t_sl) values "
        "('10000008','100001','K2','2027-01-01','','',35)");
    p = open(row);
    p.newQty = 23;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    ASSERT_EQ(2, store.db.Q_Posxs.recordCount());
    EXPECT_EQ("K2", at(1, "t_ph"));
    EXPECT_EQ("盒", at(1, "dw_name"));
    EXPECT_EQ("2002000000019", at(1, "g_sptm"));
    EXPECT_EQ("10", at(1, "g_zhxs"));
    EXPECT_EQ("3", at(1, "ls_sl"));
    EXPECT_EQ("30", at(1, "ls_zsl"));
    EXPECT_EQ("95", at(1, "ls_dhdj"));
    EXPECT_EQ("285", at(1, "ls_zje"));
    EXPECT_EQ("52", at(1, "ls_cbj"));  // the box's cost, 10 × 5.2
    EXPECT_EQ("5.2", at(1, "ls_cbj2"));
    EXPECT_EQ("156", at(1, "ls_zcb"));
    EXPECT_EQ("2185", screen.total);
}

TEST_F(LineEditTest, WithNegativeStockAllowedTheLineTakesAnyQuantity) {
    goods("T8", 10);
    batch("T8", "B1", "2025-01", 3);
    batch("T8", "B2", "2025-06", 4);
    const int row = scan("T8");
    store.params.cs_kc = "1";
    LineEditPanel p = open(row);
    p.newQty = 50;
    EXPECT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"B1:50"}), byBatch("ls_sl"));
}

TEST_F(LineEditTest, PermanentPriceChangesTheGoodsPriceOfTheLinesUnit) {
    goods("T9", 12.5);
    batch("T9", "B1", "2026-01", 10);
    const int row = scan("T9");

    LineEditPanel p = open(row);  // the box is disabled for a quantity change
    p.permanentPrice = true;
    p.newQty = 2;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ("12.5", store.value("select g_sj from jxc_goods where g_sn='T9'"));

    p = open(row, LineEditMode::Price);
    p.price = 11.5;
    priceEdited(p);
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));  // not ticked
    EXPECT_EQ("12.5", store.value("select g_sj from jxc_goods where g_sn='T9'"));

    p = open(row, LineEditMode::Price);
    p.price = 11;
    priceEdited(p);
    p.permanentPrice = true;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ("11", store.value("select g_sj from jxc_goods where g_sn='T9'"));
    EXPECT_EQ("11", at(row, "ls_dhdj"));
    EXPECT_EQ("12.5", at(row, "ls_dj"));
    EXPECT_EQ("0.88", at(row, "ls_dzl"));
    EXPECT_EQ("22", at(row, "ls_zje"));

    // A box line changes the box's price, not the pack's.
    const int box = scan("2002000000019");
    p = open(box, LineEditMode::Price);
    p.price = 90;
    priceEdited(p);
    p.permanentPrice = true;
    ASSERT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ("90", store.value("select g_sj from jxc_goodsdw where g_sn='10000008'"));
    EXPECT_EQ("10", store.value("select g_sj from jxc_goods where g_sn='10000008'"));
}

TEST_F(LineEditTest, TheWholeSaleRateReachesEveryLineOfTheSale) {
    const int a = scan("10000010");  // 89
    const int b = scan("10000011");  // 25
    const int c = scan("10000026");  // 19.8
    store.db.execSql("update jxc_lsxssp set ls_sl=2,ls_zje=178,ls_je=178 where id=" + at(a, "id"));
    // Lines of another sale and of another operator's sale of the same number.
    store.db.execSql(
        "insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_dj,ls_taxdj,ls_dzl,ls_sl,ls_zje) values "
        "('XS0','10000010','收银员',89,89,1,1,89),(" +
        sqlQuote(screen.saleNumber) + ",'10000010','管理员',89,89,1,1,89)");
    screen.openGridViewData(screen.saleNumber);

    // Quantity mode: the box is disabled and the line saves as usual.
    LineEditPanel p = open(b);
    p.wholeSale = true;
    EXPECT_EQ(LineEditOutcome::Saved, saveLineEdit(ctx, screen, p));
    EXPECT_EQ((std::vector<std::string>{"1", "1", "1"}), column("ls_dzl"));

    p = open(b, LineEditMode::Price);
    p.rate = 0.9;
    rateEdited(p);
    p.newQty = 5;  // the rate is all that applies
    p.wholeSale = true;
    p.permanentPrice = true;
    EXPECT_EQ(LineEditOutcome::WholeSaleRate, saveLineEdit(ctx, screen, p));
    EXPECT_TRUE(closesPanel(LineEditOutcome::WholeSaleRate));
    for (int r : {a, b, c}) {
        SCOPED_TRACE(r);
        EXPECT_EQ("0.9", at(r, "ls_dzl"));
        EXPECT_EQ(sqlNumber(std::stod(at(r, "ls_dj")) * 0.9), at(r, "ls_dhdj"));
        EXPECT_EQ(sqlNumber(std::stod(at(r, "ls_dj")) * std::stod(at(r, "ls_sl")) * 0.9),
                  at(r, "ls_zje"));
    }
    EXPECT_EQ("1", at(b, "ls_sl"));
    EXPECT_EQ("25", store.value("select g_sj from jxc_goods where g_sn='10000011'"));
    EXPECT_EQ(sqlNumber((178 + 25 + 19.8) * 0.9), screen.total);
    EXPECT_EQ(std::to_string(p.lineId), store.db.Q_Posxs.fieldText("id"));
    EXPECT_EQ("1", store.value("select ls_dzl from jxc_lsxssp where gl_djh='XS0'"));
    EXPECT_EQ("1", store.value("select ls_dzl from jxc_lsxssp where a_name='管理员'"));
}

TEST_F(LineEditTest, AGiftLineIsFreeAndKeepsItsQuantity) {
    const int gift = scan("10000011");  // 25
    scan("10000026");                   // 19.8
    store.db.execSql("update jxc_lsxssp set ls_sl=3,ls_zsl=3,ls_dzl=0.9 where id=" +
                     at(gift, "id"));
    screen.openGridViewData(screen.saleNumber);

    ASSERT_TRUE(setZp(ctx, screen, gift));
    EXPECT_EQ(gift, store.db.Q_Posxs.currentRow());
    EXPECT_EQ("电子体温计(赠品)", at(gift, "g_name"));
    EXPECT_EQ("(赠品)", at(gift, "t_zp"));
    for (const char* f : {"ls_dj", "ls_taxdj", "ls_dhdj", "ls_zje", "ls_zhje", "ls_je"})
        EXPECT_EQ("0", at(gift, f)) << f;
    EXPECT_EQ("3", at(gift, "ls_sl"));
    EXPECT_EQ("0.9", at(gift, "ls_dzl"));
    EXPECT_EQ("12", at(gift, "ls_cbj"));
    EXPECT_EQ("19.8", screen.total);
    EXPECT_EQ("4", store.value("select sum(ls_sl) from jxc_lsxssp where gl_djh=" +
                               sqlQuote(screen.saleNumber)));

    EXPECT_FALSE(setZp(ctx, screen, 2));
}

}  // namespace
}  // namespace pos::test
