#pragma once
// The posting of a paid sale: the POS record (jxc_posxsd, jxc_posxssp), the
// member's account, the retail sale document (jxc_lsxsd over the working
// lines) with its rounding-off and its ledger postings, and the member's
// notice. It runs as one transaction: a failure leaves nothing of it.
#include <array>
#include <stdexcept>
#include <string>

namespace pos {

struct PosContext;

// What the payment window hands over.
struct SaleToPost {
    std::string number;     // document number
    std::string amountDue;  // D, the amount due as shown ("yfje")
    // Tenders: cash, stored-value card, bank card, medical-insurance card, WeChat, Alipay.
    double cash = 0, card = 0, bank = 0, insurance = 0, wechat = 0, alipay = 0;
    double roundingOff = 0;  // M
    std::string change;      // the change as shown ("zlje")
    std::string remark;
    // Customer and optical data (trimmed by the caller).
    std::string customerName, customerPhone;
    std::array<std::string, 10> optical;  // qjz qjy zjz zjy zxz zxy jzslz jzsly tj add
    std::string purpose;                  // 用途
    std::string pickupDate;               // yyyy-MM-dd
    std::string opticalRemark;
    // The sales screen's boxes.
    std::string warehouse;    // ck_sn
    std::string salesperson;  // u_sn; "-1" or empty for none
    std::string optometristName, optometristCode;
    std::string processorName, processorCode;
    std::string sellerName, sellerCode;
    std::string memberNumber;  // hy_bh shown; empty without a member
};

// Posts the sale. Throws (DbError, PostingRefused) when it cannot; then
// nothing of it was written.
void postSale(PosContext& ctx, const SaleToPost& sale);

// Spreads or books the rounding-off of document `number` (amount due D, new amount Dn).
void applyRoundingOff(PosContext& ctx, const std::string& number, double due, double newDue);

// Books the retail document `number` into the cash journal, customer account,
// invoice register, goods ledger and stock.
void postSaleDocument(PosContext& ctx, const std::string& number);

// A sale the posting refuses (the message says why).
class PostingRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace pos
