// The ADRESAR list re-read on a full address book: 32,767 entries, the most a 16-bit key allows.
// " SVI " lists every one of them; a letter lists about a twentieth. The time of one press is
// the time the window cannot answer the user.
//     QT_QPA_PLATFORM=offscreen build/test/bench/bench_adresar_list
#include "runtime/widgets/list_data_window.h"
#include "tests/support/app_fixture.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/main/mab_la.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>

namespace {
constexpr int FullBook = 32767;
}

class BenchAdresarList : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    tab_adresar* m_page = nullptr;

    void press(const char* name) {
        m_page->slova()->findChild<QPushButton*>(QString::fromUtf8(name))->click();
        QApplication::processEvents(); // the list is painted, too
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        QVERIFY2(
            m_fixture.db().exec(
                QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                    "INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) "
                    "SELECT i, 'Ime' || i, "
                    "substr('ABCDEFGHIJKLMNOPRSTUVZ', 1 + i % 22, 1) || 'rezime' || i, "
                    "'1000000' || (100000 + i), i % 2, 1 + i % 5 FROM n")
                    .arg(FullBook)),
            qPrintable(m_fixture.db().lastError()));
        QCOMPARE(m_fixture.db().count(QStringLiteral("adresar")), FullBook);

        QElapsedTimer startUp;
        startUp.start();
        mab_la* window = m_fixture.start();
        QVERIFY(window);
        qInfo("start-up with the list of \"A\": %lld ms", startUp.elapsed());
        window->findChild<QTabWidget*>(QStringLiteral("tab_main"))->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        m_page = window->adresar();
    }

    void everyEntry() {
        QBENCHMARK {
            press("cb_svi");
        }
        QCOMPARE(m_page->lista()->rowCount(), FullBook);
    }

    void oneLetter() {
        QBENCHMARK {
            press("cb_a");
        }
        QVERIFY(m_page->lista()->rowCount() > 1000);
    }

    void scrollingToTheEnd() {
        press("cb_svi");
        QBENCHMARK {
            m_page->lista()->scrollToBottom();
            QApplication::processEvents();
            m_page->lista()->scrollToTop();
            QApplication::processEvents();
        }
    }
};

QTEST_MAIN(BenchAdresarList)
#include "bench_adresar_list.moc"
