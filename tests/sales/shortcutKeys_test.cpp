#include "sales/shortcutKeys.h"

#include <gtest/gtest.h>

#include "database/sqlText.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

using Outcome = KeyAssignment::Outcome;

std::string refusal(const std::string& owner) {
    return "该键已设置为 “" + owner + "” 的快捷键，\r\n\r\n请选择其它键！";
}

class ShortcutKeys : public ::testing::Test {
  protected:
    // Every assignment as "name=code" in id order: what must not change on a refusal.
    std::string rows() {
        std::string all;
        store.db.openSelect("select gn_name, gn_jz from jxc_gnb order by id");
        for (auto& q = store.db.QuerySelect; !q.eof(); q.next())
            all += q.fieldText("gn_name") + "=" + q.fieldText("gn_jz") + ";";
        return all;
    }
    void setKey(const std::string& function, int code) {
        store.db.execSql("insert into jxc_gnb (gn_name,gn_jz) values (" + sqlQuote(function) + "," +
                         std::to_string(code) + ")");
    }
    TestStore store;
    PosContext& ctx = store.ctx;
};

// The demo assignments, through the names the sales window and the dialog show.
TEST_F(ShortcutKeys, DemoAssignmentsReadAsCodesAndNames) {
    EXPECT_EQ(107, getKeyValue(ctx, "付款结账"));
    EXPECT_EQ("+", functionKeyName(ctx, "付款结账"));
    EXPECT_EQ("-", functionKeyName(ctx, "删除当前"));
    EXPECT_EQ("F2", functionKeyName(ctx, "修改数量"));
    EXPECT_EQ("F12", functionKeyName(ctx, "设为赠品"));
    EXPECT_EQ("", functionKeyName(ctx, "帮助"));  // no row
    EXPECT_EQ(0, getKeyValue(ctx, "帮助"));

    // A stored code without a name (Up) still counts as the function's key.
    store.db.execSql("update jxc_gnb set gn_jz=38 where gn_name='锁定屏幕'");
    EXPECT_EQ(38, getKeyValue(ctx, "锁定屏幕"));
    EXPECT_EQ("", functionKeyName(ctx, "锁定屏幕"));
}

