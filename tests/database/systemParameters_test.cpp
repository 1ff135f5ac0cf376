#include <gtest/gtest.h>

#include "database/dbError.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class SettingsLoad : public ::testing::Test {
  protected:
    void load() {
        store.params = SystemParameters{};
        loadSystemParameters(store.ctx, [this](const std::string& g, int n) {
            asked = g + ":" + std::to_string(n);
            return true;
        });
    }
    void set(const std::string& assignments) {
        store.db.execSql("update jxc_xtcs set " + assignments);
    }
    TestStore store;
    SystemParameters& p = store.params;
    std::string asked;
};

TEST_F(SettingsLoad, ReadsTheDemoStore) {
    load();
    EXPECT_FALSE(p.c_jc.empty());
    EXPECT_EQ(2, p.cs_xsws);
    EXPECT_EQ("2", p.cs_jews);
    EXPECT_TRUE(p.canSeeAmounts);
    EXPECT_EQ("qtcz:9", asked);
}

TEST_F(SettingsLoad, NormalisesDecimalsDiscountAndBaudRate) {
    set("cs_xsws=9, cs_zdzk=null, cs_jews=null, cs_zjews='1', cs_cs004=null, cs_djrq=''");
    load();
    EXPECT_EQ(2, p.cs_xsws);
    EXPECT_EQ("0", p.cs_zdzk);
    EXPECT_EQ("2", p.cs_jews);
    EXPECT_EQ("9600", p.cs_cs004);
    EXPECT_EQ("0", p.cs_djrq);

    set("cs_xsws=3, cs_zjews='0', cs_jews='5', cs_cs004='0'");
    load();
    EXPECT_EQ("3", p.cs_jews);  // amounts follow the price decimals
    EXPECT_EQ("2400", p.cs_cs004);

    set("cs_zjews='1', cs_jews='7'");
    load();
    EXPECT_EQ("2", p.cs_jews);

    set("cs_jews='abc'");
    EXPECT_THROW(load(), ConversionError);
}

TEST_F(SettingsLoad, MemberDayByDayOfMonthAndByDateRange) {
    struct Case {
        const char* kind;
        const char* from;
        const char* to;
        int day;  // of June 2024
        const char* memberDay;
    } cases[] = {
        {"1", "05", "10", 5, "1"},
        {"1", "05", "10", 10, "1"},
        {"1", "05", "10", 11, ""},
        {"1", "5", "10", 7, ""},  // unpadded bounds: 07 sorts before 5
        {"2", "2024-06-01", "2024-06-30", 30, "1"},
        {"2", "2024-06-01", "2024-06-14", 15, ""},
        {"0", "01", "31", 15, ""},
    };
    for (const Case& c : cases) {
        bool byDay = std::string(c.kind) == "1";
        store.db.execSql(std::string("update jxc_jfsz set jf_hyr='") + c.kind + "'," +
                         (byDay ? "jf_hyrmy1='" : "jf_hyr1='") + c.from + "'," +
                         (byDay ? "jf_hyrmy2='" : "jf_hyr2='") + c.to + "'");
        store.clock.set({2024, 6, c.day, 9, 0, 0});
        load();
        EXPECT_EQ(c.memberDay, p.memberDay)
            << c.kind << " " << c.from << ".." << c.to << " day " << c.day;
    }
}

TEST_F(SettingsLoad, OlderStoreWithoutAColumnKeepsWhatWasReadBeforeIt) {
    set("cs_kc='1', cs_fzdw='1', cs_barcode='1', cs_poshooktoday='0'");
    store.db.execSql("alter table jxc_xtcs drop column cs_fzdw");
    load();
    EXPECT_EQ("1", p.cs_kc);   // before the missing column
    EXPECT_EQ("", p.cs_fzdw);  // the missing one and all after it
    EXPECT_EQ("", p.cs_barcode);
    EXPECT_EQ("", p.cs_poshooktoday);
    EXPECT_EQ(2, p.cs_xsws);  // read before the gap
}

TEST_F(SettingsLoad, MissingTablesFailOnlyWhereTheLoadSaysSo) {
    store.db.execSql("drop table jxc_jfsz");
    store.db.execSql("drop table jxc_email");
    EXPECT_NO_THROW(load());
    EXPECT_EQ("", p.memberDay);
    store.db.execSql("drop table jxc_backup");
    EXPECT_THROW(load(), DbError);
}

TEST_F(SettingsLoad, BackupFlagsAndDeviceSettings) {
    store.db.execSql("update jxc_backup set back_auto='True', back_exit='0'");
    store.db.execSql("update jxc_poscs set pos_qxjk=2, pos_kxjk=3, pos_dkqx='1'");
    load();
    EXPECT_EQ("1", p.back_auto);
    EXPECT_EQ("0", p.back_exit);
    setPoscs(store.ctx);
    EXPECT_EQ(2, p.pos_qxjk);
    EXPECT_EQ(3, p.pos_kxjk);
    EXPECT_EQ("1", p.pos_dkqx);
    EXPECT_EQ(std::string("\x1bp\0\x80\x80", 5), p.drawerCommand);
}

}  // namespace
}  // namespace pos::test
