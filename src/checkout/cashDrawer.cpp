#include "checkout/cashDrawer.h"

namespace pos {

void openQx(PosContext&) {}

}  // namespace pos
