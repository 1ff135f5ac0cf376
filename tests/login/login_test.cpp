#include <gtest/gtest.h>

#include "common/textGuards.h"
#include "login/loginLogic.h"
#include "login/passwords.h"
#include "login/rights.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class Login : public ::testing::Test {
  protected:
    TestStore store;
    PosContext& ctx = store.ctx;
    void logOut() { store.session = SessionState{}; }
};

TEST_F(Login, AcceptsTheRightPasswordAndFillsTheSession) {
    logOut();
    EXPECT_TRUE(acceptLogin(ctx, "收银员", " 1234 "));  // blanks around are trimmed
    EXPECT_EQ("收银员", store.session.operatorName);
    EXPECT_EQ("002", store.session.operatorCode);
    EXPECT_EQ("100002", store.session.roleCode);
    EXPECT_EQ("1", store.session.loginAccepted);
    EXPECT_TRUE(store.messages.shown().empty());
}

TEST_F(Login, RefusesAWrongPasswordAsOftenAsNeeded) {
    logOut();
    for (const char* wrong : {"", "12345", "8888", "1234' or '1'='1"}) {
        EXPECT_FALSE(acceptLogin(ctx, "收银员", wrong)) << wrong;
        EXPECT_EQ("", store.session.loginAccepted);
    }
    ASSERT_EQ(4u, store.messages.shown().size());
    EXPECT_EQ("用户密码不正确，请重新输入！", store.messages.shown()[0].text);
    EXPECT_EQ("系统提示", store.messages.shown()[0].caption);
}

TEST_F(Login, EmptyPasswordOperatorAndTheHint) {
    store.db.execSql("update jxc_admin set a_pwd='' where a_name='收银员'");
    EXPECT_EQ("初始密码为空", passwordHint(ctx, "收银员"));
    EXPECT_EQ("", passwordHint(ctx, "管理员"));
    EXPECT_TRUE(acceptLogin(ctx, "收银员", ""));
}

TEST_F(Login, OperatorListLeavesOutDisabledOperatorsUnlessTheStoreIsOlder) {
    ComboItems list = loginOperators(ctx);
    std::vector<std::string> names;
    for (const auto& i : list) names.push_back(i.text);
    EXPECT_EQ((std::vector<std::string>{"管理员", "收银员"}), names);
    EXPECT_EQ("001", getComboValue(list, 0));
    store.db.execSql("alter table jxc_admin drop column a_jyt");
    list = loginOperators(ctx);
    EXPECT_EQ(3u, list.size());  // every operator, uncoded
    EXPECT_EQ("", getComboValue(list, 0));
}

TEST_F(Login, OneStoredFormServesEveryPasswordCheck) {
    // A password with characters the text guard replaces: changed, then used to log in.
    store.session.operatorName = "收银员";
    EXPECT_TRUE(changePassword(ctx, "1234", " a(b)-c ", "a(b)-c"));
    EXPECT_EQ("a（b）－c", store.value("select a_pwd from jxc_admin where a_name='收银员'"));
    logOut();
    EXPECT_TRUE(acceptLogin(ctx, "收银员", "a(b)-c"));
    EXPECT_EQ(storedPasswordForm(" a(b)-c"), "a（b）－c");
}

TEST_F(Login, PasswordChangeRules) {
    store.session.operatorName = "收银员";
    struct Case {
        const char *current, *fresh, *repeated, *message;
        bool changed;
    } cases[] = {
        {"1234", "abc", "abd", "两次密码输入不一致，不能修改密码！", false},
        {"9999", "abc", "abc", "当前密码错误，不能修改密码！", false},
        {"1234", "abc", " abc ", "密码修改成功！", true},
    };
    for (const Case& c : cases) {
        store.messages.clear();
        EXPECT_EQ(c.changed, changePassword(ctx, c.current, c.fresh, c.repeated)) << c.message;
        ASSERT_EQ(1u, store.messages.shown().size());
        EXPECT_EQ(c.message, store.messages.shown()[0].text);
    }
    EXPECT_EQ("abc", store.value("select a_pwd from jxc_admin where a_name='收银员'"));
    EXPECT_EQ("8888", store.value("select a_pwd from jxc_admin where a_name='管理员'"));
    for (char c : std::string("!%&',=?@[\\]^\"")) EXPECT_TRUE(isRefusedInputCharacter(c)) << c;
    for (char c : std::string("aZ09()+-/*#$~ ")) EXPECT_FALSE(isRefusedInputCharacter(c)) << c;
}

TEST_F(Login, RightsFollowTheRoleAndTheWarehouseBinding) {
    auto as = [&](const char* code, const char* role) {
        store.session.operatorCode = code;
        store.session.roleCode = role;
    };
    store.db.execSql("update jxc_role set xsgl='" + std::string(22, '1') + "' where r_sn='100002'");
    as("002", "100002");
    EXPECT_FALSE(hasRight(ctx, "xsgl", 23));  // 22 characters: position 23 is missing
    EXPECT_TRUE(hasRight(ctx, "xsgl", 22));
    EXPECT_FALSE(hasRight(ctx, "xsgl", 0));
    as("002", "999999");
    EXPECT_FALSE(hasRight(ctx, "xsgl", 1));  // unknown role

    store.params.cs_cgyh = "1";
    store.db.execSql("update jxc_ckxx set ck_asn='110'");
    as("10", "100002");
    EXPECT_TRUE(hasRight(ctx, "xsgl", 1));  // "10" is found inside "110"
    as("77", "100002");
    EXPECT_FALSE(hasRight(ctx, "xsgl", 1));  // bound to no warehouse: no rights at all
    as("77", "100001");
    EXPECT_TRUE(hasRight(ctx, "xsgl", 23));  // the administrator role is never bound
}

}  // namespace
}  // namespace pos::test
