#include "sales/heldSales.h"

#include <gtest/gtest.h>

#include "checkout/customerDisplay.h"
#include "common/comboLists.h"
#include "database/dbError.h"
#include "sales/lineChecks.h"
#include "sales/saleScreen.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

constexpr const char* kTestStrips = "2001000000104";  // 血糖试纸 89.00
constexpr const char* kSwabs = "2001000000128";       // 医用棉签 3.00

class NoRegistration : public RegistrationPrompt {
  public:
    BuyerRegistration ask() override { return {}; }
};

class HeldSalesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        loadSystemParameters(store.ctx, {});
        ASSERT_EQ(ResetOutcome::Ready, screen.setInitValue(""));
    }

    void scan(const std::string& code) {
        ASSERT_EQ(LookupOutcome::Added, screen.setFilterGoods(code, prompt));
    }
    // The member 李娜 (8800002, 金卡会员 at 0.9, balance 1250) as the member selection attaches
    // her.
    void attachMember() {
        screen.member.number = "8800002";
        screen.member.name = "李娜";
        screen.member.level = "金卡会员";
        screen.member.discount = "0.9";
        screen.member.points = "6500";
        screen.member.balance = "1250";
        store.session.memberBalance = "1250";
    }
    // A held sale of the current day: scans the codes and holds them.
    std::string holdSale(const std::vector<std::string>& codes) {
        for (const std::string& c : codes) scan(c);
        const std::string number = screen.saleNumber;
        EXPECT_TRUE(posGD(store.ctx, screen));
        return number;
    }
    void searchToday(const std::string& key = "") {
        const std::string today = store.clock.now().date();
        searchHeldSales(store.ctx, key, today, today);
    }
    std::vector<std::string> listed(const char* field = "gl_djh") {
        std::vector<std::string> v;
        Query& q = store.db.Q_PosJg;
        for (q.first(); !q.eof(); q.next()) v.push_back(q.fieldText(field));
        q.first();
        return v;
    }
    std::vector<std::string> informed() const {
        std::vector<std::string> v;
        for (const auto& s : store.messages.shown()) v.push_back(s.text);
        return v;
    }
    std::string v(const std::string& sql) { return store.value(sql); }
    // The first row of a select, its values joined by '|'.
    std::string row(const std::string& sql) {
        Query q(store.db.backend(), "row");
        q.setSqlText(sql);
        q.open();
        std::string r;
        for (int i = 0; i < static_cast<int>(q.columns().size()); ++i)
            r += (i ? "|" : "") + q.value(i).asText();
        return r;
    }
    std::string counts() {
        return v("select count(*) from jxc_lsxssp") + "/" + v("select count(*) from jxc_posxssp") +
               "/" + v("select count(*) from jxc_posxsd");
    }
    // What the held-sales dialog does on its recall key.
    std::function<bool()> dialogRecallingTodaysRow(int row) {
        return [this, row] {
            searchToday();
            store.db.Q_PosJg.moveTo(row);
            return recallHeldSale(store.ctx, screen);
        };
    }

    TestStore store;
    NoCustomerDisplay display;
    NoRegistration prompt;
    SaleScreen screen{store.ctx, display};
};

