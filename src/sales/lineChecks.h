#pragma once
// The checks that run while a line is added to the sale (expired batch,
// narcotic-containing goods, prescription goods, the buyer's registration),
// and the two checks of the whole sale before payment.
#include <optional>
#include <string>

namespace pos {

struct PosContext;

// What the checks need of the lookup row being added.
struct LineCheckRow {
    std::string batchNo;           // t_ph
    std::string expiry;            // t_yxq ("yyyy-MM", "yyyy-MM-dd"; "0000-00" none)
    double maxQty = 0;             // g_xzsl; above 0 marks narcotic-containing goods
    std::string prescriptionFlag;  // g_iscf
};

// The registration as typed in the registration window (untrimmed, unguarded).
struct BuyerRegistration {
    std::string name, idCard, prescriptionNo, address, mobile, pharmacist;
};

// Shows the registration window modally and returns what was typed, however
// the window was closed.
class RegistrationPrompt {
  public:
    virtual ~RegistrationPrompt() = default;
    virtual BuyerRegistration ask() = 0;
};

// Runs the expiry, narcotic and prescription checks (asking through
// ctx.messages) and, for restricted goods while no buyer is registered, the
// registration. nullopt: the cashier declined and the line is not added.
// Otherwise the note for the line's t_cfsm ("" when no warning was shown).
std::optional<std::string> runLineChecks(PosContext& ctx, const LineCheckRow& row,
                                         RegistrationPrompt& prompt);

// The message refusing payment when a goods exceeds its per-sale limit; empty when none does.
std::string checkMaxQty(PosContext& ctx, const std::string& saleNumber);

// The message when the sale takes more from a batch than it holds; empty when
// the stock suffices. With negative stock allowed (cs_kc) the text is a question.
std::string checkBatchStock(PosContext& ctx, const std::string& saleNumber,
                            const std::string& warehouse, const std::string& kind);

// The pharmacist review of the registration window: the message that keeps
// the window open, or empty when the pharmacist's name and password are right.
std::string checkPharmacist(PosContext& ctx, const std::string& name, const std::string& password);

}  // namespace pos
