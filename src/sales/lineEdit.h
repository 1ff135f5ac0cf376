#pragma once
// The line edit panel of the sales screen: change the quantity, the price or
// the rate of a line, split a quantity over batches, apply a rate to the whole
// sale, change the goods' price for good; and the marking of a line as a gift.
// The sales window shows the panel with the values of LineEditPanel and calls
// these routines; everything they decide is here.
#include <optional>
#include <string>

namespace pos {

struct PosContext;
class SaleScreen;
class SupervisorPrompt;

enum class LineEditMode {
    Quantity,  // the quantity key: only the new quantity is open to input
    Price,     // the discount key: price, rate, the two boxes and the quantity
};

// What the panel shows and what the cashier typed into it.
struct LineEditPanel {
    long long lineId = 0;         // the line being edited (jxc_lsxssp.id)
    std::string goodsName;        // g_name: the line's shown name
    double listPrice = 0;         // spyj: unit price before discount (read-only)
    double price = 0;             // spdj: unit price after discount
    double rate = 1;              // dzl
    double currentQty = 0;        // ls_sl: the line's quantity when opened
    double newQty = 0;            // xsl
    bool permanentPrice = false;  // chkDj "永久改变该商品的价格(F7)"
    bool wholeSale = false;       // chkZdzk "整单折扣(F8)"
    // Price mode: spdj, dzl, chkDj and chkZdzk take input and the focus starts
    // in dzl. Quantity mode: they are disabled and the focus starts in xsl
    // with its text selected.
    bool priceEditable = false;
};

// Opens the panel for the line at `row` of Q_Posxs (0-based). The price mode
// asks a supervisor first ("修改售价-柜长授权") unless the shop lets cashiers
// change prices (cs_posdj); nobody authorising, or no line at `row`, gives
// nullopt and the panel stays closed. Sets lineEditMode as the keys do ("1"
// stays set for a quantity change; "2" only while opening), and shows the
// total of the lines (updateBottomJe).
std::optional<LineEditPanel> openLineEdit(PosContext& ctx, SaleScreen& screen, int row,
                                          LineEditMode mode, SupervisorPrompt& supervisor);

// Live recomputation while the panel is open: a key released in dzl sets spdj
// to spyj × dzl at 2 decimals; one released in spdj sets dzl to spdj / spyj
// at 4 decimals (1 when spyj is not above 0).
void rateEdited(LineEditPanel& panel);
void priceEdited(LineEditPanel& panel);

enum class LineEditOutcome {
    Saved,          // the line (and any split lines) written
    WholeSaleRate,  // the rate given to every line of the sale
    NegativePrice,  // refusals, in the order they are tested; the panel stays open
    BadQuantity,
    BelowMinimumRate,
    OverPerSaleLimit,
    OutOfStock,
    LineGone,  // the line no longer exists; nothing written
};

// Whether the window hides the panel (and focuses the entry field) after the outcome.
bool closesPanel(LineEditOutcome outcome);

// Saves the panel (F5, Enter in the quantity, "确定(F5)"). Refused, in this
// order: a negative price, a quantity not above 0, a typed rate below the
// shop's minimum (cs_zdzk; the minimum itself is accepted), more of the goods
// in the sale than its per-sale maximum, more than the batches hold. The
// whole-sale box gives every line of the sale the rate and applies nothing
// else. Otherwise the permanent-price box sets the goods' price, and a
// quantity the line's batch cannot hold is split over the other batches by
// expiry (quantities compared in base units; with negative stock allowed,
// cs_kc, the line simply takes the quantity). Refusals are shown through
// ctx.messages and write nothing. After a save the totals are updated,
// Q_Posxs is reopened and its current row is the edited line.
LineEditOutcome saveLineEdit(PosContext& ctx, SaleScreen& screen, const LineEditPanel& panel);

// Marks the line at `row` of Q_Posxs as a gift: "(赠品)" after its name, its
// prices and amounts 0; quantity, rate and cost stay. Totals updated, Q_Posxs
// reopened on the line. False when there is no line at `row`.
bool setZp(PosContext& ctx, SaleScreen& screen, int row);

}  // namespace pos
