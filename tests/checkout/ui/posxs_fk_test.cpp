// The payment window on the offscreen platform.
#include "checkout/ui/posxs_fk.h"

#include <QTimer>
#include <QtTest>

#include "common/ui/currencyEdit.h"
#include "database/dbError.h"
#include "support/testStore.h"

using namespace pos;

namespace {

// Types any text, key by key: QTest::keyClicks takes ASCII only.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces what a money field holds, as a cashier typing over its selected text.
void retype(CurrencyEdit* edit, const QString& digits) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, digits);
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

class PaymentWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Window {
        test::TestStore store;
        QWidget salesScreen;
        TF_Posxs_Fk* dialog = new TF_Posxs_Fk(store.ctx, &salesScreen);
        PaymentContext sale;
        std::vector<SaleToPost> posted;
        std::vector<std::string> printed;

        explicit Window(const std::string& total = "87.5") {
            store.params.cs_posfkws = "2";
            store.params.cs_xsws = 2;
            store.session.operatorName = "管理员";  // rounding-off limit 10
            sale.number = "XS240615001";
            sale.total = total;
            sale.warehouse = "100001";
            // Counts the postings instead of writing a sale.
            dialog->posting = [this](PosContext&, const SaleToPost& s) { posted.push_back(s); };
            dialog->printReceipt = [this](const std::string& number, int copies) {
                printed.push_back("receipt " + number + " x" + std::to_string(copies));
            };
            dialog->printOpticalSlip = [this](const std::string& number) {
                printed.push_back("slip " + number);
            };
        }

