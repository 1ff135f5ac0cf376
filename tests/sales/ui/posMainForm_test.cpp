// The sales window on the offscreen platform: start-up fills it, scans add
// lines, a name fragment offers batches, closing asks.
#include "sales/ui/posMainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "common/ui/currencyEdit.h"
#include "database/ui/gridFooterBar.h"
#include "database/ui/queryModel.h"
#include "sales/ui/posxs_cfy.h"
#include "support/testStore.h"

using namespace pos;

namespace {
void scan(TF_PosMainForm& form, const QString& code) {
    QTest::keyClicks(form.tbh, code);
    QTest::keyRelease(form.tbh, Qt::Key_Return);
}
}  // namespace

class SalesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Windows of one test closing must not end the event loops of the next.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void startUpShowsTheWindowWithItsHeader() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        QVERIFY(!form.isVisible());
        QCOMPARE(runStartupSequence(store.ctx, form), StartupOutcome::Ready);
        QVERIFY(form.isVisible());
        QVERIFY(form.windowTitle().endsWith("V1.0"));
        QCOMPARE(form.pos_Name->text(), QString("收银员"));
        QCOMPARE(form.gldjh->text(), QString("XS24061510001"));
        QVERIFY(!form.compName->text().isEmpty());
        QCOMPARE(form.keyLegend[0]->text(), QString("F5 +"));  // the demo pays on + too
        QCOMPARE(form.keyLegend[3]->text(), QString("-"));
        QVERIFY(form.comYg->count() > 1);
        QCOMPARE(form.pos_Status->text(), QString("待销售状态"));
        QVERIFY(form.comCk->isEnabled());
    }

    void aScanAddsALineAndUpdatesTotalsAndStatus() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        QTest::keyClicks(form.tbh, "abc'");
        QCOMPARE(form.tbh->text(), QString("ABC"));  // upper case, the quote refused
        form.tbh->clear();
        scan(form, "2001000000104");
        QCOMPARE(form.linesModel->rowCount(), 1);
        QCOMPARE(form.linesModel->index(0, 1).data().toString(), QString("血糖试纸"));
        QCOMPARE(form.hjje->text(), QString("89"));
        QCOMPARE(form.pos_Status->text(), QString("销售状态"));
        QVERIFY(!form.comCk->isEnabled());
        QVERIFY(form.tbh->text().isEmpty());
        QCOMPARE(form.footer->text(form.linesModel->columnOf("g_name")), QString("1"));
        QCOMPARE(form.footer->text(form.linesModel->columnOf("ls_zje")), QString("89.00"));
        form.tbh->setText("2001000000104，2");  // the part after a full-width comma is dropped
        QTest::keyRelease(form.tbh, Qt::Key_Return);
        QCOMPARE(form.linesModel->rowCount(), 2);
        QCOMPARE(form.hjje->text(), QString("178"));
        form.delCurrRec();
        QCOMPARE(form.linesModel->rowCount(), 1);
    }

    void aNameFragmentOffersBatchesAndEnterAddsTheChosenOne() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "BLF");  // letter code of 布洛芬: three batches
        QVERIFY(form.RzPanel_Goods->isVisible());
        QCOMPARE(form.goodsModel->rowCount(), 3);
        QCOMPARE(form.linesModel->rowCount(), 0);
        form.cxGrid1->selectRow(2);
        QString batch =
            form.goodsModel->index(2, form.goodsModel->columnOf("t_ph")).data().toString();
        QTest::keyClick(form.cxGrid1, Qt::Key_Return);
        QVERIFY(!form.RzPanel_Goods->isVisible());
        QCOMPARE(form.linesModel->rowCount(), 1);
        QCOMPARE(form.linesModel->index(0, form.linesModel->columnOf("t_ph")).data().toString(),
                 batch);
    }

    void registrationIsAskedOncePerSaleForRestrictedGoods() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        int shown = 0;
        // The registration window is modal: type a name into it and close it with Esc.
        auto answerRegistration = [&] {
            QTimer::singleShot(50, [&] {
                QWidget* w = QApplication::activeModalWidget();
                if (!w) return;
                ++shown;
                if (auto* window = qobject_cast<TF_Posxs_Cfy*>(w)) window->txm->setText(" 李四 ");
                QTest::keyClick(w, Qt::Key_Escape);
            });
        };
        for (int i = 0; i < 2; ++i) {
            store.messages.answer(Answer::Yes);  // narcotic-containing
            store.messages.answer(Answer::Yes);  // prescription
            // Only the first restricted line asks; a timer left over would
            // answer some later test's window.
            if (i == 0) answerRegistration();
            scan(form, "2001000000050");  // 复方甘草片
        }
        QCOMPARE(shown, 1);
        QCOMPARE(form.linesModel->rowCount(), 2);
        QCOMPARE(QString::fromStdString(store.session.buyerName), QString("李四"));
        QCOMPARE(store.value("select count(*) from jxc_lsxssp where ls_xm='李四' and "
                             "t_cfsm='已出具处方，可以销售。'"),
                 std::string("2"));
    }

    void f5PaysTheSaleAndTheScreenMovesOn() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "2001000000104");
        scan(form, "2001000000128");
        const std::string number = form.gldjh->text().toStdString();
        int windows = 0;
        // The payment window is modal: confirm it with F5, twice, as a hurried cashier would.
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            ++windows;
            QTest::keyClick(w, Qt::Key_F5);
            if (QApplication::activeModalWidget() == w) QTest::keyClick(w, Qt::Key_F5);
        });
        QTest::keyClick(form.tbh, Qt::Key_F5);
        QCOMPARE(windows, 1);
        QCOMPARE(store.value("select count(*) from jxc_posxsd where gl_djh='" + number + "'"),
                 std::string("1"));
        QCOMPARE(store.value("select pos_yfje from jxc_posxsd where gl_djh='" + number + "'"),
                 std::string("92"));
        QCOMPARE(store.value("select count(*) from jxc_goodslist where gl_djh='" + number + "'"),
                 std::string("2"));
        QCOMPARE(store.value("select xj_je from jxc_xjyh where gl_djh='" + number + "'"),
                 std::string("92"));
        QVERIFY(form.gldjh->text().toStdString() != number);
        QCOMPARE(form.linesModel->rowCount(), 0);
        QCOMPARE(form.pos_Status->text(), QString("待销售状态"));
    }

    void aKeyGivenToTwoFunctionsRunsBothInOrder() {
        test::TestStore store;
        // F9 deletes the current line and then asks to delete them all.
        store.db.execSql("update jxc_gnb set gn_jz=120 where gn_name in ('删除当前','删除全部')");
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "2001000000104");
        scan(form, "2001000000128");
        store.messages.answer(Answer::No);
        QTest::keyClick(form.tbh, Qt::Key_F9);
        QCOMPARE(form.linesModel->rowCount(), 1);
        QCOMPARE(store.messages.shown().back().text, std::string("您确定要删除所有信息吗！"));
    }

    void theQuantityKeyOpensThePanelAndSavingChangesTheLine() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "2001000000104");
        QTest::keyClick(form.tbh, Qt::Key_F2);  // 修改数量 in the demo
        QVERIFY(form.RzPanel_Spsl->isVisible());
        QVERIFY(!form.dzl->isEnabled());
        form.xsl->setValue(3);
        QTest::keyClick(form.xsl, Qt::Key_Return);  // Enter in the new quantity saves
        QVERIFY(!form.RzPanel_Spsl->isVisible());
        QCOMPARE(form.hjje->text(), QString("267"));
        QCOMPARE(form.footer->text(form.linesModel->columnOf("ls_sl")), QString("3.00"));
    }

    void theDiscountKeyWithoutTheRightNeedsASupervisor() {
        test::TestStore store;
        store.db.execSql("update jxc_xtcs set cs_posdj='0'");
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "2001000000104");
        QString caption;
        QTimer::singleShot(0, [&] {  // the supervisor window: cancelled
            if (QWidget* w = QApplication::activeModalWidget()) {
                caption = w->windowTitle();
                QTest::keyClick(w, Qt::Key_Escape);
            }
        });
        QTest::keyClick(form.tbh, Qt::Key_F3);  // 修改折扣 in the demo
        QCOMPARE(caption, QString("修改售价-柜长授权"));
        QVERIFY(!form.RzPanel_Spsl->isVisible());
        QVERIFY(store.session.supervisorName.empty());
    }

    void recallIsRefusedWhileSelling() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        scan(form, "2001000000104");
        QTest::keyClick(form.tbh, Qt::Key_F8);  // 解挂 in the demo
        QCOMPARE(store.messages.shown().back().text, std::string("系统处于销售状态，不能解挂！"));
        QCOMPARE(form.linesModel->rowCount(), 1);
    }

    void escAsksAndNoKeepsTheWindowYesLeaves() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        runStartupSequence(store.ctx, form);
        store.messages.answer(Answer::No);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        store.messages.answer(Answer::Yes);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(store.value("select top 1 log_note from jxc_log order by id desc"),
                 std::string("退出POS系统"));
        QCOMPARE(store.messages.shown().size(), size_t(2));
    }
};

QTEST_MAIN(SalesWindowTest)
#include "posMainForm_test.moc"
