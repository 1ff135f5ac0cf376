#include "sales/lineChecks.h"

#include <gtest/gtest.h>

#include "database/sqlText.h"
#include "login/passwords.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

constexpr const char* kExpired = "该器械已过期，是否继续销售？";
constexpr const char* kNarcotic =
    "该器械为含麻器械，必须实名登记才可以销售！\r\n\r\n确定继续销售吗？";
constexpr const char* kPrescription =
    "该器械为处方药，需要开具处方才可以销售！\r\n\r\n确定继续销售吗？";
constexpr const char* kNarcoticNote = "已实名登记，可以销售。";
constexpr const char* kPrescriptionNote = "已出具处方，可以销售。";

// Answers the registration with a prepared reply and counts how often it was shown.
class ScriptedPrompt : public RegistrationPrompt {
  public:
    BuyerRegistration reply;
    int calls = 0;
    BuyerRegistration ask() override {
        ++calls;
        return reply;
    }
};

LineCheckRow plainRow() { return {"B240101", "2026-12-31", 0, "0"}; }
LineCheckRow narcoticRow() { return {"B240101", "2026-12-31", 2, "0"}; }
LineCheckRow prescriptionRow() { return {"B240101", "2026-12-31", 0, "1"}; }

class LineChecks : public ::testing::Test {
  protected:
    TestStore store;
    PosContext& ctx = store.ctx;
    ScriptedPrompt prompt;

    LineChecks() {
        store.params.cs_barcode = "1";
        prompt.reply = {"张三", "110105199001011234", "CF001", "北京", "13800000000", "管理员"};
    }

    std::vector<std::string> questions() const {
        std::vector<std::string> texts;
        for (const auto& shown : store.messages.shown()) texts.push_back(shown.text);
        return texts;
    }
    void yes(int times) {
        for (int i = 0; i < times; ++i) store.messages.answer(Answer::Yes);
    }
};

TEST_F(LineChecks, ABatchExpiresOnTheFirstDayOfTheFollowingMonth) {
    struct Case {
        LocalDateTime today;
        const char *batch, *expiry;
        bool asked;
    } cases[] = {
        {{2024, 5, 31}, "B1", "2024-05", false},    {{2024, 5, 31}, "B1", "2024-05-31", false},
        {{2024, 6, 1}, "B1", "2024-05", true},      {{2024, 6, 1}, "B1", "2024-05-31", true},
        {{2024, 6, 15}, "B1", "2024-06-01", false},  // expiring this month still sells
        {{2024, 6, 15}, "", "2023-01", false},       // goods kept without batch numbers
        {{2024, 6, 15}, "B1", "0000-00", false},    {{2024, 6, 15}, "B1", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.batch) + " " + c.expiry + " on " + c.today.date());
        store.messages.clear();
        store.clock.set(c.today);
        if (c.asked) yes(1);
        LineCheckRow row = plainRow();
        row.batchNo = c.batch;
        row.expiry = c.expiry;
        EXPECT_EQ(std::optional<std::string>(""), runLineChecks(ctx, row, prompt));
        EXPECT_EQ(c.asked ? std::vector<std::string>{kExpired} : std::vector<std::string>{},
                  questions());
    }
    EXPECT_EQ(0, prompt.calls);
}

