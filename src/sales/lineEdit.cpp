#include "sales/lineEdit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/rounding.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "returns/supervisor.h"
#include "sales/saleScreen.h"

namespace pos {

namespace {

constexpr const char* kNegativePrice = "单价不能为负数，请重新输入！";
constexpr const char* kBadQuantity = "数量必须大于0，请重新输入！";
constexpr const char* kOutOfStock = "库存数量不足，不能出库！";
constexpr const char* kGiftMark = "(赠品)";
constexpr const char* kNoExpiry = "0000-00";

// Quantities and rates closer than this are equal (typed values have a few decimals).
constexpr double kEpsilon = 0.000000001;

double number(const std::string& text) {
    double d = 0;
    return parseNumber(text, d) ? d : 0;
}

// The batch a line takes its goods from, as the stock rows name it.
struct Batch {
    std::string expiry, number, produced, sterilisation;  // t_yxq, t_ph, t_scrq, t_mjph

    // The conditions on these four columns, each after " and ".
    std::string where() const {
        return " and t_scrq=" + sqlQuote(produced) + " and t_ph=" + sqlQuote(number) +
               " and t_yxq=" + sqlQuote(expiry) + " and t_mjph=" + sqlQuote(sterilisation);
    }
};

// What the save needs of the line being edited.
struct Line {
    std::string id, goods;
    Batch batch;
    double factor = 1;  // g_zhxs: base units per unit of the line
    double cost = 0;    // ls_cbj: unit cost in the line's unit
    double listPrice = 0;
    std::string unit, barcode, gift, note;  // dw_name, g_sptm, t_zp, t_cfsm
    std::string buyer, idCard, prescription, address, mobile, pharmacist;
};

std::optional<Line> readLine(PosContext& ctx, long long id) {
    Query& q = ctx.db.QuerySelect;
    ctx.db.openSelect("select * from jxc_lsxssp where id=" + sqlNumber(static_cast<double>(id)));
    if (q.isEmpty()) {
        q.close();
        return std::nullopt;
    }
    Line l;
    l.id = q.fieldText("id");
    l.goods = q.fieldText("g_sn");
    l.batch = {q.fieldText("t_yxq"), q.fieldText("t_ph"), q.fieldText("t_scrq"),
               q.fieldText("t_mjph")};
    l.factor = q.fieldFloat("g_zhxs");
    if (l.factor <= 0) l.factor = 1;
    l.cost = q.fieldFloat("ls_cbj");
    l.listPrice = q.fieldFloat("ls_lsj");
    l.unit = q.fieldText("dw_name");
    l.barcode = q.fieldText("g_sptm");
    l.gift = q.fieldText("t_zp");
    l.note = q.fieldText("t_cfsm");
    l.buyer = q.fieldText("ls_xm");
    l.idCard = q.fieldText("ls_cardno");
    l.prescription = q.fieldText("t_cfhm");
    l.address = q.fieldText("t_addr");
    l.mobile = q.fieldText("t_mobile");
    l.pharmacist = q.fieldText("t_yaoshi");
    q.close();
    return l;
}

// A part of the new quantity, in base units, and the batch it comes from.
struct Piece {
    Batch batch;
    double base = 0;
    bool ownBatch = false;  // the edited line's batch
};

bool expired(const PosContext& ctx, const Batch& b) {
    if (b.number.empty() || b.expiry.empty() || b.expiry == kNoExpiry) return false;
    return ctx.clock.now().month7() > b.expiry;
}

// Where `need` base units come from when the stock rule holds: the line's own
// batch as far as it still has stock beside the sale's other lines of that
// batch, then the other batches by earliest expiry, each as far as the sale
// has not taken it yet. Expired batches are never added here: selling one
// takes the cashier's answer to the expiry question at the scan. The first
// piece is the edited line's; when its own batch has nothing left, the line
// moves to the first batch that has. nullopt when the stock is short.
std::optional<std::vector<Piece>> planStock(PosContext& ctx, const SaleScreen& screen,
                                            const Line& line, double need) {
    TF_DataModule& db = ctx.db;
    const std::string sale = " where gl_djh=" + sqlQuote(screen.saleNumber) +
                             " and a_name=" + sqlQuote(ctx.session.operatorName);
    const std::string warehouse = sqlQuote(screen.warehouseCode());
    const std::string goods = sqlQuote(line.goods);

    Query& q = db.QuerySelect;
    db.openSelect("select top 1 id,t_sl from jxc_tkc where t_sl>0 and ck_sn=" + warehouse +
                  " and g_sn=" + goods + line.batch.where());
    const bool ownRow = !q.isEmpty();
    const std::string ownId = q.fieldText("id");
    const double ownStock = q.fieldFloat("t_sl");
    q.close();
    const double heldElsewhere =
        number(db.getSqlValue("select sum(ls_zsl) as sl from jxc_lsxssp" + sale +
                              " and g_sn=" + goods + line.batch.where() + " and id<>" + line.id));

    std::vector<Piece> pieces;
    double rest = need;
    const double own = std::min(ownStock - heldElsewhere, rest);
    if (own > kEpsilon) {
        pieces.push_back({line.batch, own, true});
        rest -= own;
    }
    if (rest <= kEpsilon) return pieces;

    db.openSelect(
        "select c.id,c.t_yxq,c.t_ph,c.t_scrq,c.t_mjph,c.t_sl,iif(e.sl is not null,e.sl,0) as sl "
        "from jxc_tkc c left outer join (select g_sn,t_yxq,t_ph,t_scrq,t_mjph,sum(ls_zsl) as sl "
        "from jxc_lsxssp" +
        sale + " and id<>" + line.id +
        " group by g_sn,t_yxq,t_ph,t_scrq,t_mjph) e on c.g_sn=e.g_sn and c.t_yxq=e.t_yxq and "
        "c.t_ph=e.t_ph and c.t_scrq=e.t_scrq and c.t_mjph=e.t_mjph where c.ck_sn=" +
        warehouse + " and c.g_sn=" + goods + (ownRow ? " and c.id<>" + ownId : "") +
        " and c.t_sl>iif(e.sl is not null,e.sl,0) order by c.t_yxq,c.id");
    for (q.first(); !q.eof() && rest > kEpsilon; q.next()) {
        Batch b{q.fieldText("t_yxq"), q.fieldText("t_ph"), q.fieldText("t_scrq"),
                q.fieldText("t_mjph")};
        if (expired(ctx, b)) continue;
        const double take = std::min(q.fieldFloat("t_sl") - q.fieldFloat("sl"), rest);
        if (take <= kEpsilon) continue;
        pieces.push_back({b, take, false});
        rest -= take;
    }
    q.close();
    if (rest > kEpsilon) return std::nullopt;
    return pieces;
}

// The edited line with `qty` in its own unit, from `batch`, at the panel's prices.
void rewriteLine(TF_DataModule& db, const Line& line, const Batch& batch, double qty,
                 double listPrice, double price, double rate) {
    const std::string n = sqlNumber(qty), amount = sqlNumber(qty * price);
    db.execSql("update jxc_lsxssp set ls_dhdj=" + sqlNumber(price) + ",ls_sl=" + n + ",ls_cksl=" +
               n + ",ls_zsl=" + sqlNumber(qty * line.factor) + ",ls_dzl=" + sqlNumber(rate) +
               ",ls_dj=" + sqlNumber(listPrice) + ",ls_zje=" + amount + ",ls_je=" + amount +
               ",ls_zhje=" + amount + ",ls_taxdj=" + sqlNumber(listPrice) +
               ",ls_zcb=" + sqlNumber(qty * line.cost) + ",t_yxq=" + sqlQuote(batch.expiry) +
               ",t_ph=" + sqlQuote(batch.number) + ",t_scrq=" + sqlQuote(batch.produced) +
               ",t_mjph=" + sqlQuote(batch.sterilisation) + " where id=" + line.id);
}

// A further line of the edited one's goods, unit, prices, gift mark and
// registration, holding `piece` (base units) from another batch.
void appendSplitLine(PosContext& ctx, const SaleScreen& screen, const Line& line,
                     const Piece& piece, double baseCost, double listPrice, double price,
                     double rate) {
    const double qty = piece.base / line.factor;
    const std::string n = sqlNumber(qty), amount = sqlNumber(qty * price);
    const std::pair<const char*, std::string> fields[] = {
        {"gl_djh", sqlQuote(screen.saleNumber)},
        {"g_sn", sqlQuote(line.goods)},
        {"a_name", sqlQuote(ctx.session.operatorName)},
        {"dw_name", sqlQuote(line.unit)},
        {"g_sptm", sqlQuote(line.barcode)},
        {"g_zhxs", sqlNumber(line.factor)},
        {"ls_dj", sqlNumber(listPrice)},
        {"ls_taxdj", sqlNumber(listPrice)},
        {"ls_dzl", sqlNumber(rate)},
        {"ls_dhdj", sqlNumber(price)},
        {"ls_sl", n},
        {"ls_cksl", n},
        {"ls_zsl", sqlNumber(piece.base)},
        {"ls_je", amount},
        {"ls_zje", amount},
        {"ls_zhje", amount},
        {"ls_tax", "0"},
        {"ls_taxje", "0"},
        {"ls_lsj", sqlNumber(line.listPrice)},
        {"ls_cbj", sqlNumber(baseCost * line.factor)},
        {"ls_cbj2", sqlNumber(baseCost)},
        {"ls_zcb", sqlNumber(baseCost * piece.base)},
        {"t_yxq", sqlQuote(piece.batch.expiry)},
        {"t_ph", sqlQuote(piece.batch.number)},
        {"t_scrq", sqlQuote(piece.batch.produced)},
        {"t_mjph", sqlQuote(piece.batch.sterilisation)},
        {"t_zp", sqlQuote(line.gift)},
        {"t_cfsm", sqlQuote(line.note)},
        {"ls_xm", sqlQuote(line.buyer)},
        {"ls_cardno", sqlQuote(line.idCard)},
        {"t_cfhm", sqlQuote(line.prescription)},
        {"t_addr", sqlQuote(line.address)},
        {"t_mobile", sqlQuote(line.mobile)},
        {"t_yaoshi", sqlQuote(line.pharmacist)},
        {"g_tmbz", sqlQuote("")},
    };
    std::string columns, values;
    for (const auto& [column, value] : fields) {
        columns += (columns.empty() ? "" : ",") + std::string(column);
        values += (values.empty() ? "" : ",") + value;
    }
    ctx.db.execSql("insert into jxc_lsxssp (" + columns + ") values (" + values + ")");
}

// The goods' price from now on: the price of the line's unit (an auxiliary
// unit keeps its own price), the goods' retail price for the base unit.
void setPermanentPrice(TF_DataModule& db, const Line& line, double price) {
    if (line.factor != 1 && db.execSql("update jxc_goodsdw set g_sj=" + sqlNumber(price) +
                                       " where g_sn=" + sqlQuote(line.goods) +
                                       " and dw_name=" + sqlQuote(line.unit)) > 0)
        return;
    db.execSql("update jxc_goods set g_sj=" + sqlNumber(price) +
               " where g_sn=" + sqlQuote(line.goods));
}

// The stock rule of the sales screen: "0" or "False" keeps sales within the
// batch stock; otherwise the shop allows negative stock.
bool stockRuleOn(const PosContext& ctx) {
    return ctx.params.cs_kc == "0" || ctx.params.cs_kc == "False";
}

void showLines(PosContext& ctx, SaleScreen& screen, const std::string& lineId) {
    // Totals first: they round the amounts the grid then shows.
    screen.updateBottomHjje();
    screen.openGridViewData(screen.saleNumber);
    ctx.db.Q_Posxs.locate(static_cast<long long>(number(lineId)));
}

}  // namespace

std::optional<LineEditPanel> openLineEdit(PosContext& ctx, SaleScreen& screen, int row,
                                          LineEditMode mode, SupervisorPrompt& supervisor) {
    Query& lines = ctx.db.Q_Posxs;
    if (row < 0 || row >= lines.recordCount()) return std::nullopt;
    const bool priceMode = mode == LineEditMode::Price;
    if (priceMode && !isTrue(ctx.params.cs_posdj)) {
        const bool authorised = askSupervisor(ctx, supervisor, kPriceChangeAuthorisation);
        clearSupervisor(ctx.session);
        if (!authorised) return std::nullopt;
    }
    ctx.session.lineEditMode = priceMode ? "2" : "1";

    lines.moveTo(row);
    LineEditPanel panel;
    panel.lineId = lines.fieldInt("id");
    panel.goodsName = lines.fieldText("g_name");
    panel.rate = lines.fieldFloat("ls_dzl");
    panel.listPrice = lines.fieldFloat("ls_dj");
    panel.price = lines.fieldFloat("ls_dhdj");
    panel.currentQty = lines.fieldFloat("ls_sl");
    panel.newQty = panel.currentQty;
    panel.priceEditable = priceMode;

    screen.updateBottomJe();
    if (priceMode) ctx.session.lineEditMode.clear();
    return panel;
}

void rateEdited(LineEditPanel& panel) {
    panel.price = roundDec(panel.listPrice * panel.rate + 0.000000001, 2);
}

void priceEdited(LineEditPanel& panel) {
    panel.rate =
        panel.listPrice <= 0 ? 1 : roundDec(panel.price / panel.listPrice + 0.000000001, 4);
}

bool closesPanel(LineEditOutcome outcome) {
    return outcome == LineEditOutcome::Saved || outcome == LineEditOutcome::WholeSaleRate ||
           outcome == LineEditOutcome::LineGone;
}

LineEditOutcome saveLineEdit(PosContext& ctx, SaleScreen& screen, const LineEditPanel& panel) {
    TF_DataModule& db = ctx.db;
    const std::optional<Line> found = readLine(ctx, panel.lineId);
    if (!found) {
        screen.openGridViewData(screen.saleNumber);
        return LineEditOutcome::LineGone;
    }
    const Line& line = *found;
    double listPrice = panel.listPrice;
    const double price = panel.price, rate = panel.rate, qty = panel.newQty;

    // A negative price after discount would make the line pay the customer.
    if (listPrice < 0 || price < 0) {
        ctx.messages.inform(kNegativePrice);
        return LineEditOutcome::NegativePrice;
    }
    if (qty <= 0) {
        ctx.messages.inform(kBadQuantity);
        return LineEditOutcome::BadQuantity;
    }
    // The shop's minimum rate bounds what the cashier types; a rate the line
    // got from its pricing (member level, the goods' own) is not the cashier's
    // input and does not stop a quantity change.
    if (panel.priceEditable && rate < number(ctx.params.cs_zdzk) - kEpsilon) {
        ctx.messages.inform(std::string("商品的最低折扣为：“") + ctx.params.cs_zdzk + "”，" +
                            "\r\n\r\n" + "打折率不能低于最低折扣！");
        return LineEditOutcome::BelowMinimumRate;
    }
    if (listPrice == 0 || rate == 0) listPrice = price;

    const std::string sale = " where gl_djh=" + sqlQuote(screen.saleNumber) +
                             " and a_name=" + sqlQuote(ctx.session.operatorName);
    const std::string goods = sqlQuote(line.goods);

    // Per-sale maximum, counted over every line of the goods as the payment counts it.
    const std::string limit = db.getSqlValue("select g_xzsl from jxc_goods where g_sn=" + goods);
    const double most = number(limit);
    if (most > 0) {
        const double inSale =
            number(db.getSqlValue("select sum(ls_sl) as sl from jxc_lsxssp" + sale +
                                  " and g_sn=" + goods + " and id<>" + line.id)) +
            qty;
        if (most < inSale - kEpsilon) {
            ctx.messages.inform("当前器械每次最多销售数量为“" + limit + "”，不能超过这个数量！");
            return LineEditOutcome::OverPerSaleLimit;
        }
    }

    // The whole sale at the rate, the edited line included; nothing else of the panel applies.
    if (panel.priceEditable && panel.wholeSale) {
        const std::string r = sqlNumber(rate);
        db.execSql("update jxc_lsxssp set ls_dhdj=ls_dj*" + r + ",ls_je=ls_dj*ls_sl*" + r +
                   ",ls_zje=ls_taxdj*ls_sl*" + r + ",ls_zhje=ls_taxdj*ls_sl*" + r + ",ls_dzl=" + r +
                   sale + " and g_sn<>'00000000'");
        showLines(ctx, screen, line.id);
        return LineEditOutcome::WholeSaleRate;
    }

    // Everything is compared in base units: a line in an auxiliary unit holds
    // its quantity times its unit factor.
    std::optional<std::vector<Piece>> pieces;
    if (stockRuleOn(ctx)) {
        pieces = planStock(ctx, screen, line, qty * line.factor);
        if (!pieces) {
            ctx.messages.inform(kOutOfStock);
            return LineEditOutcome::OutOfStock;
        }
    }
    const double baseCost = pieces && pieces->size() > 1
                                ? number(screen.getCostPrice(line.goods, screen.warehouseCode(),
                                                             ctx.clock.now().date()))
                                : 0;

    TF_DataModule::Transaction tx(db);
    if (panel.priceEditable && panel.permanentPrice) setPermanentPrice(db, line, price);
    if (!pieces || (pieces->size() == 1 && pieces->front().ownBatch)) {
        // The line's own batch holds the quantity, or the shop allows negative stock.
        rewriteLine(db, line, line.batch, qty, listPrice, price, rate);
    } else {
        const Piece& first = pieces->front();
        rewriteLine(db, line, first.batch, first.base / line.factor, listPrice, price, rate);
        for (size_t i = 1; i < pieces->size(); ++i)
            appendSplitLine(ctx, screen, line, (*pieces)[i], baseCost, listPrice, price, rate);
    }
    tx.commit();
    showLines(ctx, screen, line.id);
    return LineEditOutcome::Saved;
}

bool setZp(PosContext& ctx, SaleScreen& screen, int row) {
    Query& lines = ctx.db.Q_Posxs;
    if (row < 0 || row >= lines.recordCount()) return false;
    lines.moveTo(row);
    const std::string id = lines.fieldText("id");
    ctx.db.execSql("update jxc_lsxssp set t_zp=" + sqlQuote(kGiftMark) +
                   ",ls_dj=0,ls_taxdj=0,ls_zje=0,ls_zhje=0,ls_je=0,ls_dhdj=0 where id=" + id);
    showLines(ctx, screen, id);
    return true;
}

}  // namespace pos
