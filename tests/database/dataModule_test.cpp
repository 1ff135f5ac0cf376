#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/errorHandler.h"
#include "database/dbError.h"
#include "database/sqlText.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

class DataModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.db.execSql(
            "create table t_v (id integer primary key, txt text, amount real, qty integer, flag "
            "boolean)");
    }
    TestStore store{false};
    TF_DataModule& db = store.db;
};

TEST_F(DataModuleTest, ValuesReadInTheTerminalsTextForm) {
    db.execSql("insert into t_v (txt, amount, qty, flag) values ('', 10, 0, 1)");
    db.execSql("insert into t_v (txt, amount, qty, flag) values (null, 12.5, -3, 0)");
    struct Case {
        const char* sql;
        const char* text;
    } cases[] = {
        {"select amount from t_v where id=1", "10"},
        {"select amount from t_v where id=2", "12.5"},
        {"select 0.1+0.2", "0.3"},
        {"select qty from t_v where id=1", "0"},
        {"select qty from t_v where id=2", "-3"},
        {"select flag from t_v where id=1", "True"},
        {"select flag from t_v where id=2", "False"},
        {"select txt from t_v where id=1", ""},   // empty text
        {"select txt from t_v where id=2", ""},   // null
        {"select txt from t_v where id=99", ""},  // no row
        {"select 1.0/3", "0.333333333333333"},
        {"select -0.0", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, db.getSqlValue(c.sql)) << c.sql;
}

TEST_F(DataModuleTest, QueryAppendsEditsAndLocatesRows) {
    Query& q = db.QuerySelect;
    db.openSelect("select * from t_v where 1>2");
    EXPECT_TRUE(q.isEmpty());
    q.append();
    q.setField("txt", Value::text("O'Neil"));  // stored as given: bound, not pasted
    q.setField("amount", Value::real(2.5));
    q.post();
    long long id = q.fieldInt("id");
    EXPECT_GT(id, 0);
    q.close();
    EXPECT_EQ("O'Neil", db.getSqlValue("select txt from t_v where id=" + std::to_string(id)));

    db.openSelect("select a.*, a.amount*2 as twice from t_v a order by a.id");
    ASSERT_TRUE(q.locate(id));
    EXPECT_EQ("5", q.fieldText("TWICE"));  // names are case-insensitive
    q.edit();
    q.setField("qty", Value::integer(7));
    q.post();
    q.close();
    EXPECT_EQ("7", db.getSqlValue("select qty from t_v where id=" + std::to_string(id)));

    db.openSelect("select * from t_v");
    EXPECT_THROW(q.fieldText("no_such_column"), DbError);
    q.append();
    EXPECT_THROW(q.setField("no_such_column", Value::integer(1)), DbError);
    q.cancel();
    q.close();
}

TEST_F(DataModuleTest, SnapshotsLetCallersRunStatementsWhileIterating) {
    for (int i = 0; i < 3; ++i)
        db.execSql("insert into t_v (qty) values (" + std::to_string(i) + ")");
    Query& q = db.QuerySelect;
    db.openSelect("select id, qty from t_v order by id");
    int seen = 0;
    for (q.first(); !q.eof(); q.next()) {
        db.execSql("update t_v set qty=qty+10 where id=" + q.fieldText("id"));
        db.execSql("insert into t_v (qty) values (99)");  // not seen by the open snapshot
        ++seen;
    }
    q.close();
    EXPECT_EQ(3, seen);
    EXPECT_EQ("33", db.getSqlValue("select sum(qty) from t_v where qty<99"));
}

TEST_F(DataModuleTest, PastedTextCannotChangeAStatement) {
    const std::string hostile = "x' or '1'='1";
    db.execSql("insert into t_v (txt) values (" + sqlQuote(hostile) + ")");
    db.execSql("insert into t_v (txt) values ('other')");
    EXPECT_EQ("1", db.getSqlValue("select count(*) from t_v where txt=" + sqlQuote(hostile)));
    EXPECT_EQ(hostile, db.getSqlValue("select txt from t_v where id=1"));
    EXPECT_EQ("1e-09", sqlNumber(0.000000001));
    EXPECT_EQ("1234567.25", sqlNumber(1234567.25));
}

TEST_F(DataModuleTest, TransactionLeavesNothingHalfWritten) {
    try {
        TF_DataModule::Transaction tx(db);
        db.execSql("insert into t_v (qty) values (1)");
        db.execSql("insert into no_such_table (x) values (1)");
        tx.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ("0", db.getSqlValue("select count(*) from t_v"));

    {
        TF_DataModule::Transaction outer(db);
        {
            TF_DataModule::Transaction inner(db);  // joins the outer one
            db.execSql("insert into t_v (qty) values (2)");
            inner.commit();
        }
        db.execSql("insert into t_v (qty) values (3)");
        outer.commit();
    }
    EXPECT_EQ("5", db.getSqlValue("select sum(qty) from t_v"));

    // An inner scope left by an error spoils the whole posting.
    try {
        TF_DataModule::Transaction outer(db);
        db.execSql("insert into t_v (qty) values (100)");
        try {
            TF_DataModule::Transaction inner(db);
            throw DbError("inner failure");
        } catch (const DbError&) {
        }
        outer.commit();
        ADD_FAILURE() << "commit of a spoiled posting must fail";
    } catch (const DbError&) {
    }
    EXPECT_EQ("5", db.getSqlValue("select sum(qty) from t_v"));
}

TEST_F(DataModuleTest, ConnectReopensAndRejectsWhatIsNoStore) {
    db.execSql("insert into t_v (qty) values (4)");
    std::filesystem::path dir = std::filesystem::path(store.path()).parent_path();
    TF_DataModule other(store.clock, dir.string());
    other.connectDatabase(kStoreFileName);
    other.connectDatabase(kStoreFileName);  // already connected: closes and reopens
    EXPECT_EQ("4", other.getSqlValue("select qty from t_v"));

    std::ofstream(dir / "junk.db")
        << "this is not a store file, just some text that is long enough" << std::string(200, 'x');
    try {
        other.connectDatabase("junk.db");
        ADD_FAILURE() << "a text file opened as a store";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("junk.db"), std::string::npos) << e.what();
    }
    try {
        other.connectDatabase(kStoreFileName + std::string(".missing"));
        ADD_FAILURE() << "a missing store opened";
    } catch (const DbError& e) {
        // The error names the store file, so the handler ends the program.
        EXPECT_TRUE(reactToError(e.what()).endProgram) << e.what();
    }
}

TEST(StoreFile, TwoTerminalsShareOneStore) {
    TestStore store;
    TF_DataModule second(store.clock, "");
    second.openPath(store.path());
    EXPECT_EQ("wal", store.value("pragma journal_mode"));
    TF_DataModule::Transaction tx(store.db);
    store.db.execSql("update jxc_company set c_tele='1'");
    // The second terminal still reads the last committed state while the first posts.
    EXPECT_NE("1", second.getSqlValue("select c_tele from jxc_company"));
    tx.commit();
    EXPECT_EQ("1", second.getSqlValue("select c_tele from jxc_company"));
}

}  // namespace
}  // namespace pos::test