TEST_F(ShortcutKeys, KeyNames) {
    const std::pair<int, const char*> named[] = {
        {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"},    {36, "Home"},
        {37, "←"},     {39, "→"},       {45, "Insert"},    {46, "Delete"}, {107, "+"},
        {109, "-"},    {111, "/"},      {112, "F1"},       {116, "F5"},    {123, "F12"},
        {186, ";"},    {187, "="},      {188, ","},        {189, "-"},     {191, "/"},
        {192, "`"},    {219, "["},      {220, "\\"},       {221, "]"},     {222, "'"}};
    for (const auto& [code, name] : named) EXPECT_EQ(name, keyName(code)) << code;

    // Up/Down move between records; letters, digits, Enter, Esc, keypad * and
    // digits, F13 and the full stop cannot be assigned.
    for (int code : {0, -1, 13, 27, 38, 40, 48, 57, 65, 90, 96, 105, 106, 110, 124, 190, 256})
        EXPECT_EQ("", keyName(code)) << code;

    int count = 0;
    for (int code = 0; code < 256; ++code) count += !keyName(code).empty();
    EXPECT_EQ(34, count);
}

TEST_F(ShortcutKeys, FixedKeysAreRefusedWhateverTheTableSays) {
    const std::string before = rows();
    for (bool empty : {false, true}) {
        if (empty) store.db.execSql("delete from jxc_gnb");
        const std::string table = rows();
        for (const auto& [code, owner] : {std::pair{116, "付款结账"}, std::pair{112, "帮助"}}) {
            KeyAssignment r = assignKey(ctx, "挂单", code);
            EXPECT_EQ(Outcome::Refused, r.outcome) << code;
            EXPECT_EQ(refusal(owner), r.message);
            EXPECT_EQ(table, rows());
        }
    }
    EXPECT_FALSE(before.empty());
}

TEST_F(ShortcutKeys, KeyOfAnotherFunctionIsRefusedUntilItIsFreed) {
    store.db.execSql("delete from jxc_gnb");
    setKey("选择会员", 119);  // F8

    KeyAssignment taken = assignKey(ctx, "挂单", 119);
    EXPECT_EQ(Outcome::Refused, taken.outcome);
    EXPECT_EQ(refusal("选择会员"), taken.message);
    EXPECT_EQ("选择会员=119;", rows());

    // Moving 选择会员 updates its row and frees F8.
    EXPECT_EQ(Outcome::Saved, assignKey(ctx, "选择会员", 120).outcome);
    EXPECT_EQ("选择会员=120;", rows());

    // 挂单 has no row yet: it gets one.
    KeyAssignment saved = assignKey(ctx, "挂单", 119);
    EXPECT_EQ(Outcome::Saved, saved.outcome);
    EXPECT_EQ("", saved.message);
    EXPECT_EQ("选择会员=120;挂单=119;", rows());
    EXPECT_EQ("F8", functionKeyName(ctx, "挂单"));
    EXPECT_EQ("F9", functionKeyName(ctx, "选择会员"));
}

TEST_F(ShortcutKeys, PressingTheFunctionsOwnKeyNamesIt) {
    const std::string before = rows();
    KeyAssignment r = assignKey(ctx, "挂单", 118);  // the demo's F7 for 挂单
    EXPECT_EQ(Outcome::Refused, r.outcome);
    EXPECT_EQ(refusal("挂单"), r.message);
    EXPECT_EQ(before, rows());
}

TEST_F(ShortcutKeys, KeysWithoutANameDoNothing) {
    store.db.execSql("delete from jxc_gnb");
    setKey("删除全部", 0);  // a function stored without a key
    // A letter, a digit, Up, Enter, and 0 (a key the terminal has no code for).
    for (int code : {65, 49, 38, 13, 0}) {
        KeyAssignment r = assignKey(ctx, "挂单", code);
        EXPECT_EQ(Outcome::Ignored, r.outcome) << code;
        EXPECT_EQ("", r.message);
    }
    EXPECT_EQ("删除全部=0;", rows());

    // A nameless code somebody stored still belongs to its function.
    setKey("锁定屏幕", 38);
    EXPECT_EQ(refusal("锁定屏幕"), assignKey(ctx, "挂单", 38).message);
}

TEST_F(ShortcutKeys, EmptyTableLeavesOnlyF5ForCheckout) {
    store.db.execSql("delete from jxc_gnb");
    for (const char* f : kKeyFunctions) {
        EXPECT_EQ(0, getKeyValue(ctx, f)) << f;
        EXPECT_EQ("", functionKeyName(ctx, f)) << f;
    }
    KeyTable keys = loadKey(ctx);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(code == 116 ? "付款结账" : "", keys.functionOfKey(code)) << code;
}

TEST_F(ShortcutKeys, KeyTableFindsTheFunctionOfAKey) {
    store.db.execSql("update jxc_gnb set gn_jz=0 where gn_name='浏览图片'");
    KeyTable keys = loadKey(ctx);
    EXPECT_EQ(107, keys.codeOf("付款结账"));
    EXPECT_EQ(0, keys.codeOf("浏览图片"));
    const std::pair<int, const char*> cases[] = {
        {116, "付款结账"}, {107, "付款结账"}, {113, "修改数量"}, {114, "修改折扣"},
        {109, "删除当前"}, {115, "删除全部"}, {117, "选择会员"}, {118, "挂单"},
        {119, "解挂"},     {120, "打开钱箱"}, {122, "锁定屏幕"}, {123, "设为赠品"},
        {121, ""},         {0, ""},           {112, ""},         {65, ""}};
    for (const auto& [code, function] : cases)
        EXPECT_EQ(function, keys.functionOfKey(code)) << code;

    // The table is a snapshot: a new assignment shows after loading again.
    ASSERT_EQ(Outcome::Saved, assignKey(ctx, "浏览图片", 33).outcome);
    EXPECT_EQ("", keys.functionOfKey(33));
    EXPECT_EQ("浏览图片", loadKey(ctx).functionOfKey(33));
}

}  // namespace
}  // namespace pos::test
