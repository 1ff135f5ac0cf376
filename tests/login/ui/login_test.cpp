// The login window on the offscreen platform: the keys a cashier uses.
#include "login/ui/login.h"

#include <QtTest>

#include "login/ui/pwdmodi.h"
#include "support/testStore.h"

using namespace pos;

class LoginWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void enterWithTheRightPasswordLogsIn() {
        test::TestStore store;
        store.session = SessionState{};
        TF_Login login(store.ctx);
        login.show();
        QVERIFY(login.windowTitle().endsWith(" ---- 操作员登录"));
        QCOMPARE(login.comAdmin->count(), 2);
        login.comAdmin->setCurrentIndex(1);
        QCOMPARE(login.comAdmin->currentText(), QString("收银员"));
        QTest::keyClicks(login.tpwd, "1234");
        QTest::keyClick(login.tpwd, Qt::Key_Return);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(store.session.operatorName), QString("收银员"));
        QCOMPARE(QString::fromStdString(store.session.loginAccepted), QString("1"));
        QCOMPARE(store.value("select skin_name from jxc_skin where a_name='收银员'"),
                 std::string("iMaginary"));
    }

    void aWrongPasswordIsRefusedAndCleared() {
        test::TestStore store;
        store.session = SessionState{};
        TF_Login login(store.ctx);
        login.show();
        login.comAdmin->setCurrentIndex(1);
        QTest::keyClicks(login.tpwd, "9999");
        QTest::keyClick(login.tpwd, Qt::Key_F5);
        QVERIFY(login.isVisible());
        QVERIFY(login.tpwd->text().isEmpty());
        QCOMPARE(store.messages.shown().size(), size_t(1));
        QCOMPARE(QString::fromStdString(store.messages.shown()[0].text),
                 QString("用户密码不正确，请重新输入！"));
        QTest::keyClick(login.tpwd, Qt::Key_Escape);
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QVERIFY(store.session.loginAccepted.empty());
    }

    void theEmptyPasswordHintFollowsTheSelection() {
        test::TestStore store;
        store.db.execSql("update jxc_admin set a_pwd='' where a_name='收银员'");
        TF_Login login(store.ctx);
        login.show();
        QVERIFY(login.lMsg->text().isEmpty());
        login.comAdmin->setCurrentIndex(1);
        QCOMPARE(login.lMsg->text(), QString("初始密码为空"));
    }

    void passwordChangeRefusesSpecialCharactersWhileTyping() {
        test::TestStore store;
        TF_PwdModi dialog(store.ctx);
        dialog.show();
        QCOMPARE(dialog.aname->text(), QString("收银员"));
        QTest::keyClicks(dialog.tnewpwd, "ab'c=d");
        QCOMPARE(dialog.tnewpwd->text(), QString("abcd"));
        QTest::keyClicks(dialog.tOldPwd, "1234");
        QTest::keyClick(dialog.tOldPwd, Qt::Key_Return);  // Enter moves on
        QTest::keyClicks(dialog.tnewpwd2, "abcd");
        QTest::keyClick(dialog.tnewpwd2, Qt::Key_F5);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(store.value("select a_pwd from jxc_admin where a_name='收银员'"),
                 std::string("abcd"));
    }
};

QTEST_MAIN(LoginWindowTest)
#include "login_test.moc"
