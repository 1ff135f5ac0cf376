#include <gtest/gtest.h>

#include "common/comboLists.h"
#include "common/defaultLookups.h"
#include "common/operationLog.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

std::vector<std::string> texts(const ComboItems& items) {
    std::vector<std::string> r;
    for (const auto& i : items) r.push_back(i.text);
    return r;
}

class Lookups : public ::testing::Test {
  protected:
    void SetUp() override {
        store.db.execSql("delete from jxc_user");
        store.db.execSql("delete from jxc_ckxx");
        store.db.execSql(
            "insert into jxc_ckxx (ck_sn, ck_name, ck_asn, ck_default) values "
            "('01','门店','002,003',0)");
        store.db.execSql(
            "insert into jxc_ckxx (ck_sn, ck_name, ck_asn, ck_default) values "
            "('02','仓库','001',1)");
        const char* staff[] = {"('u1','甲',0,1,0,'01')", "('u2','乙',0,0,1,'02')",
                               "('u3','丙',1,1,0,'01')", "('u4','丁',0,1,0,'-1')"};
        for (const char* s : staff)
            store.db.execSql("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_yg,ck_sn) values " +
                             std::string(s));
    }
    TestStore store;
    PosContext& ctx = store.ctx;
};

TEST_F(Lookups, StaffListFollowsDutyAndWarehouseBinding) {
    EXPECT_EQ((std::vector<std::string>{"全部", "甲", "乙", "丁"}),
              texts(fillUserCombo(ctx, "", "全部")));
    EXPECT_EQ((std::vector<std::string>{"甲", "丁"}), texts(fillUserCombo(ctx, "u_xs", "")));
    store.params.cs_shtc = "1";  // only staff of the cashier's warehouses (002 is bound to 01)
    ComboItems bound = fillUserCombo(ctx, "", "全部");
    EXPECT_EQ((std::vector<std::string>{"甲", "丁"}), texts(bound));
    EXPECT_EQ("u4", getComboValue(bound, 1));
    store.session.roleCode = "100001";  // the administrator sees everyone
    EXPECT_EQ(4u, fillUserCombo(ctx, "", "全部").size());
}

TEST_F(Lookups, CodedAndPlainFillers) {
    ComboItems coded =
        fillCodeComboWhere(ctx, "jxc_user", "u_name", "u_sn", "id", "where u_yg<>0", " ");
    EXPECT_EQ((std::vector<std::string>{"乙", " "}), texts(coded));
    EXPECT_EQ("u2", getComboValue(coded, 0));
    EXPECT_EQ("-1", getComboValue(coded, 1));
    EXPECT_EQ("", getComboValue(coded, 2));
    EXPECT_EQ("", getComboValue(coded, -1));

    ComboItems first = fillCodeCombo(ctx, "jxc_ckxx", "ck_name", "ck_sn", "id", "所有");
    EXPECT_EQ((std::vector<std::string>{"所有", "门店", "仓库"}), texts(first));
    EXPECT_EQ("-1", getComboValue(first, 0));

    ComboItems plain = fillCombo(ctx, "jxc_ckxx", "ck_name", "id", "1", "请选择");
    EXPECT_EQ((std::vector<std::string>{"请选择", "", "门店", "仓库"}), texts(plain));
    EXPECT_EQ("", getComboValue(plain, 2));  // no codes

    EXPECT_EQ((std::vector<std::string>{"", "额外", "门店", "仓库"}),
              texts(fillComboWhere(ctx, "jxc_ckxx", "ck_name", "id", "", "1", "额外")));
    EXPECT_EQ((std::vector<std::string>{"仓库", "额外"}),
              texts(fillComboWhere(ctx, "jxc_ckxx", "ck_name", "id", "where ck_default<>0", "0",
                                   "额外")));
}

TEST_F(Lookups, DefaultsFallBackInOrder) {
    EXPECT_EQ("仓库", getDefaultCkName(ctx));
    store.db.execSql("update jxc_ckxx set ck_default=0");
    EXPECT_EQ("门店", getDefaultCkName(ctx));

    EXPECT_EQ("u1", getDefaultUserSn(ctx));
    store.db.execSql("insert into jxc_user (u_sn,u_name,u_jy) values ('u9','',0)");
    EXPECT_EQ("u9", getDefaultUserSn(ctx));
    EXPECT_EQ("甲", getDefaultUserName(ctx));  // an empty name counts as not found

    store.db.execSql("delete from jxc_ghsxx");
    EXPECT_EQ("", getDefaultGhsSn(ctx));
    store.db.execSql("insert into jxc_ghsxx (ghs_sn,ghs_default,ghs_forbid) values ('g1',0,1)");
    store.db.execSql("insert into jxc_ghsxx (ghs_sn,ghs_default,ghs_forbid) values ('g2',0,0)");
    store.db.execSql("insert into jxc_ghsxx (ghs_sn,ghs_default,ghs_forbid) values ('g3',0,0)");
    EXPECT_EQ("g2", getDefaultGhsSn(ctx));  // none flagged: first not forbidden
    store.db.execSql("update jxc_ghsxx set ghs_forbid=1");
    EXPECT_EQ("", getDefaultGhsSn(ctx));

    EXPECT_EQ("100001", getDefaultKhSn(ctx));
    EXPECT_EQ("零售客户", getDefaultKhName(ctx));
}

TEST_F(Lookups, RecordExistsIgnoresEmptyAndNullValues) {
    store.db.execSql("insert into jxc_kcsp (ck_sn,g_sn) values ('01','')");
    store.db.execSql("insert into jxc_kcsp (ck_sn,g_sn) values ('01',null)");
    store.db.execSql("insert into jxc_kcsp (ck_sn,g_sn) values ('01','X1')");
    EXPECT_FALSE(recordExists(ctx, "jxc_kcsp", "g_sn", "where g_sn='' and ck_sn='01'"));
    EXPECT_FALSE(recordExists(ctx, "jxc_kcsp", "g_sn", "where g_sn is null"));
    EXPECT_TRUE(recordExists(ctx, "jxc_kcsp", "g_sn", "where g_sn='X1'"));
}

TEST_F(Lookups, LogRowsKeepTheNoteAsTyped) {
    store.db.execSql("delete from jxc_log");
    writeLog(ctx, "新添加会员：O'Neil");
    writeLog(ctx, "退出POS系统");
    EXPECT_EQ("退出POS系统", store.value("select top 1 log_note from jxc_log order by id desc"));
    EXPECT_EQ("新添加会员：O'Neil|收银员|2024-06-15 10:30:00",
              store.value("select log_note+'|'+a_name+'|'+log_time from jxc_log order by id"));
}

}  // namespace
}  // namespace pos::test
