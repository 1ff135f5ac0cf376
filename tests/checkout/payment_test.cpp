#include "checkout/payment.h"

#include <gtest/gtest.h>

#include "support/testStore.h"

namespace pos::test {
namespace {

constexpr Tender kAll[] = {Tender::Cash,      Tender::Card,   Tender::Bank,
                           Tender::Insurance, Tender::Wechat, Tender::Alipay};

using Tenders = std::array<double, kTenderCount>;

// A settlement with the amount due, the balance and the limit given; the
// stored-value split of the opening already applied.
Payment opened(const std::string& due, const std::string& balance = "", double limit = 0) {
    Payment p;
    p.open(due, balance, limit);
    p.finishOpening();
    return p;
}

TEST(AmountDue, IsCutNeverRounded) {
    struct Case {
        const char *total, *decimals, *due;
    } cases[] = {
        {"99.9", "0", "99"},
        {"12.99", "0", "12"},
        {"15", "0", "15"},
        {"-12.99", "0", "-12"},
        {"-0.5", "0", "0"},
        {"10", "2", "10"},
        {"12.345", "2", "12.34"},
        {"12.345", "1", "12.3"},
        {"12.3", "2", "12.3"},
        {"12.999", "2", "12.99"},
        {"12.5", "3", "12.5"},
        {"7.25", "", "7"},
        {"", "2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.total) + " with " + c.decimals);
        EXPECT_EQ(c.due, amountDueText(c.total, c.decimals));
    }
}

TEST(PaymentOpening, SplitsTheDueBetweenCardAndCash) {
    struct Case {
        const char* balance;
        const char* shownBalance;
        bool cardEnabled;
        double cash, card;
    } cases[] = {
        {"", "0", false, 50, 0},     // no member
        {"0", "0", false, 50, 0},    // a member without stored value
        {"30", "30", true, 20, 30},  // the card pays what it holds
        {"80", "80", true, 0, 50},   // the card pays everything
        {"50", "50", true, 0, 50},
        {"0.00", "0.00", true, 50, 0},  // only an exact "0" closes the card field
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("balance '") + c.balance + "'");
        Payment p;
        p.tenders = {1, 2, 3, 4, 5, 6};  // what an earlier opening left
        p.roundingOff = 7;
        p.combined = true;
        p.change = "9.00";
        p.open("50", c.balance, 0);
        EXPECT_EQ(c.shownBalance, p.balance);
        EXPECT_EQ(c.cardEnabled, p.cardEnabled);
        EXPECT_EQ((Tenders{c.cash, c.card, 0, 0, 0, 0}), p.tenders);
        EXPECT_EQ(0, p.roundingOff);
        EXPECT_FALSE(p.combined);
        EXPECT_EQ("0", p.change);
    }
}

TEST(PaymentOpening, NothingMovesUntilTheOpeningIsFinished) {
    Payment p;
    p.open("50", "30", 0);
    p.enterTender(Tender::Bank);  // the window focusing the cash field meanwhile
    p.editTender(Tender::Card);
    EXPECT_EQ((Tenders{20, 30, 0, 0, 0, 0}), p.tenders);
    EXPECT_EQ("0", p.change);
    p.finishOpening();
    p.enterTender(Tender::Bank);
    EXPECT_EQ((Tenders{0, 0, 50, 0, 0, 0}), p.tenders);
}

TEST(PaymentOpening, ReadsTheSettingsFromTheStore) {
    TestStore store;
    store.params.cs_posfkws = "1";
    store.session.memberBalance = "30";
    Payment p;
    p.open(store.ctx, "50.59");
    EXPECT_EQ("50.5", p.amountDue);
    EXPECT_EQ((Tenders{20.5, 30, 0, 0, 0, 0}), p.tenders);
    EXPECT_EQ(1, p.roundingOffLimit);  // 收银员's limit in the demo
    EXPECT_TRUE(p.receipt.print);
    EXPECT_EQ(1, p.receipt.copies);
    EXPECT_EQ("30", store.session.memberBalance);
}

TEST(PaymentOpening, RoundingOffLimitOfTheOperator) {
    TestStore store;
    struct Case {
        const char *op, *update;
        double limit;
    } cases[] = {
        {"管理员", "", 10},
        {"收银员", "", 1},
        {"收银员", "update jxc_admin set a_zreoje=null where a_name='收银员'", 0},
        {"O'Brien", "insert into jxc_admin (a_name,a_zreoje) values ('O''Brien',2.5)", 2.5},
        {"无此人", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        if (*c.update) store.db.execSql(c.update);
        store.session.operatorName = c.op;
        EXPECT_EQ(c.limit, loadRoundingOffLimit(store.ctx));
    }
}

TEST(PaymentOpening, ReceiptDefaults) {
    TestStore store;
    struct Case {
        const char* update;
        bool print;
        int copies;
    } cases[] = {
        {"update jxc_posprint set pp_zjdy=0,pp_fs=3", false, 3},
        {"update jxc_posprint set pp_zjdy=1,pp_fs=null", true, 0},
        {"delete from jxc_posprint", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.update);
        store.db.execSql(c.update);
        ReceiptDefaults d = loadReceiptDefaults(store.ctx);
        EXPECT_EQ(c.print, d.print);
        EXPECT_EQ(c.copies, d.copies);
    }
}

TEST(PaymentTenders, EnteringAFieldMovesTheWholeDueIntoIt) {
    for (Tender t : kAll) {
        SCOPED_TRACE(static_cast<int>(t));
        Payment p = opened("87.5", "30");
        p.roundingOff = 0.5;  // kept by the prefill, so it shows as change
        p.enterTender(t);
        Tenders expected{};
        expected[static_cast<size_t>(t)] = 87.5;
        EXPECT_EQ(expected, p.tenders);
        EXPECT_EQ(0.5, p.roundingOff);
        EXPECT_EQ("0.50", p.change);
    }
}

TEST(PaymentTenders, CombinedSettlementLeavesTheFieldsAsTyped) {
    Payment p = opened("87.5", "30");
    p.combined = true;
    p.tenders = {50, 30, 0, 0, 0, 0};
    p.enterTender(Tender::Bank);
    EXPECT_EQ((Tenders{50, 30, 0, 0, 0, 0}), p.tenders);
    EXPECT_EQ("-7.50", p.change);  // still missing
    p.tender(Tender::Bank) = 10;
    p.editTender(Tender::Bank);
    EXPECT_EQ((Tenders{50, 30, 10, 0, 0, 0}), p.tenders);
    EXPECT_EQ("2.50", p.change);
}

TEST(PaymentTenders, TypingFollowsTheEditRule) {
    struct Case {
        const char* what;
        bool combined;
        Tender edited;
        Tenders before, after;
    } cases[] = {
        {"a value above 0 clears the others",
         false,
         Tender::Wechat,
         {10, 20, 5, 0, 40, 1},
         {0, 0, 0, 0, 40, 0}},
        {"0 clears nothing", false, Tender::Bank, {10, 20, 0, 0, 0, 1}, {10, 20, 0, 0, 0, 1}},
        {"a negative value clears nothing",
         false,
         Tender::Bank,
         {10, 0, -3, 0, 0, 0},
         {10, 0, -3, 0, 0, 0}},
        {"the card is capped at the balance",
         false,
         Tender::Card,
         {10, 45, 0, 0, 0, 0},
         {0, 30, 0, 0, 0, 0}},
        {"capped in combined settlement too",
         true,
         Tender::Card,
         {10, 45, 0, 0, 0, 0},
         {10, 30, 0, 0, 0, 0}},
        {"combined keeps the others",
         true,
         Tender::Cash,
         {10, 20, 5, 0, 0, 0},
         {10, 20, 5, 0, 0, 0}},
        {"the card up to the balance stays",
         false,
         Tender::Card,
         {10, 30, 0, 0, 0, 0},
         {0, 30, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Payment p = opened("50", "30");
        p.combined = c.combined;
        p.tenders = c.before;
        p.editTender(c.edited);
        EXPECT_EQ(c.after, p.tenders);
    }
}

TEST(PaymentTenders, ChangeIsWhatEverythingPaidExceedsTheDue) {
    struct Case {
        const char* due;
        Tenders tenders;
        double roundingOff;
        const char* change;
    } cases[] = {
        {"87.5", {100, 0, 0, 0, 0, 0}, 0, "12.50"},
        {"87.5", {50, 0, 0, 0, 0, 0}, 0, "-37.50"},
        {"87.5", {50, 30, 7, 0, 0, 0}, 0.5, "0.00"},
        {"0.3", {0.1, 0, 0, 0, 0.2, 0}, 0, "0.00"},     // no -0.00 from binary fractions
        {"1000", {0, 0, 0, 0, 0, 2000}, 0, "1000.00"},  // no grouping
        {"10", {10, 0, 0, 0, 0, 0}, -0.005, "-0.01"},   // half away from zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        Payment p = opened(c.due);
        p.tenders = c.tenders;
        p.roundingOff = c.roundingOff;
        p.updateChange();
        EXPECT_EQ(c.change, p.change);
    }
    // No amount due shown: the change stays as it is.
    Payment p = opened("");
    p.tender(Tender::Cash) = 5;
    p.updateChange();
    EXPECT_EQ("0", p.change);
}

TEST(PaymentTenders, RoundingOffIsCappedAndTakenFromTheFirstTenderAbove0) {
    struct Case {
        const char* what;
        double limit, typed;
        Tenders before;
        double roundingOff;
        Tenders after;
        const char* change;
    } cases[] = {
        {"within the limit", 10, 0.5, {87.5, 0, 0, 0, 0, 0}, 0.5, {87, 0, 0, 0, 0, 0}, "0.00"},
        {"cut back to the limit", 10, 20, {87.5, 0, 0, 0, 0, 0}, 10, {77.5, 0, 0, 0, 0, 0}, "0.00"},
        {"no lower limit", 10, -2, {87.5, 0, 0, 0, 0, 0}, -2, {89.5, 0, 0, 0, 0, 0}, "0.00"},
        {"an empty a_zreoje allows none",
         0,
         0.5,
         {87.5, 0, 0, 0, 0, 0},
         0,
         {87.5, 0, 0, 0, 0, 0},
         "0.00"},
        {"the first tender above 0 absorbs it",
         10,
         1.5,
         {0, 30, 0, 57.5, 0, 0},
         1.5,
         {0, 28.5, 0, 57.5, 0, 0},
         "0.00"},
        {"against the due, not the tender's own value",
         10,
         1,
         {100, 0, 0, 0, 0, 0},
         1,
         {86.5, 0, 0, 0, 0, 0},
         "0.00"},
        {"the others are kept whatever they sum to",
         10,
         1,
         {0, 0, -5, 0, 60, 40},
         1,
         {0, 0, -5, 0, 51.5, 40},
         "0.00"},
        {"no tender above 0: nothing moves",
         10,
         1,
         {0, 0, 0, 0, 0, 0},
         1,
         {0, 0, 0, 0, 0, 0},
         "-86.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Payment p = opened("87.5", "30", c.limit);
        p.combined = true;
        p.tenders = c.before;
        p.roundingOff = c.typed;
        p.editRoundingOff();
        EXPECT_EQ(c.roundingOff, p.roundingOff);
        EXPECT_EQ(c.after, p.tenders);
        EXPECT_EQ(c.change, p.change);
        EXPECT_FALSE(p.tenderUpdating);
    }
}

TEST(PaymentTenders, TheRulesRespectTheUpdatingFlag) {
    Payment p = opened("50", "30");
    p.tenderUpdating = true;
    p.tender(Tender::Card) = 45;
    p.editTender(Tender::Card);
    p.enterTender(Tender::Bank);
    p.updateChange();
    EXPECT_EQ((Tenders{20, 45, 0, 0, 0, 0}), p.tenders);
    EXPECT_EQ("0", p.change);
}

class PaymentSave : public ::testing::Test {
  protected:
    TestStore store;
    Payment p = opened("87.5", "30", 10);

    PaymentSave() { store.session.settleToken = "1"; }

    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (const auto& s : store.messages.shown()) texts.push_back(s.caption + ":" + s.text);
        return texts;
    }
};

TEST_F(PaymentSave, ChecksInOrder) {
    using V = SaveCheck::Verdict;
    struct Case {
        const char* what;
        const char* token;
        bool enabled;
        Tenders tenders;
        const char* change;
        const char* member;
        const char* balance;
        V verdict;
        const char* text;
    } cases[] = {
        {"no settlement open", "", true, {-1, 0, 0, 0, 0, 0}, "-1", "", "", V::Ignore, ""},
        {"a save already running", "1", false, {-1, 0, 0, 0, 0, 0}, "-1", "", "", V::Ignore, ""},
        {"a negative tender before a short payment",
         "1",
         true,
         {-1, 0, 0, 0, 0, 0},
         "-88.50",
         "",
         "",
         V::Refuse,
         kNegativeTenderMessage},
        {"any of the six",
         "1",
         true,
         {100, 0, 0, 0, 0, -0.01},
         "12.49",
         "",
         "",
         V::Refuse,
         kNegativeTenderMessage},
        {"short payment",
         "1",
         true,
         {87, 0, 0, 0, 0, 0},
         "-0.50",
         "",
         "",
         V::Refuse,
         kShortPaymentMessage},
        {"short before too high",
         "1",
         true,
         {200000, 0, 0, 0, 0, 0},
         "-1",
         "",
         "",
         V::Refuse,
         kShortPaymentMessage},
        {"cash too high",
         "1",
         true,
         {200000, 0, 0, 0, 0, 0},
         "199912.50",
         "",
         "",
         V::Refuse,
         kCashTooHighMessage},
        {"cash of exactly 99999 passes",
         "1",
         true,
         {99999, 0, 0, 0, 0, 0},
         "99911.50",
         "",
         "",
         V::Go,
         ""},
        {"99999.01 does not",
         "1",
         true,
         {99999.01, 0, 0, 0, 0, 0},
         "99911.51",
         "",
         "",
         V::Refuse,
         kCashTooHighMessage},
        {"a balance below the due asks",
         "1",
         true,
         {57.5, 30, 0, 0, 0, 0},
         "0.00",
         "H001",
         "30",
         V::Ask,
         kLowBalanceQuestion},
        {"asks even when the card pays nothing",
         "1",
         true,
         {87.5, 0, 0, 0, 0, 0},
         "0.00",
         "H001",
         "30",
         V::Ask,
         kLowBalanceQuestion},
        {"a balance covering the due",
         "1",
         true,
         {0, 87.5, 0, 0, 0, 0},
         "0.00",
         "H001",
         "87.5",
         V::Go,
         ""},
        {"no member shown", "1", true, {87.5, 0, 0, 0, 0, 0}, "0.00", "", "30", V::Go, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.tenders = c.tenders;
        p.change = c.change;
        SaveCheck check = p.checkSave(c.token, c.enabled, c.member, c.balance);
        EXPECT_EQ(c.verdict, check.verdict);
        EXPECT_EQ(c.text, check.text);
    }
}

TEST_F(PaymentSave, CashAbove99999IsRefusedOnlyAboveTheDue) {
    Payment big = opened("150000");
    big.tender(Tender::Cash) = 150000;
    big.change = "0.00";
    EXPECT_EQ(SaveCheck::Verdict::Go, big.checkSave("1", true, "", "").verdict);
    big.tender(Tender::Cash) = 150000.01;
    EXPECT_EQ(SaveCheck::Verdict::Refuse, big.checkSave("1", true, "", "").verdict);
}

TEST_F(PaymentSave, TheCardClosedSkipsTheBalanceQuestion) {
    p.cardEnabled = false;
    p.change = "0.00";
    EXPECT_EQ(SaveCheck::Verdict::Go, p.checkSave("1", true, "H001", "0").verdict);
    // A member shown with no balance recorded counts as 0.
    p.cardEnabled = true;
    EXPECT_EQ(SaveCheck::Verdict::Ask, p.checkSave("1", true, "H001", "").verdict);
}

TEST_F(PaymentSave, ConfirmShowsAndAsksThroughTheMessageService) {
    p.change = "-0.50";
    EXPECT_EQ(std::nullopt, p.confirmSave(store.ctx, true, ""));
    EXPECT_EQ(std::vector<std::string>{std::string("系统提示:") + kShortPaymentMessage}, shown());

    store.messages.clear();
    p.change = "0.00";
    store.session.memberBalance = "30";
    store.messages.answer(Answer::No);
    EXPECT_EQ(std::nullopt, p.confirmSave(store.ctx, true, "H001"));
    store.messages.answer(Answer::Yes);
    EXPECT_EQ(std::optional<std::string>(kLowBalanceQuestion),
              p.confirmSave(store.ctx, true, "H001"));
    EXPECT_EQ((std::vector<std::string>{std::string("信息提醒:") + kLowBalanceQuestion,
                                        std::string("信息提醒:") + kLowBalanceQuestion}),
              shown());

    store.messages.clear();
    EXPECT_EQ(std::optional<std::string>(""), p.confirmSave(store.ctx, true, ""));
    store.session.settleToken.clear();
    EXPECT_EQ(std::nullopt, p.confirmSave(store.ctx, true, ""));
    EXPECT_TRUE(shown().empty());
}

TEST(PaymentPosting, TheSaleHandedToThePosting) {
    Payment p = opened("87.5", "30", 10);
    p.tenders = {7, 30, 20, 10, 11, 9};
    p.roundingOff = 0.5;
    p.updateChange();

    PaymentContext sale;
    sale.number = "XS240615001";
    sale.memberNumber = "H001";
    sale.warehouse = "100001";
    sale.salesperson = "-1";
    sale.optometristName = "王医生";
    sale.optometristCode = "Y01";
    sale.processorName = "李师傅";
    sale.processorCode = "J01";
    sale.sellerName = "赵店员";
    sale.sellerCode = "X01";

    CustomerEntry customer;
    customer.name = " 张三 ";
    customer.phone = "138 ";
    customer.optical = {" -1.25", "-1.50 ", "", "", "90", "", "", "", "62 ", " +1"};
    customer.remark = "  镜框自备 ";
    customer.purpose = "近视";
    customer.pickupDate = "2024-06-22";

    SaleToPost s = p.saleToPost(sale, customer, kLowBalanceQuestion, "  送货上门  ");
    EXPECT_EQ("XS240615001", s.number);
    EXPECT_EQ("87.5", s.amountDue);
    EXPECT_EQ((Tenders{7, 30, 20, 10, 11, 9}),
              (Tenders{s.cash, s.card, s.bank, s.insurance, s.wechat, s.alipay}));
    EXPECT_EQ(0.5, s.roundingOff);
    EXPECT_EQ("0.00", s.change);
    EXPECT_EQ(std::string(kLowBalanceQuestion) + " 送货上门", s.remark);
    EXPECT_EQ("张三", s.customerName);
    EXPECT_EQ("138", s.customerPhone);
    EXPECT_EQ((std::array<std::string, 10>{"-1.25", "-1.50", "", "", "90", "", "", "", "62", "+1"}),
              s.optical);
    EXPECT_EQ("镜框自备", s.opticalRemark);
    EXPECT_EQ("近视", s.purpose);
    EXPECT_EQ("2024-06-22", s.pickupDate);
    EXPECT_EQ("100001", s.warehouse);
    EXPECT_EQ("-1", s.salesperson);
    EXPECT_EQ("王医生", s.optometristName);
    EXPECT_EQ("Y01", s.optometristCode);
    EXPECT_EQ("李师傅", s.processorName);
    EXPECT_EQ("J01", s.processorCode);
    EXPECT_EQ("赵店员", s.sellerName);
    EXPECT_EQ("X01", s.sellerCode);
    EXPECT_EQ("H001", s.memberNumber);

    // Without the question the remark starts with the separating blank.
    EXPECT_EQ(" 送货上门", p.saleToPost(sale, customer, "", "送货上门").remark);
    EXPECT_EQ(" ", p.saleToPost(sale, customer, "", "   ").remark);
}

}  // namespace
}  // namespace pos::test
