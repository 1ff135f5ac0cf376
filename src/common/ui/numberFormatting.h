#pragma once
// Applies the shop's number settings to edits, grid columns and the sums in a
// grid's footer. Where a setting is outside the range of the display patterns
// the widget keeps the pattern it had.
#include <QString>

#include "database/systemParameters.h"

class QAbstractItemView;

namespace pos {

class CurrencyEdit;

// The sum line under a grid; the grids implement it.
class GridFooter {
  public:
    virtual ~GridFooter() = default;
    // An empty pattern shows the sum in the general number form.
    virtual void setFooterPattern(int column, const QString& pattern) = 0;
};

void setPriceEditFormat(CurrencyEdit& edit, const SystemParameters& params);
void setQtyEditFormat(CurrencyEdit& edit, const SystemParameters& params);
void setPriceColumnFormat(QAbstractItemView& view, int column, const SystemParameters& params);
void setQtyColumnFormat(QAbstractItemView& view, int column, const SystemParameters& params);
void setAmountFooterFormat(GridFooter& footer, int column, const SystemParameters& params);
void setQtyFooterFormat(GridFooter& footer, int column, const SystemParameters& params);

}  // namespace pos
