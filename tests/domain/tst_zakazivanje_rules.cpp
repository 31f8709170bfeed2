// The booking rules that need no database: the half-hour grid, the day's caption, the sheet's and
// the list box's texts, and when a slot lies in the past.
#include "domain/appointments/zakazivanje_prikaz.h"
#include "domain/appointments/zakazivanje_upis.h"

#include <QTest>

using zakazivanje_sql::Termin;

class TestZakazivanjeRules : public QObject {
    Q_OBJECT

private slots:
    void grid_data() {
        QTest::addColumn<QTime>("vreme");
        QTest::addColumn<int>("red");
        QTest::newRow("first") << QTime(7, 0) << 0;
        QTest::newRow("half past seven") << QTime(7, 30) << 1;
        QTest::newRow("half past nine") << QTime(9, 30) << 5;
        QTest::newRow("last") << QTime(22, 0) << 30;
        QTest::newRow("before the first") << QTime(6, 30) << -1;
        QTest::newRow("after the last") << QTime(22, 30) << -1;
        QTest::newRow("quarter past") << QTime(9, 15) << -1;
        QTest::newRow("a second past") << QTime(9, 30, 1) << -1;
        QTest::newRow("no time") << QTime() << -1;
    }
    void grid() {
        QFETCH(QTime, vreme);
        QFETCH(int, red);
        QCOMPARE(zakazivanje_prikaz::redTermina(vreme), red);
        QCOMPARE(zakazivanje_upis::naMrezi(vreme), red >= 0);
        if (red >= 0)
            QCOMPARE(zakazivanje_prikaz::vremeReda(red), vreme);
    }

    void dayCaption_data() {
        QTest::addColumn<QDate>("dan");
        QTest::addColumn<QString>("naziv");
        QTest::newRow("tuesday") << QDate(2026, 12, 8) << "utorak, 8. decembar 2026";
        QTest::newRow("thursday") << QDate(2027, 1, 14) << "četvrtak, 14. januar 2027";
        QTest::newRow("sunday") << QDate(2000, 6, 18) << "nedelja, 18. jun 2000";
    }
    void dayCaption() {
        QFETCH(QDate, dan);
        QFETCH(QString, naziv);
        QCOMPARE(zakazivanje_prikaz::nazivDana(dan), naziv);
    }

    void texts_data() {
        QTest::addColumn<bool>("pacijent");
        QTest::addColumn<QString>("opis");
        QTest::addColumn<QString>("telefon");
        QTest::addColumn<QString>("mobilni");
        QTest::addColumn<QString>("naSheetu");
        QTest::addColumn<QString>("uListi");
        QTest::newRow("patient, note, mobile") << true << "kontrola"
                                               << "011/222"
                                               << "064/333"
                                               << "Petrović Ana – kontrola"
                                               << "09:30  Petrović Ana  064/333";
        QTest::newRow("home telephone when no mobile") << true << ""
                                                       << "011/222"
                                                       << ""
                                                       << "Petrović Ana"
                                                       << "09:30  Petrović Ana  011/222";
        QTest::newRow("no telephone") << true << ""
                                      << ""
                                      << ""
                                      << "Petrović Ana"
                                      << "09:30  Petrović Ana";
        QTest::newRow("note alone") << false << "sastanak"
                                    << ""
                                    << ""
                                    << "sastanak"
                                    << "09:30  sastanak";
        QTest::newRow("line breaks shown as blanks") << false << "prvi\r\ndrugi\ntreći"
                                                     << ""
                                                     << ""
                                                     << "prvi drugi treći"
                                                     << "09:30  prvi drugi treći";
    }
    void texts() {
        QFETCH(bool, pacijent);
        QFETCH(QString, opis);
        QFETCH(QString, telefon);
        QFETCH(QString, mobilni);
        Termin termin;
        termin.vreme = QTime(9, 30);
        termin.opis = opis;
        if (pacijent) {
            termin.rbrAdresar = 4;
            termin.prezime = QStringLiteral("Petrović");
            termin.ime = QStringLiteral("Ana");
            termin.telefon = telefon;
            termin.mobTelefon = mobilni;
        }
        QTEST(zakazivanje_prikaz::opisTermina(termin), "naSheetu");
        QTEST(zakazivanje_prikaz::stavkaListe(termin), "uListi");
    }

    void past_data() {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<QTime>("vreme");
        QTest::addColumn<bool>("proslost");
        // Now is 8 December 2026 at 12:10.
        QTest::newRow("yesterday") << QDate(2026, 12, 7) << QTime(21, 30) << true;
        QTest::newRow("this morning") << QDate(2026, 12, 8) << QTime(12, 0) << true;
        QTest::newRow("this afternoon") << QDate(2026, 12, 8) << QTime(12, 30) << false;
        QTest::newRow("tomorrow") << QDate(2026, 12, 9) << QTime(7, 0) << false;
    }
    void past() {
        QFETCH(QDate, datum);
        QFETCH(QTime, vreme);
        QFETCH(bool, proslost);
        QCOMPARE(zakazivanje_upis::uProslosti(datum, vreme,
                                              QDateTime(QDate(2026, 12, 8), QTime(12, 10))),
                 proslost);
    }
};

QTEST_GUILESS_MAIN(TestZakazivanjeRules)
#include "tst_zakazivanje_rules.moc"
