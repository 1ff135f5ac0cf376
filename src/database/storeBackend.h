#pragma once
// The store engine behind the data module. SQLite on the terminal's local disk
// today; several tills sharing one store is the job of a server backend later,
// which implements this same interface.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/value.h"

namespace pos {

struct ResultSet {
    std::vector<std::string> columns;
    std::vector<std::vector<Value>> rows;
};

using FieldValues = std::vector<std::pair<std::string, Value>>;

class StoreBackend {
  public:
    virtual ~StoreBackend() = default;

    // Opens an existing store file; throws DbError naming the file when it is
    // missing or not a store.
    virtual void open(const std::string& path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Statements are in the terminal's (Jet) dialect.
    virtual ResultSet query(std::string_view sql,
                            size_t maxRows = std::numeric_limits<size_t>::max()) = 0;
    // First column of the first row; null when there is no row.
    virtual Value firstValue(std::string_view sql) = 0;
    // Runs a statement that returns no rows; the number of rows it changed.
    virtual long long execute(std::string_view sql) = 0;

    // Row writes with bound values (appending and editing rows of a query).
    virtual long long insertRow(const std::string& table, const FieldValues& fields) = 0;
    virtual void updateRow(const std::string& table, long long id, const FieldValues& fields) = 0;

    virtual void begin() = 0;  // takes the write lock at once
    virtual void commit() = 0;
    virtual void rollback() = 0;
};

}  // namespace pos
