#pragma once

namespace pos {

struct PosContext;

// Purges held sales of earlier days when the shop keeps them for the day only.
// Built with the held sales; until then it does nothing.
void clearHeldSales(PosContext& ctx);

}  // namespace pos
