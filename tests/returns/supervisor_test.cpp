#include "returns/supervisor.h"

#include <gtest/gtest.h>

#include "database/sqlText.h"
#include "login/passwords.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

constexpr const char* kRefused = "用户密码不正确，请重新输入！";

class Supervisor : public ::testing::Test {
  protected:
    TestStore store;
    PosContext& ctx = store.ctx;
    SessionState& session = store.session;
};

TEST_F(Supervisor, OnlyOperatorsWithTheCounterRightAreOffered) {
    store.db.execSql(
        "insert into jxc_admin (a_name,a_sn,a_pwd,r_sn,a_jyt,a_pos) values "
        "('店长','004','6666','100002',0,1)");
    std::vector<std::string> names;
    for (const ComboItem& item : supervisorNames(ctx)) names.push_back(item.text);
    EXPECT_EQ((std::vector<std::string>{"管理员", "店长"}), names);  // no blank, in row order
}

TEST_F(Supervisor, NameAndPasswordDecide) {
    // A supervisor whose password has characters the text guard replaces, and
    // one of the counter right without a password.
    store.db.execSql(
        "insert into jxc_admin (a_name,a_sn,a_pwd,r_sn,a_jyt,a_pos) values ('店长','004'," +
        sqlQuote(storedPasswordForm("a'b(c)")) + ",'100002',0,1),('夜班','005','','100002',0,1)");
    struct Case {
        const char *name, *password;
        const char *supervisor, *role;  // "" when refused
    } cases[] = {
        {"管理员", "8888", "管理员", "100001"},
        {"管理员", "  8888 ", "管理员", "100001"},  // typed blanks do not count
        {"店长", "a'b(c)", "店长", "100002"},
        {"店长", "A'B(C)", "", ""},  // passwords compare exactly
        {"管理员", "1234", "", ""},
        {"管理员", "", "", ""},
        {"夜班", "", "夜班", "100002"},  // an empty password is that operator's password
        {"夜班", "x", "", ""},
        {"收银员", "1234", "", ""},  // right password, but no counter right
        {"无此人", "8888", "", ""},
        {"管理员' or '1'='1", "x' or '1'='1", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("[") + c.name + "] [" + c.password + "]");
        store.messages.clear();
        session.supervisorName = "earlier";
        session.supervisorRole = "earlier";
        const bool accepted = *c.supervisor != '\0';
        EXPECT_EQ(accepted, acceptSupervisor(ctx, c.name, c.password));
        EXPECT_EQ(c.supervisor, session.supervisorName);
        EXPECT_EQ(c.role, session.supervisorRole);
        if (accepted) {
            EXPECT_TRUE(store.messages.shown().empty());
        } else {
            ASSERT_EQ(1u, store.messages.shown().size());
            EXPECT_EQ(kRefused, store.messages.shown()[0].text);
            EXPECT_EQ("系统提示", store.messages.shown()[0].caption);
        }
    }
    EXPECT_EQ("收银员", session.operatorName);  // the operator of the run stays
}

// Answers the authorisation as a supervisor would, or cancels.
class ScriptedSupervisor : public SupervisorPrompt {
  public:
    ScriptedSupervisor(PosContext& ctx, std::string password) : ctx_(ctx), password_(password) {}
    std::vector<std::string> captions;
    void ask(const std::string& caption) override {
        captions.push_back(caption);
        // Like the window: nobody has authorised until a password is accepted.
        clearSupervisor(ctx_.session);
        if (!password_.empty()) acceptSupervisor(ctx_, "管理员", password_);
    }

  private:
    PosContext& ctx_;
    std::string password_;
};

TEST_F(Supervisor, AskingStartsFromNobody) {
    session.supervisorName = "管理员";  // left over from an earlier authorisation
    ScriptedSupervisor cancelled(ctx, "");
    EXPECT_FALSE(askSupervisor(ctx, cancelled, kCashInAuthorisation));
    EXPECT_EQ(std::vector<std::string>{"入款-柜长授权"}, cancelled.captions);
    EXPECT_EQ("", session.supervisorName);

    ScriptedSupervisor authorised(ctx, "8888");
    EXPECT_TRUE(askSupervisor(ctx, authorised, kReturnAuthorisation));
    EXPECT_EQ("管理员", session.supervisorName);
    EXPECT_EQ("100001", session.supervisorRole);
}

}  // namespace
}  // namespace pos::test
