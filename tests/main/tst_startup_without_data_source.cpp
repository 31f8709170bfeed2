// Start-up on a machine where MabZet was never set up: the program still shows its main window,
// and later statements fail with a message instead of crashing.
#include "runtime/core/transaction.h"
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"

#include <QTabWidget>

class TestStartupWithoutDataSource : public QObject {
    Q_OBJECT

    AppFixture m_fixture;

private slots:
    void initTestCase() { QVERIFY(m_fixture.provision(TestDataSource::Contents::Empty, false)); }

    void mainWindowOpensAnyway() {
        // Screens that query the database at start-up report their failures in message boxes;
        // every such box is answered, and none is left hanging.
        for (int i = 0; i < 10; ++i)
            m_fixture.modals().acknowledge();
        mab_la* window = m_fixture.start();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!sqlca().isConnected());
        const Result<> ready = sqlca().usable();
        QVERIFY(ready.sqlcode != 0 || !ready.sqlerrtext.isEmpty());
        MAB_FIND(tabs, QTabWidget, window, "tab_main");
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        for (const ModalSeen& seen : m_fixture.modals().seen())
            QVERIFY2(!seen.text.isEmpty(), qPrintable(seen.title));
        m_fixture.modals().clear();
    }

    void statementsFailWithATextAfterwards() {
        const Result<> deleted =
            sqlca().execute(QStringLiteral("DELETE FROM adresar WHERE rbr = ?"), {1});
        QVERIFY(deleted.sqlcode < 0);
        QVERIFY(!deleted.sqlerrtext.isEmpty());
        QVERIFY(sqlca().commit().sqlcode < 0);
    }

    void shutsDownCleanly() {
        m_fixture.stop();
        QVERIFY(!programConnectionRemains());
    }
};

QTEST_MAIN(TestStartupWithoutDataSource)
#include "tst_startup_without_data_source.moc"
