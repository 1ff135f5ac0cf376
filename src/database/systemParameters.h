#pragma once
// The shop's settings, copied once per run from the settings tables of the
// store (company, system settings, backup, member points, e-mail, POS devices).
// Fields carry their column names; flags are text tested with isTrue or
// compared with a literal where the setting says so.
#include <functional>
#include <string>

namespace pos {

struct PosContext;

struct SystemParameters {
    // jxc_company
    std::string c_name, c_tele, c_lxr, c_address, c_jc;

    // jxc_xtcs, text settings
    std::string cs_cgdj, cs_xsdj, cs_xgdj, cs_kc, cs_ysdh, cs_spbh;
    std::string cs_hcj, cs_ct, cs_xt, cs_shdj, cs_xjyh, cs_posdj;
    std::string cs_djrq, cs_dysx, cs_cs001, cs_cs002, cs_hbfh, cs_cs004;
    std::string cs_cs007, cs_cs008, cs_cs009, cs_cs010, cs_cs011, cs_cs013;
    std::string cs_cs014, cs_cs005, cs_cs006, cs_bcqdy, cs_cs017, cs_cs016;
    std::string cs_djzddy, cs_djzddysl, cs_tmzdsc, cs_tmscff, cs_tmtype, cs_tjcyjf;
    std::string cs_posfkws, cs_zjews, cs_jews, cs_kp, cs_hs, cs_spck;
    std::string cs_sprk, cs_lsj, cs_sms, cs_tax, cs_dbdj, cs_jhzk;
    std::string cs_zdzk, cs_possk, cs_kddy, cs_fzdw, cs_cs003, cs_cs020;
    std::string cs_cgje, cs_xsje, cs_djsh, cs_spcz, cs_poshooktoday, cs_barcode;
    std::string cs_barunique, cs_zerocost, cs_posrq, cs_shtc, cs_cgyh, cs_xsyh;
    std::string cs_xsjgts, cs_wxzf, cs_mchid, cs_key, cs_cs012;
    // jxc_xtcs, integers (a null reads as 0)
    int cs_xsws = 0;  // price decimals
    int cs_cbjs = 0;  // quantity decimals

    // jxc_backup
    int back_sj = 0;
    std::string back_auto, back_exit;

    // jxc_jfsz
    std::string jf_jfgz, jf_mfje, jf_djjf, jf_jsrjf, jf_jsrjl, jf_dbjf;
    std::string jf_dbrq1, jf_dbrq2, jf_yelj, jf_hysk, jf_qchy, jf_xgxf;
    std::string jf_ick, jf_icktype, jf_srjflx, jf_srjfbs, jf_srjfts, jf_hyr;
    std::string jf_hyr1, jf_hyr2, jf_hyrmy1, jf_hyrmy2, jf_hyrzk;

    // jxc_email
    bool e_send = false;
    std::string e_date;

    // jxc_poscs (setPoscs)
    int pos_qxjk = 0;  // cash drawer: 0 none, 1 through the receipt printer, 2 raw to the port
    int pos_jkzl = 0;
    int pos_kxjk = 0;  // customer display port: 0 none, 1..8
    int pos_tmlx = 0;
    std::string pos_jzqz, pos_jsqz;
    int pos_jews = 0, pos_djws = 0, pos_zlws = 0;
    std::string pos_dkqx;       // open the drawer when the payment window opens
    std::string drawerCommand;  // ESC p 0 0x80 0x80

    // Computed at load.
    std::string memberDay;  // "1" when today is a member day
    bool canSeeAmounts = false;
};

// The rights test (group, position) that the load asks for canSeeAmounts.
using RightsCheck = std::function<bool(const std::string& group, int position)>;

// Fills ctx.params from the settings tables, in the order and with the error
// guards of the settings load: a missing system-settings, points or e-mail
// table or column ends that step silently; other errors go to the caller.
void loadSystemParameters(PosContext& ctx, const RightsCheck& hasRight);

// Fills the POS device fields from jxc_poscs.
void setPoscs(PosContext& ctx);

}  // namespace pos
