// The list's filters: a letter button lists the surnames beginning with it, " SVI " every surname,
// both limited by the editor bar's status filter; an entry without a known status is never listed.
#include "tests/addressbook/adresar_harness.h"

#include <QAbstractItemModelTester>

namespace {
const QVariant NoText = QVariant(QMetaType::fromType<QString>());
const QVariant NoStatus = QVariant();
} // namespace

class TestAdresarFilters : public QObject {
    Q_OBJECT

    AdresarHarness h;

    QStringList listedAfter(const QString& button) {
        h.press(button);
        QStringList names = h.surnames();
        names.sort();
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(h.provision());
        QVERIFY(h.start({{1, "Ana", "Antić"},
                         {2, "Dragan", "Džunić", NoText, 2},
                         {3, "Dejan", "Dimić"},
                         {4, "Đorđe", "Đorđević", NoText, 2},
                         {5, "Ljiljana", "Ljubić", NoText, 4},
                         {6, "Lazar", "Lazić"},
                         {7, "Nikola", "Njegoš", NoText, 2},
                         {8, "Nevena", "Nikolić"},
                         {9, "Zlata", "Zlatić"},
                         {10, "Zoran", "Zec", NoText, 99},
                         {11, "Zorica", "Zorić", NoText, NoStatus}}));
    }

    void cleanup() {
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
    }

    void startsWithTheSurnamesOfA() { QCOMPARE(h.surnames(), QStringList{"Antić"}); }

    void lettersAreSurnamePrefixes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("surnames");
        // "D", "L" and "N" also list the two-letter letters that begin with them.
        QTest::newRow("D") << "cb_d" << QStringList{"Dimić", "Džunić"};
        QTest::newRow("Dž") << "cb_dž" << QStringList{"Džunić"};
        QTest::newRow("Đ") << "cb_đ" << QStringList{"Đorđević"};
        QTest::newRow("L") << "cb_9" << QStringList{"Lazić", "Ljubić"};
        QTest::newRow("Lj") << "cb_lj" << QStringList{"Ljubić"};
        QTest::newRow("N") << "cb_n" << QStringList{"Nikolić", "Njegoš"};
        QTest::newRow("Nj") << "cb_nj" << QStringList{"Njegoš"};
        // Zec's status has no row in status and Zorić has none at all: neither is ever listed.
        QTest::newRow("Z") << "cb_z" << QStringList{"Zlatić"};
        QTest::newRow("no one") << "cb_ć" << QStringList{};
    }

    void lettersAreSurnamePrefixes() {
        QFETCH(QString, button);
        QFETCH(QStringList, surnames);
        QCOMPARE(listedAfter(button), surnames);
    }

    void sviListsEveryEntryWithAKnownStatus() {
        QCOMPARE(h.statusFilter()->currentText(), QStringLiteral("Svi"));
        QCOMPARE(listedAfter(QStringLiteral("cb_svi")),
                 (QStringList{"Antić", "Dimić", "Džunić", "Lazić", "Ljubić", "Nikolić", "Njegoš",
                              "Zlatić", "Đorđević"}));
    }

    void statusFilterTakesEffectWithTheNextPress() {
        h.press(QStringLiteral("cb_d"));
        AdresarHarness::pick(h.statusFilter(), QStringLiteral("Saradnik"));
        QCOMPARE(h.page->slova()->gruupa, QStringLiteral("Saradnik"));
        QCOMPARE(h.list()->rowCount(), 2); // not re-read yet
        QCOMPARE(listedAfter(QStringLiteral("cb_d")), QStringList{"Džunić"});
        QCOMPARE(listedAfter(QStringLiteral("cb_svi")),
                 (QStringList{"Džunić", "Njegoš", "Đorđević"}));

        AdresarHarness::pick(h.statusFilter(), QStringLiteral("Svi"));
        QCOMPARE(h.page->slova()->gruupa, QStringLiteral("%"));
        QCOMPARE(listedAfter(QStringLiteral("cb_d")), (QStringList{"Dimić", "Džunić"}));
        // A status filter choice does not touch the form's change flag.
        QVERIFY(!h.window->menjano());
    }

    void theListModelStaysConsistent() {
        QAbstractItemModelTester tester(h.list()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.press(QStringLiteral("cb_svi"));
        h.press(QStringLiteral("cb_ć"));
        h.press(QStringLiteral("cb_n"));
        QCOMPARE(h.list()->deleteRow(1), 1);
        QCOMPARE(h.list()->rowCount(), 1);
        QCOMPARE(h.list()->deleteRow(5), -1);
        h.list()->clearRows();
        QCOMPARE(h.list()->rowCount(), 0);
        QCOMPARE(h.list()->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Adresar Rbr"));
    }
};

QTEST_MAIN(TestAdresarFilters)
#include "tst_adresar_filters_db.moc"
