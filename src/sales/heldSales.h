#pragma once
// Held sales: the cashier parks the sale in progress (hold) to serve another
// customer and brings it back later (recall). A held sale is a jxc_posxsd
// header marked pos_note 'gd' with its lines in jxc_posxssp under the sale's
// own number; holding moves the working lines (jxc_lsxssp) there, recalling
// moves them back. The held-sales dialog lists them through Q_PosJg (headers
// with member name and number) and Q_PosJg2 (the lines of the current header).
#include <functional>
#include <string>

namespace pos {

struct PosContext;
class SaleScreen;

inline constexpr const char* kHeldMark = "gd";

// Holds the sale on `screen`: copies its lines, writes the header (member,
// hold date, shown total, operator, salesperson, warehouse) and removes the
// working lines, all in one transaction. Then reopens the line grid, shows
// "挂单成功！" and calls `startNewSale` (the sales window's reset with a new
// number; when empty, screen.setInitValue("")). False, with nothing written
// and nothing shown, when the sale has no lines.
bool posGD(PosContext& ctx, SaleScreen& screen, const std::function<void()>& startNewSale = {});

// What the sales window shows in its bottom area after a recall.
enum class RecallOutcome {
    Refused,      // the sale had lines: "系统处于销售状态，不能解挂！" was shown
    KeyLegend,    // no member came back: the key legend and its help button
    MemberPanel,  // a member came back with the held sale (memberBalance is set)
};

// The sales window's recall: refused while the sale has lines; otherwise
// clears memberBalance, runs `showHeldSales` (the held-sales dialog, modal;
// true when it recalled a sale), then reopens the line grid and recomputes
// the totals. When the dialog recalled nothing, the member balance of the
// sale in progress is put back as it was.
RecallOutcome posJG(PosContext& ctx, SaleScreen& screen,
                    const std::function<bool()>& showHeldSales);

// The held sales of a date range whose member name or number contains the
// member text (trimmed and guarded; empty lists all), in Q_PosJg by id.
// Dates are "yyyy-MM-dd"; both ends are included.
void searchHeldSales(PosContext& ctx, const std::string& memberText, const std::string& from,
                     const std::string& to);

// Opens Q_PosJg2 on the lines of the current row of Q_PosJg and returns that
// row's number; with an empty list Q_PosJg2 is closed and the number is empty.
std::string openHeldSaleLines(PosContext& ctx);

// "单据 <number> 的详细信息", the caption over the lines.
std::string heldSaleLinesCaption(const std::string& number);

// Recalls the current row of Q_PosJg into `screen`: starts the sale with the
// held number, attaches its member (labels and memberBalance) or none, and
// moves the lines back under the logged-in operator with tax reset, in one
// transaction. The held salesperson and warehouse are not restored. False
// when the list is empty, or when the held sale is no longer there (recalled
// or deleted meanwhile; the list is then searched again).
bool recallHeldSale(PosContext& ctx, SaleScreen& screen);

// Deletes the current row of Q_PosJg after the cashier confirms, then
// reopens the list and the lines of its new current row. False when the list
// is empty or the cashier said No.
bool deleteHeldSale(PosContext& ctx);

// At start-up: purges held sales of earlier days unless cs_poshooktoday is
// "0" or "False" (an empty setting counts as on).
void clearHeldSales(PosContext& ctx);

}  // namespace pos
