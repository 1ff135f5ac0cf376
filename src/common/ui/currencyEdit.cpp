#include "common/ui/currencyEdit.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "common/numberFormats.h"

namespace pos {

namespace {

// QLineEdit's default limit, while the formatted text is shown.
constexpr int kUnlimited = 32767;

QRegularExpression numberExpression(int decimals) {
    QString digits = "-?[0-9]*";
    if (decimals > 0) digits += QStringLiteral("(\\.[0-9]{0,%1})?").arg(decimals);
    return QRegularExpression(digits);
}

}  // namespace

CurrencyEdit::CurrencyEdit(QWidget* parent)
    : QLineEdit(parent), validator_(new QRegularExpressionValidator(this)) {
    validator_->setRegularExpression(numberExpression(decimals_));
    setValidator(validator_);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &CurrencyEdit::onTextEdited);
    showValue();
}

void CurrencyEdit::setValue(double value) {
    bool changed = value != value_;
    value_ = value;
    showValue();
    if (changed) emit valueChanged(value_);
}

void CurrencyEdit::setDecimals(int decimals) {
    decimals_ = std::max(0, decimals);
    validator_->setRegularExpression(numberExpression(decimals_));
    if (!editing_) showValue();
}

void CurrencyEdit::setDisplayPattern(const QString& pattern) {
    pattern_ = pattern;
    if (!editing_) showValue();
}

void CurrencyEdit::setMaxLength(int length) {
    maxLength_ = std::max(0, length);
    if (editing_) QLineEdit::setMaxLength(maxLength_);
}

void CurrencyEdit::focusInEvent(QFocusEvent* event) {
    if (!editing_) {
        editing_ = true;
        showValue();
    }
    QLineEdit::focusInEvent(event);
}

void CurrencyEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The line's own context menu takes the focus for a moment: stay in edit mode.
    if (event->reason() == Qt::PopupFocusReason) return;
    editing_ = false;
    showValue();
}

void CurrencyEdit::onTextEdited(const QString& text) {
    // "", "-" and "." are steps towards a number: they count as 0.
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok) value = 0;
    if (value == value_) return;
    value_ = value;
    emit valueChanged(value_);
}

void CurrencyEdit::showValue() {
    if (editing_) {
        QLineEdit::setMaxLength(maxLength_);
        setText(plainText());
        return;
    }
    QLineEdit::setMaxLength(kUnlimited);
    setText(pattern_.isEmpty()
                ? plainText()
                : QString::fromStdString(formatWithPattern(value_, pattern_.toStdString())));
}

QString CurrencyEdit::plainText() const {
    // No grouping and no trailing zeros, rounded as the display pattern rounds.
    std::string pattern = "0";
    if (decimals_ > 0) pattern += "." + std::string(static_cast<size_t>(decimals_), '#');
    return QString::fromStdString(formatWithPattern(value_, pattern));
}

}  // namespace pos