TEST_F(HeldSalesTest, AHeldSaleComesBackWithItsAmountsMemberAndTaxReset) {
    attachMember();
    scan(kTestStrips);
    scan(kSwabs);
    const std::string number = screen.saleNumber;
    const std::string guideCode = getComboValue(screen.guides, screen.guide);
    ASSERT_FALSE(guideCode.empty());
    // Lines as the price and tax edits leave them: tax amounts, an amount apart from ls_je.
    store.db.execSql("update jxc_lsxssp set ls_tax=13,ls_taxje=9.5,ls_je=1,ls_zhje=2");
    // A registered buyer of restricted goods.
    store.db.execSql(
        "update jxc_lsxssp set ls_xm='张三',t_cfhm='CF01',t_cfsm='已出具处方，可以销售。'");
    EXPECT_EQ("82.8", screen.total);  // (89 + 3) × 0.9

    int newSales = 0;
    ASSERT_TRUE(posGD(store.ctx, screen, [&] {
        ++newSales;
        screen.setInitValue("");
    }));
    EXPECT_EQ(1, newSales);
    EXPECT_EQ(std::vector<std::string>{"挂单成功！"}, informed());
    EXPECT_EQ("系统提示", store.messages.shown()[0].caption);
    // The header: member code, date without time, the shown total, operator, salesperson,
    // warehouse.
    const std::string h = " from jxc_posxsd where gl_djh='" + number + "'";
    EXPECT_EQ("100003|2024-06-15|82.8|0|gd|收银员|" + guideCode + "|100001",
              row("select hy_sn,pos_xsrq,pos_yfje,pos_sfje,pos_note,a_name,u_sn,ck_sn" + h));
    EXPECT_EQ("2", v("select count(*) from jxc_posxssp where gl_djh='" + number + "'"));
    EXPECT_EQ(
        "89|1|80.1|0.9|2|52|52|89|1|10000010",
        row("select pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,pos_cbj,pos_zcb,pos_lsj,pos_zsl,g_sn "
            "from jxc_posxssp where gl_djh='" +
            number + "' order by id"));
    EXPECT_EQ("0", v("select count(*) from jxc_lsxssp"));
    // The screen moved on: a new number, no lines, no member.
    EXPECT_NE(number, screen.saleNumber);
    EXPECT_FALSE(screen.hasLines());
    EXPECT_EQ("0", screen.total);
    EXPECT_TRUE(screen.member.number.empty());
    EXPECT_TRUE(store.session.memberBalance.empty());

    // The list shows it with the member; its lines with name and discounted price.
    searchToday();
    EXPECT_EQ(std::vector<std::string>{number}, listed());
    EXPECT_EQ("8800002", store.db.Q_PosJg.fieldText("hybh"));
    EXPECT_EQ("李娜", store.db.Q_PosJg.fieldText("hyname"));
    EXPECT_EQ(number, openHeldSaleLines(store.ctx));
    EXPECT_EQ("单据 " + number + " 的详细信息", heldSaleLinesCaption(number));
    Query& lines = store.db.Q_PosJg2;
    ASSERT_EQ(2, lines.recordCount());
    EXPECT_EQ("血糖试纸", lines.fieldText("g_name"));
    EXPECT_EQ("80.1", lines.fieldText("dhdj"));

    store.messages.clear();
    EXPECT_EQ(RecallOutcome::MemberPanel, posJG(store.ctx, screen, dialogRecallingTodaysRow(0)));
    EXPECT_TRUE(informed().empty());
    EXPECT_EQ(number, screen.saleNumber);
    EXPECT_EQ("82.8", screen.total);  // recomputed from the copied amounts
    EXPECT_EQ("销售状态", screen.status);
    ASSERT_EQ(2, store.db.Q_Posxs.recordCount());
    EXPECT_EQ(
        "89|89|80.1|80.1|80.1|0|0|80.1|1|1|1|收银员",
        row("select ls_dj,ls_taxdj,ls_zje,ls_zhje,ls_je,ls_tax,ls_taxje,ls_dhdj,ls_sl,ls_cksl,"
            "ls_zsl,a_name from jxc_lsxssp where g_sn='10000010'"));
    EXPECT_EQ("52|52|89", row("select ls_cbj,ls_zcb,ls_lsj from jxc_lsxssp where g_sn='10000010'"));
    // The registration comes back with the lines.
    EXPECT_EQ("张三|CF01|已出具处方，可以销售。",
              row("select ls_xm,t_cfhm,t_cfsm from jxc_lsxssp where g_sn='10000010'"));
    // Member labels and balance as the member selection would set them.
    EXPECT_EQ("8800002", screen.member.number);
    EXPECT_EQ("李娜", screen.member.name);
    EXPECT_EQ("金卡会员", screen.member.level);
    EXPECT_EQ("0.9", screen.member.discount);
    EXPECT_EQ("6500", screen.member.points);
    EXPECT_EQ("1250", screen.member.balance);
    EXPECT_EQ("1250", store.session.memberBalance);
    // Nothing is held any more.
    EXPECT_EQ("0", v("select count(*) from jxc_posxssp"));
    EXPECT_EQ("0", v("select count(*) from jxc_posxsd"));
}

