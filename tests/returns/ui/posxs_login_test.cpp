// The supervisor authorisation window on the offscreen platform.
#include "returns/ui/posxs_login.h"

#include <QTimer>
#include <QtTest>

#include "support/testStore.h"

using namespace pos;

class SupervisorWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Window {
        test::TestStore store;
        QWidget salesScreen;
        TF_Posxs_Login* dialog = TF_Posxs_Login::instanceFor(store.ctx, &salesScreen);
        SessionState& session = store.session;
    };

    // Runs `step` once the modal window is up.
    static void whenShown(TF_Posxs_Login* dialog, std::function<void()> step) {
        QTimer::singleShot(0, dialog, [dialog, step] {
            QVERIFY(QTest::qWaitFor([dialog] { return dialog->isVisible(); }));
            step();
        });
    }

  private slots:
    void opensWithTheSupervisorsAndAnEmptyMaskedPassword() {
        Window w;
        w.dialog->tpwd->setText("left over");
        w.dialog->setCaption(kPriceChangeAuthorisation);
        w.dialog->show();
        QCOMPARE(w.dialog->windowTitle(), QString("修改售价-柜长授权"));
        QCOMPARE(w.dialog->comAdmin->count(), 1);  // 收银员 has no counter right
        QCOMPARE(w.dialog->comAdmin->currentText(), QString("管理员"));
        QVERIFY(w.dialog->tpwd->text().isEmpty());
        QCOMPARE(w.dialog->focusWidget(), w.dialog->tpwd);
        QCOMPARE(w.dialog->btnOK->text(), QString("确定(F5)"));
        QCOMPARE(w.dialog->btnCancel->text(), QString("取消(Esc)"));
        QTest::keyClicks(w.dialog->tpwd, "88");
        QCOMPARE(w.dialog->tpwd->displayText(), QString("**"));
    }

    void eachCallerSetsItsCaption() {
        Window w;
        for (const char* caption : {kReturnAuthorisation, kCashInAuthorisation,
                                    kCashOutAuthorisation, kPriceChangeAuthorisation}) {
            whenShown(w.dialog, [&w, caption] {
                QCOMPARE(w.dialog->windowTitle(), QString(caption));
                QTest::keyClick(w.dialog->tpwd, Qt::Key_Escape);
            });
            w.session.supervisorName = "管理员";  // left over; Esc must not hand it back
            QVERIFY(!w.dialog->authorise(caption));
            QVERIFY(w.session.supervisorName.empty());
        }
        // One window for the run.
        QCOMPARE(TF_Posxs_Login::instanceFor(w.store.ctx, &w.salesScreen), w.dialog);
    }

    void theRightPasswordAuthorises_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F5") << int(Qt::Key_F5);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void theRightPasswordAuthorises() {
        QFETCH(int, key);
        Window w;
        whenShown(w.dialog, [&w, key] {
            QTest::keyClicks(w.dialog->tpwd, "8888");
            QTest::keyClick(w.dialog->tpwd, Qt::Key(key));
        });
        QVERIFY(w.dialog->authorise(kReturnAuthorisation));
        QCOMPARE(QString::fromStdString(w.session.supervisorName), QString("管理员"));
        QCOMPARE(QString::fromStdString(w.session.supervisorRole), QString("100001"));
        QCOMPARE(QString::fromStdString(w.session.operatorName), QString("收银员"));
        QVERIFY(w.store.messages.shown().empty());
    }

    void aWrongPasswordKeepsTheWindowAndCancelLeavesNobody() {
        Window w;
        w.session.supervisorName = "管理员";  // a stale authorisation must not survive
        w.session.supervisorRole = "100001";
        bool stayed = false;
        whenShown(w.dialog, [&w, &stayed] {
            QTest::keyClicks(w.dialog->tpwd, "1234");
            QTest::keyClick(w.dialog->tpwd, Qt::Key_F5);
            stayed = w.dialog->isVisible() && w.dialog->tpwd->text().isEmpty() &&
                     w.dialog->focusWidget() == w.dialog->tpwd;
            QTest::keyClicks(w.dialog->tpwd, "8888");  // typed, but never confirmed
            QTest::keyClick(w.dialog->tpwd, Qt::Key_Escape);
        });
        QVERIFY(!w.dialog->authorise(kCashOutAuthorisation));
        QVERIFY(stayed);
        QCOMPARE(w.store.messages.shown().size(), size_t(1));
        QCOMPARE(QString::fromStdString(w.store.messages.shown()[0].text),
                 QString("用户密码不正确，请重新输入！"));
        QVERIFY(w.session.supervisorName.empty());
        QVERIFY(w.session.supervisorRole.empty());
    }

    void theSalesWindowsPromptUsesItsOneWindow() {
        Window w;
        QtSupervisorPrompt prompt(w.store.ctx, &w.salesScreen);
        whenShown(w.dialog, [&w] {
            QCOMPARE(w.dialog->windowTitle(), QString("入款-柜长授权"));
            QTest::keyClicks(w.dialog->tpwd, "8888");
            QTest::keyClick(w.dialog->btnOK, Qt::Key_Space);  // the button itself
        });
        QVERIFY(askSupervisor(w.store.ctx, prompt, kCashInAuthorisation));
        QCOMPARE(QString::fromStdString(w.session.supervisorName), QString("管理员"));
    }
};

QTEST_MAIN(SupervisorWindowTest)
#include "posxs_login_test.moc"
