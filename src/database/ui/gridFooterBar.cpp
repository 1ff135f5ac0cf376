#include "database/ui/gridFooterBar.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "common/numberFormats.h"
#include "database/value.h"

namespace pos {

GridFooterBar::GridFooterBar(QTableView& view, QWidget* parent) : QWidget(parent), view_(view) {
    auto repaint = [this] { update(); };
    connect(view.horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(view.horizontalHeader(), &QHeaderView::geometriesChanged, this, repaint);
    connect(view.horizontalHeader(), &QHeaderView::sectionCountChanged, this, repaint);
}

void GridFooterBar::setText(int column, const QString& text) {
    texts_[column] = text;
    update();
}

QString GridFooterBar::text(int column) const {
    auto t = texts_.find(column);
    if (t == texts_.end()) return {};
    auto p = patterns_.find(column);
    double v = 0;
    if (p != patterns_.end() && !p->second.isEmpty() && parseNumber(t->second.toStdString(), v))
        return QString::fromStdString(formatWithPattern(v, p->second.toStdString()));
    return t->second;
}

void GridFooterBar::setFooterPattern(int column, const QString& pattern) {
    patterns_[column] = pattern;
    update();
}

void GridFooterBar::setHighlighted(int column, bool red) {
    red_[column] = red;
    update();
}

QSize GridFooterBar::sizeHint() const { return {100, fontMetrics().height() + 8}; }

void GridFooterBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().mid().color());
    p.drawLine(0, 0, width(), 0);
    QHeaderView* h = view_.horizontalHeader();
    // Columns start after the row-number header and the frame.
    const int offset = view_.frameWidth() + view_.verticalHeader()->width();
    for (const auto& [column, raw] : texts_) {
        if (column < 0 || column >= h->count() || h->isSectionHidden(column)) continue;
        QRect r(offset + h->sectionViewportPosition(column), 0, h->sectionSize(column), height());
        p.setPen(red_.count(column) && red_.at(column) ? QColor(Qt::red)
                                                       : palette().text().color());
        p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, text(column));
    }
}

}  // namespace pos