TEST_F(HeldSalesTest, ASaleWithoutMemberComesBackWithoutTheMemberOfTheEmptyScreen) {
    const std::string number = holdSale({kSwabs});
    EXPECT_EQ("", v("select hy_sn from jxc_posxsd"));

    // A member attached to the empty screen, then the dialog left without a recall:
    // the screen is as it was, member panel included.
    attachMember();
    EXPECT_EQ(RecallOutcome::MemberPanel, posJG(store.ctx, screen, [] { return false; }));
    EXPECT_EQ("1250", store.session.memberBalance);
    EXPECT_EQ("8800002", screen.member.number);
    EXPECT_EQ("1", v("select count(*) from jxc_posxsd"));

    // The held sale has no member, so none stays attached (it would price and post to her).
    EXPECT_EQ(RecallOutcome::KeyLegend, posJG(store.ctx, screen, dialogRecallingTodaysRow(0)));
    EXPECT_EQ(number, screen.saleNumber);
    EXPECT_TRUE(screen.member.number.empty());
    EXPECT_TRUE(store.session.memberBalance.empty());
    EXPECT_EQ("3", screen.total);
}

TEST_F(HeldSalesTest, RecallIsRefusedWhileTheSaleHasLines) {
    holdSale({kSwabs});
    scan(kTestStrips);
    store.messages.clear();
    store.session.memberBalance = "1250";
    const std::string before = counts();
    bool shown = false;
    EXPECT_EQ(RecallOutcome::Refused, posJG(store.ctx, screen, [&] { return shown = true; }));
    EXPECT_FALSE(shown);
    EXPECT_EQ(std::vector<std::string>{"系统处于销售状态，不能解挂！"}, informed());
    EXPECT_EQ("1250", store.session.memberBalance);
    EXPECT_EQ(before, counts());
}

TEST_F(HeldSalesTest, ASaleWithoutLinesIsNotHeld) {
    const std::string number = screen.saleNumber;
    bool started = false;
    EXPECT_FALSE(posGD(store.ctx, screen, [&] { started = true; }));
    EXPECT_FALSE(started);
    EXPECT_TRUE(informed().empty());
    EXPECT_EQ(number, screen.saleNumber);
    EXPECT_EQ("0/0/0", counts());
}

TEST_F(HeldSalesTest, ASaleHeldByOneOperatorIsRecalledOntoAnothersScreen) {
    const std::string number = holdSale({kTestStrips, kSwabs});
    // Lines of another operator's sale in progress are never touched.
    store.db.execSql(
        "insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_zje) values ('XS24061599999',"
        "'10000012','管理员',3)");

    store.session.operatorName = "管理员";
    store.session.operatorCode = "001";
    store.session.roleCode = "100001";
    screen.setInitValue("");
    searchToday();
    EXPECT_EQ(std::vector<std::string>{"收银员"}, listed("a_name"));  // every operator's holds
    EXPECT_EQ(RecallOutcome::KeyLegend, posJG(store.ctx, screen, dialogRecallingTodaysRow(0)));
    EXPECT_EQ(number, screen.saleNumber);
    ASSERT_EQ(2, store.db.Q_Posxs.recordCount());  // on this operator's screen
    EXPECT_EQ("92", screen.total);
    EXPECT_EQ("2", v("select count(*) from jxc_lsxssp where gl_djh='" + number +
                     "' and a_name='管理员'"));
    EXPECT_EQ("1", v("select count(*) from jxc_lsxssp where gl_djh='XS24061599999'"));

    // The sale goes on under its number.
    scan(kSwabs);
    EXPECT_EQ(number, screen.saleNumber);
    EXPECT_EQ("95", screen.total);
}

