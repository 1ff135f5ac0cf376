#pragma once
#include <QString>
#include <QWidget>
#include <map>

#include "common/ui/numberFormatting.h"

class QTableView;

namespace pos {

// The footer row under a grid: a text per column, drawn under the column's
// header section (sums in red, the record count, captions).
class GridFooterBar : public QWidget, public GridFooter {
    Q_OBJECT
  public:
    explicit GridFooterBar(QTableView& view, QWidget* parent = nullptr);

    // A number is shown with the column's footer pattern when it has one.
    void setText(int column, const QString& text);
    QString text(int column) const;  // as shown
    void setFooterPattern(int column, const QString& pattern) override;
    void setHighlighted(int column, bool red);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QTableView& view_;
    std::map<int, QString> texts_;
    std::map<int, QString> patterns_;
    std::map<int, bool> red_;
};

}  // namespace pos