TEST_F(LineChecks, DecliningAnyQuestionLeavesTheLineOut) {
    LineCheckRow expiredNarcotic = narcoticRow();
    expiredNarcotic.expiry = "2024-05";
    LineCheckRow both = narcoticRow();
    both.prescriptionFlag = "1";
    struct Case {
        const char* name;
        LineCheckRow row;
        int yesFirst;
        std::vector<std::string> asked;
    } cases[] = {
        {"expired", expiredNarcotic, 0, {kExpired}},
        {"narcotic", expiredNarcotic, 1, {kExpired, kNarcotic}},
        {"prescription", prescriptionRow(), 0, {kPrescription}},
        {"prescription after narcotic", both, 1, {kNarcotic, kPrescription}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.messages.clear();
        yes(c.yesFirst);
        store.messages.answer(Answer::No);
        EXPECT_EQ(std::nullopt, runLineChecks(ctx, c.row, prompt));
        EXPECT_EQ(c.asked, questions());
    }
    EXPECT_EQ(0, prompt.calls);  // no registration for a line that is not added
    EXPECT_EQ("", store.session.buyerName);
}

TEST_F(LineChecks, OneRegistrationServesTheRestrictedLinesOfTheSale) {
    LineCheckRow both = narcoticRow();
    both.prescriptionFlag = "1";
    yes(2);
    EXPECT_EQ(std::optional<std::string>(kPrescriptionNote), runLineChecks(ctx, both, prompt));
    EXPECT_EQ((std::vector<std::string>{kNarcotic, kPrescription}), questions());
    EXPECT_EQ(1, prompt.calls);
    EXPECT_EQ("张三", store.session.buyerName);
    EXPECT_EQ("管理员", store.session.pharmacistName);

    // The next restricted line: its own question, the buyer already registered.
    store.messages.clear();
    yes(1);
    EXPECT_EQ(std::optional<std::string>(kNarcoticNote), runLineChecks(ctx, narcoticRow(), prompt));
    EXPECT_EQ(std::vector<std::string>{kNarcotic}, questions());
    EXPECT_EQ(1, prompt.calls);

    // Unrestricted goods never ask for a registration, even with nobody registered.
    store.session.clearBuyerRegistration();
    store.messages.clear();
    EXPECT_EQ(std::optional<std::string>(""), runLineChecks(ctx, plainRow(), prompt));
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(1, prompt.calls);
}

TEST_F(LineChecks, RegistrationIsStoredTrimmedAndGuarded) {
    prompt.reply = {"  O'Neil ", " 11010(5) ", "CF-01 ", " 幸福路1号 ", " 138 ", "  药师\"甲\" "};
    yes(1);
    EXPECT_EQ(std::optional<std::string>(kNarcoticNote), runLineChecks(ctx, narcoticRow(), prompt));
    const SessionState& s = store.session;
    EXPECT_EQ("O‘Neil", s.buyerName);
    EXPECT_EQ("11010（5）", s.buyerIdCard);
    EXPECT_EQ("CF－01", s.prescriptionNo);
    EXPECT_EQ("幸福路1号", s.buyerAddress);
    EXPECT_EQ("138", s.buyerMobile);
    EXPECT_EQ("药师“甲“", s.pharmacistName);
}

TEST_F(LineChecks, ALineIsAddedEvenWhenTheRegistrationIsLeftEmpty) {
    prompt.reply = {"   ", "", "", "", "", ""};  // the cashier left the window with Esc
    yes(2);
    EXPECT_EQ(std::optional<std::string>(kNarcoticNote), runLineChecks(ctx, narcoticRow(), prompt));
    EXPECT_EQ("", store.session.buyerName);
    // Nobody is registered yet, so the next restricted line asks again.
    EXPECT_EQ(std::optional<std::string>(kNarcoticNote), runLineChecks(ctx, narcoticRow(), prompt));
    EXPECT_EQ(2, prompt.calls);
}

TEST_F(LineChecks, PrescriptionCheckFollowsTheSetting) {
    struct Case {
        const char *setting, *flag;
        bool checked;
    } cases[] = {
        {"1", "1", true},      {"True", "1", true}, {"0", "1", false}, {"", "1", false},
        {"False", "1", false}, {"1", "0", false},   {"1", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("cs_barcode=") + c.setting + " g_iscf=" + c.flag);
        store.messages.clear();
        store.session.clearBuyerRegistration();
        prompt.calls = 0;
        store.params.cs_barcode = c.setting;
        if (c.checked) yes(1);
        LineCheckRow row = prescriptionRow();
        row.prescriptionFlag = c.flag;
        EXPECT_EQ(std::optional<std::string>(c.checked ? kPrescriptionNote : ""),
                  runLineChecks(ctx, row, prompt));
        EXPECT_EQ(c.checked ? std::vector<std::string>{kPrescription} : std::vector<std::string>{},
                  questions());
        EXPECT_EQ(c.checked ? 1 : 0, prompt.calls);
    }
}

// Lines of sales and batch stock written straight into the store.
class SaleChecks : public ::testing::Test {
  public:  // the case tables' set-up functions write through these
    TestStore store;
    PosContext& ctx = store.ctx;

    void line(const std::string& sale, const std::string& goods, double qty,
              const std::string& batch = "", const std::string& expiry = "") {
        store.db.execSql(
            "insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_sl,ls_zsl,t_ph,t_yxq) values (" +
            sqlQuote(sale) + "," + sqlQuote(goods) + ",'收银员'," + sqlNumber(qty) + "," +
            sqlNumber(qty) + "," + sqlQuote(batch) + "," + sqlQuote(expiry) + ")");
    }
    void stock(const std::string& goods, const std::string& warehouse, double qty,
               const std::string& batch = "", const std::string& expiry = "") {
        store.db.execSql("insert into jxc_tkc (g_sn,ck_sn,t_ph,t_yxq,t_sl) values (" +
                         sqlQuote(goods) + "," + sqlQuote(warehouse) + "," + sqlQuote(batch) + "," +
                         sqlQuote(expiry) + "," + sqlNumber(qty) + ")");
    }
};

TEST_F(SaleChecks, PerSaleLimitCountsEveryLineOfTheGoods) {
    store.db.execSql("update jxc_goods set g_xzsl=3 where g_sn='10000006'");
    line("XS1", "10000006", 2);
    line("XS1", "10000006", 2);
    EXPECT_EQ("其中的器械“氨酚伪麻美芬片 每次最多销售数量为 3”，\r\n\r\n不能超过这个数量！",
              checkMaxQty(ctx, "XS1"));

    line("XS2", "10000006", 2);
    line("XS2", "10000006", 1);   // exactly the limit
    line("XS2", "10000008", 50);  // goods without a limit
    line("XS1'", "10000006", 9);  // another sale's lines
    EXPECT_EQ("", checkMaxQty(ctx, "XS2"));
    EXPECT_EQ("", checkMaxQty(ctx, "XS9"));
}

TEST_F(SaleChecks, BatchStockReportsTheFirstShortGoods) {
    const std::string shop = "100001";
    struct Case {
        const char* name;
        void (*setUp)(SaleChecks&, const std::string& sale);
        const char* shortGoods;  // "" when the stock suffices
    } cases[] = {
        {"numbered batch of 3, sale takes 5 in two lines",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000001", "100001", 3, "P1", "2026-01");
             t.line(s, "90000001", 2, "P1", "2026-01");
             t.line(s, "90000001", 3, "P1", "2026-01");
         },
         "90000001"},
        {"numbered batch of 5, sale takes 5",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000002", "100001", 5, "P2", "2026-01");
             t.line(s, "90000002", 5, "P2", "2026-01");
         },
         ""},
        {"numbered batches at 0 and below are not reported",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000003", "100001", 0, "P3", "2026-01");
             t.stock("90000004", "100001", -2, "P4", "2026-01");
             t.line(s, "90000003", 5, "P3", "2026-01");
             t.line(s, "90000004", 5, "P4", "2026-01");
         },
         ""},
        {"the batch is matched with its expiry",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000005", "100001", 10, "P5", "2026-01");
             t.stock("90000005", "100001", 1, "P5", "2027-01");
             t.line(s, "90000005", 4, "P5", "2026-01");
         },
         ""},
        {"stock of another warehouse does not count",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000006", "100002", 1, "P6", "2026-01");
             t.line(s, "90000006", 4, "P6", "2026-01");
         },
         ""},
        {"goods without batch numbers, short",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000007", "100001", 1);
             t.line(s, "90000007", 2);
         },
         "90000007"},
        {"goods without batch numbers, already at 0",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000008", "100001", 0);
             t.line(s, "90000008", 1);
         },
         "90000008"},
        {"a numbered shortage comes before an unnumbered one of a lower code",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000009", "100001", 1);
             t.line(s, "90000009", 2);
             t.stock("90000010", "100001", 1, "P10", "2026-01");
             t.line(s, "90000010", 2, "P10", "2026-01");
         },
         "90000010"},
        {"the lowest goods code among the short ones",
         [](SaleChecks& t, const std::string& s) {
             t.stock("90000012", "100001", 1, "P12", "2026-01");
             t.line(s, "90000012", 2, "P12", "2026-01");
             t.stock("90000011", "100001", 1, "P11", "2026-01");
             t.line(s, "90000011", 2, "P11", "2026-01");
         },
         "90000011"},
        {"the rounding line is never stock",
         [](SaleChecks& t, const std::string& s) {
             t.stock("00000000", "100001", 0);
             t.line(s, "00000000", 1);
         },
         ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string sale = "XS2406150" + std::to_string(++n);
        c.setUp(*this, sale);
        const std::string expected =
            *c.shortGoods
                ? std::string("该单据对应的批号、有效期中至少一种商品库存不足，\r\n\r\n“") +
                      c.shortGoods + "”：不能销售！"
                : "";
        EXPECT_EQ(expected, checkBatchStock(ctx, sale, shop, "XS"));
    }
}

