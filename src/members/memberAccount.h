#pragma once
#include <string>

namespace pos {

struct PosContext;

// The member's account after a sale or return: points, spend, visits, stored
// value, level, bonus releases. Built with the member accounts; until then it
// changes nothing.
void postMemberAccount(PosContext& ctx, const std::string& number, const std::string& memberSn,
                       const std::string& kind);

// The member's text message after a purchase. Built with the SMS notices;
// until then nothing is sent.
void sendPurchaseNotice(PosContext& ctx, const std::string& number, const std::string& memberSn,
                        double amount);

}  // namespace pos
