#pragma once
#include <string>

namespace pos {

struct PosContext;

// Makes sure every warehouse has its placeholder stock row and its stock
// totals row for `month` ("yyyy-mm"). Built with the stock ledgers; until then
// it does nothing.
void openStockMonth(PosContext& ctx, const std::string& month);

}  // namespace pos
