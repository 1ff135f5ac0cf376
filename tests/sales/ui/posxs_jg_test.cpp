// The held-sales dialog on the offscreen platform.
#include "sales/ui/posxs_jg.h"

#include <QTimer>
#include <QtTest>

#include "checkout/customerDisplay.h"
#include "common/dateRanges.h"
#include "database/dataModule.h"
#include "database/ui/gridFooterBar.h"
#include "database/ui/queryModel.h"
#include "sales/heldSales.h"
#include "sales/lineChecks.h"
#include "sales/saleScreen.h"
#include "support/testStore.h"

using namespace pos;

namespace {
// Types any text, key by key: QTest::keyClicks takes ASCII only.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class NoRegistration : public RegistrationPrompt {
  public:
    BuyerRegistration ask() override { return {}; }
};

QString text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

class HeldSalesDialogTest : public QObject {
    Q_OBJECT

  private:
    // Three held sales: 06-14 without member (医用棉签), 06-15 李娜 (血糖试纸 and
    // 医用棉签), 06-15 张伟 (血糖试纸); today is 06-15.
    struct Window {
        test::TestStore store;
        NoCustomerDisplay display;
        NoRegistration prompt;
        SaleScreen screen{store.ctx, display};
        QWidget salesWindow;
        TF_Posxs_Jg* dialog = nullptr;
        std::string older, lina, zhangwei;

        Window() {
            loadSystemParameters(store.ctx, {});
            store.clock.set({2024, 6, 14, 17, 0, 0});
            older = hold({"2001000000128"}, "");
            store.clock.set({2024, 6, 15, 9, 0, 0});
            lina = hold({"2001000000104", "2001000000128"}, "8800002");
            zhangwei = hold({"2001000000104"}, "8800001");
            store.clock.set({2024, 6, 15, 10, 30, 0});
            screen.setInitValue("");
            store.messages.clear();
            dialog = new TF_Posxs_Jg(store.ctx, screen, &salesWindow);
        }
        std::string hold(const std::vector<std::string>& codes, const std::string& member) {
            screen.setInitValue("");
            screen.member.number = member;
            for (const std::string& c : codes) screen.setFilterGoods(c, prompt);
            std::string number = screen.saleNumber;
            posGD(store.ctx, screen);
            return number;
        }
        void open() {
            dialog->show();
            if (!QTest::qWaitForWindowExposed(dialog)) qFatal("dialog not shown");
        }
        QStringList listed() const {
            QStringList v;
            for (int r = 0; r < dialog->listModel->rowCount(); ++r)
                v << dialog->listModel->index(r, dialog->listModel->columnOf("gl_djh"))
                         .data()
                         .toString();
            return v;
        }
        QString lineNames() const {
            QStringList v;
            for (int r = 0; r < dialog->linesModel->rowCount(); ++r)
                v << dialog->linesModel->index(r, dialog->linesModel->columnOf("g_name"))
                         .data()
                         .toString();
            return v.join(",");
        }
        QAction* dateEntry(const char* caption) const {
            for (QAction* a : dialog->dateMenu->actions())
                if (a->text() == QString::fromUtf8(caption)) return a;
            qFatal("no date entry %s", caption);
        }
        QString dates() const {
            return dialog->date1->date().toString("yyyy-MM-dd") + " " +
                   dialog->date2->date().toString("yyyy-MM-dd");
        }
    };

