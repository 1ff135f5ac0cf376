#include "database/sqliteBackend.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "common/rounding.h"
#include "database/dbError.h"
#include "database/jetDialect.h"
#include "database/sqlText.h"
#include "platform/clock.h"

namespace pos {

struct SqliteBackend::Prepared {
    sqlite3_stmt* stmt = nullptr;
    int hidden = 0;                   // trailing helper columns of a top-N rewrite
    std::vector<bool> booleanColumn;  // declared BOOLEAN: read as True/False
    ~Prepared() { sqlite3_finalize(stmt); }

    // Column types are read again when SQLite re-prepared the statement after a
    // schema change (a column added to a table read with select *).
    void readColumns() {
        int n = sqlite3_column_count(stmt);
        if (static_cast<int>(booleanColumn.size()) == n) return;
        booleanColumn.assign(n, false);
        for (int i = 0; i < n; ++i) {
            const char* t = sqlite3_column_decltype(stmt, i);
            booleanColumn[i] = t && sqlite3_stricmp(t, "BOOLEAN") == 0;
        }
    }
};

namespace {

constexpr size_t kCacheLimit = 2000;

// ------------------------------------------------ dialect functions --

// Jet's +: texts concatenate, numbers add, a numeric text with a number adds,
// null with anything is null.
void jetAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    bool na = ta == SQLITE_INTEGER || ta == SQLITE_FLOAT;
    bool nb = tb == SQLITE_INTEGER || tb == SQLITE_FLOAT;
    if (!na && !nb) {
        std::string r(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                      sqlite3_value_bytes(argv[0]));
        r.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])),
                 sqlite3_value_bytes(argv[1]));
        sqlite3_result_text(ctx, r.data(), static_cast<int>(r.size()), SQLITE_TRANSIENT);
        return;
    }
    auto number = [&](sqlite3_value* v, bool isNumber, double& d, bool& integral) {
        if (isNumber) {
            integral = sqlite3_value_type(v) == SQLITE_INTEGER;
            d = sqlite3_value_double(v);
            return true;
        }
        integral = false;
        return parseNumber(reinterpret_cast<const char*>(sqlite3_value_text(v)), d);
    };
    double a, b;
    bool ia, ib;
    if (!number(argv[0], na, a, ia) || !number(argv[1], nb, b, ib)) {
        sqlite3_result_error(ctx, "data type mismatch in expression (text + number)", -1);
        return;
    }
    if (ia && ib)
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) + sqlite3_value_int64(argv[1]));
    else
        sqlite3_result_double(ctx, a + b);
}

// jet_contains(text, needle): whether the text contains the needle, ignoring
// the case of Latin letters as LIKE does; null text gives null.
void jetContains(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string_view text(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                          static_cast<size_t>(sqlite3_value_bytes(argv[0])));
    std::string_view needle(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])),
                            static_cast<size_t>(sqlite3_value_bytes(argv[1])));
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    bool letters = false;
    for (char c : needle) letters = letters || (fold(c) >= 'a' && fold(c) <= 'z');
    bool found;
    if (!letters) {
        found = text.find(needle) != std::string_view::npos;
    } else {
        auto it = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                              [&](char a, char b) { return fold(a) == fold(b); });
        found = it != text.end() || needle.empty();
    }
    sqlite3_result_int(ctx, found ? 1 : 0);
}

const Clock& clockOf(sqlite3_context* ctx) {
    return *static_cast<const Clock*>(sqlite3_user_data(ctx));
}

void jetDate(sqlite3_context* ctx, int, sqlite3_value**) {
    std::string d = clockOf(ctx).now().date();
    sqlite3_result_text(ctx, d.c_str(), -1, SQLITE_TRANSIENT);
}

void jetNow(sqlite3_context* ctx, int, sqlite3_value**) {
    std::string d = clockOf(ctx).now().dateTime();
    sqlite3_result_text(ctx, d.c_str(), -1, SQLITE_TRANSIENT);
}

bool dateArg(sqlite3_value* v, LocalDateTime& t) {
    if (sqlite3_value_type(v) == SQLITE_NULL) return false;
    return parseDateTime(reinterpret_cast<const char*>(sqlite3_value_text(v)), t);
}

