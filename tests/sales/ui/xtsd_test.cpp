#include "sales/ui/xtsd.h"

#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "platform/programDir.h"
#include "sales/ui/skinApplier.h"
#include "support/testStore.h"

using pos::TF_Xtsd;

class XtsdTest : public QObject {
    Q_OBJECT

  private:
    struct Lock {
        pos::test::TestStore store;
        QWidget salesScreen;
        TF_Xtsd* dialog = new TF_Xtsd(store.ctx, &salesScreen);
        QLineEdit* password() { return dialog->findChild<QLineEdit*>("edtPassword"); }
        QLabel* name() { return dialog->findChild<QLabel*>("lblName"); }
        QPushButton* button() { return dialog->findChild<QPushButton*>("btnUnlock"); }
    };

  private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }

    void showsTheOperatorWithAClearedPasswordBox() {
        Lock lock;
        lock.password()->setText("left over");
        lock.dialog->show();

        QCOMPARE(lock.name()->text(), QStringLiteral("收银员"));
        QVERIFY(lock.password()->text().isEmpty());
        QCOMPARE(lock.dialog->focusWidget(), lock.password());
        QCOMPARE(lock.dialog->size(), QSize(504, 294));
        QVERIFY(lock.dialog->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(lock.dialog->isModal());
        QCOMPARE(lock.button()->text(), QStringLiteral("解    锁(F5)"));

        QTest::keyClicks(lock.password(), "12");
        QCOMPARE(lock.password()->displayText(), QStringLiteral("**"));
    }

    void noKeyButThePasswordGetsOut_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("toPasswordBox");
        QTest::newRow("F4 in the box") << int(Qt::Key_F4) << 0 << true;
        QTest::newRow("Alt+F4 in the box") << int(Qt::Key_F4) << int(Qt::AltModifier) << true;
        QTest::newRow("Alt+F4 to the window") << int(Qt::Key_F4) << int(Qt::AltModifier) << false;
        QTest::newRow("Ctrl+F4 in the box") << int(Qt::Key_F4) << int(Qt::ControlModifier) << true;
        QTest::newRow("Esc in the box") << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Esc to the window") << int(Qt::Key_Escape) << 0 << false;
    }
    void noKeyButThePasswordGetsOut() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, toPasswordBox);
        Lock lock;
        lock.dialog->show();
        QTest::keyClicks(lock.password(), "12");

        // A key the box ignores would travel on up to the window's own handlers.
        KeySpy travelledUp;
        lock.dialog->installEventFilter(&travelledUp);
        QWidget* target = toPasswordBox ? static_cast<QWidget*>(lock.password()) : lock.dialog;
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        if (toPasswordBox) QVERIFY(!travelledUp.keys.contains(key));
        QVERIFY(lock.dialog->isVisible());
        QCOMPARE(lock.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(lock.password()->text(), QStringLiteral("12"));  // swallowed, not an unlock try
        QVERIFY(lock.store.messages.shown().empty());
    }

    void closingAnyOtherWayIsRefused() {
        Lock lock;
        lock.dialog->show();
        QVERIFY(!lock.dialog->close());
        lock.dialog->reject();
        QVERIFY(lock.dialog->isVisible());
    }

    void wrongPasswordKeepsItLocked() {
        Lock lock;
        lock.dialog->show();
        QTest::keyClicks(lock.password(), "8888");  // another operator's password
        QTest::keyClick(lock.password(), Qt::Key_F5);

        QVERIFY(lock.dialog->isVisible());
        QCOMPARE(lock.store.messages.shown().size(), size_t(1));
        QCOMPARE(lock.store.messages.shown()[0].text, std::string("用户密码错误，请重新输入！"));
        QCOMPARE(lock.store.messages.shown()[0].caption, std::string("系统提示"));
        QVERIFY(lock.password()->text().isEmpty());
        QCOMPARE(lock.dialog->focusWidget(), lock.password());
    }

    void rightPasswordOpens_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("F5") << "F5";
        QTest::newRow("Return") << "Return";
        QTest::newRow("keypad Enter") << "Enter";
        QTest::newRow("button") << "button";
    }
    void rightPasswordOpens() {
        QFETCH(QString, how);
        Lock lock;
        lock.dialog->show();
        QTest::keyClicks(lock.password(), " 1234 ");
        if (how == "F5")
            QTest::keyClick(lock.password(), Qt::Key_F5);
        else if (how == "Return")
            QTest::keyClick(lock.password(), Qt::Key_Return);
        else if (how == "Enter")
            QTest::keyClick(lock.password(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::mouseClick(lock.button(), Qt::LeftButton);

        QVERIFY(!lock.dialog->isVisible());
        QCOMPARE(lock.dialog->result(), int(QDialog::Accepted));
        QVERIFY(lock.store.messages.shown().empty());
    }

    void lockingAgainStartsOver() {
        Lock lock;
        lock.dialog->show();
        QTest::keyClicks(lock.password(), "1234");
        QTest::keyClick(lock.password(), Qt::Key_F5);
        QVERIFY(!lock.dialog->isVisible());

        lock.store.session.operatorName = "管理员";  // another operator logged in meanwhile
        lock.dialog->show();
        QCOMPARE(lock.name()->text(), QStringLiteral("管理员"));
        QVERIFY(lock.password()->text().isEmpty());
        QVERIFY(!lock.dialog->close());  // the last unlock does not open this lock
        QTest::keyClick(lock.dialog, Qt::Key_Escape);
        QVERIFY(lock.dialog->isVisible());
        QTest::keyClicks(lock.password(), "1234");
        QTest::keyClick(lock.password(), Qt::Key_F5);
        QVERIFY(lock.dialog->isVisible());
        QTest::keyClicks(lock.password(), "8888");
        QTest::keyClick(lock.password(), Qt::Key_F5);
        QVERIFY(!lock.dialog->isVisible());
    }

    void oneLockWindowPerSalesScreen() {
        pos::test::TestStore store;
        QWidget salesScreen;
        TF_Xtsd* first = TF_Xtsd::instanceFor(store.ctx, &salesScreen);
        QCOMPARE(TF_Xtsd::instanceFor(store.ctx, &salesScreen), first);
        QCOMPARE(first->parentWidget(), &salesScreen);
        QWidget otherScreen;
        QVERIFY(TF_Xtsd::instanceFor(store.ctx, &otherScreen) != first);
    }

    void unusableSkinLeavesTheLook() {
        const QString before = QStringLiteral("QLabel { color: #010203; }");
        qApp->setStyleSheet(before);
        Folder folder;
        folder.write("Empty", "");
        for (const char* name : {"NoSuchSkin", "Empty", ""}) {
            QVERIFY(!pos::applySkin(folder.programDir(), name));
            QCOMPARE(qApp->styleSheet(), before);
        }
        QVERIFY(!pos::applySkin(std::string("NoSuchSkin")));
        QCOMPARE(qApp->styleSheet(), before);
    }

    void skinFileBecomesTheStyleSheet() {
        Folder folder;
        const std::string sheet = "QLabel { color: #a0b0c0; } /* 收银 */\n";
        folder.write("Test", sheet);
        QVERIFY(pos::applySkin(folder.programDir(), "Test"));
        QCOMPARE(qApp->styleSheet(), QString::fromStdString(sheet));

        QLabel label("药品");
        label.ensurePolished();
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor("#a0b0c0"));
    }

    // Hand-written sheets: a syntax slip makes Qt drop the whole sheet with a warning.
    void shippedSkinsParse() {
        for (const char* name : {"iMaginary", "Ocean", "Graphite"}) {
            parseWarnings().clear();
            QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
            QVERIFY2(pos::applySkin(pos::programDirectory(), name), name);
            QMainWindow window;
            buildSampleScreen(window);
            window.show();
            window.grab();
            qInstallMessageHandler(previous);
            QVERIFY2(parseWarnings().isEmpty(), qPrintable(parseWarnings().join('\n')));

            QLineEdit* edit = window.findChild<QLineEdit*>();
            QVERIFY(edit->palette().color(QPalette::Base) != edit->palette().color(QPalette::Text));
        }
    }

  private:
    struct KeySpy : QObject {
        QList<int> keys;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) keys << static_cast<QKeyEvent*>(e)->key();
            return false;
        }
    };

    struct Folder {
        std::filesystem::path dir =
            std::filesystem::temp_directory_path() / ("pos-skinui-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(dir / "skinfiles"); }
        ~Folder() { std::filesystem::remove_all(dir); }
        std::string programDir() const { return dir.string() + "/"; }
        void write(const std::string& name, const std::string& text) {
            std::ofstream(dir / "skinfiles" / (name + ".skinres"), std::ios::binary) << text;
        }
    };

    static QStringList& parseWarnings() {
        static QStringList list;
        return list;
    }
    static void collectWarnings(QtMsgType, const QMessageLogContext&, const QString& msg) {
        if (msg.contains("style", Qt::CaseInsensitive) || msg.contains("parse"))
            parseWarnings() << msg;
    }

    static void buildSampleScreen(QMainWindow& window) {
        window.menuBar()->addMenu("收银")->addAction("锁定屏幕");
        window.statusBar()->showMessage("收银员");
        auto* central = new QWidget(&window);
        auto* layout = new QVBoxLayout(central);
        layout->addWidget(new QLabel("应收金额"));
        layout->addWidget(new QLineEdit("6901234567890"));
        auto* combo = new QComboBox;
        combo->addItems({"现金", "银行卡"});
        layout->addWidget(combo);
        auto* model = new QStandardItemModel(2, 3, central);
        model->setHorizontalHeaderLabels({"品名", "数量", "金额"});
        auto* table = new QTableView;
        table->setModel(model);
        layout->addWidget(table);
        layout->addWidget(new QPushButton("结算"));
        window.setCentralWidget(central);
    }
};

QTEST_MAIN(XtsdTest)
#include "xtsd_test.moc"
