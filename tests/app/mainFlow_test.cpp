#include "app/mainFlow.h"

#include <gtest/gtest.h>

#include "support/testStore.h"

namespace pos::test {
namespace {

// Records what the start-up sequence asks of the sales window, in order.
class RecordingWindow : public SalesWindowSetup {
  public:
    std::vector<std::string> calls;
    std::string caption, company;
    size_t keyNames = 0, optometrists = 0;
    bool discountColumns = false;

    void untickWholeSaleDiscount() override { calls.push_back("untick"); }
    void showKeyNames(const std::vector<std::string>& n) override {
        keyNames = n.size();
        calls.push_back("keys");
    }
    void setSoftPane(const std::string&) override { calls.push_back("pane"); }
    void setCompanyName(const std::string& t) override {
        company = t;
        calls.push_back("company");
    }
    void setCaption(const std::string& t) override {
        caption = t;
        calls.push_back("caption");
    }
    void setStaffLists(const ComboItems& a, const ComboItems&, const ComboItems&) override {
        optometrists = a.size();
        calls.push_back("staff");
    }
    void initCustomerDisplay() override { calls.push_back("display"); }
    void newSale() override { calls.push_back("newSale"); }
    void showWindow() override { calls.push_back("show"); }
    void applyNumberFormats() override { calls.push_back("formats"); }
    void showDiscountColumns(bool v) override {
        discountColumns = v;
        calls.push_back("discount");
    }
};

TEST(StartupSequence, RunsInItsOrderAndFillsTheWindow) {
    TestStore store;
    RecordingWindow window;
    EXPECT_EQ(StartupOutcome::Ready, runStartupSequence(store.ctx, window));
    EXPECT_EQ((std::vector<std::string>{"untick", "keys", "pane", "company", "caption", "staff",
                                        "display", "newSale", "show", "formats", "discount"}),
              window.calls);
    EXPECT_EQ(12u, window.keyNames);
    EXPECT_FALSE(window.company.empty());
    EXPECT_NE(window.caption.find("V1.0"), std::string::npos);
    EXPECT_GT(window.optometrists, 1u);  // the staff plus the blank last item
    EXPECT_EQ(2, store.params.cs_xsws);  // settings loaded
    EXPECT_EQ(std::string("\x1bp\0\x80\x80", 5), store.params.drawerCommand);
    EXPECT_EQ("2024-06-15 10:30:00", store.session.shiftStart);
    EXPECT_TRUE(store.messages.shown().empty());
}

TEST(StartupSequence, AnOperatorWithoutTheRightIsTurnedAway) {
    TestStore store;
    store.db.execSql("update jxc_role set xsgl='0' where r_sn='100002'");
    RecordingWindow window;
    EXPECT_EQ(StartupOutcome::NoRight, runStartupSequence(store.ctx, window));
    ASSERT_EQ(1u, store.messages.shown().size());
    EXPECT_EQ("您没有使用POS系统的权限，系统将退出！", store.messages.shown()[0].text);
    EXPECT_TRUE(window.calls.empty());

    // Bound to no warehouse when the shop binds operators: turned away too.
    TestStore bound;
    bound.db.execSql("update jxc_xtcs set cs_cgyh='1'");
    bound.db.execSql("update jxc_ckxx set ck_asn='001'");
    EXPECT_EQ(StartupOutcome::NoRight, runStartupSequence(bound.ctx, window));
}

TEST(ShiftStart, BeginsAfterTheLastRecordOfAnotherCashier) {
    TestStore store;  // the cashier 收银员, today 2024-06-15 10:30:00
    auto record = [&](const char* who, const char* when) {
        store.db.execSql(std::string("insert into jxc_posxsd (gl_djh, a_name, pos_xsrq) values "
                                     "('XS1','") +
                         who + "','" + when + "')");
    };
    EXPECT_EQ("2024-06-15 10:30:00", computeShiftStart(store.ctx));  // first start of the day
    record("收银员", "2024-06-14 18:00:00");                         // yesterday counts not
    record("收银员", "2024-06-15 08:05:00");
    EXPECT_EQ("2024-06-15 08:05:00", computeShiftStart(store.ctx));
    record("管理员", "2024-06-15 09:10:00");
    EXPECT_EQ("2024-06-15 10:30:00", computeShiftStart(store.ctx));  // nothing of mine since
    record("收银员", "2024-06-15");  // a held sale: a date without a time
    EXPECT_EQ("2024-06-15 10:30:00", computeShiftStart(store.ctx));
    record("收银员", "2024-06-15 09:30:00");
    EXPECT_EQ("2024-06-15 10:30:00", computeShiftStart(store.ctx));  // the held sale came first
}

TEST(ShiftStart, FirstOwnRecordAfterTheOtherCashier) {
    TestStore store;
    auto record = [&](const char* who, const char* when) {
        store.db.execSql(std::string("insert into jxc_posxsd (gl_djh, a_name, pos_xsrq) values "
                                     "('XS1','") +
                         who + "','" + when + "')");
    };
    record("收银员", "2024-06-15 08:05:00");
    record("管理员", "2024-06-15 09:10:00");
    record("收银员", "2024-06-15 09:30:00");
    record("收银员", "2024-06-15 09:45:00");
    EXPECT_EQ("2024-06-15 09:30:00", computeShiftStart(store.ctx));
}

class CloseFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* who : {"收银员", "收银员", "管理员"})
            store.db.execSql(std::string("insert into jxc_lsxssp (gl_djh, a_name, g_sn) values "
                                         "('XS24061510001','") +
                             who + "','10000001')");
    }
    std::string lines() {
        return store.value("select count(*) from jxc_lsxssp where gl_djh='XS24061510001'");
    }
    std::string lastLog() {
        return store.value("select top 1 log_note from jxc_log order by id desc");
    }
    TestStore store;
    int paid = 0;
    std::function<void()> pay = [this] { ++paid; };
};

