#include "admin/bigStore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "admin/adminCommand.h"
#include "checkout/customerDisplay.h"
#include "sales/lineChecks.h"
#include "sales/saleScreen.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class EmptyRegistration : public RegistrationPrompt {
  public:
    BuyerRegistration ask() override { return {}; }
};

// A big store of 200 goods, built on the test day, opened as the terminal opens it.
class BigStore : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("pos-bigstore-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        path = (dir / "jxc.db").string();
        createBigStore(path, clock, kGoods);
        db.openPath(path);
        session.operatorName = "收银员";
        session.operatorCode = "002";
        session.roleCode = "100002";
    }
    void TearDown() override {
        db.backend().close();
        std::filesystem::remove_all(dir);
    }
    long long count(const std::string& sql) { return std::stoll(db.getSqlValue(sql)); }

    static constexpr int kGoods = 200;
    FixedClock clock{testNow()};
    ScriptedMessages messages;
    SessionState session;
    SystemParameters params;
    TF_DataModule db{clock, ""};
    PosContext ctx{db, session, params, clock, messages};
    std::filesystem::path dir;
    std::string path;
};

TEST_F(BigStore, SizesScaleWithTheGoodsAndTheRowsAgree) {
    // The demo stays: its goods, operators and walk-in customer.
    EXPECT_EQ(34, count("select count(*) from jxc_goods where g_sn like '1%'"));
    EXPECT_EQ(3, count("select count(*) from jxc_admin"));

    // Goods: unique codes and unique EAN-13 barcodes, letter codes of their names.
    Query& q = db.QueryTmp2;
    db.openSql(q, "select g_sn,g_sptm,g_name,g_jm from jxc_goods where g_sn like '2%'");
    std::set<std::string> codes, barcodes;
    for (q.first(); !q.eof(); q.next()) {
        codes.insert(q.fieldText("g_sn"));
        const std::string b = q.fieldText("g_sptm");
        barcodes.insert(b);
        ASSERT_EQ(13u, b.size()) << b;
        int sum = 0;
        for (size_t i = 0; i < 12; ++i) sum += (b[i] - '0') * (i % 2 ? 3 : 1);
        EXPECT_EQ('0' + (10 - sum % 10) % 10, b[12]) << b;
        EXPECT_FALSE(q.fieldText("g_jm").empty());
    }
    q.close();
    EXPECT_EQ(size_t{kGoods}, codes.size());
    EXPECT_EQ(size_t{kGoods}, barcodes.size());
    EXPECT_EQ(1,
              count("select count(*) from jxc_goods where g_sptm='2001000000012'"));  // demo's own

    // Batches: twice the goods, every goods with one in the counter's warehouse.
    EXPECT_EQ(2 * kGoods, count("select count(*) from jxc_tkc where g_sn like '2%'"));
    EXPECT_EQ(kGoods, count("select count(*) from (select distinct g_sn from jxc_tkc where "
                            "ck_sn='100001' and g_sn like '2%')"));
    // Stock rows are the sums of the batches; one opening ledger row each.
    const long long stockRows = count("select count(*) from jxc_kcsp where g_sn like '2%'");
    EXPECT_GE(stockRows, kGoods);
    EXPECT_EQ(0,
              count("select count(*) from jxc_kcsp k where k.g_sn like '2%' and k.kc_sl<>"
                    "(select sum(t_sl) from jxc_tkc t where t.g_sn=k.g_sn and t.ck_sn=k.ck_sn)"));
    EXPECT_EQ(stockRows, count("select count(*) from jxc_goodslist where g_sn like '2%'"));

    // Posted sales: one per goods, ten lines per goods, totals matching their lines,
    // all before today.
    EXPECT_EQ(kGoods, count("select count(*) from jxc_lsxsd where ls_status=1 and kh_sn='100001'"));
    EXPECT_EQ(10 * kGoods, count("select count(*) from jxc_lsxssp a,jxc_lsxsd b where "
                                 "a.gl_djh=b.gl_djh and b.ls_status=1"));
    EXPECT_EQ(0, count("select count(*) from jxc_lsxsd d where abs(d.ls_yfje-(select "
                       "sum(ls_zje) from jxc_lsxssp l where l.gl_djh=d.gl_djh))>0.001"));
    EXPECT_LT(db.getSqlValue("select max(ls_xsrq) from jxc_lsxsd"), testNow().date());
    // Numbered as the terminal numbers them: "XS" + yymmdd of the sale + serial of the day.
    db.openSelect("select top 1 gl_djh,ls_xsrq from jxc_lsxsd order by id");
    const std::string date = db.QuerySelect.fieldText("ls_xsrq");
    EXPECT_EQ("XS" + date.substr(2, 2) + date.substr(5, 2) + date.substr(8, 2) + "10001",
              db.QuerySelect.fieldText("gl_djh"));
    db.QuerySelect.close();
    EXPECT_EQ(0, count("select count(*) from jxc_lsxsd where gl_djh not like 'XS___________'"));
}

