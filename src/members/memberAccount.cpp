#include "members/memberAccount.h"

namespace pos {

void postMemberAccount(PosContext&, const std::string&, const std::string&, const std::string&) {}

void sendPurchaseNotice(PosContext&, const std::string&, const std::string&, double) {}

}  // namespace pos