// datediff(interval, first, second): boundaries crossed from first to second,
// negative when first is later. A null or unreadable date gives null.
void jetDateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
    LocalDateTime a, b;
    if (!dateArg(argv[1], a) || !dateArg(argv[2], b) ||
        sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string unit(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    long long da = daysFromCivil(a.year, a.month, a.day),
              db = daysFromCivil(b.year, b.month, b.day);
    long long sa = da * 86400 + a.hour * 3600 + a.minute * 60 + a.second;
    long long sb = db * 86400 + b.hour * 3600 + b.minute * 60 + b.second;
    long long r;
    if (unit == "d" || unit == "y" || unit == "w")
        r = db - da;
    else if (unit == "m")
        r = (b.year * 12LL + b.month) - (a.year * 12LL + a.month);
    else if (unit == "yyyy")
        r = b.year - a.year;
    else if (unit == "q")
        r = (b.year * 4LL + (b.month - 1) / 3) - (a.year * 4LL + (a.month - 1) / 3);
    else if (unit == "h")
        r = sb / 3600 - sa / 3600;
    else if (unit == "n")
        r = sb / 60 - sa / 60;
    else if (unit == "s")
        r = sb - sa;
    else {
        sqlite3_result_error(ctx, "invalid interval in datediff", -1);
        return;
    }
    sqlite3_result_int64(ctx, r);
}

// str(x): a number as text with a leading space when it is not negative.
void jetStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    int t = sqlite3_value_type(argv[0]);
    if (t == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    double d;
    if (t == SQLITE_INTEGER || t == SQLITE_FLOAT) {
        d = sqlite3_value_double(argv[0]);
    } else if (!parseNumber(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])), d)) {
        sqlite3_result_error(ctx, "data type mismatch in str()", -1);
        return;
    }
    std::string r =
        t == SQLITE_INTEGER ? std::to_string(sqlite3_value_int64(argv[0])) : formatNumber(d);
    if (r[0] != '-') r = " " + r;
    sqlite3_result_text(ctx, r.c_str(), -1, SQLITE_TRANSIENT);
}

// round(x[, n]): half away from zero, as a cashier expects.
void jetRound(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        (argc > 1 && sqlite3_value_type(argv[1]) == SQLITE_NULL)) {
        sqlite3_result_null(ctx);
        return;
    }
    int n = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
    // Nudged away from zero as every rounding of the terminal is, so that an
    // amount stored as 10.00499… (10.005) still rounds to 10.01.
    double v = sqlite3_value_double(argv[0]);
    sqlite3_result_double(ctx, roundDec(v + (v < 0 ? -0.000000001 : 0.000000001), n));
}

}  // namespace

SqliteBackend::SqliteBackend(const Clock& clock) : clock_(clock) {}

SqliteBackend::~SqliteBackend() { close(); }

void SqliteBackend::fail(const std::string& context) const {
    std::string msg = db_ ? sqlite3_errmsg(db_) : "store is not open";
    throw DbError(context.empty() ? msg : msg + " (" + context + ")");
}

void SqliteBackend::open(const std::string& path) {
    close();
    if (!std::filesystem::exists(path)) throw DbError("cannot find the store file " + path);
    int rc =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
        close();
        throw DbError(msg + ": " + path);
    }
    path_ = path;
    const int utf8 = SQLITE_UTF8;
    const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    void* clock = const_cast<Clock*>(&clock_);
    sqlite3_create_function(db_, "jet_add", 2, det, nullptr, jetAdd, nullptr, nullptr);
    sqlite3_create_function(db_, "jet_contains", 2, det, nullptr, jetContains, nullptr, nullptr);
    sqlite3_create_function(db_, "date", 0, utf8, clock, jetDate, nullptr, nullptr);
    sqlite3_create_function(db_, "now", 0, utf8, clock, jetNow, nullptr, nullptr);
    sqlite3_create_function(db_, "datediff", 3, det, nullptr, jetDateDiff, nullptr, nullptr);
    sqlite3_create_function(db_, "str", 1, det, nullptr, jetStr, nullptr, nullptr);
    sqlite3_create_function(db_, "round", 1, det, nullptr, jetRound, nullptr, nullptr);
    sqlite3_create_function(db_, "round", 2, det, nullptr, jetRound, nullptr, nullptr);
    // A second terminal on the same file waits for the lock instead of failing;
    // a committed sale survives a power cut.
    sqlite3_busy_timeout(db_, 10000);
    char* err = nullptr;
    rc = sqlite3_exec(db_,
                      "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
                      "SELECT count(*) FROM sqlite_master;",
                      nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string msg = err ? err : "unreadable store";
        sqlite3_free(err);
        close();
        throw DbError(msg + ": " + path);
    }
}

