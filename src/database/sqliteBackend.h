#pragma once
#include <memory>
#include <string>
#include <unordered_map>

#include "database/storeBackend.h"

struct sqlite3;
struct sqlite3_stmt;

namespace pos {

class Clock;

class SqliteBackend : public StoreBackend {
  public:
    // `clock` answers the dialect's date() and now().
    explicit SqliteBackend(const Clock& clock);
    ~SqliteBackend() override;
    SqliteBackend(const SqliteBackend&) = delete;
    SqliteBackend& operator=(const SqliteBackend&) = delete;

    void open(const std::string& path) override;
    void close() override;
    bool isOpen() const override { return db_ != nullptr; }

    ResultSet query(std::string_view sql, size_t maxRows) override;
    Value firstValue(std::string_view sql) override;
    long long execute(std::string_view sql) override;
    long long insertRow(const std::string& table, const FieldValues& fields) override;
    void updateRow(const std::string& table, long long id, const FieldValues& fields) override;
    void begin() override;
    void commit() override;
    void rollback() override;

    // Creates a new store file and runs a native SQLite script in it (schema,
    // demo data); refuses a file that exists.
    static void createStore(const std::string& path, std::string_view script);

    // Runs native SQLite statements (no dialect translation).
    void runScript(std::string_view script);

  private:
    struct Prepared;
    Prepared& prepare(std::string_view jetSql, std::vector<Value>& params);
    Prepared& prepareNative(const std::string& sql);
    void bind(Prepared& p, const std::vector<Value>& params);
    [[noreturn]] void fail(const std::string& context) const;
    void clearCache();

    const Clock& clock_;
    sqlite3* db_ = nullptr;
    std::string path_;
    std::unordered_map<std::string, std::unique_ptr<Prepared>> cache_;
};

}  // namespace pos
