#include "sales/lineChecks.h"

#include <string_view>

#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "database/sessionState.h"
#include "database/sqlText.h"
#include "database/systemParameters.h"
#include "login/passwords.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace pos {

namespace {

constexpr const char* kExpiredQuestion = "该器械已过期，是否继续销售？";
constexpr const char* kNarcoticQuestion =
    "该器械为含麻器械，必须实名登记才可以销售！\r\n\r\n确定继续销售吗？";
constexpr const char* kPrescriptionQuestion =
    "该器械为处方药，需要开具处方才可以销售！\r\n\r\n确定继续销售吗？";
constexpr const char* kNarcoticNote = "已实名登记，可以销售。";
constexpr const char* kPrescriptionNote = "已出具处方，可以销售。";
constexpr const char* kNoExpiry = "0000-00";

// The stored form of a registration field: what the line and the sale keep.
std::string registrationField(const std::string& typed) { return safeText(trimBlanks(typed)); }

bool expired(const PosContext& ctx, const LineCheckRow& row) {
    if (row.batchNo.empty() || row.expiry.empty() || row.expiry == kNoExpiry) return false;
    // Month against the expiry text: "2024-05" sorts before both "2024-05" and
    // "2024-05-31", so a batch stays saleable through its whole expiry month.
    return ctx.clock.now().month7() > row.expiry;
}

bool confirmed(PosContext& ctx, const char* question) {
    return ctx.messages.askYesNo(question) == Answer::Yes;
}

}  // namespace

std::optional<std::string> runLineChecks(PosContext& ctx, const LineCheckRow& row,
                                         RegistrationPrompt& prompt) {
    if (expired(ctx, row) && !confirmed(ctx, kExpiredQuestion)) return std::nullopt;

    std::string note;
    const bool narcotic = row.maxQty > 0;
    if (narcotic) {
        if (!confirmed(ctx, kNarcoticQuestion)) return std::nullopt;
        note = kNarcoticNote;
    }
    const bool prescription = isTrue(ctx.params.cs_barcode) && isTrue(row.prescriptionFlag);
    if (prescription) {
        if (!confirmed(ctx, kPrescriptionQuestion)) return std::nullopt;
        note = kPrescriptionNote;
    }

    // One registration serves every restricted line of the sale.
    if ((narcotic || prescription) && ctx.session.buyerName.empty()) {
        const BuyerRegistration typed = prompt.ask();
        SessionState& s = ctx.session;
        s.buyerName = registrationField(typed.name);
        s.buyerIdCard = registrationField(typed.idCard);
        s.prescriptionNo = registrationField(typed.prescriptionNo);
        s.buyerAddress = registrationField(typed.address);
        s.buyerMobile = registrationField(typed.mobile);
        s.pharmacistName = registrationField(typed.pharmacist);
    }
    return note;
}

std::string checkMaxQty(PosContext& ctx, const std::string& saleNumber) {
    const std::string over = ctx.db.getSqlValue(
        "select top 1 b.g_name+' 每次最多销售数量为 '+ltrim(str(b.g_xzsl)) from (select "
        "g_sn,sum(ls_sl) as zsl from jxc_lsxssp where gl_djh=" +
        sqlQuote(saleNumber) +
        " group by g_sn) a,"
        "jxc_goods b where a.g_sn=b.g_sn and b.g_xzsl>0 and b.g_xzsl<a.zsl ");
    if (over.empty()) return {};
    return "其中的器械“" + over + "”，" + "\r\n\r\n" + "不能超过这个数量！";
}

std::string checkBatchStock(PosContext& ctx, const std::string& saleNumber,
                            const std::string& warehouse, const std::string& kind) {
    // Only sales ("XS") are checked so far; both statements read the sale's working lines.
    (void)kind;
    // Numbered batches: the sale against the stock row of the same batch, expiry,
    // production date and sterilisation batch; stock rows at or below zero are
    // not reported.
    std::string goods = ctx.db.getSqlValue(
        "select top 1 a.g_sn from (select g_sn,sum(ls_zsl) as sl,t_ph,t_yxq,t_scrq,t_mjph from "
        "jxc_lsxssp where gl_djh=" +
        sqlQuote(saleNumber) +
        " and g_sn<>'00000000' group by g_sn,t_ph,t_yxq,t_scrq,t_mjph) a,jxc_tkc b where "
        "a.g_sn=b.g_sn and a.t_ph=b.t_ph and a.t_yxq=b.t_yxq and a.t_scrq=b.t_scrq and "
        "a.t_mjph=b.t_mjph and a.sl>b.t_sl and b.t_sl>0 and a.t_ph<>'' and b.ck_sn=" +
        sqlQuote(warehouse) + " order by a.g_sn");
    // Goods kept without batch numbers: the sale against their one stock row.
    if (goods.empty())
        goods = ctx.db.getSqlValue(
            "select top 1 a.g_sn from (select g_sn,sum(ls_zsl) as sl,t_ph from jxc_lsxssp where "
            "gl_djh=" +
            sqlQuote(saleNumber) +
            " and g_sn<>'00000000' group by g_sn,t_ph) a,jxc_tkc b where a.g_sn=b.g_sn and "
            "a.t_ph=b.t_ph and a.sl>b.t_sl and a.t_ph='' and b.ck_sn=" +
            sqlQuote(warehouse) + " order by a.g_sn");
    if (goods.empty()) return {};
    const std::string head = "该单据对应的批号、有效期中至少一种商品库存不足，\r\n\r\n“" + goods;
    return isTrue(ctx.params.cs_kc) ? head + "”：销售将会出现负库存，是否继续？"
                                    : head + "”：不能销售！";
}

std::string checkPharmacist(PosContext& ctx, const std::string& name, const std::string& password) {
    const std::string pharmacist = trimBlanks(name);
    if (pharmacist.empty()) return "处方药需要药师审核，请输入\r\n\r\n药师登录名称和登录密码。";
    if (ctx.db
            .getSqlValue("select id from jxc_admin where a_name=" + sqlQuote(pharmacist) +
                         " and a_pwd=" + sqlQuote(storedPasswordForm(password)))
            .empty())
        return "药师的用户名或密码不正确，请重新输入。";
    return {};
}

}  // namespace pos
