#pragma once
#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace pos {

class Query;

// A read-only table model over an open query of the data module: the grids
// bind to the bound queries through it. reload() after the query was opened
// again.
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Column {
        std::string caption;
        std::string field;
    };

    QueryModel(Query& query, std::vector<Column> columns, QObject* parent = nullptr);

    void reload();
    int columnOf(const std::string& field) const;  // -1 when not shown
    const std::vector<Column>& gridColumns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // The row whose number is shown in red (the selected line).
    void setMarkedRow(int row);

  private:
    Query& query_;
    std::vector<Column> columns_;
    std::vector<int> fieldIndex_;
    int marked_ = -1;
};

}  // namespace pos