void SqliteBackend::clearCache() { cache_.clear(); }

void SqliteBackend::close() {
    clearCache();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

SqliteBackend::Prepared& SqliteBackend::prepareNative(const std::string& sql) {
    if (!db_) throw DbError("the store is not open");
    auto it = cache_.find(sql);
    if (it != cache_.end()) return *it->second;
    if (cache_.size() >= kCacheLimit) clearCache();
    auto p = std::make_unique<Prepared>();
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &p->stmt, nullptr) != SQLITE_OK)
        fail("");
    return *cache_.emplace(sql, std::move(p)).first->second;
}

SqliteBackend::Prepared& SqliteBackend::prepare(std::string_view jetSql,
                                                std::vector<Value>& params) {
    if (!db_) throw DbError("the store is not open");
    jet::Shape shape = jet::shapeOf(jetSql);
    params = std::move(shape.params);
    auto it = cache_.find(shape.key);
    if (it != cache_.end()) return *it->second;
    jet::Translation t = jet::translate(shape.tokens);
    if (cache_.size() >= kCacheLimit) clearCache();
    auto p = std::make_unique<Prepared>();
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(db_, t.sql.c_str(), static_cast<int>(t.sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &p->stmt, &tail) != SQLITE_OK)
        fail("");
    if (!p->stmt) throw DbError("empty statement");
    for (; tail && *tail; ++tail)
        if (*tail != ' ' && *tail != ';') throw DbError("only one statement at a time may be run");
    p->hidden = t.hiddenColumns;
    return *cache_.emplace(std::move(shape.key), std::move(p)).first->second;
}

void SqliteBackend::bind(Prepared& p, const std::vector<Value>& params) {
    sqlite3_stmt* s = p.stmt;
    sqlite3_reset(s);
    for (size_t i = 0; i < params.size(); ++i) {
        const Value& v = params[i];
        int k = static_cast<int>(i) + 1;
        switch (v.kind()) {
            case Value::Kind::Null:
                sqlite3_bind_null(s, k);
                break;
            case Value::Kind::Integer:
            case Value::Kind::Boolean:
                sqlite3_bind_int64(s, k, v.integerValue());
                break;
            case Value::Kind::Real:
                sqlite3_bind_double(s, k, v.realValue());
                break;
            case Value::Kind::Text:
                sqlite3_bind_text(s, k, v.textValue().data(),
                                  static_cast<int>(v.textValue().size()), SQLITE_STATIC);
                break;
        }
    }
}

namespace {
Value columnValue(sqlite3_stmt* s, int i, bool boolean) {
    switch (sqlite3_column_type(s, i)) {
        case SQLITE_INTEGER: {
            long long v = sqlite3_column_int64(s, i);
            return boolean ? Value::boolean(v != 0) : Value::integer(v);
        }
        case SQLITE_FLOAT: {
            double v = sqlite3_column_double(s, i);
            return boolean ? Value::boolean(v != 0) : Value::real(v);
        }
        case SQLITE_NULL:
            return {};
        default: {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
            return Value::text(std::string(t, sqlite3_column_bytes(s, i)));
        }
    }
}

// Leaves the statement reusable whatever happens while its rows are read.
struct ResetGuard {
    sqlite3_stmt* s;
    ~ResetGuard() {
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
};
}  // namespace

ResultSet SqliteBackend::query(std::string_view sql, size_t maxRows) {
    std::vector<Value> params;
    Prepared& p = prepare(sql, params);
    bind(p, params);
    ResetGuard guard{p.stmt};
    ResultSet rs;
    int rc = maxRows > 0 ? sqlite3_step(p.stmt) : SQLITE_DONE;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) fail("");
    p.readColumns();
    int n = sqlite3_column_count(p.stmt) - p.hidden;
    for (int i = 0; i < n; ++i) rs.columns.emplace_back(sqlite3_column_name(p.stmt, i));
    while (rc == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) row.push_back(columnValue(p.stmt, i, p.booleanColumn[i]));
        rs.rows.push_back(std::move(row));
        if (rs.rows.size() >= maxRows) break;
        rc = sqlite3_step(p.stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) fail("");
    }
    return rs;
}