TEST_F(CloseFlow, NoToSavingDeletesTheLinesNoToLeavingStays) {
    store.messages.answer(Answer::No);
    store.messages.answer(Answer::No);
    EXPECT_EQ(CloseOutcome::Stay, closeSalesWindow(store.ctx, "XS24061510001", true, pay));
    EXPECT_EQ("1", lines());  // only the other operator's line is left
    EXPECT_EQ(0, paid);
    ASSERT_EQ(2u, store.messages.shown().size());
    EXPECT_EQ("所选商品还未保存，是否保存？", store.messages.shown()[0].text);
    EXPECT_EQ("信息提醒", store.messages.shown()[0].caption);
    EXPECT_EQ("是否要退出POS系统？", store.messages.shown()[1].text);
}

TEST_F(CloseFlow, CancelKeepsTheLinesAndStillAsksToLeave) {
    store.messages.answer(Answer::Cancel);
    store.messages.answer(Answer::No);
    EXPECT_EQ(CloseOutcome::Stay, closeSalesWindow(store.ctx, "XS24061510001", true, pay));
    EXPECT_EQ("3", lines());
}

TEST_F(CloseFlow, YesPaysAndLeavingCleansUpAndLogs) {
    store.session.memberBalance = "100";
    store.messages.answer(Answer::Yes);
    store.messages.answer(Answer::Yes);
    EXPECT_EQ(CloseOutcome::Exit, closeSalesWindow(store.ctx, "XS24061510001", true, pay));
    EXPECT_EQ(1, paid);
    EXPECT_EQ("1", lines());
    EXPECT_EQ("", store.session.memberBalance);
    EXPECT_EQ("退出POS系统", lastLog());
}

TEST_F(CloseFlow, AnEmptyGridOnlyAsksToLeaveAndAFailedPaymentIsSwallowed) {
    store.messages.answer(Answer::Yes);
    EXPECT_EQ(CloseOutcome::Exit, closeSalesWindow(store.ctx, "XS24061510001", false, pay));
    EXPECT_EQ(1u, store.messages.shown().size());

    store.messages.clear();
    store.messages.answer(Answer::Yes);
    store.messages.answer(Answer::No);
    EXPECT_EQ(CloseOutcome::Stay, closeSalesWindow(store.ctx, "XS24061510001", true, [] {
                  throw std::runtime_error("payment failed");
              }));
}

}  // namespace
}  // namespace pos::test
