#include "common/docNumbers.h"

#include <gtest/gtest.h>

#include "support/testStore.h"

namespace pos::test {
namespace {

class DocNumbers : public ::testing::Test {
  protected:
    TestStore store;
    PosContext& ctx = store.ctx;
    void add(const std::string& table, const std::string& number,
             const std::string& op = "收银员") {
        store.db.execSql("insert into " + table + " (gl_djh, a_name) values ('" + number + "','" +
                         op + "')");
    }
};

TEST_F(DocNumbers, FollowTheHighestNumberOfThePrefixAndDay) {
    // The store's clock says 2024-06-15.
    EXPECT_EQ("XS24061510001", getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS"));
    add("jxc_lsxsd", "XS24061510057");
    add("jxc_posxssp", "XS24061510060");
    add("jxc_lsxsd", "XS24061499999");  // yesterday
    EXPECT_EQ("XS24061510061", getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS"));
    // Cash in and cash out share a table but count separately.
    store.db.execSql("insert into jxc_crk (gl_djh) values ('RK24061510003')");
    EXPECT_EQ("RK24061510004", getNewDjh(ctx, "jxc_crk", "gl_djh", "RK"));
    EXPECT_EQ("CK24061510001", getNewDjh(ctx, "jxc_crk", "gl_djh", "CK"));
    EXPECT_EQ("XF24070110001", getNewDjhByDate(ctx, "jxc_hyxf", "gl_djh", "XF", "2024-07-01"));
}

TEST_F(DocNumbers, OddOlderNumbersStartTheSerialAfresh) {
    add("jxc_xsthd", "XT240615123");  // an older, shorter format
    EXPECT_EQ("XT24061510001", getNewDjh(ctx, "jxc_xsthd", "gl_djh", "XT"));
    add("jxc_xsthd", "XT24061500012");  // serial below 10000
    EXPECT_EQ("XT24061510001", getNewDjh(ctx, "jxc_xsthd", "gl_djh", "XT"));
    // A shorter number sorts above every full one as text; it must not hide them.
    store.db.execSql("insert into jxc_posthsp (gl_djh) values ('XT24061510020')");
    EXPECT_EQ("XT24061510021", getNewDjh(ctx, "jxc_xsthd", "gl_djh", "XT"));
}

TEST_F(DocNumbers, NeverRepeatPastSerial99999) {
    add("jxc_lsxsd", "XS24061599999");
    std::string next = getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS");
    EXPECT_EQ("XS240615100000", next);
    add("jxc_lsxsd", next);
    EXPECT_EQ("XS240615100001", getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS"));
    add("jxc_lsxsd", "XS2406159999999");
    EXPECT_EQ("XS24061510000000", getNewDjh(ctx, "jxc_lsxsd", "gl_djh", "XS"));
}

TEST_F(DocNumbers, NumberInUseByAnotherOperatorOrAlreadyPosted) {
    add("jxc_lsxssp", "XS24061510001");            // my own working lines
    add("jxc_lsxssp", "XS24061510002", "管理员");  // another operator's
    add("jxc_lsxssp", "XS24061510003");
    add("jxc_lsxssp", "XS24061510003", "管理员");  // both of us
    store.db.execSql("insert into jxc_posxssp (gl_djh) values ('XS24061510004')");
    store.db.execSql("insert into jxc_posthsp (gl_djh) values ('XT24061510001')");
    struct Case {
        const char* number;
        bool used;
    } cases[] = {{"XS24061510001", false}, {"XS24061510002", true},  {"XS24061510003", true},
                 {"XS24061510004", true},  {"XS24061510005", false}, {"XT24061510001", true},
                 {"RK24061510001", false}};
    for (const Case& c : cases)
        EXPECT_EQ(c.used, isDjhUsed(ctx, "jxc_lsxssp", "gl_djh", c.number)) << c.number;
}

TEST_F(DocNumbers, MemberSerials) {
    store.db.execSql("delete from jxc_hyxx");
    EXPECT_EQ("100001", getNewSn(ctx, "jxc_hyxx", "hy_sn"));
    store.db.execSql("insert into jxc_hyxx (hy_sn) values ('100057')");
    EXPECT_EQ("100058", getNewSn(ctx, "jxc_hyxx", "hy_sn"));
}

}  // namespace
}  // namespace pos::test
