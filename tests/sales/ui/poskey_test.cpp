// The key settings on the offscreen platform: keys are chosen by releasing
// them in a field and saved at once.
#include "sales/ui/poskey.h"

#include <QtTest>

#include "database/sqlText.h"
#include "sales/ui/keyCodes.h"
#include "support/testStore.h"

using namespace pos;

class PosKeyTest : public QObject {
    Q_OBJECT

  private:
    struct Keys {
        test::TestStore store;
        TF_PosKey dialog{store.ctx};
        std::string code(const char* function) {
            return store.value("select gn_jz from jxc_gnb where gn_name=" + sqlQuote(function));
        }
        std::string rows() {
            return store.value("select count(*) from jxc_gnb") + "/" +
                   store.value("select sum(gn_jz) from jxc_gnb");
        }
        void start() {
            dialog.show();
            QTest::mouseClick(dialog.btnStart, Qt::LeftButton);
        }
    };

  private slots:
    void showsTheNamesWithTheFieldsDisabled() {
        Keys keys;
        keys.dialog.show();
        QCOMPARE(keys.dialog.windowTitle(), QStringLiteral("快捷键设置"));
        const std::pair<QLineEdit*, const char*> shown[] = {
            {keys.dialog.tfk, "+"},     {keys.dialog.txgzk, "F3"}, {keys.dialog.txgsl, "F2"},
            {keys.dialog.tsc, "-"},     {keys.dialog.tqq, "F4"},   {keys.dialog.txzhy, "F6"},
            {keys.dialog.tqx, "F9"},    {keys.dialog.tgd, "F7"},   {keys.dialog.tjg, "F8"},
            {keys.dialog.tlltp, "F10"}, {keys.dialog.tsj, "F11"},  {keys.dialog.tswzp, "F12"}};
        for (const auto& [field, name] : shown) {
            QCOMPARE(field->text(), QString(name));
            QVERIFY(!field->isEnabled());
        }

        QTest::mouseClick(keys.dialog.btnStart, Qt::LeftButton);
        for (const auto& [field, name] : shown) QVERIFY(field->isEnabled());
        QCOMPARE(keys.dialog.focusWidget(), keys.dialog.tfk);
        QTest::keyClicks(keys.dialog.tfk, "ab");  // typing never edits a field
        QCOMPARE(keys.dialog.tfk->text(), QStringLiteral("+"));

        // Shown again it reads the store afresh and starts disabled.
        keys.dialog.hide();
        keys.store.db.execSql("delete from jxc_gnb where gn_name='付款结账'");
        keys.dialog.show();
        QVERIFY(keys.dialog.tfk->text().isEmpty());
        QVERIFY(!keys.dialog.tfk->isEnabled());
    }

    void releasingAFreeKeySavesIt() {
        Keys keys;
        keys.store.db.execSql("delete from jxc_gnb where gn_name='打开钱箱'");  // frees F9
        keys.start();
        QTest::keyClick(keys.dialog.tfk, Qt::Key_F9);
        QCOMPARE(keys.dialog.tfk->text(), QStringLiteral("F9"));
        QCOMPARE(keys.code("付款结账"), std::string("120"));
        QVERIFY(keys.store.messages.shown().empty());
        QVERIFY(keys.dialog.isVisible());

        // Only the release counts: a held key repeats presses but saves once, on letting go.
        QTest::keyPress(keys.dialog.tsc, Qt::Key_F1);
        QCOMPARE(keys.dialog.tsc->text(), QStringLiteral("-"));
        QVERIFY(keys.store.messages.shown().empty());
    }

    void takenOrNamelessKeysChangeNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("message");
        const QString tail = QStringLiteral(" 的快捷键，\r\n\r\n请选择其它键！");
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "该键已设置为 “付款结账”" + tail;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "该键已设置为 “帮助”" + tail;
        QTest::newRow("keypad +, the demo's checkout key")
            << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << "该键已设置为 “付款结账”" + tail;
        QTest::newRow("F7 of 挂单") << int(Qt::Key_F7) << 0 << "该键已设置为 “挂单”" + tail;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << QString();
        QTest::newRow("digit") << int(Qt::Key_5) << 0 << QString();
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << QString();
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << QString();
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << QString();
    }
    void takenOrNamelessKeysChangeNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, message);
        Keys keys;
        const std::string before = keys.rows();
        keys.start();
        QTest::keyClick(keys.dialog.txgsl, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(keys.dialog.txgsl->text(), QStringLiteral("F2"));
        QCOMPARE(keys.code("修改数量"), std::string("113"));
        QCOMPARE(keys.rows(), before);
        QVERIFY(keys.dialog.isVisible());  // neither Esc nor Enter in a field closes it
        const auto& shown = keys.store.messages.shown();
        if (message.isEmpty()) {
            QVERIFY(shown.empty());
        } else {
            QCOMPARE(shown.size(), size_t(1));
            QCOMPARE(QString::fromStdString(shown[0].text), message);
            QCOMPARE(shown[0].caption, std::string("系统提示"));
            QCOMPARE(shown[0].icon, MessageIcon::Information);
        }
    }

    void mainKeyboardPlusIsAnotherKey() {
        Keys keys;
        keys.start();
        QTest::keyClick(keys.dialog.txgsl, Qt::Key_Plus);  // Shift+= on the main keyboard
        QCOMPARE(keys.dialog.txgsl->text(), QStringLiteral("="));
        QCOMPARE(keys.code("修改数量"), std::string("187"));
        QCOMPARE(keys.code("付款结账"), std::string("107"));
    }

    void confirmCallsBackAndExitDoesNot() {
        for (bool confirm : {true, false}) {
            Keys keys;
            int refreshed = 0;
            keys.dialog.onConfirm = [&] { ++refreshed; };
            keys.dialog.show();
            QTest::mouseClick(confirm ? keys.dialog.btnOK : keys.dialog.btnExit, Qt::LeftButton);
            QVERIFY(!keys.dialog.isVisible());
            QCOMPARE(keys.dialog.result(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
            QCOMPARE(refreshed, confirm ? 1 : 0);
        }
    }

    void escOnTheDialogCloses() {
        Keys keys;
        keys.dialog.show();  // fields disabled: the key goes to the dialog
        QTest::keyClick(&keys.dialog, Qt::Key_Escape);
        QVERIFY(!keys.dialog.isVisible());
        QCOMPARE(keys.dialog.result(), int(QDialog::Rejected));
    }

    void virtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        const int pad = Qt::KeypadModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << 107;
        QTest::newRow("main +") << int(Qt::Key_Plus) << shift << 187;
        QTest::newRow("main =") << int(Qt::Key_Equal) << 0 << 187;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << pad << 109;
        QTest::newRow("main _") << int(Qt::Key_Underscore) << shift << 189;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << pad << 111;
        QTest::newRow("main ?") << int(Qt::Key_Question) << shift << 191;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << pad << 106;
        QTest::newRow("main *") << int(Qt::Key_Asterisk) << shift << 0;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << pad << 103;
        QTest::newRow("main 7") << int(Qt::Key_7) << 0 << 55;
        QTest::newRow(":") << int(Qt::Key_Colon) << shift << 186;
        QTest::newRow("<") << int(Qt::Key_Less) << shift << 188;
        QTest::newRow("~") << int(Qt::Key_AsciiTilde) << shift << 192;
        QTest::newRow("{") << int(Qt::Key_BraceLeft) << shift << 219;
        QTest::newRow("|") << int(Qt::Key_Bar) << shift << 220;
        QTest::newRow("}") << int(Qt::Key_BraceRight) << shift << 221;
        QTest::newRow("\"") << int(Qt::Key_QuoteDbl) << shift << 222;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
        QTest::newRow("Ctrl+F12") << int(Qt::Key_F12) << int(Qt::ControlModifier) << 123;
        QTest::newRow("F13") << int(Qt::Key_F13) << 0 << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << pad << 13;
        QTest::newRow("keypad Left") << int(Qt::Key_Left) << pad << 37;
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 40;
        QTest::newRow("Q") << int(Qt::Key_Q) << 0 << 81;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << shift << 0;
        QTest::newRow(".") << int(Qt::Key_Period) << 0 << 0;
    }
    void virtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QCOMPARE(virtualKeyCode(key, Qt::KeyboardModifiers(modifiers)), code);
    }
};

QTEST_MAIN(PosKeyTest)
#include "poskey_test.moc"
