#include "checkout/payment.h"

#include <algorithm>
#include <cmath>

#include "common/numberFormats.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "database/value.h"
#include "platform/messages.h"
#include "sales/lineChecks.h"

namespace pos {

namespace {

double numberOf(const std::string& text) {
    double v = 0;
    return parseNumber(text, v) ? v : 0;
}

}  // namespace

std::string amountDueText(const std::string& total, const std::string& decimals) {
    const long long places = static_cast<long long>(numberOf(decimals));
    if (places <= 0) {
        // + 0.0 turns the -0 of a small negative total into 0.
        return formatNumber(std::trunc(numberOf(total)) + 0.0);
    }
    const size_t point = total.find('.');
    // The integer part and the point, then the decimals that are kept.
    const size_t head = point == std::string::npos ? total.size() : point + 1;
    return total.substr(
        0, static_cast<size_t>(std::min<long long>(static_cast<long long>(head) + places,
                                                   static_cast<long long>(total.size()))));
}

ReceiptDefaults loadReceiptDefaults(PosContext& ctx) {
    ReceiptDefaults defaults;
    ctx.db.openSelect("select pp_zjdy,pp_fs from jxc_posprint");
    Query& q = ctx.db.QuerySelect;
    if (!q.isEmpty()) {
        q.first();
        defaults.print = isTrue(q.fieldText("pp_zjdy"));
        defaults.copies = static_cast<int>(q.fieldInt("pp_fs"));
    }
    q.close();
    return defaults;
}

double loadRoundingOffLimit(PosContext& ctx) {
    return numberOf(ctx.db.getSqlValue("select a_zreoje from jxc_admin where a_name=" +
                                       sqlQuote(ctx.session.operatorName)));
}

void Payment::open(PosContext& ctx, const std::string& saleTotal) {
    open(amountDueText(saleTotal, ctx.params.cs_posfkws), ctx.session.memberBalance,
         loadRoundingOffLimit(ctx));
    receipt = loadReceiptDefaults(ctx);
}

void Payment::open(const std::string& due, const std::string& memberBalance, double limit) {
    tenderUpdating = true;
    amountDue = due;
    balance = memberBalance.empty() ? "0" : memberBalance;
    tenders.fill(0);
    roundingOff = 0;
    change = "0";
    combined = false;
    // Exactly "0": a balance shown as "0.00" would leave the card open.
    cardEnabled = balance != "0";

    const double b = balanceValue();
    const double d = this->due();
    if (b >= d) {
        tender(Tender::Card) = d;  // the card pays everything
    } else if (b > 0) {
        tender(Tender::Card) = b;
        tender(Tender::Cash) = d - b;
    } else {
        tender(Tender::Cash) = d;
    }
    roundingOffLimit = limit;
}

double Payment::due() const { return numberOf(amountDue); }

double Payment::balanceValue() const { return numberOf(balance); }

void Payment::enterTender(Tender t) {
    if (tenderUpdating) return;
    if (!combined) {
        tenderUpdating = true;
        tenders.fill(0);
        tender(t) = due();
        tenderUpdating = false;
    }
    updateChange();
}

void Payment::editTender(Tender t) {
    if (tenderUpdating) return;
    // The card never pays more than the balance, in combined settlement too.
    if (t == Tender::Card && tender(t) > balanceValue()) tender(t) = balanceValue();
    if (!combined) {
        tenderUpdating = true;
        if (tender(t) > 0)
            for (size_t i = 0; i < tenders.size(); ++i)
                if (i != static_cast<size_t>(t)) tenders[i] = 0;
        tenderUpdating = false;
    }
    updateChange();
}

void Payment::editRoundingOff() {
    tenderUpdating = true;
    if (roundingOff > roundingOffLimit) roundingOff = roundingOffLimit;
    for (size_t i = 0; i < tenders.size(); ++i) {
        if (tenders[i] <= 0) continue;
        double others = 0;
        for (size_t j = 0; j < tenders.size(); ++j)
            if (j != i) others += tenders[j];
        tenders[i] = due() - roundingOff - others;
        break;
    }
    tenderUpdating = false;
    updateChange();
}

void Payment::updateChange() {
    if (tenderUpdating || amountDue.empty()) return;
    const double paid = roundingOff + tender(Tender::Cash) + tender(Tender::Bank) +
                        tender(Tender::Insurance) + tender(Tender::Card) + tender(Tender::Wechat) +
                        tender(Tender::Alipay);
    change = formatWithPattern(paid - due(), "0.00");
}

SaveCheck Payment::checkSave(const std::string& settleToken, bool saveEnabled,
                             const std::string& memberNumber,
                             const std::string& memberBalance) const {
    using V = SaveCheck::Verdict;
    // A second F5 while the first save runs.
    if (settleToken.empty() || !saveEnabled) return {V::Ignore, {}};
    // The rounding-off may be negative; the tenders may not.
    if (std::any_of(tenders.begin(), tenders.end(), [](double v) { return v < 0; }))
        return {V::Refuse, kNegativeTenderMessage};
    if (numberOf(change) < 0) return {V::Refuse, kShortPaymentMessage};
    const double d = due();
    const double cash = tender(Tender::Cash);
    if (cash > d && cash > kCashLimit) return {V::Refuse, kCashTooHighMessage};
    // The balance against the amount due, not against what the card pays.
    if (cardEnabled && !memberNumber.empty() && numberOf(memberBalance) < d)
        return {V::Ask, kLowBalanceQuestion};
    return {V::Go, {}};
}

std::optional<std::string> Payment::confirmSave(PosContext& ctx, bool saveEnabled,
                                                const std::string& memberNumber) const {
    const SaveCheck check =
        checkSave(ctx.session.settleToken, saveEnabled, memberNumber, ctx.session.memberBalance);
    switch (check.verdict) {
        case SaveCheck::Verdict::Ignore:
            return std::nullopt;
        case SaveCheck::Verdict::Refuse:
            ctx.messages.inform(check.text);
            return std::nullopt;
        case SaveCheck::Verdict::Ask:
            if (ctx.messages.askYesNo(check.text) != Answer::Yes) return std::nullopt;
            return check.text;
        case SaveCheck::Verdict::Go:
            break;
    }
    return std::string();
}

SaleToPost Payment::saleToPost(const PaymentContext& sale, const CustomerEntry& customer,
                               const std::string& remarkStart, const std::string& note) const {
    SaleToPost s;
    s.number = sale.number;
    s.amountDue = amountDue;
    s.cash = tender(Tender::Cash);
    s.card = tender(Tender::Card);
    s.bank = tender(Tender::Bank);
    s.insurance = tender(Tender::Insurance);
    s.wechat = tender(Tender::Wechat);
    s.alipay = tender(Tender::Alipay);
    s.roundingOff = roundingOff;
    s.change = change;
    s.remark = remarkStart + " " + trimBlanks(note);
    s.customerName = trimBlanks(customer.name);
    s.customerPhone = trimBlanks(customer.phone);
    for (size_t i = 0; i < s.optical.size(); ++i) s.optical[i] = trimBlanks(customer.optical[i]);
    s.purpose = customer.purpose;
    s.pickupDate = customer.pickupDate;
    s.opticalRemark = trimBlanks(customer.remark);
    s.warehouse = sale.warehouse;
    s.salesperson = sale.salesperson;
    s.optometristName = sale.optometristName;
    s.optometristCode = sale.optometristCode;
    s.processorName = sale.processorName;
    s.processorCode = sale.processorCode;
    s.sellerName = sale.sellerName;
    s.sellerCode = sale.sellerCode;
    s.memberNumber = sale.memberNumber;
    return s;
}

bool checkBeforePayment(PosContext& ctx, const std::string& number, const std::string& warehouse) {
    std::string refusal = checkMaxQty(ctx, number);
    if (!refusal.empty()) {
        ctx.messages.inform(refusal);
        return false;
    }
    refusal = checkBatchStock(ctx, number, warehouse, "XS");
    if (refusal.empty()) return true;
    if (!isTrue(ctx.params.cs_kc)) {
        ctx.messages.inform(refusal);
        return false;
    }
    return ctx.messages.askYesNo(refusal) == Answer::Yes;
}

}  // namespace pos
