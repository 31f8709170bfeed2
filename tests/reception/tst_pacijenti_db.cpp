// A patient's records on the plain functions, on both databases: visit dates outside their limits,
// a new patient written with the first visit in one unit, the look-up of similar entries and the
// pickers' folding over one address book, and the merge of two entries of one patient.
#include "domain/addressbook/spajanje.h"
#include "domain/reception/poseta_datum.h"
#include "domain/reception/poseta_sql.h"
#include "domain/reception/poseta_upis.h"
#include "domain/search/odabir.h"
#include "domain/search/pravila.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"
#include "tests/addressbook/write_failures.h"
#include "tests/support/desk.h"
#include "tests/support/rows.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

namespace {

const QDate Danas(2026, 12, 9);

// The address book of the look-ups: rbr, first name, surname, identity number, city.
struct Unos {
    int rbr;
    const char* ime;
    const char* prezime;
    const char* mbr;
    const char* grad;
};
constexpr Unos Adresar[] = {
    {1, "Ana", "Anić", "0101990715001", "Novi Sad"},
    {2, "Đorđe", "Đurić", nullptr, "Niš"},
    {3, "Djordje", "Djurić", "1506976710011", "Beograd"},
    {4, "Petar", "Petrović", nullptr, "Beograd"},
    {5, "Petar", "Petrovic", "2902004710066", "Zemun"},
    {6, "Marko", "Đurić", nullptr, nullptr},
};

QString rbrovi(const QList<int>& rbr) {
    QStringList tekst;
    for (int r : rbr)
        tekst << QString::number(r);
    return tekst.join(QLatin1Char(' '));
}

} // namespace

class TestPacijenti : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;

    int count(const QString& table, const QString& where = {}, const QVariantList& binds = {}) {
        return m_db.count(table, where, binds);
    }

    poseta_upis::Poseta poseta(int rbrAdresar, const QDate& datum, const QString& dg) {
        poseta_upis::Poseta p;
        p.rbrAdresar = rbrAdresar;
        p.datum = datum;
        p.polja = {{QStringLiteral("mle_radnadiag"), dg}};
        return p;
    }

