// The buyer registration window on the offscreen platform.
#include "sales/ui/posxs_cfy.h"

#include <QTimer>
#include <QtTest>

#include "support/testStore.h"

using namespace pos;

namespace {
// Types any text, key by key: QTest::keyClicks takes ASCII only.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
}  // namespace

class RegistrationWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Window {
        test::TestStore store;
        QWidget salesScreen;
        TF_Posxs_Cfy* dialog = new TF_Posxs_Cfy(store.ctx, &salesScreen);

        QList<QWidget*> pharmacistFields() const {
            return {dialog->lblYaoshi, dialog->tyaoshi, dialog->lblYspwd, dialog->tyspwd};
        }
        QList<QLineEdit*> edits() const {
            return {dialog->txm,     dialog->tcardno, dialog->tcfhm, dialog->taddr,
                    dialog->tmobile, dialog->tyaoshi, dialog->tyspwd};
        }
        bool pharmacistShown() const {
            for (QWidget* w : pharmacistFields())
                if (w->isVisible() != dialog->chkYs->isChecked())
                    qFatal("pharmacist fields disagree with the review box");
            return dialog->tyaoshi->isVisible();
        }
        void signOff(const QString& name, const QString& password) {
            dialog->chkYs->setChecked(true);
            type(dialog->tyaoshi, name);
            type(dialog->tyspwd, password);
            QTest::keyClick(dialog->tyspwd, Qt::Key_F5);
        }
    };

  private slots:
    void showingStartsEmptyWithoutThePharmacist() {
        Window w;
        for (QLineEdit* e : w.edits()) e->setText("left over");
        w.dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(w.dialog));

        QCOMPARE(w.dialog->windowTitle(), QString("处方药信息登记"));
        for (QLineEdit* e : w.edits()) QVERIFY(e->text().isEmpty());
        QVERIFY(!w.dialog->chkYs->isChecked());
        QVERIFY(!w.pharmacistShown());
        QCOMPARE(w.dialog->focusWidget(), w.dialog->txm);

        type(w.dialog->txm, "张三");
        QTest::keyClick(w.dialog->txm, Qt::Key_Return);  // Enter moves on
        QCOMPARE(w.dialog->focusWidget(), w.dialog->tcardno);
        QVERIFY(w.dialog->isVisible());
    }

    void theReviewBoxShowsThePharmacistAndKeepsItsState() {
        Window w;
        w.dialog->show();
        w.dialog->chkYs->setChecked(true);
        QVERIFY(w.pharmacistShown());
        w.dialog->chkYs->setChecked(false);
        QVERIFY(!w.pharmacistShown());

        w.dialog->chkYs->setChecked(true);
        w.dialog->hide();
        w.dialog->show();  // the next registration of the run
        QVERIFY(w.dialog->chkYs->isChecked());
        QVERIFY(w.pharmacistShown());
        QVERIFY(w.dialog->tyaoshi->text().isEmpty());
    }

    void reviewKeepsTheWindowUntilThePharmacistSigns() {
        Window w;
        w.dialog->show();
        w.signOff("管理员", "1234");
        QVERIFY(w.dialog->isVisible());
        QCOMPARE(w.dialog->tyspwd->displayText(), QString("****"));
        QCOMPARE(w.store.messages.shown().size(), size_t(1));
        QCOMPARE(w.store.messages.shown()[0].caption, std::string("系统提示"));
        QCOMPARE(w.store.messages.shown()[0].text,
                 std::string("药师的用户名或密码不正确，请重新输入。"));

        w.dialog->tyaoshi->clear();
        w.dialog->tyspwd->clear();
        w.signOff("", "8888");
        QVERIFY(w.dialog->isVisible());
        QCOMPARE(w.store.messages.shown().back().text,
                 std::string("处方药需要药师审核，请输入\r\n\r\n药师登录名称和登录密码。"));

        w.dialog->tyspwd->clear();
        w.signOff("管理员", "8888");
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(w.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(w.store.messages.shown().size(), size_t(2));
    }

    void withoutReviewF5Closes() {
        Window w;
        w.dialog->show();
        w.dialog->tyaoshi->setText("x");  // hidden, so never checked
        QTest::keyClick(w.dialog->txm, Qt::Key_F5);
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(w.dialog->result(), int(QDialog::Accepted));
        QVERIFY(w.store.messages.shown().empty());
    }

    void escClosesAndThePromptStillReturnsTheTypedText() {
        test::TestStore store;
        QWidget salesScreen;
        QtRegistrationPrompt prompt(store.ctx, &salesScreen);
        int result = -1;
        QTimer::singleShot(0, [&] {
            TF_Posxs_Cfy* d = prompt.window();
            type(d->txm, " 张三 ");
            type(d->tcardno, "110105");
            type(d->tcfhm, "CF1");
            type(d->taddr, "幸福路");
            type(d->tmobile, "138");
            d->chkYs->setChecked(true);
            type(d->tyaoshi, "管理员");
            QTest::keyClick(d->tyaoshi, Qt::Key_Escape);
            result = d->result();
        });
        BuyerRegistration typed = prompt.ask();
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(typed.name, std::string(" 张三 "));  // as typed; the sale trims and guards
        QCOMPARE(typed.idCard, std::string("110105"));
        QCOMPARE(typed.prescriptionNo, std::string("CF1"));
        QCOMPARE(typed.address, std::string("幸福路"));
        QCOMPARE(typed.mobile, std::string("138"));
        QCOMPARE(typed.pharmacist, std::string("管理员"));
        QCOMPARE(prompt.window()->parentWidget(), &salesScreen);

        // The window is kept for the run: the next registration starts empty,
        // with the review as the cashier left it.
        TF_Posxs_Cfy* first = prompt.window();
        bool shownAgain = false;
        QTimer::singleShot(0, [&] {
            shownAgain =
                prompt.window()->txm->text().isEmpty() && prompt.window()->tyaoshi->isVisible();
            QTest::keyClick(prompt.window()->txm, Qt::Key_Escape);
        });
        typed = prompt.ask();
        QCOMPARE(prompt.window(), first);
        QVERIFY(shownAgain);
        QCOMPARE(typed.name, std::string());
    }

    void fieldsHoldTheirMaximumLength() {
        Window w;
        w.dialog->chkYs->setChecked(true);
        w.dialog->show();
        const QString longText(40, QChar(u'药'));
        for (QLineEdit* e : w.edits()) {
            type(e, longText);
            QCOMPARE(e->text().size(), e == w.dialog->txm ? 16 : 32);
        }
    }
};

QTEST_MAIN(RegistrationWindowTest)
#include "posxs_cfy_test.moc"
