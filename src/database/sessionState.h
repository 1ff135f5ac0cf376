#pragma once
// What the run knows of its operator, the current sale and the values the
// windows hand to each other. All fields are text; empty means "not set".
#include <string>

namespace pos {

struct SessionState {
    // The operator accepted at login.
    std::string operatorName;   // a_name
    std::string operatorCode;   // a_sn
    std::string roleCode;       // r_sn; "100001" is the administrator role
    std::string loginAccepted;  // "1" once an operator was accepted

    std::string shiftStart;     // "yyyy-mm-dd hh:mm:ss"
    std::string memberBalance;  // non-empty exactly while a member is attached to the sale

    // Buyer registration of restricted or prescription goods in the current sale.
    std::string buyerName;
    std::string buyerIdCard;
    std::string prescriptionNo;
    std::string buyerAddress;
    std::string buyerMobile;
    std::string pharmacistName;

    // Values the windows hand to each other.
    std::string lineEditMode;    // "1" quantity, "2" price and discount
    std::string payKeyBusy;      // "1" while the payment key is handled
    std::string settleToken;     // "1" from opening the payment window to its first save
    std::string supervisorName;  // the authorising supervisor; empty when refused
    std::string supervisorRole;
    std::string dialogResult;  // "ok" from registration and top-up; "posxs" to print settings
    std::string handoverDone;  // "1" after a completed shift handover
    std::string memberSnArg;   // hy_sn handed to the top-up window

    void clearBuyerRegistration() {
        buyerName.clear();
        buyerIdCard.clear();
        prescriptionNo.clear();
        buyerAddress.clear();
        buyerMobile.clear();
        pharmacistName.clear();
    }
};

}  // namespace pos
