// The visit's date as the desk types it: the accepted forms, the empty field that means today,
// and everything refused. Expected dates are written out by hand.
#include "domain/reception/poseta_datum.h"

#include <QTest>

namespace {

const QDate Danas(2026, 12, 9);

} // namespace

class TestPosetaDatum : public QObject {
    Q_OBJECT

private slots:
    void procitaj_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QDate>("datum"); // invalid: refused
        QTest::newRow("empty is today") << "" << Danas;
        QTest::newRow("dd.mm.gggg") << "09.12.2026" << QDate(2026, 12, 9);
        QTest::newRow("d.m.gggg") << "1.2.2026" << QDate(2026, 2, 1);
        QTest::newRow("d.mm.gggg") << "5.11.2025" << QDate(2025, 11, 5);
        QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
        QTest::newRow("last day of the year") << "31.12.1999" << QDate(1999, 12, 31);
        QTest::newRow("no leap day in 2026") << "29.02.2026" << QDate();
        QTest::newRow("31 November") << "31.11.2026" << QDate();
        QTest::newRow("month 13") << "01.13.2026" << QDate();
        QTest::newRow("day 0") << "0.12.2026" << QDate();
        QTest::newRow("year 0000") << "01.01.0000" << QDate();
        QTest::newRow("two-digit year") << "09.12.26" << QDate();
        QTest::newRow("three-digit day") << "009.12.2026" << QDate();
        QTest::newRow("trailing dot") << "09.12.2026." << QDate();
        QTest::newRow("ISO form") << "2026-12-09" << QDate();
        QTest::newRow("slashes") << "09/12/2026" << QDate();
        QTest::newRow("leading space") << " 09.12.2026" << QDate();
        QTest::newRow("trailing space") << "09.12.2026 " << QDate();
        QTest::newRow("only spaces") << "   " << QDate();
        QTest::newRow("words") << "danas" << QDate();
        QTest::newRow("Arabic-Indic digits") << "٠٩.١٢.٢٠٢٦" << QDate();
        QTest::newRow("full-width digits") << "０９.１２.２０２６" << QDate();
        QTest::newRow("line break") << "09.12.2026\n" << QDate();
        QTest::newRow("SQL") << "09.12.2026'; DROP TABLE poseta; --" << QDate();
    }

    void procitaj() {
        QFETCH(QString, tekst);
        QFETCH(QDate, datum);
        const std::optional<QDate> procitan = poseta_datum::procitaj(tekst, Danas);
        if (datum.isValid()) {
            QVERIFY(procitan.has_value());
            QCOMPARE(*procitan, datum);
        } else {
            QVERIFY2(!procitan.has_value(), qPrintable(procitan->toString(Qt::ISODate)));
        }
    }

    void prikazi() {
        QCOMPARE(poseta_datum::prikazi(QDate(2026, 2, 1)), QStringLiteral("01.02.2026"));
        QCOMPARE(poseta_datum::prikazi(QDate(1999, 12, 31)), QStringLiteral("31.12.1999"));
        // What the form shows is read back as the same day.
        QCOMPARE(poseta_datum::procitaj(QStringLiteral("01.02.2026"), Danas), QDate(2026, 2, 1));
    }
};

QTEST_APPLESS_MAIN(TestPosetaDatum)
#include "tst_poseta_datum.moc"