Value SqliteBackend::firstValue(std::string_view sql) {
    std::vector<Value> params;
    Prepared& p = prepare(sql, params);
    bind(p, params);
    ResetGuard guard{p.stmt};
    int rc = sqlite3_step(p.stmt);
    if (rc == SQLITE_DONE) return {};
    if (rc != SQLITE_ROW) fail("");
    p.readColumns();
    if (p.booleanColumn.empty()) return {};
    return columnValue(p.stmt, 0, p.booleanColumn[0]);
}

long long SqliteBackend::execute(std::string_view sql) {
    std::vector<Value> params;
    Prepared& p = prepare(sql, params);
    bind(p, params);
    ResetGuard guard{p.stmt};
    int rc;
    while ((rc = sqlite3_step(p.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail("");
    return sqlite3_changes64(db_);
}

long long SqliteBackend::insertRow(const std::string& table, const FieldValues& fields) {
    std::string cols, marks;
    std::vector<Value> params;
    for (const auto& [name, value] : fields) {
        if (!cols.empty()) {
            cols += ',';
            marks += ',';
        }
        cols += sqlQuoteName(name);
        marks += '?';
        params.push_back(value);
    }
    std::string sql =
        "INSERT INTO " + sqlQuoteName(table) +
        (fields.empty() ? " DEFAULT VALUES" : " (" + cols + ") VALUES (" + marks + ")");
    Prepared& p = prepareNative(sql);
    bind(p, params);
    ResetGuard guard{p.stmt};
    if (sqlite3_step(p.stmt) != SQLITE_DONE) fail(table);
    return sqlite3_last_insert_rowid(db_);
}

void SqliteBackend::updateRow(const std::string& table, long long id, const FieldValues& fields) {
    if (fields.empty()) return;
    std::string sets;
    std::vector<Value> params;
    for (const auto& [name, value] : fields) {
        if (!sets.empty()) sets += ',';
        sets += sqlQuoteName(name) + "=?";
        params.push_back(value);
    }
    params.push_back(Value::integer(id));
    Prepared& p = prepareNative("UPDATE " + sqlQuoteName(table) + " SET " + sets + " WHERE id=?");
    bind(p, params);
    ResetGuard guard{p.stmt};
    if (sqlite3_step(p.stmt) != SQLITE_DONE) fail(table);
}

void SqliteBackend::runScript(std::string_view script) {
    if (!db_) throw DbError("the store is not open");
    std::string s(script);
    char* err = nullptr;
    if (sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "script failed";
        sqlite3_free(err);
        throw DbError(msg);
    }
}

void SqliteBackend::begin() { runScript("BEGIN IMMEDIATE"); }
void SqliteBackend::commit() { runScript("COMMIT"); }
void SqliteBackend::rollback() {
    if (db_ && !sqlite3_get_autocommit(db_)) runScript("ROLLBACK");
}

void SqliteBackend::createStore(const std::string& path, std::string_view script) {
    if (std::filesystem::exists(path)) throw DbError("the file already exists: " + path);
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::string msg;
    if (rc == SQLITE_OK) {
        std::string s = "BEGIN;" + std::string(script) + ";COMMIT;";
        char* err = nullptr;
        rc = sqlite3_exec(db, s.c_str(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) msg = err ? err : "script failed";
        sqlite3_free(err);
        if (rc == SQLITE_OK)
            sqlite3_exec(db, "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
    } else {
        msg = db ? sqlite3_errmsg(db) : "out of memory";
    }
    sqlite3_close_v2(db);
    if (!msg.empty()) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        throw DbError(msg + ": " + path);
    }
}

}  // namespace pos
