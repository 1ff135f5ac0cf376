#include "database/systemParameters.h"

#include <utility>
#include <vector>

#include "common/textGuards.h"
#include "database/dataModule.h"
#include "database/posContext.h"
#include "platform/clock.h"

namespace pos {

namespace {

using TextField = std::string SystemParameters::*;
using Fields = std::vector<std::pair<const char*, TextField>>;

#define POS_FIELD(n) \
    { #n, &SystemParameters::n }

const Fields kCompany = {POS_FIELD(c_name), POS_FIELD(c_tele), POS_FIELD(c_lxr),
                         POS_FIELD(c_address), POS_FIELD(c_jc)};

// System settings read as text before the decimals, in load order; cs_cbjs,
// an integer, is read in its place after cs_xjyh.
const Fields kSettingsFirst = {
    POS_FIELD(cs_cgdj),    POS_FIELD(cs_xsdj),   POS_FIELD(cs_xgdj),   POS_FIELD(cs_kc),
    POS_FIELD(cs_ysdh),    POS_FIELD(cs_spbh),   POS_FIELD(cs_hcj),    POS_FIELD(cs_ct),
    POS_FIELD(cs_xt),      POS_FIELD(cs_shdj),   POS_FIELD(cs_xjyh),   POS_FIELD(cs_posdj),
    POS_FIELD(cs_djrq),    POS_FIELD(cs_dysx),   POS_FIELD(cs_cs001),  POS_FIELD(cs_cs002),
    POS_FIELD(cs_hbfh),    POS_FIELD(cs_cs004),  POS_FIELD(cs_cs007),  POS_FIELD(cs_cs008),
    POS_FIELD(cs_cs009),   POS_FIELD(cs_cs010),  POS_FIELD(cs_cs011),  POS_FIELD(cs_cs013),
    POS_FIELD(cs_cs014),   POS_FIELD(cs_cs005),  POS_FIELD(cs_cs006),  POS_FIELD(cs_bcqdy),
    POS_FIELD(cs_cs017),   POS_FIELD(cs_cs016),  POS_FIELD(cs_djzddy), POS_FIELD(cs_djzddysl),
    POS_FIELD(cs_tmzdsc),  POS_FIELD(cs_tmscff), POS_FIELD(cs_tmtype), POS_FIELD(cs_tjcyjf),
    POS_FIELD(cs_posfkws), POS_FIELD(cs_zjews),  POS_FIELD(cs_jews)};

// System settings read as text after the decimals, in load order.
const Fields kSettingsSecond = {
    POS_FIELD(cs_kp),        POS_FIELD(cs_hs),           POS_FIELD(cs_spck),
    POS_FIELD(cs_sprk),      POS_FIELD(cs_lsj),          POS_FIELD(cs_sms),
    POS_FIELD(cs_tax),       POS_FIELD(cs_dbdj),         POS_FIELD(cs_jhzk),
    POS_FIELD(cs_zdzk),      POS_FIELD(cs_possk),        POS_FIELD(cs_kddy),
    POS_FIELD(cs_fzdw),      POS_FIELD(cs_cs003),        POS_FIELD(cs_cs020),
    POS_FIELD(cs_cgje),      POS_FIELD(cs_xsje),         POS_FIELD(cs_djsh),
    POS_FIELD(cs_spcz),      POS_FIELD(cs_poshooktoday), POS_FIELD(cs_barcode),
    POS_FIELD(cs_barunique), POS_FIELD(cs_zerocost),     POS_FIELD(cs_posrq),
    POS_FIELD(cs_shtc),      POS_FIELD(cs_cgyh),         POS_FIELD(cs_xsyh),
    POS_FIELD(cs_xsjgts),    POS_FIELD(cs_wxzf),         POS_FIELD(cs_mchid),
    POS_FIELD(cs_key),       POS_FIELD(cs_cs012)};

const Fields kPoints = {
    POS_FIELD(jf_jfgz),   POS_FIELD(jf_mfje),    POS_FIELD(jf_djjf),   POS_FIELD(jf_jsrjf),
    POS_FIELD(jf_jsrjl),  POS_FIELD(jf_dbjf),    POS_FIELD(jf_dbrq1),  POS_FIELD(jf_dbrq2),
    POS_FIELD(jf_yelj),   POS_FIELD(jf_hysk),    POS_FIELD(jf_qchy),   POS_FIELD(jf_xgxf),
    POS_FIELD(jf_ick),    POS_FIELD(jf_icktype), POS_FIELD(jf_srjflx), POS_FIELD(jf_srjfbs),
    POS_FIELD(jf_srjfts), POS_FIELD(jf_hyr),     POS_FIELD(jf_hyr1),   POS_FIELD(jf_hyr2),
    POS_FIELD(jf_hyrmy1), POS_FIELD(jf_hyrmy2),  POS_FIELD(jf_hyrzk)};

#undef POS_FIELD

// The first row's value of a column of the open QuerySelect; a missing column throws.
Value column(TF_DataModule& db, const char* name) { return db.QuerySelect.field(name); }

void readText(TF_DataModule& db, SystemParameters& p, const Fields& fields) {
    for (const auto& [name, member] : fields) {
        p.*member = column(db, name).asText();
        if (std::string(name) == "cs_xjyh")
            p.cs_cbjs = static_cast<int>(column(db, "cs_cbjs").asInteger());
    }
}

// Runs one step of the load; an error ends the step and is dropped.
template <typename Step>
void silently(TF_DataModule& db, Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
    db.QuerySelect.close();
}

std::string twoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

void loadSystemParameters(PosContext& ctx, const RightsCheck& hasRight) {
    TF_DataModule& db = ctx.db;
    SystemParameters& p = ctx.params;

    // 1. Company.
    db.openSelect("select * from jxc_company");
    readText(db, p, kCompany);
    db.QuerySelect.close();

    // 2. System settings: an older store that lacks a column keeps what was read so far.
    silently(db, [&] {
        db.openSelect("select * from jxc_xtcs");
        readText(db, p, kSettingsFirst);
        p.cs_xsws = static_cast<int>(column(db, "cs_xsws").asInteger());
        p.cs_cbjs = static_cast<int>(column(db, "cs_cbjs").asInteger());
        readText(db, p, kSettingsSecond);
    });

    // 3. Normalisation.
    if (p.cs_zdzk.empty()) p.cs_zdzk = "0";
    if (p.cs_jews.empty()) p.cs_jews = "2";
    long long jews = Value::text(p.cs_jews).asInteger();  // not a number: the error goes up
    if (jews < 0 || jews > 6) p.cs_jews = "2";
    if (p.cs_xsws < 0 || p.cs_xsws > 6) p.cs_xsws = 2;
    if (!isTrue(p.cs_zjews)) p.cs_jews = std::to_string(p.cs_xsws);
    if (p.cs_djrq.empty()) p.cs_djrq = "0";
    p.cs_cs004 = p.cs_cs004 == "0" ? "2400" : "9600";

    // 4. Rights.
    p.canSeeAmounts = hasRight ? hasRight("qtcz", 9) : false;

    // 5. Backup.
    db.openSelect("select * from jxc_backup");
    p.back_sj = static_cast<int>(column(db, "back_sj").asInteger());
    p.back_auto = column(db, "back_auto").asText();
    p.back_exit = column(db, "back_exit").asText();
    if (p.back_auto == "True") p.back_auto = "1";
    if (p.back_exit == "True") p.back_exit = "1";
    db.QuerySelect.close();

    // 6, 7. Member points and the member day.
    p.memberDay.clear();
    silently(db, [&] {
        db.openSelect("select * from jxc_jfsz");
        readText(db, p, kPoints);
        db.QuerySelect.close();
        LocalDateTime today = ctx.clock.now();
        if (p.jf_hyr == "1") {
            std::string d = twoDigits(today.day);
            if (d >= p.jf_hyrmy1 && d <= p.jf_hyrmy2) p.memberDay = "1";
        } else if (p.jf_hyr == "2") {
            std::string d = today.date();
            if (d >= p.jf_hyr1 && d <= p.jf_hyr2) p.memberDay = "1";
        }
    });

    // 8. E-mail.
    silently(db, [&] {
        db.openSelect("select e_send,e_date from jxc_email");
        p.e_send = column(db, "e_send").asBoolean();
        p.e_date = column(db, "e_date").asText();
    });
}

void setPoscs(PosContext& ctx) {
    TF_DataModule& db = ctx.db;
    SystemParameters& p = ctx.params;
    db.openSelect("select * from jxc_poscs ");
    auto integer = [&](const char* n) { return static_cast<int>(column(db, n).asInteger()); };
    p.pos_qxjk = integer("pos_qxjk");
    p.pos_jkzl = integer("pos_jkzl");
    p.pos_kxjk = integer("pos_kxjk");
    p.pos_tmlx = integer("pos_tmlx");
    p.pos_jzqz = column(db, "pos_jzqz").asText();
    p.pos_jsqz = column(db, "pos_jsqz").asText();
    p.pos_jews = integer("pos_jews");
    p.pos_djws = integer("pos_djws");
    p.pos_zlws = integer("pos_zlws");
    p.pos_dkqx = column(db, "pos_dkqx").asText();
    db.QuerySelect.close();
    p.drawerCommand = std::string("\x1bp", 2) + '\0' + "\x80\x80";
}

}  // namespace pos