private slots:
    void initTestCase() {
        setTodayForTesting(Danas);
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        for (const Unos& u : Adresar)
            QVERIFY2(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, grad, "
                                              "pol, status) VALUES (?, ?, ?, ?, ?, 1, 1)"),
                               {u.rbr, QString::fromUtf8(u.ime), QString::fromUtf8(u.prezime),
                                u.mbr ? QVariant(QString::fromLatin1(u.mbr)) : nullText(),
                                u.grad ? QVariant(QString::fromUtf8(u.grad)) : nullText()}),
                     qPrintable(m_db.lastError()));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum) VALUES "
                                         "(1001, 2, '2025-03-10'), (1002, 2, '2026-02-01')")));
        m_sqlca = connectDesk();
        QCOMPARE(m_sqlca->usable().sqlcode, 0);
    }

    void cleanupTestCase() { setTodayForTesting(QDate()); }

    // A visit date outside 01.01.1900 .. 31.12.2027 (today 09.12.2026) is refused, naming the
    // range; nothing is written.
    void dateLimits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("written");
        row("year 0206", "09.12.0206", false);
        row("year 1000", "01.01.1000", false);
        row("year 2062", "09.12.2062", false);
        row("the day before the first", "31.12.1899", false);
        row("the first day", "01.01.1900", true);
        row("the end of next year", "31.12.2027", true);
        row("the year after next", "01.01.2028", false);
        row("today", "", true);
    }
    void dateLimits() {
        QFETCH(QString, typed);
        QFETCH(bool, written);
        const std::optional<QDate> datum = poseta_datum::procitaj(typed, Today());
        QVERIFY(datum);
        QCOMPARE(poseta_datum::uGranicama(*datum, Today()), written);
        const int before = count(QStringLiteral("poseta"));
        const Result<Ishod> ishod =
            poseta_upis::sacuvaj(*m_sqlca, poseta(1, *datum, QStringLiteral("x")));
        QCOMPARE(count(QStringLiteral("poseta")), before + (written ? 1 : 0));
        if (!written) {
            QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Obavestenje);
            QCOMPARE(ishod.value.obavestenje,
                     QStringLiteral("Datum posete mora biti između 01.01.1900 "
                                    "i 31.12.2027. Poseta nije upisana."));
        }
    }

    // The patient typed by hand and the first visit: both, or neither.
    void newPatientWithVisit_data() {
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<QString>("dg");
        QTest::addColumn<bool>("written");
        row("both written", "1111990715011", "J45", true);
        row("visit refused: no entry either", "2222990715022", "kvar", false);
        row("number of another entry: neither", "0101990715001", "J45", false);
        row("date out of range: neither", "3333990715033", "", false);
    }
    void newPatientWithVisit() {
        QFETCH(QString, mbr);
        QFETCH(QString, dg);
        QFETCH(bool, written);
        QVERIFY(failWrites(m_db, QStringLiteral("INSERT"), QStringLiteral("NEW.vrednost = 'kvar'"),
                           QStringLiteral("poseta_polje")));
        AdresarUnos unos;
        unos.ime = QStringLiteral("Nova");
        unos.prezime = QStringLiteral("Novaković");
        unos.mbr = mbr;
        const int entries = count(QStringLiteral("adresar"));
        const int visits = count(QStringLiteral("poseta"));
        const Result<Ishod> ishod = poseta_upis::sacuvaj(
            *m_sqlca, poseta(0, dg.isEmpty() ? QDate(1800, 1, 1) : Danas, dg), unos);
        QVERIFY(healWrites(m_db, QStringLiteral("INSERT"), QStringLiteral("poseta_polje")));
        QCOMPARE(ishod::kraj(ishod) == Ishod::Kraj::Upisano, written);
        QCOMPARE(count(QStringLiteral("adresar")), entries + (written ? 1 : 0));
        QCOMPARE(count(QStringLiteral("poseta")), visits + (written ? 1 : 0));
        if (written) {
            QCOMPARE(count(QStringLiteral("adresar"), QStringLiteral("rbr = ? AND mbr = ?"),
                           {ishod.value.rbrAdresar, mbr}),
                     1);
            QCOMPARE(count(QStringLiteral("poseta"), QStringLiteral("rbr = ? AND rbr_adresar = ?"),
                           {ishod.value.rbr, ishod.value.rbrAdresar}),
                     1);
            QVERIFY(
                m_db.exec(QStringLiteral("DELETE FROM poseta WHERE rbr = ?"), {ishod.value.rbr}));
            QVERIFY(m_db.exec(QStringLiteral("DELETE FROM adresar WHERE rbr = ?"),
                              {ishod.value.rbrAdresar}));
        }
        // The connection is ready for the next save.
        QCOMPARE(m_sqlca->holdsWrites(), false);
    }

    // Typed names and the entries they name: the look-up before adding a patient (surname and
    // first name, or the birth date the identity number gives) and the pickers' suggestions by
    // surname, both with the search's folding.
    void lookups_data() {
        QTest::addColumn<QString>("prezime");
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<QString>("slicni");
        QTest::addColumn<QString>("ponudjeni");
        row("Petrovic without marks", "Petrovic", "Petar", "", "4 5", "4 5");
        row("capitals and marks", "PETROVIĆ", "petar", "", "4 5", "4 5");
        row("Djuric for Đurić", "Djuric", "Djordje", "", "2 3", "2 3 6");
        row("Đ for Dj", "Đurić", "Đorđe", "", "2 3", "2 3 6");
        row("D for Đ", "Duric", "Dorde", "", "2 3", "2 3 6");
        row("birth date names another first name", "Đurić", "Marko", "1506976710099", "3 6",
            "2 3 6");
        row("first name alone", "Đurić", "Marko", "", "6", "2 3 6");
        row("another first name", "Anić", "Bora", "", "", "1");
        row("surname begun", "Ani", "Ana", "", "", "1");
        row("Dj is no D", "Dji", "Ana", "", "", "");
        row("spaces around", " Anic ", " Ana ", "", "1", "");
    }
    void lookups() {
        QFETCH(QString, prezime);
        QFETCH(QString, ime);
        QFETCH(QString, mbr);
        QFETCH(QString, slicni);
        QFETCH(QString, ponudjeni);
        const Result<QList<poseta_sql::SlicanPacijent>> nadjeni = poseta_sql::slicniPacijenti(
            *m_sqlca, pretraga::zaPoredjenje(prezime.trimmed()),
            pretraga::zaPoredjenje(ime.trimmed()), pretraga::datumRodjenja(mbr));
        QVERIFY2(!nadjeni.failed(), qPrintable(nadjeni.sqlerrtext));
        QList<int> rbr;
        for (const poseta_sql::SlicanPacijent& p : nadjeni.value)
            rbr << p.rbr;
        QCOMPARE(rbrovi(rbr), slicni);
        rbr.clear();
        for (const Unos& u : Adresar)
            if (pretraga::pocinjeSa(QString::fromUtf8(u.prezime) + QLatin1Char(' ') +
                                        QString::fromUtf8(u.ime),
                                    prezime))
                rbr << u.rbr;
        QCOMPARE(rbrovi(rbr), ponudjeni);
    }

    // What the chooser shows of an entry: its city and the date of its newest visit.
    void similarEntryColumns() {
        const Result<QList<poseta_sql::SlicanPacijent>> nadjeni = poseta_sql::slicniPacijenti(
            *m_sqlca, QStringLiteral("duric"), QStringLiteral("dorde"), std::nullopt);
        QCOMPARE(nadjeni.value.size(), 2);
        QCOMPARE(nadjeni.value.at(0).grad, QStringLiteral("Niš"));
        QCOMPARE(nadjeni.value.at(0).poslednjaPoseta, QDate(2026, 2, 1));
        QCOMPARE(nadjeni.value.at(1).poslednjaPoseta, QDate());
    }

    // Merging entry 21 (two visits, a booking) into 20 (one visit).
    void merge_data() {
        QTest::addColumn<QString>("mbrDuplikata");
        QTest::addColumn<QString>("mbrZadrzanog");
        QTest::addColumn<QString>("kvar"); // "operation table" refused, or empty
        QTest::addColumn<int>("kraj");
        QTest::addColumn<QString>("mbrPosle");
        const int spojeno = int(Ishod::Kraj::Upisano);
        const int obavestenje = int(Ishod::Kraj::Obavestenje);
        const int neupisano = int(Ishod::Kraj::Neupisano);
        row("visits and bookings moved, duplicate gone", "", "0202990715002", "", spojeno,
            "0202990715002");
        row("the kept entry takes the number", "0303990715003", "", "", spojeno, "0303990715003");
        row("different numbers refused", "0303990715003", "0202990715002", "", obavestenje,
            "0202990715002");
        row("visits refused: both unchanged", "", "", "UPDATE poseta", neupisano, "");
        row("bookings refused: both unchanged", "0303990715003", "", "UPDATE zakazivanje",
            neupisano, "");
        row("laboratory orders refused: both unchanged", "0303990715003", "", "UPDATE nalog",
            neupisano, "");
        row("delete refused: both unchanged", "", "", "DELETE adresar", neupisano, "");
        row("number refused: both unchanged", "0303990715003", "", "UPDATE adresar", neupisano, "");
    }
    void merge() {
        QFETCH(QString, mbrDuplikata);
        QFETCH(QString, mbrZadrzanog);
        QFETCH(QString, kvar);
        QFETCH(int, kraj);
        QFETCH(QString, mbrPosle);
        for (const char* sql : {"DELETE FROM zakazivanje WHERE rbr_adresar IN (20, 21)",
                                "DELETE FROM nalog WHERE rbr_adresar IN (20, 21)",
                                "DELETE FROM poseta WHERE rbr_adresar IN (20, 21)",
                                "DELETE FROM adresar WHERE rbr IN (20, 21)"})
            QVERIFY2(m_db.exec(QString::fromLatin1(sql)), qPrintable(m_db.lastError()));
        QVERIFY(m_db.exec(
            QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr) VALUES (20, 'Ana', "
                           "'Anić', ?), (21, 'Ana', 'Anic', ?)"),
            {mbrZadrzanog.isEmpty() ? nullText() : QVariant(mbrZadrzanog),
             mbrDuplikata.isEmpty() ? nullText() : QVariant(mbrDuplikata)}));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum) VALUES "
                                         "(2020, 20, '2026-01-05'), (2021, 21, '2026-02-05'), "
                                         "(2022, 21, '2026-03-05')")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme, "
                                         "rbr_adresar) VALUES (1, '2026-12-20', '09:00:00', 21)")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO nalog (rbr_adresar, datum, ukupno_hem, "
                                         "ukupno_biohem, ukupno_urin, svega) VALUES "
                                         "(21, '2026-02-05', 0, 0, 0, 0)")));
        const QStringList refused = kvar.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!refused.isEmpty())
            QVERIFY2(failWrites(m_db, refused.at(0),
                                refused.at(0) == QLatin1String("DELETE")    ? "OLD.rbr = 21"
                                : refused.at(1) == QLatin1String("adresar") ? "NEW.rbr = 20"
                                                                            : "1 = 1",
                                refused.at(1)),
                     qPrintable(m_db.lastError()));
        const Result<Ishod> ishod = spajanje::spoji(*m_sqlca, 21, 20);
        if (!refused.isEmpty())
            QVERIFY(healWrites(m_db, refused.at(0), refused.at(1)));
        QCOMPARE(int(ishod::kraj(ishod)), kraj);
        const bool merged = kraj == int(Ishod::Kraj::Upisano);
        QCOMPARE(count(QStringLiteral("adresar"), QStringLiteral("rbr = 21")), merged ? 0 : 1);
        QCOMPARE(count(QStringLiteral("poseta"), QStringLiteral("rbr_adresar = 20")),
                 merged ? 3 : 1);
        QCOMPARE(count(QStringLiteral("poseta"), QStringLiteral("rbr_adresar = 21")),
                 merged ? 0 : 2);
        QCOMPARE(count(QStringLiteral("zakazivanje"), QStringLiteral("rbr_adresar = 20")),
                 merged ? 1 : 0);
        QCOMPARE(count(QStringLiteral("nalog"), QStringLiteral("rbr_adresar = 20")),
                 merged ? 1 : 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT mbr FROM adresar WHERE rbr = 20")).toString(),
                 mbrPosle);
        QCOMPARE(m_sqlca->holdsWrites(), false);
    }

    void mergeQuestionAndRefusals() {
        AdresarUnos a;
        a.rbr = 20;
        a.ime = QStringLiteral("Ana");
        a.prezime = QStringLiteral("Anić");
        AdresarUnos b = a;
        b.rbr = 21;
        b.mbr = QStringLiteral("0303990715003");
        QCOMPARE(spajanje::pitanje(b, a),
                 QStringLiteral("Spojiti unos „Anić Ana (0303990715003)“ (redni broj 21) sa "
                                "unosom „Anić Ana“ (redni broj 20)? Posete, termini i "
                                "laboratorijski nalozi prvog prelaze na drugi, a prvi se briše iz "
                                "adresara."));
        QVERIFY(!spajanje::zastoNe(a, a).isEmpty());
        QCOMPARE(spajanje::zastoNe(b, a), QString());
    }
};

QTEST_MAIN(TestPacijenti)
#include "tst_pacijenti_db.moc"
