#include "common/ui/numberFormatting.h"

#include <QAbstractItemView>
#include <optional>
#include <string>

#include "common/numberFormats.h"
#include "common/ui/currencyEdit.h"
#include "common/ui/patternDelegate.h"

namespace pos {

namespace {

void applyEditFormat(CurrencyEdit& edit, const EditFormat& format) {
    edit.setDecimals(format.decimals);
    edit.setMaxLength(format.maxLength);
    if (format.pattern) edit.setDisplayPattern(QString::fromStdString(*format.pattern));
}

void applyColumnPattern(QAbstractItemView& view, int column,
                        const std::optional<std::string>& pattern) {
    if (!pattern) return;
    QString text = QString::fromStdString(*pattern);
    if (auto* delegate = qobject_cast<PatternDelegate*>(view.itemDelegateForColumn(column)))
        delegate->setPattern(text);
    else
        view.setItemDelegateForColumn(column, new PatternDelegate(text, &view));
    view.viewport()->update();
}

void applyFooterPattern(GridFooter& footer, int column, const std::optional<std::string>& pattern) {
    if (pattern) footer.setFooterPattern(column, QString::fromStdString(*pattern));
}

}  // namespace

void setPriceEditFormat(CurrencyEdit& edit, const SystemParameters& params) {
    applyEditFormat(edit, priceEditFormat(params));
}

void setQtyEditFormat(CurrencyEdit& edit, const SystemParameters& params) {
    applyEditFormat(edit, qtyEditFormat(params));
}

void setPriceColumnFormat(QAbstractItemView& view, int column, const SystemParameters& params) {
    applyColumnPattern(view, column, priceColumnPattern(params));
}

void setQtyColumnFormat(QAbstractItemView& view, int column, const SystemParameters& params) {
    applyColumnPattern(view, column, qtyColumnPattern(params));
}

void setAmountFooterFormat(GridFooter& footer, int column, const SystemParameters& params) {
    applyFooterPattern(footer, column, amountFooterPattern(params));
}

void setQtyFooterFormat(GridFooter& footer, int column, const SystemParameters& params) {
    applyFooterPattern(footer, column, qtyFooterPattern(params));
}

}  // namespace pos
