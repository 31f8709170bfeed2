// Opening the hematology order window on a catalogue of 500 analyses (400 ordinary ones and
// 100 of the leukocyte formula): the two queries, one line per row, the first layout and paint,
// and closing it again so that every round starts from the same state.
#include "app/mab_oru.h"
#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/window.h"
#include "tests/support/app_fixture.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/lab/w_hematologija_unos.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QTest>

class BenchHematologyOpen : public QObject {
    Q_OBJECT

    AppFixture m_fixture;

    static void closeWindow(w_hematologija_unos* window) {
        window->zatvori = true;
        Close(window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision(TestDataSource::Contents::Schema));
        QVERIFY(m_fixture.db().verifier().transaction());
        for (int i = 1; i <= 500; ++i) {
            const int podgrupa = i <= 400 ? 0 : 1;
            QVERIFY(m_fixture.db().exec(
                QStringLiteral("INSERT INTO nalazi VALUES (1, ?, ?, ?, 'g/L', 1.5, 9.5, 1.5, 9.5)"),
                {podgrupa, i, QStringLiteral("Analiza broj %1").arg(i)}));
        }
        QVERIFY(m_fixture.db().verifier().commit());
        QVERIFY(m_fixture.start());
    }

    void openWith500Analyses() {
        tab_lab_analize* page = m_fixture.window()->labAnalize();
        w_hematologija_unos* window = page->otvoriHematologiju();
        QCOMPARE(window->uoo_broj, qint16(500));
        closeWindow(window);

        QBENCHMARK {
            window = page->otvoriHematologiju();
            QCoreApplication::processEvents(); // first layout and paint
            closeWindow(window);
        }
    }
};

QTEST_MAIN(BenchHematologyOpen)
#include "bench_hematology_open.moc"
