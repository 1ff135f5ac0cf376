#pragma once
// A query object of the data module: holds a statement, and when opened a
// snapshot of its rows (a static cursor) with a current row. Rows can be
// appended or edited by field name and posted to the select's base table
// (the first table after FROM) with bound values.
#include <string>
#include <unordered_map>
#include <vector>

#include "database/storeBackend.h"
#include "database/value.h"

namespace pos {

class Query {
  public:
    Query(StoreBackend& backend, std::string name, std::string designSql = {});

    const std::string& name() const { return name_; }
    const std::string& sql() const { return sql_; }
    void setSqlText(std::string sql);  // closes the query first

    void open();
    void close();
    bool active() const { return active_; }

    // Navigation over the snapshot.
    void first() { pos_ = 0; }
    void next() {
        if (pos_ < rows_.size()) ++pos_;
    }
    void last() { pos_ = rows_.empty() ? 0 : rows_.size() - 1; }
    bool eof() const { return pos_ >= rows_.size(); }
    bool isEmpty() const { return rows_.empty(); }
    int recordCount() const { return static_cast<int>(rows_.size()); }
    bool locate(long long id);  // moves to the row whose id is `id`
    void moveTo(int row) { pos_ = row < 0 ? 0 : static_cast<size_t>(row); }  // 0-based
    int currentRow() const { return static_cast<int>(pos_); }                // 0-based

    // Field reads on the current row; no current row reads as null. A name
    // that is not a column of the query throws DbError.
    const std::vector<std::string>& columns() const { return columns_; }
    Value field(const std::string& name) const;
    Value value(int column) const;
    Value valueAt(int row, int column) const;        // any row of the snapshot; null outside it
    int columnIndex(const std::string& name) const;  // -1 when missing
    std::string fieldText(const std::string& name) const { return field(name).asText(); }
    long long fieldInt(const std::string& name) const { return field(name).asInteger(); }
    double fieldFloat(const std::string& name) const { return field(name).asFloat(); }
    bool fieldBool(const std::string& name) const { return field(name).asBoolean(); }

    // Editing: append() or edit(), setField(), then post() or cancel().
    void append();
    void edit();
    void setField(const std::string& name, Value v);
    void post();
    void cancel();
    bool editing() const { return state_ != State::Browse; }

  private:
    enum class State { Browse, Append, Edit };
    std::string baseTable() const;

    StoreBackend& backend_;
    std::string name_;
    std::string sql_;
    bool active_ = false;
    std::vector<std::string> columns_;
    std::unordered_map<std::string, int> index_;  // lower-case name → first column
    std::vector<std::vector<Value>> rows_;
    size_t pos_ = 0;
    State state_ = State::Browse;
    FieldValues pending_;
};

}  // namespace pos