TEST_F(HeldSalesTest, AFailureInsideHoldOrRecallLeavesNothingHalfDone) {
    scan(kTestStrips);
    scan(kSwabs);
    const std::string number = screen.saleNumber;
    const std::string before = counts();
    // The header cannot be written once the lines are copied.
    store.db.execSql("alter table jxc_posxsd rename to jxc_posxsd_away");
    bool started = false;
    EXPECT_THROW(posGD(store.ctx, screen, [&] { started = true; }), DbError);
    store.db.execSql("alter table jxc_posxsd_away rename to jxc_posxsd");
    EXPECT_EQ(before, counts());
    EXPECT_FALSE(started);
    EXPECT_TRUE(informed().empty());
    EXPECT_EQ(number, screen.saleNumber);

    // Held for real; the recall then fails at its last step, after the copy back.
    ASSERT_TRUE(posGD(store.ctx, screen));
    const std::string held = counts();
    store.db.execSql(
        "create trigger refuse after delete on jxc_posxssp begin "
        "select raise(abort,'refused'); end");
    searchToday();
    const std::string screenNumber = screen.saleNumber;
    EXPECT_THROW(recallHeldSale(store.ctx, screen), DbError);
    store.db.execSql("drop trigger refuse");
    EXPECT_EQ(held, counts());
    EXPECT_EQ(screenNumber, screen.saleNumber);
    EXPECT_TRUE(recallHeldSale(store.ctx, screen));
    EXPECT_EQ("2/0/0", counts());
}

TEST_F(HeldSalesTest, ASaleRecalledMeanwhileIsNotCopiedTwice) {
    const std::string number = holdSale({kSwabs});
    searchToday();
    // Another screen recalls it while this list still shows it.
    SaleScreen other{store.ctx, display};
    other.setInitValue("");
    ASSERT_TRUE(recallHeldSale(store.ctx, other));
    ASSERT_EQ(std::vector<std::string>{number}, listed());

    EXPECT_FALSE(recallHeldSale(store.ctx, screen));
    EXPECT_EQ("1", v("select count(*) from jxc_lsxssp where gl_djh='" + number + "'"));
    EXPECT_NE(number, screen.saleNumber);
    EXPECT_TRUE(store.db.Q_PosJg.isEmpty());  // the list was searched again
    EXPECT_FALSE(store.db.Q_PosJg2.active());
}

TEST_F(HeldSalesTest, TheListFindsHeldSalesByMemberNumberOrNameWithinTheDates) {
    // 06-13: 李娜; 06-14: none; 06-15: 李娜 and 张伟 (8800001).
    store.clock.set({2024, 6, 13, 9, 0, 0});
    screen.setInitValue("");
    attachMember();
    const std::string a = holdSale({kSwabs});
    store.clock.set({2024, 6, 14, 9, 0, 0});
    screen.setInitValue("");
    const std::string b = holdSale({kSwabs});
    store.clock.set({2024, 6, 15, 9, 0, 0});
    screen.setInitValue("");
    attachMember();
    const std::string c = holdSale({kSwabs});
    screen.member.number = "8800001";
    const std::string d = holdSale({kTestStrips});

    using L = std::vector<std::string>;
    struct Case {
        const char *key, *from, *to;
        L found;
    } cases[] = {
        {"", "2024-06-15", "2024-06-15", {c, d}},  // a one-day range finds the day's holds
        {"", "2024-06-13", "2024-06-14", {a, b}},
        {"", "2000-01-01", "9999-12-31", {a, b, c, d}},
        {"  880000 ", "2000-01-01", "9999-12-31", {a, c, d}},  // trimmed; held with members only
        {"8800002", "2024-06-14", "2024-06-15", {c}},
        {"李", "2000-01-01", "9999-12-31", {a, c}},
        {"张伟", "2000-01-01", "9999-12-31", {d}},
        {"李'", "2000-01-01", "9999-12-31", {}},  // a quote is text, not the end of the literal
        {"", "2024-06-16", "2024-06-30", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string("'") + k.key + "' " + k.from + " " + k.to);
        searchHeldSales(store.ctx, k.key, k.from, k.to);
        EXPECT_EQ(k.found, listed());
        EXPECT_EQ(k.found.empty() ? "" : k.found.front(), openHeldSaleLines(store.ctx));
        EXPECT_EQ(!k.found.empty(), store.db.Q_PosJg2.active());
    }
}

