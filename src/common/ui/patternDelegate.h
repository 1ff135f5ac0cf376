#pragma once
// Shows the numbers of a grid column with a display pattern and, where the
// view lets the cell be edited, edits them with a CurrencyEdit whose decimals
// follow the pattern. Cells that are not numbers are shown as they are.
#include <QString>
#include <QStyledItemDelegate>

namespace pos {

class PatternDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit PatternDelegate(const QString& pattern, QObject* parent = nullptr);

    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern) { pattern_ = pattern; }

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    QString pattern_;
};

}  // namespace pos
