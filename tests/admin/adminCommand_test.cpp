#include "admin/adminCommand.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "support/testStore.h"

namespace pos::test {
namespace {

class AdminCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("pos-admin-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = (dir / "jxc.db").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runAdminCommand(args, clock, out, err);
    }
    FixedClock clock{testNow()};
    std::filesystem::path dir;
    std::string file;
    std::ostringstream out, err;
};

TEST_F(AdminCommand, CreatesStoresAndRefusesToOverwrite) {
    EXPECT_EQ(0, run({"init", file}));
    EXPECT_EQ(0, run({"sql", file, "select count(*) as n from jxc_goods"}));
    EXPECT_EQ("n\n0\n", out.str());
    EXPECT_NE(0, run({"demo", file}));
    EXPECT_NE(err.str().find("exists"), std::string::npos);
    std::string demo = (dir / "demo.db").string();
    EXPECT_EQ(0, run({"demo", demo}));
    EXPECT_EQ(0, run({"sql", demo, "select count(*) from jxc_goods where g_sn<>'00000000'"}));
    EXPECT_GT(std::stoi(out.str().substr(out.str().find('\n') + 1)), 20);
}

TEST_F(AdminCommand, SqlPrintsRowsInTextFormOrTheChangedCount) {
    ASSERT_EQ(0, run({"init", file}));
    ASSERT_EQ(0, run({"sql", file,
                      "insert into jxc_log (log_time, a_name, log_note) values "
                      "('2024-06-15 10:00:00','甲',null)"}));
    EXPECT_EQ("1\n", out.str());
    run({"sql", file, "insert into jxc_log (log_time, a_name, log_note) values ('x','乙','a\tb')"});
    EXPECT_EQ(
        0, run({"sql", file,
                "select top 1 a_name, log_note, 10.0 as n, 'x'+'y' from jxc_log order by a_name"}));
    EXPECT_EQ("a_name\tlog_note\tn\tExpr1000\n乙\ta b\t10\txy\n", out.str());
    EXPECT_EQ(0, run({"sql", file, "update jxc_log set log_note='z'"}));
    EXPECT_EQ("2\n", out.str());
}

TEST_F(AdminCommand, ErrorsGoToStandardErrorWithAFailingExit) {
    ASSERT_EQ(0, run({"init", file}));
    EXPECT_NE(0, run({"sql", file, "select x from nowhere"}));
    EXPECT_NE(err.str().find("no such table"), std::string::npos) << err.str();
    EXPECT_NE(0, run({"sql", (dir / "missing.db").string(), "select 1"}));
    EXPECT_NE(0, run({"bogus"}));
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

}  // namespace
}  // namespace pos::test