        // Opens as the sales screen's pay key does, without waiting for the window to close.
        void open() {
            store.session.settleToken = "1";
            dialog->setSale(sale);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
        }
        std::vector<std::string> shown() const {
            std::vector<std::string> texts;
            for (const auto& s : store.messages.shown()) texts.push_back(s.text);
            return texts;
        }
        double value(Tender t) const { return dialog->payment().tender(t); }
    };

  private slots:
    void openingShowsTheSaleAndTheStoredValueSplit() {
        Window w("50.129");
        w.store.session.operatorName = "收银员";  // limit 1
        w.store.session.memberBalance = "30";
        w.sale.memberNumber = "H001";
        w.sale.memberName = "张三";
        w.sale.memberMobile = "13800000000";
        w.sale.optical = {"-1.25", "-1.50", "-0.50", "-0.75", "90",
                          "180",   "1.0",   "0.8",   "62",    "+1"};
        w.open();
        TF_Posxs_Fk* d = w.dialog;

        QCOMPARE(d->windowTitle(), QString("付款"));
        QCOMPARE(d->yfje->text(), QString("50.12"));
        QCOMPARE(d->zhje->text(), QString("30"));
        QCOMPARE(d->zlje->text(), QString("0"));
        QVERIFY(d->tczk->isEnabled());
        QCOMPARE(d->tczk->value(), 30.0);
        QCOMPARE(d->tfkje->value(), 20.12);
        for (CurrencyEdit* e : {d->tyhk, d->tdjq, d->twxje, d->tzfbje, d->tmlje})
            QCOMPARE(e->value(), 0.0);
        QCOMPARE(d->tczk->text(), QString("30.00"));  // the shop's price pattern
        QCOMPARE(d->tmlje2->value(), 1.0);
        QVERIFY(d->tmlje2->isHidden());

        QCOMPARE(d->pos_name->text(), QString("张三"));
        QCOMPARE(d->pos_tele->text(), QString("13800000000"));
        QCOMPARE(d->pos_qjz->text(), QString("-1.25"));
        QCOMPARE(d->pos_jzsly->text(), QString("0.8"));
        QCOMPARE(d->pos_add->text(), QString("+1"));
        QVERIFY(d->pos_tj->isHidden());
        QCOMPARE(d->grpCustomer->title(), QString("客户信息"));
        QCOMPARE(d->comYt->count(), 6);
        QCOMPARE(d->comYt->currentText(), QString());
        QCOMPARE(d->comYt->itemText(3), QString("两用"));
        QCOMPARE(d->tqjrq->date(), QDate(2024, 6, 22));
        QCOMPARE(d->tqjrq->text(), QString("2024-06-22"));

        QVERIFY(d->chkXp->isChecked());  // the demo prints after checkout, one copy
        QCOMPARE(d->txp->value(), 1.0);
        QVERIFY(!d->chkLh->isChecked());
        QVERIFY(d->btnSave->isEnabled());
        // The window becoming active does not count as entering the cash field.
        QCOMPARE(d->focusWidget(), d->tfkje);
        QTRY_COMPARE(d->tfkje->selectedText(), QString("20.12"));
        QCOMPARE(d->tczk->value(), 30.0);

        // Closed and opened again: everything starts afresh.
        type(d->tnote, "留言");
        type(d->pos_bz, "自备镜框");
        d->comYt->setCurrentIndex(2);
        QTest::keyClick(d->tfkje, Qt::Key_F8);
        QTest::keyClick(d->tfkje, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        w.store.session.memberBalance.clear();
        w.sale.memberNumber.clear();
        w.sale.total = "87.5";
        w.open();
        QCOMPARE(d->yfje->text(), QString("87.5"));
        QCOMPARE(d->zhje->text(), QString("0"));
        QVERIFY(!d->tczk->isEnabled());
        QCOMPARE(d->tczk->value(), 0.0);
        QCOMPARE(d->tfkje->value(), 87.5);
        QVERIFY(d->tnote->text().isEmpty());
        QVERIFY(d->pos_bz->text().isEmpty());
        QCOMPARE(d->comYt->currentIndex(), 0);
        QVERIFY(!d->chkLh->isChecked());
        QVERIFY(w.store.session.memberBalance.empty());  // the session keeps "no member"
    }

    void tendersFollowTheCashiersTyping() {
        Window w;
        w.open();
        TF_Posxs_Fk* d = w.dialog;

        // Enter passes the closed card field; entering a field moves the whole due into it.
        QTest::keyClick(d->tfkje, Qt::Key_Return);
        QCOMPARE(d->focusWidget(), d->tyhk);
        QCOMPARE(d->tyhk->value(), 87.5);
        QCOMPARE(d->tfkje->value(), 0.0);
        QCOMPARE(d->zlje->text(), QString("0.00"));

        retype(d->tfkje, "100");
        QCOMPARE(d->tfkje->value(), 100.0);
        QCOMPARE(d->tyhk->value(), 0.0);
        QCOMPARE(d->zlje->text(), QString("12.50"));

        // Combined settlement: entering another field moves nothing.
        QTest::keyClick(d->tfkje, Qt::Key_F8);
        QVERIFY(d->chkLh->isChecked());
        retype(d->twxje, "5");
        QCOMPARE(d->tfkje->value(), 100.0);
        QCOMPARE(d->twxje->value(), 5.0);
        QCOMPARE(d->zlje->text(), QString("17.50"));

        // Rounding-off beyond the operator's limit of 10 is cut back; cash gives it up.
        retype(d->tmlje, "20");
        QCOMPARE(d->tmlje->value(), 10.0);
        QCOMPARE(d->tmlje->text(), QString("10"));
        QCOMPARE(d->tfkje->value(), 72.5);
        QCOMPARE(d->twxje->value(), 5.0);
        QCOMPARE(d->zlje->text(), QString("0.00"));

        // A half-typed amount is left as typed.
        retype(d->tyhk, "3.");
        QCOMPARE(d->tyhk->text(), QString("3."));
        QCOMPARE(d->zlje->text(), QString("3.00"));
    }

    void theCardNeverPaysMoreThanTheBalance() {
        Window w("50");
        w.store.session.memberBalance = "30";
        w.sale.memberNumber = "H001";
        w.open();
        TF_Posxs_Fk* d = w.dialog;
        retype(d->tczk, "45");
        QCOMPARE(d->tczk->value(), 30.0);
        QCOMPARE(d->tfkje->value(), 0.0);
        QCOMPARE(d->zlje->text(), QString("-20.00"));
        QTest::keyClick(d->tczk, Qt::Key_F5);
        QCOMPARE(w.shown(), std::vector<std::string>{kShortPaymentMessage});
        QVERIFY(w.posted.empty());
    }

    void keysOfTheWindow() {
        Window w;
        w.open();
        TF_Posxs_Fk* d = w.dialog;
        QTest::keyClick(d->tfkje, Qt::Key_F3);
        QVERIFY(d->chkPjd->isChecked());
        QTest::keyClick(d->tfkje, Qt::Key_F8);
        QVERIFY(d->chkLh->isChecked());
        QTest::keyClick(d->tfkje, Qt::Key_F4);
        QVERIFY(!d->chkXp->isChecked());
        QCOMPARE(d->focusWidget(), d->txp);
        QCOMPARE(d->txp->selectedText(), QString("1"));
        QTest::keyClicks(d->txp, "23");  // one digit at most
        QCOMPARE(d->txp->value(), 2.0);
        QTest::keyClick(d->txp, Qt::Key_F4);
        QVERIFY(d->chkXp->isChecked());
        d->tnote->setFocus();
        QTest::keyClick(d->tnote, Qt::Key_Return);
        QCOMPARE(d->focusWidget(), d->pos_name);
        QVERIFY(d->isVisible());
        QVERIFY(w.posted.empty());
    }

    void twoF5PressesSaveOnce() {
        Window w;
        w.sale.optometristName = "王医生";
        w.sale.optometristCode = "Y01";
        w.open();
        TF_Posxs_Fk* d = w.dialog;
        type(d->tnote, " 送货上门 ");
        type(d->pos_name, " 李四 ");
        d->comYt->setCurrentIndex(1);
        QTest::keyClick(d->tfkje, Qt::Key_F3);  // the spectacles order slip as well

        // A second press handled while the first save is posting.
        bool saveEnabledMeanwhile = true;
        std::string tokenMeanwhile = "?";
        d->posting = [&](PosContext&, const SaleToPost& s) {
            w.posted.push_back(s);
            saveEnabledMeanwhile = d->btnSave->isEnabled();
            tokenMeanwhile = w.store.session.settleToken;
            if (w.posted.size() == 1) QTest::keyClick(d->tfkje, Qt::Key_F5);
        };
        QTest::keyClick(d->tfkje, Qt::Key_F5);
        QTest::keyClick(d->tfkje, Qt::Key_F5);  // and one after the window closed

        QCOMPARE(w.posted.size(), size_t(1));
        QVERIFY(!saveEnabledMeanwhile);
        QVERIFY(tokenMeanwhile.empty());
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(d->posted());
        QVERIFY(w.store.session.settleToken.empty());
        QVERIFY(w.shown().empty());
        const SaleToPost& s = w.posted[0];
        QCOMPARE(qs(s.number), QString("XS240615001"));
        QCOMPARE(qs(s.amountDue), QString("87.5"));
        QCOMPARE(s.cash, 87.5);
        // The release of F3 in the cash field ran its edit rule, which shows the change.
        QCOMPARE(qs(s.change), QString("0.00"));
        QCOMPARE(qs(s.remark), QString(" 送货上门"));
        QCOMPARE(qs(s.customerName), QString("李四"));
        QCOMPARE(qs(s.purpose), QString("近视"));
        QCOMPARE(qs(s.pickupDate), QString("2024-06-22"));
        QCOMPARE(qs(s.warehouse), QString("100001"));
        QCOMPARE(qs(s.optometristName), QString("王医生"));
        QCOMPARE(w.printed,
                 (std::vector<std::string>{"receipt XS240615001 x1", "slip XS240615001"}));
    }

    void escClosesWithoutSaving() {
        Window w;
        std::string tokenWhileOpen;
        QTimer::singleShot(0, [&] {
            tokenWhileOpen = w.store.session.settleToken;
            QTest::keyClick(w.dialog->tfkje, Qt::Key_Escape);
        });
        QVERIFY(!w.dialog->settle(w.sale));
        QCOMPARE(qs(tokenWhileOpen), QString("1"));
        QVERIFY(w.store.session.settleToken.empty());
        QCOMPARE(w.dialog->result(), int(QDialog::Rejected));

        QTimer::singleShot(0, [&] { QTest::mouseClick(w.dialog->btnExit, Qt::LeftButton); });
        QVERIFY(!w.dialog->settle(w.sale));
        QVERIFY(w.posted.empty());
        QVERIFY(w.printed.empty());
        QVERIFY(w.shown().empty());
    }

    void aFailedPostingLetsTheCashierTryAgain() {
        Window w;
        int attempts = 0;
        w.dialog->posting = [&](PosContext&, const SaleToPost& s) {
            ++attempts;
            if (attempts == 1) {
                QTest::keyClick(w.dialog->tfkje, Qt::Key_Escape);  // not while posting
                throw DbError("UNIQUE constraint failed: JXC_POSXSD.ID");
            }
            if (attempts == 2) throw PostingRefused("没有营业员，不能结账！");
            w.posted.push_back(s);
        };
        w.open();
        TF_Posxs_Fk* d = w.dialog;

        struct Failure {
            const char* message;
            MessageIcon icon;
        } failures[] = {
            // The store's message as the application's error handler shows it.
            {"unique constraint failed: jxc_posxsd.id", MessageIcon::None},
            {"没有营业员，不能结账！", MessageIcon::Information},
        };
        for (const Failure& f : failures) {
            w.store.messages.clear();
            QTest::keyClick(d->tfkje, Qt::Key_F5);
            QCOMPARE(w.shown(), std::vector<std::string>{f.message});
            QCOMPARE(w.store.messages.shown()[0].icon, f.icon);
            QVERIFY(d->isVisible());
            QVERIFY(d->btnSave->isEnabled());
            QCOMPARE(qs(w.store.session.settleToken), QString("1"));
            QVERIFY(!d->posted());
        }

        QTest::mouseClick(d->btnSave, Qt::LeftButton);
        QCOMPARE(attempts, 3);
        QCOMPARE(w.posted.size(), size_t(1));
        QVERIFY(!d->isVisible());
        QVERIFY(d->posted());
    }

    void theBalanceQuestionStartsTheRemark() {
        Window w("50");
        w.store.session.memberBalance = "30";
        w.sale.memberNumber = "H001";
        w.open();
        TF_Posxs_Fk* d = w.dialog;
        type(d->tnote, "下次补");

        // By the button: a key released in the cash field would run its edit
        // rule, which a real question box does not let through.
        w.store.messages.answer(Answer::No);
        QTest::mouseClick(d->btnSave, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QVERIFY(w.posted.empty());
        QVERIFY(d->btnSave->isEnabled());

        w.store.messages.answer(Answer::Yes);
        QTest::mouseClick(d->btnSave, Qt::LeftButton);
        QCOMPARE(w.shown(), (std::vector<std::string>{kLowBalanceQuestion, kLowBalanceQuestion}));
        QCOMPARE(w.store.messages.shown()[0].caption, std::string("信息提醒"));
        QCOMPARE(w.posted.size(), size_t(1));
        QCOMPARE(qs(w.posted[0].remark), QString(kLowBalanceQuestion) + " 下次补");
        QCOMPARE(w.posted[0].card, 30.0);
        QCOMPARE(w.posted[0].cash, 20.0);
        QCOMPARE(qs(w.posted[0].memberNumber), QString("H001"));
    }

    void cashAbove99999IsRefused() {
        Window w;
        w.open();
        TF_Posxs_Fk* d = w.dialog;
        retype(d->tfkje, "200000");
        QCOMPARE(d->zlje->text(), QString("199912.50"));
        QTest::keyClick(d->tfkje, Qt::Key_F5);
        QCOMPARE(w.shown(), std::vector<std::string>{kCashTooHighMessage});
        QCOMPARE(w.store.messages.shown()[0].caption, std::string("系统提示"));
        QVERIFY(d->isVisible());
        QVERIFY(w.posted.empty());

        retype(d->tfkje, "99999");
        QTest::keyClick(d->tfkje, Qt::Key_F5);
        QCOMPARE(w.posted.size(), size_t(1));
        QCOMPARE(qs(w.posted[0].change), QString("99911.50"));
    }
};

QTEST_MAIN(PaymentWindowTest)
#include "posxs_fk_test.moc"
