#include "database/ui/grids.h"

#include <QHeaderView>

namespace pos {

QTableView* makeReadOnlyGrid(QWidget* parent, int rowHeight) {
    auto* view = new QTableView(parent);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

}  // namespace pos
