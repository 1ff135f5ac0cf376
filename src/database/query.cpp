#include "database/query.h"

#include <algorithm>
#include <cctype>

#include "database/dbError.h"
#include "database/jetDialect.h"

namespace pos {

namespace {
std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

Query::Query(StoreBackend& backend, std::string name, std::string designSql)
    : backend_(backend), name_(std::move(name)), sql_(std::move(designSql)) {}

void Query::setSqlText(std::string sql) {
    close();
    sql_ = std::move(sql);
}

void Query::open() {
    close();
    ResultSet rs = backend_.query(sql_);
    columns_ = std::move(rs.columns);
    rows_ = std::move(rs.rows);
    for (int i = static_cast<int>(columns_.size()) - 1; i >= 0; --i) index_[lower(columns_[i])] = i;
    pos_ = 0;
    active_ = true;
}

void Query::close() {
    active_ = false;
    columns_.clear();
    index_.clear();
    rows_.clear();
    pos_ = 0;
    state_ = State::Browse;
    pending_.clear();
}

int Query::columnIndex(const std::string& name) const {
    auto it = index_.find(lower(name));
    return it == index_.end() ? -1 : it->second;
}

Value Query::field(const std::string& name) const {
    int i = columnIndex(name);
    if (i < 0) throw DbError(name_ + ": field '" + name + "' not found");
    return value(i);
}

Value Query::value(int column) const {
    if (pos_ >= rows_.size() || column < 0 || column >= static_cast<int>(columns_.size()))
        return {};
    return rows_[pos_][column];
}

Value Query::valueAt(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 ||
        column >= static_cast<int>(columns_.size()))
        return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

bool Query::locate(long long id) {
    int i = columnIndex("id");
    if (i < 0) return false;
    for (size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r][i].isNull() && rows_[r][i].asInteger() == id) {
            pos_ = r;
            return true;
        }
    }
    return false;
}

void Query::append() {
    if (!active_) throw DbError(name_ + ": cannot append to a closed query");
    state_ = State::Append;
    pending_.clear();
}

void Query::edit() {
    if (!active_ || eof()) throw DbError(name_ + ": no current row to edit");
    state_ = State::Edit;
    pending_.clear();
}

void Query::setField(const std::string& name, Value v) {
    if (state_ == State::Browse) throw DbError(name_ + ": not in edit or append mode");
    if (columnIndex(name) < 0) throw DbError(name_ + ": field '" + name + "' not found");
    for (auto& [n, old] : pending_)
        if (lower(n) == lower(name)) {
            old = std::move(v);
            return;
        }
    pending_.emplace_back(columns_[columnIndex(name)], std::move(v));
}

std::string Query::baseTable() const {
    std::vector<jet::Token> toks = jet::lex(sql_);
    int depth = 0;
    for (size_t i = 0; i + 1 < toks.size(); ++i) {
        const jet::Token& t = toks[i];
        if (t.kind == jet::Token::Kind::Op && t.text == "(") ++depth;
        if (t.kind == jet::Token::Kind::Op && t.text == ")") --depth;
        if (depth == 0 && t.kind == jet::Token::Kind::Word && lower(t.text) == "from") {
            const jet::Token& n = toks[i + 1];
            if (n.kind == jet::Token::Kind::Word || n.kind == jet::Token::Kind::QuotedIdent)
                return n.text;
            break;
        }
    }
    throw DbError(name_ + ": the statement has no table to write to");
}

void Query::post() {
    if (state_ == State::Browse) return;
    std::string table = baseTable();
    if (state_ == State::Append) {
        long long id = backend_.insertRow(table, pending_);
        std::vector<Value> row(columns_.size());
        for (auto& [n, v] : pending_) row[columnIndex(n)] = v;
        int idc = columnIndex("id");
        if (idc >= 0) row[idc] = Value::integer(id);
        rows_.push_back(std::move(row));
        pos_ = rows_.size() - 1;
    } else {
        int idc = columnIndex("id");
        if (idc < 0 || rows_[pos_][idc].isNull())
            throw DbError(name_ + ": the row has no id to update by");
        backend_.updateRow(table, rows_[pos_][idc].asInteger(), pending_);
        for (auto& [n, v] : pending_) rows_[pos_][columnIndex(n)] = v;
    }
    state_ = State::Browse;
    pending_.clear();
}

void Query::cancel() {
    state_ = State::Browse;
    pending_.clear();
}

}  // namespace pos
