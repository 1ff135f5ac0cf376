#pragma once
// The shared ledgers every posting leaves as the back office expects them:
// the monthly stock totals per warehouse, the stock per batch, the goods
// movement ledger with its running stock, moving average cost and stock value,
// and the running balances of the customer account ledger, the invoice
// register and the cash/bank journal.
//
// Every argument and result is text, as the statements are built as text;
// dates are compared as text ("yyyy-mm-dd" sorts before the timestamps of the
// same day). None of these operations opens a transaction or catches a store
// error: the posting that calls them runs them inside its own
// TF_DataModule::Transaction, and an error goes up to it.
//
// Shared queries used (callers must respect this):
//   openStockMonth, refreshStockMonth, recalcBalances, recalcInvoiceBalances
//       read through QuerySelect (closed at the end), write through QueryTmp;
//   recalcGoodsList, recalcCashJournal
//       read through QueryTmp2, write through QueryTmp;
//   deductBatchStock, getLastBalance, getLastInvoiceBalance
//       use QueryTmp only.
// So a posting may iterate its goods ledger rows on QuerySelect while it calls
// recalcGoodsList and deductBatchStock.
#include <string>

namespace pos {

struct PosContext;
struct SystemParameters;

// Makes sure every warehouse has its placeholder stock row (goods "00000000",
// all figures 0) and its stock totals row for `month` ("yyyy-mm"). When at
// least one warehouse lacked its month row, the totals of every warehouse are
// written into the month's rows; when all rows existed, nothing is written.
void openStockMonth(PosContext& ctx, const std::string& month);

// Rewrites the stock totals of one warehouse into its row for `month`; a
// missing month row is not created.
void refreshStockMonth(PosContext& ctx, const std::string& warehouse, const std::string& month);

// Takes `quantity` (base units, number text; negative for a return, which adds)
// off the batch row of the goods in the warehouse, inserting the row with the
// negated quantity when it does not exist. An empty batch number addresses the
// goods' row without batch number. A quantity of "0" does nothing.
void deductBatchStock(PosContext& ctx, const std::string& goods, const std::string& warehouse,
                      const std::string& quantity, const std::string& expiry,
                      const std::string& batch, const std::string& sterilisationBatch,
                      const std::string& productionDate);

// The customer's account balance after the last row dated on or before `date`
// (the highest id among rows of that date); "0" when there is none.
std::string getLastBalance(PosContext& ctx, const std::string& customer, const std::string& date);

// Recomputes the running balance of the customer's account rows from `date`
// on, starting from the last row strictly before it, and copies the final
// balance to kh_lwje of the customer.
void recalcBalances(PosContext& ctx, const std::string& customer, const std::string& date);

// As getLastBalance, over the customer's checked invoice register rows.
std::string getLastInvoiceBalance(PosContext& ctx, const std::string& customer,
                                  const std::string& date);

// Recomputes the running balance of the customer's checked invoice register
// rows from `date` on.
void recalcInvoiceBalances(PosContext& ctx, const std::string& customer, const std::string& date);

// Recomputes the running balance of the money account's counted journal rows
// (xj_chk '1') from `date` on.
void recalcCashJournal(PosContext& ctx, const std::string& account, const std::string& date);

// Recomputes the running stock, average cost and stock value of every goods
// ledger row of the row's goods and warehouse dated on or after the row's date.
void recalcGoodsList(PosContext& ctx, const std::string& rowId);

// The decimals the goods ledger rounds to: prices (cs_xsws, 2 outside 0..6),
// quantities (cs_cbjs) and amounts (cs_jews when cs_zjews is on, else the
// price decimals).
int ledgerPriceDecimals(const SystemParameters& params);
int ledgerQuantityDecimals(const SystemParameters& params);
int ledgerAmountDecimals(const SystemParameters& params);

}  // namespace pos