TEST_F(SaleChecks, WithNegativeStockAllowedTheShortageIsAQuestion) {
    stock("90000001", "100001", 3, "P1", "2026-01");
    line("XS1", "90000001", 5, "P1", "2026-01");
    store.params.cs_kc = "1";
    EXPECT_EQ(
        "该单据对应的批号、有效期中至少一种商品库存不足，\r\n\r\n“90000001”："
        "销售将会出现负库存，是否继续？",
        checkBatchStock(ctx, "XS1", "100001", "XS"));
}

TEST_F(SaleChecks, PharmacistSignOff) {
    const std::string askForPharmacist =
        "处方药需要药师审核，请输入\r\n\r\n药师登录名称和登录密码。";
    const std::string refused = "药师的用户名或密码不正确，请重新输入。";
    // A password with characters the text guard replaces, in its one stored form.
    store.db.execSql("update jxc_admin set a_pwd=" + sqlQuote(storedPasswordForm("a(b)c")) +
                     " where a_name='收银员'");
    struct Case {
        const char *name, *password;
        std::string message;
    } cases[] = {
        {"", "8888", askForPharmacist}, {"   ", "8888", askForPharmacist},
        {"管理员", "8888", ""},         {" 管理员 ", " 8888 ", ""},
        {"管理员", "1234", refused},    {"管理员", "", refused},
        {"收银员", "a(b)c", ""},        {"收银员", "A(B)C", refused},  // passwords compare exactly
        {"无此人", "8888", refused},    {"管理员' or '1'='1", "x' or '1'='1", refused},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.message, checkPharmacist(ctx, c.name, c.password))
            << "[" << c.name << "] [" << c.password << "]";
    EXPECT_TRUE(store.messages.shown().empty());  // the window shows the message
}

}  // namespace
}  // namespace pos::test
