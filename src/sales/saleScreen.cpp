#include "sales/saleScreen.h"

#include "checkout/customerDisplay.h"
#include "common/docNumbers.h"
#include "common/rounding.h"
#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "login/rights.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/lineChecks.h"

namespace pos {

namespace {

// The walk-in customer whose quotations and last prices a sale looks up.
constexpr const char* kRetailCustomer = "100001";

double number(const std::string& text) {
    double d = 0;
    return parseNumber(text, d) ? d : 0;
}

}  // namespace

SaleScreen::SaleScreen(PosContext& ctx, CustomerDisplay& display) : ctx_(ctx), display_(display) {}

std::string SaleScreen::warehouseCode() const { return getComboValue(warehouses, warehouse); }

bool SaleScreen::hasLines() const { return !ctx_.db.Q_Posxs.isEmpty(); }

bool SaleScreen::stockRuleOn() const {
    return ctx_.params.cs_kc == "0" || ctx_.params.cs_kc == "False";
}

std::string SaleScreen::rounded(const std::string& value) const {
    return sqlNumber(roundDec(number(value) + 0.000000001, ctx_.params.cs_xsws));
}

ResetOutcome SaleScreen::setInitValue(const std::string& requested) {
    SessionState& s = ctx_.session;
    s.clearBuyerRegistration();
    display_.showTotal("0.00");
    s.memberBalance.clear();

    std::string number = requested;
    if (number.empty()) {
        number = getNewDjh(ctx_, "jxc_lsxsd", "gl_djh", "XS");
        member.clear();
    }
    saleNumber = number;
    total = "0";
    std::string size = ctx_.db.getSqlValue("select font_size from jxc_posfont");
    gridFontSize = size.empty() ? 14 : static_cast<int>(Value::text(size).asInteger());
    status = "待销售状态";

    // The shopping guide stays selected from one sale to the next.
    std::string remembered = guide >= 0 && guide < static_cast<int>(guides.size())
                                 ? guides[static_cast<size_t>(guide)].text
                                 : std::string();
    guides = fillUserCombo(ctx_, "u_xs", "");
    guide = -1;
    if (!remembered.empty()) {
        for (size_t i = 0; i < guides.size(); ++i)
            if (guides[i].text == remembered) guide = static_cast<int>(i);
    } else if (guides.empty()) {
        ctx_.messages.inform("请添加营业员信息！");
        return ResetOutcome::NoGuide;
    } else {
        guide = 0;
    }

    if (ctx_.params.cs_cgyh != "1" || s.roleCode == kAdministratorRole)
        warehouses = fillCodeCombo(ctx_, "jxc_ckxx", "ck_name", "ck_sn", "id", "");
    else
        warehouses =
            fillCodeComboWhere(ctx_, "jxc_ckxx", "ck_name", "ck_sn", "id",
                               "where ck_asn like " + sqlQuote("%" + s.operatorCode + "%"), "");
    if (warehouses.empty()) {
        ctx_.messages.inform("请添加仓库信息！");
        return ResetOutcome::NoWarehouse;
    }
    std::string counter = ctx_.db.getSqlValue("select ck_name from jxc_ckxx where ck_pos<>0");
    warehouse = 0;
    for (size_t i = 0; i < warehouses.size(); ++i)
        if (!counter.empty() && warehouses[i].text == counter) warehouse = static_cast<int>(i);
    warehouseEnabled = true;

    openGridViewData(number);
    return ResetOutcome::Ready;
}

void SaleScreen::openGridViewData(const std::string& number) {
    ctx_.db.openSql(ctx_.db.Q_Posxs,
                    "select a.*,(b.g_name+a.g_tmbz+a.t_zp) as g_name,b.gg_name,b.g_jj,b.g_sj,"
                    "b.g_sccs,b.g_qxlx,b.g_iscf,b.hj_name,b.color_name from jxc_lsxssp a,jxc_goods "
                    "b where a.g_sn=b.g_sn and a.gl_djh=" +
                        sqlQuote(number) + " and a.a_name=" + sqlQuote(ctx_.session.operatorName) +
                        " order by a.id");
}

std::string SaleScreen::entryKey(const std::string& text) {
    std::string key = trimBlanks(text);
    size_t comma = key.find("，");
    return comma == std::string::npos ? key : key.substr(0, comma);
}

LookupOutcome SaleScreen::setFilterGoods(const std::string& key, RegistrationPrompt& prompt) {
    if (warehouses.empty()) {
        ctx_.messages.inform("请添加仓库信息！");
        return LookupOutcome::NoWarehouse;
    }
    TF_DataModule& db = ctx_.db;
    Query& goods = db.Q_PosGoods;
    const std::string K = sqlQuote(key), W = sqlQuote(warehouseCode());
    // What this sale already holds of each batch, in base units.
    const std::string held =
        "(select g_sn+t_yxq+t_ph+t_scrq+t_mjph as gscrq,sum(ls_zsl) as sl from jxc_lsxssp where "
        "gl_djh=" +
        sqlQuote(saleNumber) + " and a_name=" + sqlQuote(ctx_.session.operatorName) +
        " group by g_sn+t_yxq+t_ph+t_scrq+t_mjph) e on c.g_sn+t_yxq+t_ph+c.t_scrq+t_mjph=e.gscrq ";
    const bool stockRule = stockRuleOn();

    if (!db.getSqlValue("select top 1 g_sn from jxc_goods where g_sn<>'00000000' and g_jy=0 and "
                        "(g_sptm=" +
                        K + " or g_sn=" + K + ")")
             .empty()) {
        db.openSql(goods,
                   "select top 1 a.*,c.t_yxq,c.t_ph,c.t_scrq,c.t_mjph,c.t_sl,a.dw_name as dwname,"
                   "a.g_sptm as sptm from (jxc_goods a inner join jxc_tkc c on a.g_sn=c.g_sn) left "
                   "outer join " +
                       held + "where a.g_sn<>'00000000' and a.g_jy=0 and c.ck_sn=" + W +
                       " and (a.g_sptm=" + K + " or a.g_sn=" + K + ") " +
                       (stockRule ? " and c.t_sl>=iif(e.sl is not null,e.sl,0)+1 " : "") +
                       " order by c.t_yxq");
    } else {
        db.openSql(goods, "select * from jxc_goods where 1>2");
        if (isTrue(ctx_.params.cs_fzdw)) {
            auto byBarcodeOf = [&](const char* table, const char* unitName, const char* stock) {
                db.openSql(goods, std::string(
                                      "select top 1 a.*,c.t_yxq,c.t_ph,c.t_scrq,c.t_mjph,c.t_sl,") +
                                      unitName +
                                      " as dwname,d.g_sptm as sptm from ((jxc_goods a inner "
                                      "join jxc_tkc c on a.g_sn=c.g_sn) inner join " +
                                      table + " d on a.g_sn=d.g_sn) left outer join " + held +
                                      " where a.g_sn<>'00000000' and a.g_jy=0 and  c.ck_sn=" + W +
                                      " and d.g_sptm=" + K + " " + (stockRule ? stock : "") +
                                      " order by c.t_yxq");
            };
            byBarcodeOf("jxc_goodsdw", "d.dw_name",
                        " and c.t_sl>=(iif(e.sl is not null,e.sl,0))+d.g_zhxs ");
            if (goods.isEmpty())
                byBarcodeOf("jxc_goodstm", "a.dw_name",
                            " and c.t_sl>=iif(e.sl is not null,e.sl,0)+1 ");
        }
    }
    if (goods.isEmpty()) {
        const std::string like = sqlQuote("%" + key + "%");
        // Only the columns the pick list shows and a line needs: a broad fragment
        // lists thousands of batches, and every goods column would cost time.
        db.openSql(goods,
                   "select distinct a.g_sn,a.g_name,a.gg_name,a.color_name,a.g_sccs,a.g_sj,"
                   "a.g_lsj,a.g_dzll,a.g_xzsl,a.g_iscf,a.hj_name,c.t_yxq,c.t_ph,c.t_scrq,c.t_mjph,"
                   "c.t_sl,a.dw_name as dwname,a.g_sptm as sptm from jxc_goods a,jxc_tkc c where "
                   "a.g_sn=c.g_sn and "
                   "a.g_sn<>'00000000' and a.g_jy=0 and c.ck_sn=" +
                       W + " and (a.g_sn like " + like + " or a.g_name like " + like +
                       " or a.g_jm like " + like + " or a.g_sptm like " + like + ") " +
                       (stockRule ? " and c.t_sl>0 " : "") + " order by a.g_sn,c.t_yxq");
    }
    if (goods.isEmpty()) {
        ctx_.messages.inform("仓库里没有所查询的商品信息，请重新输入！");
        return LookupOutcome::NotFound;
    }
    goods.first();
    if (goods.recordCount() > 1) return LookupOutcome::Choose;
    return selectGoods(prompt) ? LookupOutcome::Added : LookupOutcome::Declined;
}

bool SaleScreen::selectGoods(RegistrationPrompt& prompt) {
    TF_DataModule& db = ctx_.db;
    const SystemParameters& p = ctx_.params;
    Query& row = db.Q_PosGoods;
    const std::string goods = row.fieldText("g_sn");
    const std::string unit = row.fieldText("dwname");

    std::optional<std::string> note =
        runLineChecks(ctx_,
                      {row.fieldText("t_ph"), row.fieldText("t_yxq"), row.fieldFloat("g_xzsl"),
                       row.fieldText("g_iscf")},
                      prompt);
    if (!note) return false;

    // Unit: a box unit multiplies quantities; an extra barcode brings its note.
    double factor = 1;
    std::string barcodeNote;
    if (isTrue(p.cs_fzdw)) {
        factor = getUnitFactor(goods, unit);
        if (factor == 1) {
            barcodeNote =
                db.getSqlValue("select g_tmbz from jxc_goodstm where g_sn=" + sqlQuote(goods) +
                               " and g_sptm=" + sqlQuote(row.fieldText("sptm")));
            if (!barcodeNote.empty()) barcodeNote = " " + barcodeNote;
        }
    }

    // Price and rate.
    double rate = 1;
    double price = row.fieldFloat("g_sj");
    double listPrice = row.fieldFloat("g_lsj");
    if (p.cs_xsdj == "1") price = number(getPrice(kRetailCustomer, goods));
    if (factor != 1) {
        listPrice =
            number(db.getSqlValue("select g_lsj from jxc_goodsdw where dw_name=" + sqlQuote(unit) +
                                  " and g_sn=" + sqlQuote(goods)));
        price = number(getUnitPrice(kRetailCustomer, goods, unit));
    }
    const bool withMember = !member.number.empty();
    if (p.memberDay == "1") {
        if (withMember) rate = number(p.jf_hyrzk);
    } else {
        bool special = false;
        double specialPrice = 0, memberSpecialPrice = 0;
        db.openSelect("select * from jxc_goods where g_sn=" + sqlQuote(goods));
        Query& g = db.QuerySelect;
        if (g.fieldBool("g_tjsp")) {
            const std::string now = ctx_.clock.now().dateTime();
            if (!g.fieldBool("g_tjqx") ||
                (now >= g.fieldText("g_ks") && now <= g.fieldText("g_js"))) {
                special = true;
                specialPrice = g.fieldFloat("g_tj");
                memberSpecialPrice = g.fieldFloat("g_hyj");
            }
        }
        g.close();
        std::string levelRate =
            withMember ? db.getSqlValue(
                             "select a.hl_dxzk from jxc_dxdz a,jxc_hyxx b where "
                             "a.hl_sn=b.hl_sn and b.hy_bh=" +
                             sqlQuote(member.number) + " and a.g_sn=" + sqlQuote(goods))
                       : db.getSqlValue("select hl_dxzk from jxc_dxdz where hl_sn='' and g_sn=" +
                                        sqlQuote(goods));
        if (withMember) rate = number(member.discount);
        double ownRate = row.fieldFloat("g_dzll");
        if (ownRate != 1 && rate == 1) rate = ownRate;
        if (!levelRate.empty()) rate = number(levelRate);
        if (special && levelRate.empty()) {
            if (withMember && memberSpecialPrice != 0) {
                price = memberSpecialPrice;
                rate = 1;
            } else if (!withMember && specialPrice != 0) {
                price = specialPrice;
                rate = 1;
            }
        }
    }

    if (isDjhUsed(ctx_, "jxc_lsxssp", "gl_djh", saleNumber))
        saleNumber = getNewDjh(ctx_, "jxc_lsxssp", "gl_djh", "XS");
    const double cost = number(getCostPrice(goods, warehouseCode(), ctx_.clock.now().date()));
    if (rate <= 0) rate = 1;

    const SessionState& s = ctx_.session;
    Query& lines = db.Q_Posxs;
    if (!lines.active()) openGridViewData(saleNumber);
    const double amount = price * rate;
    lines.append();
    auto text = [&](const char* f, const std::string& v) { lines.setField(f, Value::text(v)); };
    auto real = [&](const char* f, double v) { lines.setField(f, Value::real(v)); };
    text("gl_djh", saleNumber);
    text("g_sn", goods);
    text("a_name", s.operatorName);
    real("ls_dj", price);
    real("ls_dzl", rate);
    real("ls_dhdj", amount);
    real("ls_sl", 1);
    real("ls_cksl", 1);
    real("ls_zsl", factor);
    real("g_zhxs", factor);
    text("dw_name", unit);
    text("g_sptm", row.fieldText("sptm"));
    for (const char* f : {"ls_je", "ls_zje", "ls_zhje"}) real(f, amount);
    real("ls_tax", 0);
    real("ls_taxje", 0);
    real("ls_taxdj", price);
    real("ls_lsj", listPrice);
    real("ls_cbj2", cost);
    real("ls_cbj", cost * factor);
    real("ls_zcb", cost * factor);
    for (const char* f : {"t_yxq", "t_ph", "t_mjph", "t_scrq"}) text(f, row.fieldText(f));
    text("t_zp", "");
    text("t_cfsm", *note);
    text("ls_xm", s.buyerName);
    text("ls_cardno", s.buyerIdCard);
    text("t_cfhm", s.prescriptionNo);
    text("t_addr", s.buyerAddress);
    text("t_mobile", s.buyerMobile);
    text("t_yaoshi", s.pharmacistName);
    text("g_tmbz", barcodeNote);
    lines.post();
    // Totals first: they round the amounts the grid then shows.
    updateBottomHjje();
    openGridViewData(saleNumber);
    warehouseEnabled = false;
    return true;
}

std::string SaleScreen::priceColumn(const std::string& customer) {
    std::string type =
        isTrue(ctx_.params.cs_cs013)
            ? ctx_.db.getSqlValue("select kt_sn from jxc_khxx where kh_sn=" + sqlQuote(customer))
            : "1000";
    if (type == "1000" || type.size() < 4) return "g_sj";
    return std::string("g_sj") + type[3];
}

std::string SaleScreen::getPrice(const std::string& customer, const std::string& goods) {
    TF_DataModule& db = ctx_.db;
    const std::string g = sqlQuote(goods), c = sqlQuote(customer);
    std::string v = db.getSqlValue("select top 1 kb_bj from jxc_khbj where g_sn=" + g +
                                   " and kh_sn=" + c + " order by id desc");
    if (v.empty())
        v = db.getSqlValue(
            "select top 1 a.ls_dj from jxc_lsxssp a,jxc_lsxsd b,jxc_goods c where "
            "a.gl_djh=b.gl_djh and a.g_sn=c.g_sn and a.dw_name=c.dw_name and b.ls_status=1 and "
            "b.kh_sn=" +
            c + " and a.g_sn=" + g + " order by a.id desc");
    if (v.empty())
        v = db.getSqlValue("select " + priceColumn(customer) + " from jxc_goods where g_sn=" + g);
    if (v.empty()) v = db.getSqlValue("select g_sj from jxc_goods where g_sn=" + g);
    return rounded(v);
}

std::string SaleScreen::getUnitPrice(const std::string& customer, const std::string& goods,
                                     const std::string& unit) {
    TF_DataModule& db = ctx_.db;
    const std::string g = sqlQuote(goods), u = sqlQuote(unit);
    std::string v;
    if (ctx_.params.cs_xsdj == "1")
        v = db.getSqlValue(
            "select top 1 a.ls_dj from jxc_lsxssp a,jxc_lsxsd b where a.gl_djh=b.gl_djh and "
            "a.dw_name=" +
            u + " and b.ls_status=1 and b.kh_sn=" + sqlQuote(customer) + " and a.g_sn=" + g +
            " order by b.ls_xsrq desc,a.id desc");
    if (v.empty() || ctx_.params.cs_xsdj == "0")
        v = db.getSqlValue("select " + priceColumn(customer) + " from jxc_goodsdw where g_sn=" + g +
                           " and dw_name=" + u);
    return rounded(v);
}

double SaleScreen::getUnitFactor(const std::string& goods, const std::string& unit) {
    std::string v =
        ctx_.db.getSqlValue("select g_zhxs from jxc_goodsdw where g_sn=" + sqlQuote(goods) +
                            " and dw_name=" + sqlQuote(unit) + " ");
    return v.empty() ? 1 : number(v);
}

std::string SaleScreen::getCostPrice(const std::string& goods, const std::string& warehouse,
                                     const std::string& date) {
    TF_DataModule& db = ctx_.db;
    const std::string g = sqlQuote(goods), w = sqlQuote(warehouse), d = sqlQuote(date);
    std::string v;
    if (isTrue(db.getSqlValue("select g_gdcbj from jxc_goods where g_sn=" + g))) {
        v = db.getSqlValue("select g_jj from jxc_goods where g_sn=" + g);
    } else {
        if (!isTrue(ctx_.params.cs_cs009)) {
            v = db.getSqlValue("select top 1 gl_pjjj from jxc_goodslist where ck_sn=" + w +
                               " and g_sn=" + g + " and gl_kdrq<=" + d +
                               " order by gl_kdrq desc,id desc");
            if (v.empty())
                v = db.getSqlValue("select top 1 gl_pjjj from jxc_goodslist where ck_sn=" + w +
                                   " and g_sn=" + g + " and gl_kdrq>" + d + " order by gl_kdrq,id");
        }
        if (v.empty() || v == "0")
            v = db.getSqlValue("select kc_cbj from jxc_kcsp where ck_sn=" + w + " and g_sn=" + g);
        if (v.empty()) v = db.getSqlValue("select g_pjjj from jxc_goods where g_sn=" + g);
    }
    return rounded(v);
}

void SaleScreen::updateBottomHjje() {
    TF_DataModule& db = ctx_.db;
    const std::string where = " where gl_djh=" + sqlQuote(saleNumber) +
                              " and a_name=" + sqlQuote(ctx_.session.operatorName);
    if (isTrue(ctx_.params.cs_zjews)) {
        const std::string d = ctx_.params.cs_jews;
        db.execSql("update jxc_lsxssp set ls_zje=round(ls_zje," + d + "),ls_je=round(ls_je," + d +
                   "),ls_zcb=round(ls_zcb," + d + ")" + where);
    }
    total = db.getSqlValue("select round(sum(ls_zje),2) as zje from jxc_lsxssp" + where);
    if (total.empty()) total = "0";
    const bool selling = hasLines();
    status = selling ? "销售状态" : "待销售状态";
    warehouseEnabled = !selling;
    display_.showTotal(total);
}

void SaleScreen::updateBottomJe() {
    total = ctx_.db.getSqlValue(
        "select sum(ls_zje) as zje from jxc_lsxssp where g_sn<>'00000000' and gl_djh=" +
        sqlQuote(saleNumber));
    if (total.empty()) total = "0";
}

void SaleScreen::delCurrRec(int row) {
    Query& lines = ctx_.db.Q_Posxs;
    if (!lines.isEmpty()) {
        lines.moveTo(row);
        if (!lines.eof())
            ctx_.db.execSql("delete from jxc_lsxssp where id=" + lines.fieldText("id"));
        lines.open();
        lines.last();
    }
    if (lines.isEmpty()) ctx_.session.clearBuyerRegistration();
}

void SaleScreen::delAllRec() {
    Query& lines = ctx_.db.Q_Posxs;
    if (lines.isEmpty() || ctx_.messages.askYesNo("您确定要删除所有信息吗！") != Answer::Yes)
        return;
    ctx_.db.execSql("delete from jxc_lsxssp where gl_djh=" + sqlQuote(saleNumber) +
                    " and a_name=" + sqlQuote(ctx_.session.operatorName));
    lines.open();
    ctx_.session.clearBuyerRegistration();
}

bool SaleScreen::releaseMember() {
    if (hasLines()) {
        ctx_.messages.inform("正在销售商品，不能隐藏会员信息！");
        return false;
    }
    ctx_.session.memberBalance.clear();
    for (std::string* f : {&member.number, &member.name, &member.points, &member.level,
                           &member.discount, &member.balance})
        f->clear();
    return true;
}

}  // namespace pos
