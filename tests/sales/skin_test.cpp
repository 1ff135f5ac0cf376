#include "sales/skin.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "database/sqlText.h"
#include "platform/programDir.h"
#include "sales/screenLock.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class Skins : public ::testing::Test {
  protected:
    long skinRows(const std::string& operatorName) {
        return std::stol(
            store.value("select count(*) from jxc_skin where a_name=" + sqlQuote(operatorName)));
    }
    TestStore store;
    PosContext& ctx = store.ctx;
};

TEST_F(Skins, BeforeLoginTheLowestRowDecides) {
    EXPECT_EQ("iMaginary", skinBeforeLogin(ctx));

    // The lowest id, not the first inserted or the first by name.
    store.db.execSql("delete from jxc_skin");
    store.db.execSql("insert into jxc_skin (id,skin_name,a_name) values (7,'Ocean','甲')");
    store.db.execSql("insert into jxc_skin (id,skin_name,a_name) values (3,'Graphite','乙')");
    store.db.execSql("insert into jxc_skin (id,skin_name,a_name) values (5,'Amber','丙')");
    EXPECT_EQ("Graphite", skinBeforeLogin(ctx));

    store.db.execSql("delete from jxc_skin");
    EXPECT_EQ("", skinBeforeLogin(ctx));
}

TEST_F(Skins, OperatorKeepsTheirOwnSkin) {
    store.db.execSql("update jxc_skin set skin_name='Graphite' where a_name='收银员'");
    EXPECT_EQ("Graphite", operatorSkin(ctx));
    store.session.operatorName = "管理员";
    EXPECT_EQ("iMaginary", operatorSkin(ctx));
    EXPECT_EQ(1, skinRows("收银员"));
    EXPECT_EQ(1, skinRows("管理员"));
}

TEST_F(Skins, NewOperatorGetsTheDefaultRowOnce) {
    // A quote in the name must neither break the statement nor change the stored name.
    store.session.operatorName = "O'Neil 新";
    EXPECT_EQ(0, skinRows("O'Neil 新"));
    EXPECT_EQ("iMaginary", operatorSkin(ctx));
    EXPECT_EQ(1, skinRows("O'Neil 新"));
    EXPECT_EQ("iMaginary", store.value("select skin_name from jxc_skin where a_name='O''Neil 新'"));

    EXPECT_EQ("iMaginary", operatorSkin(ctx));  // the second login finds the row
    EXPECT_EQ(1, skinRows("O'Neil 新"));
    EXPECT_EQ("iMaginary", skinBeforeLogin(ctx));  // appended rows do not change the first
}

TEST_F(Skins, BlankedSkinIsRepairedNotDuplicated) {
    store.db.execSql("update jxc_skin set skin_name=null where a_name='收银员'");
    EXPECT_EQ("iMaginary", operatorSkin(ctx));
    EXPECT_EQ("iMaginary", operatorSkin(ctx));
    EXPECT_EQ(1, skinRows("收银员"));
    EXPECT_EQ("iMaginary", store.value("select skin_name from jxc_skin where a_name='收银员'"));
}

TEST(SkinFiles, PathsStayInTheSkinFolder) {
    EXPECT_EQ("/opt/pos/skinfiles/Ocean.skinres", skinFilePath("/opt/pos/", "Ocean"));
    EXPECT_EQ("/opt/pos/skinfiles/Ocean.skinres", skinFilePath("/opt/pos", "Ocean"));
    EXPECT_EQ("/opt/pos/skinfiles/海 蓝.skinres", skinFilePath("/opt/pos/", "海 蓝"));
    for (const char* bad : {"", "../../etc/passwd", "sub/Ocean", "..\\Ocean"})
        EXPECT_EQ("", skinFilePath("/opt/pos/", bad)) << bad;
}

TEST(SkinFiles, OnlyAReadableNonEmptySheetCounts) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("pos-skins-" + std::to_string(::getpid()));
    fs::create_directories(dir / "skinfiles" / "Folder.skinres");
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir / "skinfiles" / (name + ".skinres"), std::ios::binary) << text;
    };
    write("Plain", "QLabel { color: #123456; }\n");
    write("Bom", "\xEF\xBB\xBFQLabel { color: #654321; }");
    write("Empty", "");
    write("Blank", " \r\n\t\n");
    const std::string programDir = dir.string() + "/";
    auto read = [&](const std::string& name) {
        return readSkinFile(skinFilePath(programDir, name));
    };

    EXPECT_EQ("QLabel { color: #123456; }\n", read("Plain"));
    EXPECT_EQ("QLabel { color: #654321; }", read("Bom"));  // the mark would spoil the selector
    for (const char* unusable : {"Missing", "Empty", "Blank", "Folder", ""})
        EXPECT_FALSE(read(unusable).has_value()) << unusable;

    fs::remove_all(dir);
}

// The build stages the shipped skins beside the program; the default must be there.
TEST(SkinFiles, ShippedSkinsAreStaged) {
    for (const char* name : {kDefaultSkin, "Ocean", "Graphite"}) {
        auto sheet = readSkinFile(skinFilePath(programDirectory(), name));
        ASSERT_TRUE(sheet.has_value()) << name;
        EXPECT_NE(std::string::npos, sheet->find("QMainWindow")) << name;
    }
}

struct UnlockCase {
    const char* operatorName;
    const char* typed;
    bool opens;
};

class ScreenLock : public ::testing::TestWithParam<UnlockCase> {};

TEST_P(ScreenLock, OnlyTheOperatorsOwnPasswordOpens) {
    TestStore store;
    const UnlockCase& c = GetParam();
    store.session.operatorName = c.operatorName;
    EXPECT_EQ(c.opens, unlockMatches(store.ctx, c.typed));
    EXPECT_TRUE(store.messages.shown().empty());  // the test itself never speaks
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenLock,
    ::testing::Values(UnlockCase{"收银员", "1234", true},
                      UnlockCase{"收银员", "  1234  ", true},   // blanks trimmed as at login
                      UnlockCase{"收银员", "123", false},
                      UnlockCase{"收银员", "12345", false},
                      UnlockCase{"收银员", "", false},
                      UnlockCase{"收银员", "   ", false},
                      UnlockCase{"收银员", "8888", false},        // the administrator's password
                      UnlockCase{"收银员", "1 234", false},
                      UnlockCase{"收银员", "' or '1'='1", false},  // pasted text stays a literal
                      UnlockCase{"管理员", "8888", true},
                      UnlockCase{"管理员", "1234", false},
                      UnlockCase{"实习生", "", true},              // an operator without a password
                      UnlockCase{"", "", false}));                // nobody logged in
// clang-format on

TEST(ScreenLockMessages, WrongPasswordIsToldOnce) {
    TestStore store;
    EXPECT_FALSE(tryUnlock(store.ctx, "4321"));
    ASSERT_EQ(1u, store.messages.shown().size());
    EXPECT_EQ("系统提示", store.messages.shown()[0].caption);
    EXPECT_EQ("用户密码错误，请重新输入！", store.messages.shown()[0].text);
    EXPECT_EQ(MessageIcon::Information, store.messages.shown()[0].icon);

    store.messages.clear();
    EXPECT_TRUE(tryUnlock(store.ctx, "1234"));
    EXPECT_TRUE(store.messages.shown().empty());
}

}  // namespace
}  // namespace pos::test
