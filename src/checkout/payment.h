#pragma once
// The rules of the payment window: the amount due, the opening values, how the
// six tenders and the rounding-off follow the cashier's typing, the change, the
// checks before saving and the sale handed to the posting. The window shows
// these values, copies what the cashier typed back into them and calls these
// rules; it holds no rule of its own.
#include <array>
#include <optional>
#include <string>

#include "checkout/salePosting.h"

namespace pos {

struct PosContext;

// The tenders, in the order in which the rounding-off looks for the one that absorbs it.
enum class Tender { Cash, Card, Bank, Insurance, Wechat, Alipay };
inline constexpr int kTenderCount = 6;

inline constexpr const char* kNegativeTenderMessage = "付款金额不能为负数，不能保存！";
inline constexpr const char* kShortPaymentMessage = "付款金额不足，不能保存！";
inline constexpr const char* kCashTooHighMessage = "付款金额太高，不能保存！";
// Asked when the member's card cannot pay the whole sale; a Yes keeps the text in the remark.
inline constexpr const char* kLowBalanceQuestion =
    "该会员卡余额不足，请收取现金，\r\n\r\n或使用联合结账完成结算。\r\n\r\n确认结账吗？";
// Cash above this is refused, but only when it also exceeds the amount due.
inline constexpr double kCashLimit = 99999;

// The amount due as the window shows it, from the sale total as the sales
// screen shows it. With payment decimals "0" the whole-yuan part of the total;
// otherwise the total cut (never rounded) after that many decimals. An
// unreadable total counts as 0, an unreadable setting as "0".
std::string amountDueText(const std::string& total, const std::string& decimals);

// What the sales screen shows of the sale being paid.
struct PaymentContext {
    std::string number;        // gldjh
    std::string total;         // hjje
    std::string memberNumber;  // hy_bh; empty without a member
    std::string memberName, memberMobile;
    std::array<std::string, 10> optical;           // pos_qjz qjy zjz zjy zxz zxy jzslz jzsly tj add
    std::string warehouse;                         // code of comCk
    std::string salesperson;                       // code of comUser
    std::string optometristName, optometristCode;  // comYg
    std::string processorName, processorCode;      // comJg
    std::string sellerName, sellerCode;            // comXs
};

// The customer group of the window ("客户信息") as typed.
struct CustomerEntry {
    std::string name, phone;
    std::array<std::string, 10> optical;  // same order as PaymentContext::optical
    std::string remark;                   // pos_bz
    std::string purpose;                  // the text of comYt
    std::string pickupDate;               // yyyy-MM-dd
};

// Whether a receipt prints after checkout, and how many copies (jxc_posprint).
struct ReceiptDefaults {
    bool print = false;
    int copies = 0;  // 0 when the table has no row
};
ReceiptDefaults loadReceiptDefaults(PosContext& ctx);

// The largest rounding-off the logged-in operator may give (a_zreoje). An
// operator without one (empty) may give none.
double loadRoundingOffLimit(PosContext& ctx);

// What a save's checks decided.
struct SaveCheck {
    enum class Verdict {
        Ignore,  // no settlement open, or a save already running: nothing is shown
        Refuse,  // show `text`; the window stays open
        Ask,     // ask `text`; Yes goes on with the text as the start of the remark
        Go,
    };
    Verdict verdict = Verdict::Go;
    std::string text;
};

// The state of one settlement in the payment window.
class Payment {
  public:
    // The opening for the sale total as shown: amount due, balance, the
    // stored-value split, the operator's rounding-off limit and the receipt
    // defaults. tenderUpdating stays set until finishOpening(), so that the
    // window's own focusing of the cash field during the opening moves nothing.
    void open(PosContext& ctx, const std::string& saleTotal);
    // The same without the store: amount due as shown, the member's balance
    // text (empty without a member) and the rounding-off limit.
    void open(const std::string& amountDue, const std::string& memberBalance,
              double roundingOffLimit);
    void finishOpening() { tenderUpdating = false; }

    double due() const;           // the amount due as a number; 0 when empty
    double balanceValue() const;  // the balance shown, as a number
    double& tender(Tender t) { return tenders[static_cast<size_t>(t)]; }
    double tender(Tender t) const { return tenders[static_cast<size_t>(t)]; }

    // The cashier enters a tender field: without combined settlement the whole
    // amount due moves into it. The rounding-off stays.
    void enterTender(Tender t);
    // The cashier typed into a tender field (its value is already in
    // tenders): the card is capped at the balance; without combined
    // settlement a value above 0 clears the other tenders.
    void editTender(Tender t);
    // The cashier typed a rounding-off (already in roundingOff): capped at the
    // limit, no lower limit; the first tender above 0 gives up the difference.
    void editRoundingOff();
    // change := all tenders and the rounding-off less the amount due, "0.00".
    void updateChange();

    // The checks of a save, in order.
    SaveCheck checkSave(const std::string& settleToken, bool saveEnabled,
                        const std::string& memberNumber, const std::string& memberBalance) const;
    // Runs the checks, showing a refusal or asking the question through
    // ctx.messages. The start of the remark ("" or the question answered Yes),
    // or nullopt when the save does not go on.
    std::optional<std::string> confirmSave(PosContext& ctx, bool saveEnabled,
                                           const std::string& memberNumber) const;

    // The sale to post, from the settlement, the sales screen's values, the
    // customer group and the remark typed (tnote).
    SaleToPost saleToPost(const PaymentContext& sale, const CustomerEntry& customer,
                          const std::string& remarkStart, const std::string& note) const;

    std::string amountDue;                       // yfje
    std::string balance = "0";                   // zhje
    std::array<double, kTenderCount> tenders{};  // tfkje tczk tyhk tdjq twxje tzfbje
    bool cardEnabled = true;                     // tczk
    double roundingOff = 0;                      // tmlje
    double roundingOffLimit = 0;                 // tmlje2
    std::string change = "0";                    // zlje
    bool combined = false;                       // chkLh: several tenders at once
    ReceiptDefaults receipt;                     // chkXp and txp at the opening
    // Set while the rules themselves change tender values, so that the
    // window's handlers do not react to them.
    bool tenderUpdating = false;
};

// The checks of the whole sale before the payment window opens: the per-sale
// limits, then the batch stock (a refusal, or a question when negative stock
// is allowed). False when the sale may not be paid now.
bool checkBeforePayment(PosContext& ctx, const std::string& number, const std::string& warehouse);

}  // namespace pos