  private slots:
    void showingListsTodaysHoldsWithTheLinesOfTheFirst() {
        Window w;
        w.open();
        QCOMPARE(w.dialog->windowTitle(), QString("解挂"));
        QCOMPARE(w.dates(), QString("2024-06-15 2024-06-15"));
        QCOMPARE(w.listed(), (QStringList{text(w.lina), text(w.zhangwei)}));
        QCOMPARE(w.dialog->lblDetail->text(), text("单据 " + w.lina + " 的详细信息"));
        QCOMPARE(w.lineNames(), QString("血糖试纸,医用棉签"));
        QCOMPARE(w.dialog->listFooter->text(w.dialog->listModel->columnOf("pos_xsrq")),
                 QString("2"));
        QCOMPARE(w.dialog->linesFooter->text(w.dialog->linesModel->columnOf("g_name")),
                 QString("2"));
        QCOMPARE(w.dialog->cxGrid1->currentIndex().row(), 0);
        // Every operator's holds, with the operator shown.
        QVERIFY(w.dialog->listModel->columnOf("a_name") >= 0);
        QCOMPARE(w.dialog->listModel->headerData(w.dialog->listModel->columnOf("a_name"),
                                                 Qt::Horizontal, Qt::DisplayRole),
                 QVariant("操作员"));

        // Clicking a row shows its lines.
        QModelIndex second = w.dialog->listModel->index(1, 0);
        QTest::mouseClick(w.dialog->cxGrid1->viewport(), Qt::LeftButton, {},
                          w.dialog->cxGrid1->visualRect(second).center());
        QCOMPARE(w.dialog->lblDetail->text(), text("单据 " + w.zhangwei + " 的详细信息"));
        QCOMPARE(w.lineNames(), QString("血糖试纸"));
    }

    void theMemberBoxSearchesByNameOrNumberAndSwallowsSpecialCharacters() {
        Window w;
        w.open();
        type(w.dialog->hyxx, "8!8%0&0'0,0=1?[\\]^\"@");
        QCOMPARE(w.dialog->hyxx->text(), QString("8800001"));
        QTest::keyClick(w.dialog->hyxx, Qt::Key_F2);
        QCOMPARE(w.listed(), (QStringList{text(w.zhangwei)}));

        w.dialog->hyxx->setText("李娜");
        w.dialog->btnSearch->click();
        QCOMPARE(w.listed(), (QStringList{text(w.lina)}));

        w.dialog->hyxx->setText("无此会员");
        QTest::keyClick(w.dialog->hyxx, Qt::Key_F2);
        QVERIFY(w.listed().isEmpty());
        QCOMPARE(w.lineNames(), QString());
        QVERIFY(!w.store.db.Q_PosJg2.active());
    }

    void theDateMenuSetsBothDatesAndSearches() {
        Window w;
        w.open();
        QStringList captions;
        for (QAction* a : w.dialog->dateMenu->actions()) captions << a->text();
        QStringList expected;
        for (const DateRangeEntry& e : kDateRangeEntries) expected << QString::fromUtf8(e.caption);
        QCOMPARE(captions, expected);
        QCOMPARE(w.dialog->btnDate->menu(), w.dialog->dateMenu);

        w.dateEntry("昨天(&U)")->trigger();
        QCOMPARE(w.dates(), QString("2024-06-14 2024-06-14"));
        QCOMPARE(w.listed(), (QStringList{text(w.older)}));
        QCOMPARE(w.lineNames(), QString("医用棉签"));

        w.dateEntry("所有时间(&A)")->trigger();
        QCOMPARE(w.dates(), QString("2000-01-01 9999-12-31"));
        QCOMPARE(w.listed(), (QStringList{text(w.older), text(w.lina), text(w.zhangwei)}));

        w.dateEntry("上月(&Z)")->trigger();
        QCOMPARE(w.dates(), QString("2024-05-01 2024-05-31"));
        QVERIFY(w.listed().isEmpty());

        w.dateEntry("最近七天(&W)")->trigger();
        QCOMPARE(w.dates(), QString("2024-06-08 2024-06-15"));
        QCOMPARE(w.listed().size(), 3);
    }

