#include "common/ui/patternDelegate.h"

#include <optional>

#include "common/numberFormats.h"
#include "common/ui/currencyEdit.h"
#include "database/value.h"

namespace pos {

namespace {

// The store hands numbers over as text ("12.5"), models may hold doubles.
std::optional<double> numberOf(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return std::nullopt;
    if (value.typeId() == QMetaType::QString) {
        double number = 0;
        if (!parseNumber(value.toString().toStdString(), number)) return std::nullopt;
        return number;
    }
    bool ok = false;
    double number = value.toDouble(&ok);
    if (!ok) return std::nullopt;
    return number;
}

}  // namespace

PatternDelegate::PatternDelegate(const QString& pattern, QObject* parent)
    : QStyledItemDelegate(parent), pattern_(pattern) {}

QString PatternDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    std::optional<double> number = numberOf(value);
    if (pattern_.isEmpty() || !number) return QStyledItemDelegate::displayText(value, locale);
    return QString::fromStdString(formatWithPattern(*number, pattern_.toStdString()));
}

QWidget* PatternDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex&) const {
    EditFormat format = patternEditFormat(pattern_.toStdString());
    auto* edit = new CurrencyEdit(parent);
    edit->setDecimals(format.decimals);
    edit->setMaxLength(format.maxLength);
    edit->setDisplayPattern(pattern_);
    return edit;
}

void PatternDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<CurrencyEdit*>(editor);
    if (!edit) return QStyledItemDelegate::setEditorData(editor, index);
    edit->setValue(numberOf(index.data(Qt::EditRole)).value_or(0));
}

void PatternDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    auto* edit = qobject_cast<CurrencyEdit*>(editor);
    if (!edit) return QStyledItemDelegate::setModelData(editor, model, index);
    model->setData(index, edit->value(), Qt::EditRole);
}

}  // namespace pos