namespace pos::test {
namespace {

TEST(StoreFile, SelectStarFollowsAColumnAddedWhileRunning) {
    TestStore store(false);
    store.db.execSql("create table t_a (id integer primary key, x text)");
    store.db.execSql("insert into t_a (x) values ('a')");
    store.db.openSelect("select * from t_a");
    store.db.QuerySelect.close();
    store.db.execSql("alter table t_a add column ok boolean default 1");
    store.db.openSelect("select * from t_a");
    EXPECT_EQ("True", store.db.QuerySelect.fieldText("ok"));
    store.db.QuerySelect.close();
}

}  // namespace
}  // namespace pos::test

#include <clocale>

namespace pos::test {
namespace {

// The windows' toolkit sets the process locale from the environment; numbers
// in statements and read back must not follow it.
TEST(StoreFile, NumbersIgnoreTheProcessLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    ASSERT_EQ(',', *std::localeconv()->decimal_point);
    TestStore store(false);
    EXPECT_EQ("12.5", store.value("select 12.5"));
    EXPECT_EQ("3.75", store.value("select 1.25*3"));
    EXPECT_EQ("1234567.25", sqlNumber(1234567.25));
    double d = 0;
    EXPECT_TRUE(parseNumber("2.5", d));
    EXPECT_EQ(2.5, d);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace pos::test
