// Runs the statement files under data/dialect: each file is a script of
// statements in the terminal's dialect with their expected results, run in
// order against a fresh demo store through the data module.
//
//   statement ok | statement error [text in the message]
//   <statement, up to a blank line>
//
//   query [rowsort]
//   <statement>
//   ----
//   <one line per row, values in their text form separated by |; (empty) for an empty value>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "database/dbError.h"
#include "support/testStore.h"

namespace pos::test {
namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.pop_back();
    return s;
}

std::vector<std::string> rowsOf(Query& q) {
    std::vector<std::string> rows;
    for (q.first(); !q.eof(); q.next()) {
        std::string line;
        for (size_t i = 0; i < q.columns().size(); ++i) {
            std::string v = q.value(static_cast<int>(i)).asText();
            line += (i ? "|" : "") + (v.empty() ? std::string("(empty)") : v);
        }
        rows.push_back(line);
    }
    return rows;
}

void runFile(const std::filesystem::path& file) {
    TestStore store;
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(trimRight(l));

    size_t i = 0;
    while (i < lines.size()) {
        const std::string head = lines[i];
        if (head.empty() || head[0] == '#') {
            ++i;
            continue;
        }
        const size_t at = i + 1;
        std::string sql;
        for (++i; i < lines.size() && !lines[i].empty() && lines[i] != "----"; ++i)
            sql += (sql.empty() ? "" : "\n") + lines[i];
        const std::string where = file.filename().string() + ":" + std::to_string(at) + ": " + sql;

        if (head == "statement ok") {
            EXPECT_NO_THROW(store.db.execSql(sql)) << where;
        } else if (head.rfind("statement error", 0) == 0) {
            std::string expected = head.size() > 16 ? head.substr(16) : "";
            try {
                store.db.execSql(sql);
                ADD_FAILURE() << where << "\n  expected an error";
            } catch (const std::exception& e) {
                EXPECT_NE(std::string(e.what()).find(expected), std::string::npos)
                    << where << "\n  message: " << e.what();
            }
        } else if (head.rfind("query", 0) == 0) {
            ASSERT_TRUE(i < lines.size() && lines[i] == "----") << where << "\n  missing ----";
            std::vector<std::string> expected;
            for (++i; i < lines.size() && !lines[i].empty(); ++i) expected.push_back(lines[i]);
            std::vector<std::string> actual;
            try {
                store.db.openSelect(sql);
                actual = rowsOf(store.db.QuerySelect);
                store.db.QuerySelect.close();
            } catch (const std::exception& e) {
                ADD_FAILURE() << where << "\n  error: " << e.what();
                continue;
            }
            if (head.find("rowsort") != std::string::npos) {
                std::sort(expected.begin(), expected.end());
                std::sort(actual.begin(), actual.end());
            }
            EXPECT_EQ(expected, actual) << where;
        } else {
            FAIL() << file.filename() << ":" << at << ": unknown record '" << head << "'";
        }
    }
}

class DialectScript : public ::testing::TestWithParam<std::string> {};

TEST_P(DialectScript, RunsAsWritten) {
    runFile(std::filesystem::path("data/dialect") / GetParam());
}

std::vector<std::string> scripts() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator("data/dialect"))
        if (e.path().extension() == ".test") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Files, DialectScript, ::testing::ValuesIn(scripts()),
                         [](const auto& info) {
                             std::string n = info.param.substr(0, info.param.size() - 5);
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace
}  // namespace pos::test
