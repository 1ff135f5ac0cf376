#include "members/loginBonusRelease.h"

namespace pos {

void releaseLoginBonuses(PosContext&) {}

}  // namespace pos
