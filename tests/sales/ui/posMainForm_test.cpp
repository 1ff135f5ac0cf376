// The sales window on the offscreen platform: start-up fills it, closing asks.
#include "sales/ui/posMainForm.h"

#include <QtTest>

#include "support/testStore.h"

using namespace pos;

class SalesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpShowsTheWindowWithItsHeader() {
        test::TestStore store;
        TF_PosMainForm form(store.ctx);
        QVERIFY(!form.isVisible());
        QCOMPARE(runStartupSequence(store.ctx, form), StartupOutcome::Ready);
        QVERIFY(form.isVisible());
        QVERIFY(form.windowTitle().endsWith("V1.0"));
        QCOMPARE(form.pos_Name->text(), QString("收银员"));
        QVERIFY(!form.compName->text().isEmpty());
        QCOMPARE(form.keyLegend[0]->text(), QString("F5"));
        QVERIFY(form.comYg->count() > 1);
        QCOMPARE(form.pos_Status->text(), QString("待销售状态"));
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
