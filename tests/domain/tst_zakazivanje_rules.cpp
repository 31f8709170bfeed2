// The booking rules that need no database: the half-hour grid, the day's caption, the sheet's and
// the list box's texts, when a slot lies in the past, how namesakes are told apart in the picker,
// and the order of a patient's bookings.
#include "domain/appointments/termini_pacijenta.h"
#include "domain/appointments/zakazivanje_prikaz.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "tests/support/rows.h"

#include <QTest>

using status_termina::Status;
using zakazivanje_sql::Pacijent;
using zakazivanje_sql::Termin;
using zakazivanje_sql::TerminPacijenta;

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
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("sacuvanoIme");
        row("patient, note, mobile", true, "kontrola", "011/222", "064/333",
            "Petrović Ana – kontrola", "09:30  Petrović Ana  064/333", 0, "");
        row("home telephone when no mobile", true, "", "011/222", "", "Petrović Ana",
            "09:30  Petrović Ana  011/222", 0, "");
        row("no telephone", true, "", "", "", "Petrović Ana", "09:30  Petrović Ana", 0, "");
        row("note alone", false, "sastanak", "", "", "sastanak", "09:30  sastanak", 0, "");
        row("line breaks shown as blanks", false, "prvi\r\ndrugi\ntreći", "", "",
            "prvi drugi treći", "09:30  prvi drugi treći", 0, "");
        row("came", true, "kontrola", "", "064/333", "Petrović Ana – kontrola (došao)",
            "09:30  Petrović Ana  064/333 (došao)", int(Status::Dosao), "");
        row("cancelled note", false, "sastanak", "", "", "sastanak (otkazan)",
            "09:30  sastanak (otkazan)", int(Status::Otkazan), "");
        row("patient deleted, name kept", false, "kontrola", "", "",
            "Odlazić Ivo – kontrola (nije došao)", "09:30  Odlazić Ivo (nije došao)",
            int(Status::NijeDosao), "Odlazić Ivo");
    }

    void texts() {
        QFETCH(bool, pacijent);
        QFETCH(QString, opis);
        QFETCH(QString, telefon);
        QFETCH(QString, mobilni);
        QFETCH(int, status);
        QFETCH(QString, sacuvanoIme);
        Termin termin;
        termin.vreme = QTime(9, 30);
        termin.opis = opis;
        termin.status = Status(status);
        termin.sacuvanoIme = sacuvanoIme;
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

    // The picker's texts: namesakes by identity number, else city, else telephone; only what
    // the address book does not tell apart at all gets its place among the alike.
    void namesakes_data() {
        QTest::addColumn<QList<Pacijent>>("pacijenti");
        QTest::addColumn<QStringList>("nazivi"); // in the list's order
        const Pacijent ana1{1, "Petrović", "Ana", "0101990715001", "Beograd", "011 1"};
        const Pacijent ana2{2, "Petrović", "Ana", "", "Niš", "011 2"};
        const Pacijent ana3{3, "Petrović", "Ana", "", "", "064 3"};
        const Pacijent ana4{4, "Petrović", "Ana", "", "", ""};
        const Pacijent ana5{5, "Petrović", "Ana", "", "Niš", ""};
        const Pacijent zarko{6, "Đurić", "Žarko", "", "Niš", ""};
        QTest::newRow("one of a name: the name alone")
            << QList<Pacijent>{ana1, zarko} << QStringList{"Petrović Ana", "Đurić Žarko"};
        QTest::newRow("identity number, city, telephone")
            << QList<Pacijent>{ana1, ana2, ana3, zarko}
            << QStringList{"Petrović Ana (0101990715001)", "Petrović Ana (Niš)",
                           "Petrović Ana (064 3)", "Đurić Žarko"};
        QTest::newRow("nothing to tell them by")
            << QList<Pacijent>{ana2, ana4, ana5}
            << QStringList{"Petrović Ana (Niš) /1", "Petrović Ana", "Petrović Ana (Niš) /2"};
    }
    void namesakes() {
        QFETCH(QList<Pacijent>, pacijenti);
        QFETCH(QStringList, nazivi);
        const QHash<QString, int> dobijeni = zakazivanje_prikaz::naziviPacijenata(pacijenti);
        QCOMPARE(dobijeni.size(), pacijenti.size());
        for (qsizetype i = 0; i < pacijenti.size(); ++i)
            QCOMPARE(dobijeni.value(nazivi.at(i)), pacijenti.at(i).rbr);
    }

    // "When is my appointment?": the upcoming ones first, soonest first, then the past ones,
    // latest first; a booking is upcoming until its half hour is over.
    void patientsBookings_data() {
        QTest::addColumn<QDateTime>("sada");
        QTest::addColumn<QList<int>>("redosled"); // of the bookings below, by their number
        QTest::addColumn<QList<int>>("predstoji");
        const QDate dan(2026, 12, 8);
        row("during the 09:00 booking", QDateTime(dan, QTime(9, 10)), QList<int>{3, 5, 1, 2, 6, 4},
            QList<int>{3, 5, 1});
        row("as the 09:00 booking ends", QDateTime(dan, QTime(9, 30)), QList<int>{5, 1, 3, 2, 6, 4},
            QList<int>{5, 1});
        row("all past", QDateTime(QDate(2030, 1, 1), QTime(8, 0)), QList<int>{1, 5, 3, 2, 6, 4},
            QList<int>{});
        row("all to come", QDateTime(QDate(2000, 1, 1), QTime(8, 0)), QList<int>{4, 6, 2, 3, 5, 1},
            QList<int>{4, 6, 2, 3, 5, 1});
    }
    void patientsBookings() {
        QFETCH(QDateTime, sada);
        QFETCH(QList<int>, redosled);
        QFETCH(QList<int>, predstoji);
        auto t = [](int rbr, const QDate& datum, const QTime& vreme) {
            TerminPacijenta termin;
            termin.rbr = rbr;
            termin.datum = datum;
            termin.vreme = vreme;
            return termin;
        };
        const QList<TerminPacijenta> termini{
            t(1, QDate(2027, 1, 5), QTime(7, 0)),   // next year
            t(2, QDate(2026, 12, 8), QTime(8, 30)), // this morning, over
            t(3, QDate(2026, 12, 8), QTime(9, 0)),  // going on now
            t(4, QDate(2019, 3, 1), QTime(10, 0)),  // long ago
            t(5, QDate(2026, 12, 8), QTime(9, 30)), // next half hour
            t(6, QDate(2026, 11, 30), QTime(22, 0)),
        };
        QList<int> dobijeno;
        QList<int> buduci;
        for (const TerminPacijenta& termin : termini_pacijenta::poredjaj(termini, sada)) {
            dobijeno << termin.rbr;
            if (termini_pacijenta::predstoji(termin, sada))
                buduci << termin.rbr;
        }
        QCOMPARE(dobijeno, redosled);
        QCOMPARE(buduci, predstoji);
    }
};

QTEST_GUILESS_MAIN(TestZakazivanjeRules)
#include "tst_zakazivanje_rules.moc"