TEST_F(HeldSalesTest, DeletingAsksFirstAndShowsTheNextHeldSale) {
    const std::string a = holdSale({kTestStrips, kSwabs});
    const std::string b = holdSale({kSwabs});
    searchToday();

    store.messages.answer(Answer::No);
    EXPECT_FALSE(deleteHeldSale(store.ctx));
    EXPECT_EQ("2", v("select count(*) from jxc_posxsd"));

    store.messages.clear();
    store.messages.answer(Answer::Yes);
    EXPECT_TRUE(deleteHeldSale(store.ctx));
    ASSERT_EQ(1u, store.messages.shown().size());
    EXPECT_EQ("信息提醒", store.messages.shown()[0].caption);
    EXPECT_EQ("您确定要删除单据信息吗！", store.messages.shown()[0].text);
    EXPECT_EQ("0", v("select count(*) from jxc_posxssp where gl_djh='" + a + "'"));
    EXPECT_EQ("0", v("select count(*) from jxc_posxsd where gl_djh='" + a + "'"));
    EXPECT_EQ(std::vector<std::string>{b}, listed());
    EXPECT_EQ(1, store.db.Q_PosJg2.recordCount());  // the lines of b
    EXPECT_EQ(b, store.db.Q_PosJg2.fieldText("gl_djh"));

    store.messages.clear();
    store.messages.answer(Answer::Yes);
    EXPECT_TRUE(deleteHeldSale(store.ctx));
    EXPECT_TRUE(store.db.Q_PosJg.isEmpty());
    EXPECT_FALSE(store.db.Q_PosJg2.active());
    // An empty list neither asks nor deletes, and recalls nothing.
    store.messages.clear();
    EXPECT_FALSE(deleteHeldSale(store.ctx));
    EXPECT_FALSE(recallHeldSale(store.ctx, screen));
    EXPECT_TRUE(store.messages.shown().empty());
}

TEST_F(HeldSalesTest, StartUpPurgesEarlierDaysUnlessTheShopKeepsThem) {
    store.clock.set({2024, 6, 14, 18, 0, 0});
    screen.setInitValue("");
    const std::string yesterday = holdSale({kSwabs});
    store.clock.set({2024, 6, 15, 8, 0, 0});
    screen.setInitValue("");
    const std::string today = holdSale({kTestStrips});
    // A completed sale of an earlier day in the same tables.
    store.db.execSql(
        "insert into jxc_posxsd (gl_djh,pos_xsrq,pos_note) values ("
        "'XS24061010001','2024-06-10 10:00:00','')");
    store.db.execSql("insert into jxc_posxssp (gl_djh,g_sn) values ('XS24061010001','10000012')");
    const std::string before = counts();

    struct Case {
        const char* setting;
        bool purged;
    } cases[] = {{"", true}, {"1", true}, {"True", true}, {"0", false}, {"False", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("cs_poshooktoday '") + c.setting + "'");
        store.params.cs_poshooktoday = c.setting;
        clearHeldSales(store.ctx);
        const std::string n = v("select count(*) from jxc_posxsd where gl_djh='" + yesterday + "'");
        const std::string lines =
            v("select count(*) from jxc_posxssp where gl_djh='" + yesterday + "'");
        EXPECT_EQ(c.purged ? "0" : "1", n);
        EXPECT_EQ(c.purged ? "0" : "1", lines);
        EXPECT_EQ("1", v("select count(*) from jxc_posxsd where gl_djh='" + today + "'"));
        EXPECT_EQ("1", v("select count(*) from jxc_posxssp where gl_djh='" + today + "'"));
        EXPECT_EQ("1", v("select count(*) from jxc_posxssp where gl_djh='XS24061010001'"));
        EXPECT_EQ("1", v("select count(*) from jxc_posxsd where gl_djh='XS24061010001'"));
        if (c.purged) {  // hold it again for the next setting
            store.db.execSql("delete from jxc_posxsd where gl_djh='" + yesterday + "'");
            store.db.execSql("delete from jxc_posxssp where gl_djh='" + yesterday + "'");
            store.db.execSql("insert into jxc_posxsd (gl_djh,pos_xsrq,pos_note) values ('" +
                             yesterday + "','2024-06-14','gd')");
            store.db.execSql("insert into jxc_posxssp (gl_djh,g_sn) values ('" + yesterday +
                             "','10000012')");
        }
        EXPECT_EQ(before, counts());
    }
}

}  // namespace
}  // namespace pos::test