    void f5RecallsTheSelectedSaleIntoTheSalesScreen() {
        Window w;
        // As the sales window runs it: refused with lines, otherwise the dialog.
        RecallOutcome outcome = RecallOutcome::Refused;
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(
                w.dialog->cxGrid1->viewport(), Qt::LeftButton, {},
                w.dialog->cxGrid1->visualRect(w.dialog->listModel->index(0, 0)).center());
            QTest::keyClick(w.dialog->cxGrid1, Qt::Key_F5);
        });
        outcome =
            posJG(w.store.ctx, w.screen, [&] { return w.dialog->exec() == QDialog::Accepted; });
        QCOMPARE(outcome, RecallOutcome::MemberPanel);
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(text(w.screen.saleNumber), text(w.lina));
        QCOMPARE(w.store.db.Q_Posxs.recordCount(), 2);
        QCOMPARE(text(w.screen.member.name), QString("李娜"));
        QCOMPARE(text(w.store.session.memberBalance), QString("1250"));
        QVERIFY(!w.store.db.Q_PosJg.active());  // closed with the dialog
        QCOMPARE(w.store.value("select count(*) from jxc_posxsd where gl_djh='" + w.lina + "'"),
                 std::string("0"));

        // The same dialog again: with lines on the screen the recall is refused before it opens.
        bool opened = false;
        QCOMPARE(posJG(w.store.ctx, w.screen, [&] { return opened = true; }),
                 RecallOutcome::Refused);
        QVERIFY(!opened);
        QCOMPARE(text(w.store.messages.shown().back().text),
                 QString("系统处于销售状态，不能解挂！"));
    }

    void recallAndDeleteDoNothingOnAnEmptyList() {
        Window w;
        w.open();
        w.dialog->hyxx->setText("无此会员");
        w.dialog->search();
        QTest::keyClick(w.dialog->hyxx, Qt::Key_F5);
        QTest::keyClick(w.dialog->hyxx, Qt::Key_F3);
        w.dialog->btnRecall->click();
        w.dialog->btnDelete->click();
        QVERIFY(w.dialog->isVisible());
        QVERIFY(w.store.messages.shown().empty());
        QCOMPARE(w.store.value("select count(*) from jxc_posxsd"), std::string("3"));
        QVERIFY(w.screen.saleNumber != w.lina && !w.screen.hasLines());
    }

    void f3DeletesTheSelectedSaleAfterConfirmation() {
        Window w;
        w.open();
        w.store.messages.answer(Answer::No);
        QTest::keyClick(w.dialog->cxGrid1, Qt::Key_F3);
        QCOMPARE(w.listed().size(), 2);

        w.store.messages.answer(Answer::Yes);
        w.dialog->btnDelete->click();
        QCOMPARE(w.store.messages.shown().size(), size_t(2));
        QCOMPARE(text(w.store.messages.shown().back().text), QString("您确定要删除单据信息吗！"));
        QCOMPARE(w.listed(), (QStringList{text(w.zhangwei)}));
        QCOMPARE(w.dialog->lblDetail->text(), text("单据 " + w.zhangwei + " 的详细信息"));
        QCOMPARE(w.lineNames(), QString("血糖试纸"));
        QCOMPARE(w.dialog->listFooter->text(w.dialog->listModel->columnOf("pos_xsrq")),
                 QString("1"));
        QVERIFY(w.dialog->isVisible());
    }

    void printEntriesSayPrintingIsNotYetAvailable() {
        Window w;
        w.open();
        QStringList captions;
        for (QAction* a : w.dialog->printMenu->actions()) {
            captions << a->text();
            a->trigger();
        }
        QCOMPARE(captions, (QStringList{"汇总表(&Y)", "明细表(&Z)"}));
        QCOMPARE(w.store.messages.shown().size(), size_t(2));
        for (const auto& shown : w.store.messages.shown()) {
            QCOMPARE(text(shown.text), QString("打印功能尚未开通"));
            QCOMPARE(text(shown.caption), QString("系统提示"));
        }
    }

    void escClosesWithoutRecallAndTheNextOpeningStartsFromToday() {
        Window w;
        w.open();
        w.dateEntry("所有时间(&A)")->trigger();
        QTest::keyClick(w.dialog->hyxx, Qt::Key_Escape);
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(w.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!w.store.db.Q_PosJg.active());
        QCOMPARE(w.store.value("select count(*) from jxc_posxsd"), std::string("3"));

        w.open();
        QCOMPARE(w.dates(), QString("2024-06-15 2024-06-15"));
        QCOMPARE(w.listed().size(), 2);
    }
};

QTEST_MAIN(HeldSalesDialogTest)
#include "posxs_jg_test.moc"
