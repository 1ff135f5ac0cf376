#include "common/ui/currencyEdit.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>
#include <vector>

#include "common/ui/numberFormatting.h"
#include "common/ui/patternDelegate.h"

namespace {

struct RecordingFooter : pos::GridFooter {
    std::vector<std::pair<int, QString>> calls;
    void setFooterPattern(int column, const QString& pattern) override {
        calls.emplace_back(column, pattern);
    }
};

pos::SystemParameters shopParams() {
    pos::SystemParameters p;
    p.cs_xsws = 2;
    p.cs_hbfh = "￥";
    p.cs_jews = "2";
    p.cs_cbjs = 2;
    return p;
}

}  // namespace

class CurrencyEditTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = new QWidget;
        auto* layout = new QVBoxLayout(window_);
        edit_ = new pos::CurrencyEdit(window_);
        other_ = new pos::CurrencyEdit(window_);
        layout->addWidget(edit_);
        layout->addWidget(other_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        focus(other_);  // activation focuses the first edit; tests start with it unfocused
    }

    void cleanup() { delete window_; }

    void typingHonoursDecimalsAndRefusesOtherCharacters() {
        edit_->setDecimals(2);
        focus(edit_);
        edit_->selectAll();
        QTest::keyClicks(edit_, "-12.345");
        QCOMPARE(edit_->text(), QString("-12.34"));
        QTest::keyClicks(edit_, "a.5");
        QCOMPARE(edit_->text(), QString("-12.34"));
        QCOMPARE(edit_->value(), -12.34);

        edit_->clear();
        QTest::keyClicks(edit_, "1x.2.3");
        QCOMPARE(edit_->text(), QString("1.23"));

        edit_->setDecimals(0);
        edit_->clear();
        QTest::keyClicks(edit_, "7.5");
        QCOMPARE(edit_->text(), QString("75"));
    }

    void showsThePatternOnlyWithoutFocus() {
        pos::setPriceEditFormat(*edit_, shopParams());
        QSignalSpy changed(edit_, &pos::CurrencyEdit::valueChanged);
        edit_->setValue(1234.5);
        QCOMPARE(edit_->text(), QString("￥1,234.50"));

        focus(edit_);
        QCOMPARE(edit_->text(), QString("1234.5"));
        edit_->selectAll();
        QTest::keyClicks(edit_, "-98765.4");
        QCOMPARE(edit_->value(), -98765.4);

        focus(other_);
        QCOMPARE(edit_->text(), QString("-￥98,765.40"));
        QCOMPARE(changed.count(), 8);  // setValue, then each typed character but the point
    }

    void maxLengthLimitsTypingButNotTheShownPattern() {
        edit_->setDecimals(2);
        edit_->setMaxLength(6);
        edit_->setDisplayPattern("￥,0.00;-￥,0.00");
        edit_->setValue(1234567);
        QCOMPARE(edit_->text(), QString("￥1,234,567.00"));

        focus(edit_);
        edit_->clear();
        QTest::keyClicks(edit_, "123456789");
        QCOMPARE(edit_->text(), QString("123456"));
    }

    void qtyFormatOutOfRangeKeepsThePattern() {
        edit_->setDisplayPattern("#0.00;-#.00");
        pos::SystemParameters p = shopParams();
        p.cs_cbjs = 8;
        pos::setQtyEditFormat(*edit_, p);
        QCOMPARE(edit_->decimals(), 8);
        QCOMPARE(edit_->maxLength(), 21);
        QCOMPARE(edit_->displayPattern(), QString("#0.00;-#.00"));

        focus(edit_);
        QCOMPARE(edit_->QLineEdit::maxLength(), 21);
        edit_->clear();
        QTest::keyClicks(edit_, "0.123456789");
        QCOMPARE(edit_->text(), QString("0.12345678"));
    }

    void columnsAndFootersFollowTheSettings() {
        QStandardItemModel model(1, 3);
        model.setData(model.index(0, 1), QString("1234.5"));
        model.setData(model.index(0, 2), -0.5);
        QTableView view;
        view.setModel(&model);

        pos::SystemParameters p = shopParams();
        pos::setPriceColumnFormat(view, 1, p);
        pos::setQtyColumnFormat(view, 2, p);
        auto* price = qobject_cast<pos::PatternDelegate*>(view.itemDelegateForColumn(1));
        auto* qty = qobject_cast<pos::PatternDelegate*>(view.itemDelegateForColumn(2));
        QVERIFY(price && qty);
        QCOMPARE(price->displayText(model.index(0, 1).data(), QLocale()), QString("￥1,234.50"));
        QCOMPARE(qty->displayText(model.index(0, 2).data(), QLocale()), QString("-.50"));
        QCOMPARE(price->displayText(QString("n/a"), QLocale()), QString("n/a"));

        // Out of range: the column keeps its delegate and pattern.
        p.cs_cbjs = 8;
        pos::setQtyColumnFormat(view, 2, p);
        QCOMPARE(view.itemDelegateForColumn(2), qty);
        QCOMPARE(qty->pattern(), QString("#0.00;-#.00"));

        // Editing a price cell goes through a CurrencyEdit with the price decimals.
        auto* editor = qobject_cast<pos::CurrencyEdit*>(
            price->createEditor(view.viewport(), QStyleOptionViewItem(), model.index(0, 1)));
        QVERIFY(editor);
        QCOMPARE(editor->decimals(), 2);
        price->setEditorData(editor, model.index(0, 1));
        QCOMPARE(editor->value(), 1234.5);
        editor->setValue(9.99);
        price->setModelData(editor, &model, model.index(0, 1));
        QCOMPARE(model.index(0, 1).data().toDouble(), 9.99);
        delete editor;

        RecordingFooter footer;
        p.cs_jews = "x";
        pos::setAmountFooterFormat(footer, 4, p);  // an unusable amount setting clears it
        pos::setQtyFooterFormat(footer, 5, p);     // cs_cbjs 8: left as it was
        p.cs_cbjs = 0;
        pos::setQtyFooterFormat(footer, 5, p);
        QCOMPARE(footer.calls.size(), size_t(2));
        QCOMPARE(footer.calls[0], std::make_pair(4, QString("")));
        QCOMPARE(footer.calls[1], std::make_pair(5, QString("#;-#")));
    }

  private:
    static void focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(widget->hasFocus());
    }

    QWidget* window_ = nullptr;
    pos::CurrencyEdit* edit_ = nullptr;
    pos::CurrencyEdit* other_ = nullptr;
};

QTEST_MAIN(CurrencyEditTest)
#include "currencyEdit_test.moc"
