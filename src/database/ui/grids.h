#pragma once
#include <QTableView>

namespace pos {

// A read-only grid of whole rows, as every list of the terminal shows them.
QTableView* makeReadOnlyGrid(QWidget* parent, int rowHeight = 26);

}  // namespace pos