TEST_F(BigStore, RefusesAnExistingFile) {
    EXPECT_THROW(createBigStore(path, clock, kGoods), std::exception);
    EXPECT_EQ(kGoods, count("select count(*) from jxc_goods where g_sn like '2%'"));

    std::ostringstream out, err;
    EXPECT_NE(0, runAdminCommand({"bigstore", path}, clock, out, err));
    EXPECT_NE(err.str().find("exists"), std::string::npos) << err.str();
    EXPECT_EQ(
        2, runAdminCommand({"bigstore", (dir / "b.db").string(), "--goods", "x"}, clock, out, err));
    EXPECT_FALSE(std::filesystem::exists(dir / "b.db"));
    EXPECT_EQ(0, runAdminCommand({"bigstore", (dir / "b.db").string(), "--goods", "40"}, clock, out,
                                 err));
    EXPECT_NE(out.str().find("40 goods"), std::string::npos) << out.str();
}

TEST_F(BigStore, AScanOfAGeneratedBarcodeAddsALine) {
    loadSystemParameters(ctx, {});
    NoCustomerDisplay display;
    EmptyRegistration prompt;
    SaleScreen screen(ctx, display);
    ASSERT_EQ(ResetOutcome::Ready, screen.setInitValue(""));
    EXPECT_EQ("XS24061510001", screen.saleNumber);  // the posted sales are all older

    // A plain goods: not restricted, on sale at its retail price, no expired batch at the counter.
    const std::string goods = db.getSqlValue(
        "select top 1 g_sn from jxc_goods where g_sn like '2%' and g_xzsl=0 and g_iscf=0 and "
        "g_jy=0 and g_tjsp=0 and g_sn not in (select g_sn from jxc_tkc where ck_sn='100001' and "
        "t_yxq<'2024-06') order by g_sn");
    ASSERT_FALSE(goods.empty());
    const std::string barcode =
        db.getSqlValue("select g_sptm from jxc_goods where g_sn='" + goods + "'");

    EXPECT_EQ(LookupOutcome::Added, screen.setFilterGoods(barcode, prompt));
    Query& lines = db.Q_Posxs;
    ASSERT_EQ(1, lines.recordCount());
    lines.first();
    EXPECT_EQ(goods, lines.fieldText("g_sn"));
    EXPECT_EQ(db.getSqlValue("select g_sj from jxc_goods where g_sn='" + goods + "'"),
              lines.fieldText("ls_dj"));
    EXPECT_EQ(db.getSqlValue("select gl_pjjj from jxc_goodslist where ck_sn='100001' and g_sn='" +
                             goods + "'"),
              lines.fieldText("ls_cbj2"));  // the ledger's average cost
    EXPECT_FALSE(lines.fieldText("t_ph").empty());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace pos::test
