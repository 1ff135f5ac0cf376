#pragma once
// A numeric editor for prices, amounts and quantities. While it has the focus
// it holds the plain number ("-1234.5") and takes a leading minus, digits and
// one point with at most decimals() digits after it, up to maxLength()
// characters; without the focus it shows its value with the display pattern
// ("￥1,234.50").
#include <QLineEdit>
#include <QString>

class QRegularExpressionValidator;

namespace pos {

class CurrencyEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit CurrencyEdit(QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);

    int decimals() const { return decimals_; }
    void setDecimals(int decimals);  // a negative count acts as 0

    QString displayPattern() const { return pattern_; }
    void setDisplayPattern(const QString& pattern);

    // The length of the typed number. QLineEdit's own limit is lifted while the
    // pattern is shown, since grouping and the symbol may make that text longer.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

  signals:
    void valueChanged(double value);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onTextEdited(const QString& text);
    void showValue();
    QString plainText() const;

    QRegularExpressionValidator* validator_;
    double value_ = 0;
    int decimals_ = 2;
    int maxLength_ = 15;
    QString pattern_;
    bool editing_ = false;
};

}  // namespace pos
