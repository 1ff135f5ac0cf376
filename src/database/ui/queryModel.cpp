#include "database/ui/queryModel.h"

#include <QBrush>

#include "database/query.h"

namespace pos {

QueryModel::QueryModel(Query& query, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), query_(query), columns_(std::move(columns)) {
    reload();
}

void QueryModel::reload() {
    beginResetModel();
    fieldIndex_.clear();
    for (const Column& c : columns_) fieldIndex_.push_back(query_.columnIndex(c.field));
    endResetModel();
}

int QueryModel::columnOf(const std::string& field) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].field == field) return static_cast<int>(i);
    return -1;
}

int QueryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !query_.active() ? 0 : query_.recordCount();
}

int QueryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant QueryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Value v = query_.valueAt(index.row(), fieldIndex_[static_cast<size_t>(index.column())]);
    const bool numeric = v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Real;
    if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::fromStdString(v.asText());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

QVariant QueryModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < static_cast<int>(columns_.size()))
            return QString::fromStdString(columns_[static_cast<size_t>(section)].caption);
        return {};
    }
    // Row numbers from 1; the selected row's number in red.
    if (role == Qt::DisplayRole) return section + 1;
    if (role == Qt::ForegroundRole && section == marked_) return QBrush(Qt::red);
    return {};
}

void QueryModel::setMarkedRow(int row) {
    int old = marked_;
    marked_ = row;
    if (old >= 0) emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0) emit headerDataChanged(Qt::Vertical, row, row);
}

}  // namespace pos
